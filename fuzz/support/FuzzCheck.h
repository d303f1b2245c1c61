#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run with a message, so that libFuzzer keeps the input as a crash
// and the corpus replay in ctest fails on it.
#define FUZZ_CHECK(condition, what)                                                               \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", __FILE__, __LINE__,     \
                         #condition, qUtf8Printable(QString(what)));                              \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
