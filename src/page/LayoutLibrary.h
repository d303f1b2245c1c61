#pragma once

#include "platform/UserMessage.h"
#include "records/LayoutFile.h"
#include "records/LayoutFolder.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace brevmark {

class FileSystem;

// The layout panel `開啟記錄窗` as a model: the layouts of the records folder, the one chosen in
// the list, and saving, reading and deleting layout files. Each operation returns what the user
// is to be told; the panel shows it. Capturing the page and placing a layout on it are the
// caller's.
class LayoutLibrary {
public:
    enum class SaveOutcome { Saved, TooFew, Failed };
    struct Saved {
        SaveOutcome outcome = SaveOutcome::Failed;
        std::optional<UserMessage> message; // why nothing was saved
    };
    struct Read {
        std::optional<Layout> layout;
        // Why there is no layout, or, with one, that items beyond the page were moved onto it.
        std::optional<UserMessage> message;
    };

    LayoutLibrary(FileSystem& files, QString recordsFolder);
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
    // Why a cleaned name cannot be a layout; nothing when it can.
    static std::optional<UserMessage> nameRefusal(const QString& name);
    // Writes the page's items as the layout of that name, replacing a layout of the same name.
    // Fewer than two items are not saved (TooFew); any other failure, such as more than
    // LayoutFile::recordLimit records, writes nothing (Failed). Either comes with its message.
    Saved save(const QString& name, const Layout& page);
    // The chosen layout's items; no layout when none is chosen, or a failure when it cannot be
    // read. Items placed beyond the page come moved onto it, with a message that says so.
    Read readChosen() const;
    // The question to ask before the chosen layout is deleted.
    UserMessage deleteQuestion() const;
    // Deletes the chosen layout's file (the user has said Yes); the failure when it stayed.
    std::optional<UserMessage> deleteChosen();

    QString pathOf(const QString& name) const { return folder_.pathOf(name); }

private:
    FileSystem& files_;
    LayoutFolder folder_;
    std::function<void(int)> requestNotice_;
    QStringList names_;
    int chosen_ = -1;
};

} // namespace brevmark
