#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace brevmark::fuzz {

// Takes choices from the front of a fuzz input; what is left is the data under test. A choice
// beyond the end reads as 0, so every input is usable.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A number from `lowest` to `highest`, from one byte.
    int number(int lowest, int highest) {
        return lowest + int(byte() % unsigned(highest - lowest + 1));
    }
    // The next `count` bytes (fewer at the end).
    QByteArray bytes(std::size_t count) {
        const std::size_t n = count < size_ - pos_ ? count : size_ - pos_;
        QByteArray taken(reinterpret_cast<const char*>(data_ + pos_), qsizetype(n));
        pos_ += n;
        return taken;
    }
    QByteArray rest() { return bytes(size_ - pos_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The whole input as bytes.
inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace brevmark::fuzz
