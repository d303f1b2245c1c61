#pragma once

#include "records/LayoutFile.h"

#include <QString>
#include <optional>

namespace brevmark {

class FileSystem;
class PageModel;

// The professional page kept from one run to the next: written in the layout file format when
// the program closes by its close button and put back at the next start. It lives in the user's
// state folder, not in the records folder, so it never shows among the layouts; each program
// folder keeps its own page, since the page's pictures are that folder's. It is the program's own
// file, not one users bring along: it is written as UTF-8 text (after a byte order mark), so that
// every text of the page comes back as it was, also those code page 950 cannot hold. A page kept
// by an earlier version (code page 950, without the mark) is read too.
class KeptPage {
public:
    KeptPage(FileSystem& files, QString stateFolder, const QString& programFolder);

    const QString& path() const { return path_; }
    // The page as it stands, as a layout: every page item at its place with its format records,
    // read from the page model (the format memory and the captions on the page stay as they are).
    static Layout layoutOf(const PageModel& model);
    // Writes the page (all of it: the layout limits do not apply) in one atomic step; an empty
    // page removes the file. False, with the reason in errorString(), when it cannot be kept.
    bool keep(const Layout& page);
    // The kept page; nothing, and no message, when there is none or it is damaged.
    std::optional<Layout> load();
    const QString& errorString() const { return error_; }

private:
    FileSystem& files_;
    QString folder_;
    QString path_;
    QString error_;
};

} // namespace brevmark
