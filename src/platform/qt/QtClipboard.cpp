#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace brevmark {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
void QtClipboard::setImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }
QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

} // namespace brevmark
