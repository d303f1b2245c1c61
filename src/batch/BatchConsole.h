#pragma once

#include <QString>
#include <cstdio>

namespace brevmark {

// What brevmark-batch tells while it runs, on standard error: errors and warnings, one line each
// after the program's name, and a progress line for jobs of more than one page, only when
// standard error is a terminal (a log file gets no progress).
class BatchConsole {
public:
    explicit BatchConsole(std::FILE* stream = stderr);
    // For tests: whether the progress line is shown, whatever the stream is.
    BatchConsole(std::FILE* stream, bool showsProgress);

    void error(const QString& text);
    void warning(const QString& text);
    // Page `page` of `pages` is under way.
    void progress(int page, int pages);
    // Ends the progress line, if one is shown.
    void endProgress();

    bool showsProgress() const { return showsProgress_; }

private:
    void line(const QString& text);

    std::FILE* stream_;
    bool showsProgress_;
    bool progressShown_ = false;
};

} // namespace brevmark
