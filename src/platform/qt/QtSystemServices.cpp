#include "platform/qt/QtSystemServices.h"

#include "common/Twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScreen>

namespace brevmark {

QtSystemServices::QtSystemServices(QObject* parent) : QObject(parent) {
    if (qApp)
        qApp->installEventFilter(this);
}

QSizeF QtSystemServices::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {twips::fromPixels(1920), twips::fromPixels(1080)};
    const QSize size = screen->size();
    return {twips::fromPixels(size.width()), twips::fromPixels(size.height())};
}

QStringList QtSystemServices::screenFonts() const { return QFontDatabase::families(); }

bool QtSystemServices::isPrintKeyDown() const {
    return printKeyDown_ && QApplication::activeWindow() != nullptr;
}

void QtSystemServices::beep() { QApplication::beep(); }

QDateTime QtSystemServices::now() const { return QDateTime::currentDateTime(); }

double QtSystemServices::random() { return QRandomGenerator::global()->generateDouble(); }

bool QtSystemServices::openInBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool QtSystemServices::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat()) {
            const bool down = event->type() == QEvent::KeyPress;
            // A key event reaches this filter once per widget it propagates through; count the
            // press only when the key was up.
            if (down && !printKeyDown_ && QApplication::activeWindow())
                ++printKeyPresses_;
            printKeyDown_ = down;
        }
    } else if (event->type() == QEvent::ApplicationDeactivate) {
        printKeyDown_ = false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevmark
