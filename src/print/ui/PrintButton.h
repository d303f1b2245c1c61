#pragma once

#include "print/PrintButtonPictures.h"

#include <QWidget>
#include <functional>

namespace brevmark {

// The simple layout's print button `確定列印`: pressed picture while the mouse button is down on
// it, highlighted picture and the hint "確定列印" while the pointer moves over it, the raised
// picture again on release. A release of the left button over it asks for the print, of the
// right button for the print preview.
class PrintButton : public QWidget {
    Q_OBJECT
public:
    explicit PrintButton(QWidget* parent = nullptr);

    void setHintSink(std::function<void(const QString&)> setHint) { setHint_ = std::move(setHint); }
    PrintButtonPictures::Face face() const { return face_; }
    QSize sizeHint() const override { return PrintButtonPictures::defaultSize(); }

signals:
    void printRequested();
    void previewRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setFace(PrintButtonPictures::Face face);

    PrintButtonPictures::Face face_ = PrintButtonPictures::Face::Raised;
    std::function<void(const QString&)> setHint_;
};

} // namespace brevmark
