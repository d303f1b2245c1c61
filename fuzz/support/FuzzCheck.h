#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace brevmark::fuzz {

// A message with its control characters written as \xNN, so that a NUL or a line end from the
// input neither cuts it short nor breaks it up.
inline QString printable(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n'))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace brevmark::fuzz

// A broken invariant ends the run with a message, so that libFuzzer keeps the input as a crash
// and the corpus replay in ctest fails on it.
#define FUZZ_CHECK(condition, what)                                                               \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", __FILE__, __LINE__,     \
                         #condition, qUtf8Printable(brevmark::fuzz::printable(QString(what))));   \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
