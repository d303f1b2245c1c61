#include "batch/BatchConsole.h"

#include <unistd.h>

namespace brevmark {

BatchConsole::BatchConsole(std::FILE* stream)
    : BatchConsole(stream, ::isatty(::fileno(stream)) == 1) {}

BatchConsole::BatchConsole(std::FILE* stream, bool showsProgress)
    : stream_(stream), showsProgress_(showsProgress) {}

void BatchConsole::line(const QString& text) {
    endProgress();
    const QByteArray bytes =
        (QStringLiteral("brevmark-batch: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream_);
    std::fflush(stream_);
}

void BatchConsole::error(const QString& text) {
    line(text);
}

void BatchConsole::warning(const QString& text) {
    line(QStringLiteral("注意：") + text);
}

void BatchConsole::progress(int page, int pages) {
    if (!showsProgress_ || pages <= 1)
        return;
    // The line is rewritten in place.
    const QByteArray bytes =
        QStringLiteral("\rbrevmark-batch: 列印第 %1 頁，共 %2 頁").arg(page).arg(pages).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream_);
    std::fflush(stream_);
    progressShown_ = true;
}

void BatchConsole::endProgress() {
    if (!progressShown_)
        return;
    std::fputc('\n', stream_);
    std::fflush(stream_);
    progressShown_ = false;
}

} // namespace brevmark
