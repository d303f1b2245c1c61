#include "page/AddBarcodePanel.h"

#include "page/EditorTexts.h"
#include "page/PanelSkin.h"
#include "page/SkinButton.h"

#include <QPainter>

namespace brevmark {

namespace {
void paintPlus(QPainter& p, const QRectF& r, const QColor& ink) {
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    const double s = r.height() * 0.3;
    p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
    p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
}
} // namespace

AddBarcodePanel::AddBarcodePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("增加條碼窗"));
    resize(270, 122);
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new SkinButton(SkinButton::Kind::Push, QStringLiteral("增加條碼鈕"),
                                     QString(), this, i);
        buttons_[i]->setGeometry(10, 32 + i * 29, 250, 26);
    }
    buttons_[0]->setText(EditorTexts::addBlankCaption());
    buttons_[2]->setText(EditorTexts::addFromRecordCaption());
    connect(buttons_[0], &SkinButton::clicked, this, &AddBarcodePanel::addBlankRequested);
    connect(buttons_[1], &SkinButton::clicked, this,
            [this] { emit addCopiesRequested(copiesCount_); });
    connect(buttons_[2], &SkinButton::clicked, this, &AddBarcodePanel::addFromRecordRequested);
    hide();
}

void AddBarcodePanel::open(QPoint topLeft, int copiesCount, bool formatFileExists) {
    copiesCount_ = copiesCount;
    buttons_[1]->setText(EditorTexts::addCopiesCaption(copiesCount));
    buttons_[1]->setVisible(copiesCount > 0);
    buttons_[2]->setVisible(formatFileExists);
    move(topLeft);
    show();
    raise();
}

void AddBarcodePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("增加條碼"));
    p.setRenderHint(QPainter::Antialiasing);
    paintPlus(p, QRectF(width() - 26, 4, 18, 18), Qt::white);
}

} // namespace brevmark
