#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

namespace brevmark {

// The slots of a metafile's object table. GDI gives every new object the lowest free index, and a
// file may create millions of objects into a table of 65535, so the lowest free slot is found in
// constant time through a three-level bitmap of free slots, never by walking the table.
class WmfObjectSlots {
public:
    // Object indexes are 16-bit words.
    static constexpr int maxSlots = 0xFFFF;

    // A table of the size the header declares (at most maxSlots), every slot free.
    explicit WmfObjectSlots(int declared);

    int size() const { return size_; }
    // Takes the lowest free slot; a full table grows by one slot (a header may under-count its
    // objects) until maxSlots. Nothing when every slot is taken.
    std::optional<int> take();
    // Frees a taken slot; other indexes are ignored.
    void release(int index);
    bool isTaken(int index) const;

private:
    void setFree(int index, bool free);

    int size_;
    std::array<quint64, 1024> leaves_{}; // one bit per slot: free
    std::array<quint64, 16> middle_{};   // one bit per leaf word: it has a free slot
    quint16 top_ = 0;                    // one bit per middle word: it has a free slot
};

} // namespace brevmark
