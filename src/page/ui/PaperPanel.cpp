#include "page/ui/PaperPanel.h"

#include "page/ui/PanelSkin.h"
#include "page/ui/PaperPicture.h"
#include "page/ui/SkinButton.h"

#include <QButtonGroup>
#include <QEvent>
#include <QPainter>

namespace brevmark {

PaperPanel::PaperPanel(QWidget* parent) : QWidget(parent), picture_(new PaperPicture(this)) {
    setObjectName(QStringLiteral("紙張設定窗"));
    setProperty("entered", 0);
    setMouseTracking(true);
    resize(326, 152);
    picture_->move(10, 30);
    picture_->installEventFilter(this);
    connect(picture_, &PaperPicture::paperChosen, this, &PaperPanel::paperChosen);

    auto* sizeGroup = new QButtonGroup(this);
    for (int i = 0; i < PaperTable::count; ++i) {
        sizes_[i] = new SkinButton(SkinButton::Kind::Option, QStringLiteral("紙張大小"),
                                   PaperTable::caption(PaperSize(i)), this, i);
        // "US Letter" needs a wider button than the ISO names.
        sizes_[i]->setGeometry(140 + i * 38, 50, PaperSize(i) == PaperSize::Letter ? 62 : 35, 24);
        sizes_[i]->installEventFilter(this);
        sizeGroup->addButton(sizes_[i], i);
        connect(sizes_[i], &SkinButton::clicked, this,
                [this, i] { emit paperChosen(PaperSize(i)); });
    }
    auto* orientationGroup = new QButtonGroup(this);
    const QString captions[2] = {QStringLiteral("直印"), QStringLiteral("橫印")};
    for (int i = 0; i < 2; ++i) {
        orientations_[i] = new SkinButton(SkinButton::Kind::Option, QStringLiteral("列印方向"),
                                          captions[i], this, i);
        orientations_[i]->setGeometry(140 + i * 57, 108, 53, 24);
        orientations_[i]->installEventFilter(this);
        orientationGroup->addButton(orientations_[i], i);
        connect(orientations_[i], &SkinButton::clicked, this,
                [this, i] { emit orientationChosen(i); });
    }
    showState(PaperSize::A4, false);
    hide();
}

void PaperPanel::showState(PaperSize paper, bool landscape) {
    sizes_[int(paper)]->setChecked(true);
    orientations_[landscape ? 1 : 0]->setChecked(true);
    picture_->showState(paper, landscape);
}

void PaperPanel::open(QPoint topLeft) {
    setProperty("entered", 0);
    move(topLeft);
    show();
    raise();
}

void PaperPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("紙張設定"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    p.drawText(QRectF(140, 30, 110, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("紙張大小"));
    p.drawText(QRectF(140, 88, 110, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("列印方向"));
}

bool PaperPanel::event(QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::event(e);
}

bool PaperPanel::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::eventFilter(watched, e);
}

} // namespace brevmark
