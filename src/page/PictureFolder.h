#pragma once

#include "platform/DataLocation.h"
#include "platform/Picture.h"
#include "platform/UserMessage.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace brevmark {

class FileSystem;
class PictureLoader;

// The pictures folder as the picture panel shows it: the list of usable picture files, filled
// once at start-up, the preview of the entry last clicked, and taking or deleting that picture.
// The program never writes into the folder; it only deletes from it on request.
class PictureFolder {
public:
    // What the current image item receives from the take command.
    struct TakenPicture {
        QString fileName;
        QSizeF sizeTwips;
        Picture picture;
    };

    PictureFolder(FileSystem& files, const PictureLoader& loader, DataLocation location);

    // What the last steps left to tell the user, in order; taking them empties the list.
    QList<UserMessage> takeMessages() { return std::exchange(messages_, {}); }

    // Called with notice 2 after a picture is deleted; the prompt window shows it.
    void setNoticeRequest(std::function<void(int)> requestNotice);
    // Called with the file's name after a picture file was deleted, so that nothing keeps
    // offering it.
    void setDeletedHandler(std::function<void(const QString&)> deleted);

    // A name ending, lower-cased, in "jpg", "gif", "bmp" or "wmf"; the dot is not checked.
    static bool isUsableName(const QString& name);

    // Start-up: every usable file of the folder, in the order the directory gives them.
    void fill();
    const QStringList& names() const { return names_; }
    int indexOf(const QString& name) const { return names_.indexOf(name); }

    // Click on entry `row`: loads it into the preview. A file that cannot be read leaves the list
    // (it stays on disk), leaves a message and gives false.
    bool preview(int row);
    int chosenRow() const { return chosen_; }
    const Picture& previewPicture() const { return preview_; }
    bool takeVisible() const { return takeVisible_; }
    bool deleteVisible() const { return deleteVisible_; }

    // The previewed picture with its list entry's name; nothing when no picture is previewed.
    std::optional<TakenPicture> take() const;

    // The name of the chosen entry; empty when none is chosen.
    QString chosenName() const;
    // Deletes the chosen entry's file (the window asks first) and removes the entry; false when
    // nothing is chosen, or the file could not be deleted (a message says so).
    bool deleteChosen();

    // A picture of the folder by file name, for image items filled from stored formats: null when
    // the file is missing or cannot be read (nothing is reported).
    Picture loadFile(const QString& name) const;
    // Names that lead out of the folder ("..", a folder part, a link to a file elsewhere) are
    // neither listed nor read.
    bool leadsInside(const QString& name) const;
    // The folder holds a file of that name now, and the name leads nowhere else.
    bool hasFile(const QString& name) const;

    // Hint over the list.
    QString listHint() const;

    // The panel's size in twips for a preview placed at the given rectangle in the panel.
    static QSizeF panelSize(const QRectF& previewTwips);

    static QString warningTitle() { return QStringLiteral("提示"); }
    static QString damagedText(const QString& name);
    static QString deleteTitle() { return QStringLiteral("刪除圖片"); }
    static QString deleteQuestion(const QString& name);
    static QString emptyListHint();
    static QString listUsageHint();
    static constexpr int deletedNotice = 2;

private:
    void removeEntry(int row);

    FileSystem& files_;
    const PictureLoader& loader_;
    QList<UserMessage> messages_;
    DataLocation location_;
    std::function<void(int)> requestNotice_;
    std::function<void(const QString&)> deleted_;
    QStringList names_;
    int chosen_ = -1;
    Picture preview_;
    bool takeVisible_ = false;
    bool deleteVisible_ = false;
};

} // namespace brevmark
