#pragma once

#include "records/LayoutFile.h"
#include "records/LayoutFolder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace brevmark {

class FileSystem;
class MessageBoxes;

// The layout panel `開啟記錄窗` as a model: the layouts of the records folder, the one chosen in
// the list, and saving, reading and deleting layout files with the panel's messages. Capturing
// the page and placing a layout on it are the caller's.
class LayoutLibrary {
public:
    enum class SaveOutcome { Saved, TooFew, Failed };

    LayoutLibrary(FileSystem& files, MessageBoxes& boxes, QString recordsFolder);
    // Called with notice 1 after a save and notice 2 after a delete.
    void setNoticeRequest(std::function<void(int)> requestNotice);

    // `載入排版檔案`: the layouts found in the records folder; nothing is chosen afterwards.
    void listLayouts();
    const QStringList& names() const { return names_; }
    // A list entry was chosen (-1 for none): the take and delete commands show while one is.
    void choose(int row);
    QString chosenName() const;
    bool commandsShown() const { return chosen_ >= 0; }

    // Field cleaning and outer spaces, as the name box gets the name back.
    static QString cleanName(const QString& name);
    // True when a cleaned name can be a layout; otherwise the user is told why.
    bool acceptsName(const QString& name);
    // Writes the page's items as the layout of that name, replacing a layout of the same name.
    // Fewer than two items are not saved (TooFew, after the message); any other failure, such as
    // more than LayoutFile::recordLimit records, writes nothing (Failed, after the message).
    SaveOutcome save(const QString& name, const Layout& page);
    // The chosen layout's items; nothing when none is chosen or it cannot be read (the user was
    // told).
    std::optional<Layout> readChosen();
    // Asks, then deletes the chosen layout's file; false when the user said No or it stayed.
    bool deleteChosen();

    QString pathOf(const QString& name) const { return folder_.pathOf(name); }

private:
    FileSystem& files_;
    MessageBoxes& boxes_;
    LayoutFolder folder_;
    std::function<void(int)> requestNotice_;
    QStringList names_;
    int chosen_ = -1;
};

} // namespace brevmark
