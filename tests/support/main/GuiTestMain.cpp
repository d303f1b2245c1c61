// Tests of the model libraries run inside a QGuiApplication on the offscreen platform: fonts,
// images and painting work without a display, and nothing here can create a widget.
#include "platform/FontMetricsTwips.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    brevmark::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
