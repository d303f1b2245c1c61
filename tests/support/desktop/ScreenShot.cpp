#include "ScreenShot.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

namespace brevmark::test {

QImage screenShot(const QString& step) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage shot = screen ? screen->grabWindow(0).toImage() : QImage();
    const QString keep = qEnvironmentVariable("BREVMARK_KEEP_SCREENSHOTS");
    if (keep.isEmpty() || shot.isNull())
        return shot;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = test ? QString::fromLatin1(test->test_suite_name()) + QLatin1Char('.') +
                              QString::fromLatin1(test->name())
                        : QStringLiteral("desktop");
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    QDir().mkpath(keep);
    shot.save(QDir(keep).filePath(name + QLatin1Char('-') + step + QStringLiteral(".png")));
    return shot;
}

} // namespace brevmark::test
