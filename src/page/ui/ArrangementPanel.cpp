#include "page/ui/ArrangementPanel.h"

#include "page/TagTexts.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QEvent>
#include <QPainter>

namespace brevmark {

namespace {
const char* const boxNames[4] = {"左右間距", "上下間距", "起始左", "起始上"};
const char* const boxCaptions[4] = {"左右間距", "上下間距", "起始左", "起始上"};
} // namespace

ArrangementPanel::ArrangementPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("自動排列窗"));
    setProperty("entered", 0);
    setMouseTracking(true);
    resize(300, 184);
    const ArrangementSettings defaults;
    const QString texts[4] = {defaults.horizontalGap, defaults.verticalGap, defaults.startLeft,
                              defaults.startTop};
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new NumberBox(QString::fromUtf8(boxNames[i]), texts[i], i < 2 ? 2 : 3, this);
        boxes_[i]->setGeometry(76 + (i % 2) * 140, 34 + (i / 2) * 32, 50, 24);
        boxes_[i]->installEventFilter(this);
        connect(boxes_[i], &NumberBox::keyReleased, this, &ArrangementPanel::settingsEdited);
    }
    for (int m = 0; m < 3; ++m) {
        modes_[m] = new SkinButton(SkinButton::Kind::Push, QStringLiteral("排列選擇"),
                                   TagTexts::modeHint(m), this, m);
        modes_[m]->setGeometry(10 + m * 94, 106, 88, 30);
        modes_[m]->installEventFilter(this);
        connect(modes_[m], &SkinButton::clicked, this, [this, m] { emit modeChosen(m); });
    }
    alignment_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("標籤對齊按鈕"),
                                QStringLiteral("A4 標籤貼紙 對齊格式線"), this);
    alignment_->setGeometry(10, 144, 276, 30);
    alignment_->installEventFilter(this);
    connect(alignment_, &SkinButton::clicked, this, &ArrangementPanel::alignmentRequested);
    hide();
}

ArrangementSettings ArrangementPanel::settings() const {
    ArrangementSettings s;
    s.horizontalGap = boxes_[0]->text();
    s.verticalGap = boxes_[1]->text();
    s.startLeft = boxes_[2]->text();
    s.startTop = boxes_[3]->text();
    return s;
}

void ArrangementPanel::setSettings(const ArrangementSettings& s) {
    boxes_[0]->setText(s.horizontalGap);
    boxes_[1]->setText(s.verticalGap);
    boxes_[2]->setText(s.startLeft);
    boxes_[3]->setText(s.startTop);
}

void ArrangementPanel::open(QPoint topLeft) {
    setProperty("entered", 0);
    move(topLeft);
    show();
    raise();
}

void ArrangementPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("自動排列"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(10 + (i % 2) * 140, 34 + (i / 2) * 32, 62, 24),
                   Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(boxCaptions[i]));
}

bool ArrangementPanel::event(QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::event(e);
}

bool ArrangementPanel::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::eventFilter(watched, e);
}

} // namespace brevmark
