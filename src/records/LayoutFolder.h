#pragma once

#include <QString>
#include <QStringList>

namespace brevmark {

class FileSystem;

// The page layouts of the records folder, one file `<name>.wab` each. A layout name is always
// one file of the records folder itself: names that would reach out of it are refused.
class LayoutFolder {
public:
    LayoutFolder(FileSystem& files, QString recordsFolder);

    // Every layout, sorted by name: each file whose name ends in ".wab" or ".WAB" (exactly these
    // two spellings) without that ending.
    QStringList names() const;
    // True when the name can be a layout file of the records folder: not empty, no "/" or "\",
    // no NUL, and not only dots.
    static bool isSafeName(const QString& name);
    // The layout's file: an existing "<name>.wab", else an existing "<name>.WAB", else
    // "<name>.wab" (the spelling a new layout gets).
    QString pathOf(const QString& name) const;
    // Deletes the layout's file when it exists; false when it is still there afterwards.
    bool remove(const QString& name);

private:
    FileSystem& files_;
    QString recordsFolder_;
};

} // namespace brevmark
