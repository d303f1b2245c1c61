#pragma once

#include "platform/UserMessage.h"
#include "records/FormatRecord.h"
#include "records/FormatRecordLines.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

namespace brevmark {

class FileSystem;

// The format record panel `條碼讀取窗` as a model: the categories of the format file, the names
// of the chosen category (the full list `排列清單2` and the list `排列清單` narrowed by the prefix
// `篩選字頭`), the chosen format and what the panel shows. Every step reads the file afresh, so
// the panel always shows what is stored. The page work of preview and take is the caller's, and so
// are the questions and messages: each step leaves what the user must be told in messages().
class FormatBrowser {
public:
    // What the take command `載入排版` does: apply the format to the item whose menu opened the
    // panel, or add new items from it (opened from the add-barcode panel).
    enum class TakeMode { Apply = 0, Add = 1 };
    // A preview keeps at most this many records of a format.
    static constexpr int previewLimit = 253;

    FormatBrowser(FileSystem& files, QString recordsFolder);
    // Called with notice 2 after a format is deleted.
    void setNoticeRequest(std::function<void(int)> requestNotice);

    QString filePath() const;
    bool fileExists() const;

    TakeMode takeMode() const { return takeMode_; }
    void setTakeMode(TakeMode mode) { takeMode_ = mode; }

    // What the last steps left to tell the user, in order; taking them empties the list.
    QList<UserMessage> takeMessages() { return std::exchange(messages_, {}); }

    // `寫入清單讀取`: every category of the file; the names, preview and commands are cleared.
    // Without a file nothing changes. False when the file could not be read (a message says why).
    bool listCategories();
    // A category is chosen: its names, and the prefix field shown empty. Without a file the
    // message is "尚未記錄格式".
    bool chooseCategory(const QString& category);
    // The prefix changed: the names that begin with it (all of them for an empty prefix).
    void filterNames(const QString& prefix);
    // A name is chosen: the records of that format for the format memory, at most previewLimit
    // (a message says so when there are more). Nothing when the file could not be read.
    std::optional<QList<FormatRecord>> preview(const QString& name);
    // The question the user answers before the chosen format is deleted.
    QString deleteQuestion() const;
    // Removes the chosen format from the file. The categories stay as they are until they are
    // listed again. False when nothing is chosen or nothing was removed.
    bool deleteChosen();

    const QStringList& categories() const { return categories_; }
    const QStringList& names() const { return names_; }
    const QStringList& allNames() const { return allNames_; }
    const QString& chosenCategory() const { return category_; }
    const QString& chosenName() const { return name_; }
    const QString& prefix() const { return prefix_; }
    bool previewShown() const { return previewShown_; }
    bool prefixShown() const { return prefixShown_; }
    bool takeShown() const { return takeShown_; }
    bool deleteShown() const { return deleteShown_; }

    // The panel's width for a preview item of that width: 480 twips wider than a preview wider
    // than 4560 twips, else 4920.
    static double panelWidth(double previewWidth);
    // How much taller than its standard height the panel is for a preview item of that height:
    // the part above 720 twips.
    static double extraHeight(double previewHeight);

private:
    std::optional<FormatRecordText> readFile();

    FileSystem& files_;
    QString recordsFolder_;
    QList<UserMessage> messages_;
    std::function<void(int)> requestNotice_;
    TakeMode takeMode_ = TakeMode::Apply;
    QStringList categories_;
    QStringList allNames_;
    QStringList names_;
    QString category_;
    QString name_;
    QString prefix_;
    bool previewShown_ = false;
    bool prefixShown_ = false;
    bool takeShown_ = false;
    bool deleteShown_ = false;
};

} // namespace brevmark
