#pragma once

#include <QGuiApplication>

namespace brevmark::fuzz {

// For targets that measure or draw text in fonts: one application for the whole run, on the
// offscreen platform unless another is asked for.
inline void startGuiApplication(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
}

} // namespace brevmark::fuzz
