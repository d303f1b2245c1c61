#include "page/ui/AddBarcodePanel.h"

#include "page/EditorTexts.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QEvent>
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
    buttons_[1]->setGeometry(10, 61, 196, 26);
    buttons_[1]->installEventFilter(this);
    copyCount_ = new NumberBox(QStringLiteral("貼上數量"), QStringLiteral("1"), 2, this);
    copyCount_->setGeometry(212, 62, 48, 24);
    connect(copyCount_, &NumberBox::textChanged, this, [this] {
        buttons_[1]->setText(EditorTexts::addCopiesCaption(int(copyCount_->value())));
    });
    connect(copyCount_, &NumberBox::returnPressed, this,
            [this] { emit addCopiesRequested(copyCount()); });
    buttons_[0]->setText(EditorTexts::addBlankCaption());
    buttons_[2]->setText(EditorTexts::addFromRecordCaption());
    connect(buttons_[0], &SkinButton::clicked, this, &AddBarcodePanel::addBlankRequested);
    connect(buttons_[1], &SkinButton::clicked, this,
            [this] { emit addCopiesRequested(copyCount()); });
    connect(buttons_[2], &SkinButton::clicked, this, &AddBarcodePanel::addFromRecordRequested);
    hide();
}

int AddBarcodePanel::copyCount() {
    if (copyCount_->value() < 0)
        copyCount_->setText(QStringLiteral("1"));
    return int(copyCount_->value());
}

void AddBarcodePanel::open(QPoint topLeft, int memoryCount, bool formatFileExists) {
    buttons_[1]->setText(EditorTexts::addCopiesCaption(copyCount()));
    buttons_[1]->setVisible(memoryCount > 0);
    copyCount_->setVisible(memoryCount > 0);
    copyCount_->setEnabled(false);
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

bool AddBarcodePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buttons_[1] && event->type() == QEvent::Enter) {
        copyCount_->setEnabled(true);
        copyCount_->setFocus();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brevmark
