#include "page/ui/ItemMenu.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"
#include "page/ContextMenuBands.h"
#include "page/PanelSkin.h"
#include "page/ui/SkinButton.h"
#include "page/TagTexts.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

ItemMenu::ItemMenu(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("功能選項"));
    setMouseTracking(true);
    resize(screen::pixels(sizeTwips().width()), screen::pixels(sizeTwips().height()));
    for (int i = 0; i < ContextMenuBands::count; ++i) {
        entries_[i] = new SkinButton(SkinButton::Kind::Push, QStringLiteral("標籤功能"),
                                     TagTexts::menuCaption(i), this, i);
        const int top = screen::pixels(ContextMenuBands::top(i));
        entries_[i]->setGeometry(width(), top, width(),
                                 screen::pixels(ContextMenuBands::bottom(i)) - top);
        entries_[i]->installEventFilter(this);
        connect(entries_[i], &SkinButton::clicked, this, [this, i] {
            hide();
            emit chosen(i, itemIndex_);
        });
    }
    hide();
}

bool ItemMenu::available(int entry) const {
    return entry != 3 || formatFileExists_;
}

int ItemMenu::bandAt(double y) const {
    const int band = ContextMenuBands::at(y, professional_);
    return band >= 0 && available(band) ? band : -1;
}

void ItemMenu::open(int itemIndex, QPoint topLeft, bool professional, bool formatFileExists) {
    itemIndex_ = itemIndex;
    professional_ = professional;
    formatFileExists_ = formatFileExists;
    band_ = -1;
    for (SkinButton* e : entries_)
        e->move(width(), e->y());
    move(topLeft);
    show();
    raise();
    update();
}

void ItemMenu::hoverAt(double y) {
    const int band = bandAt(y);
    for (int i = 0; i < ContextMenuBands::count; ++i)
        entries_[i]->move(i == band ? 0 : width(), entries_[i]->y());
    if (band >= 0)
        entries_[band]->raise();
    if (band >= 0 && band != band_)
        emit hintRequested(TagTexts::menuHint(band));
    band_ = band;
}

void ItemMenu::mouseMoveEvent(QMouseEvent* e) {
    hoverAt(e->position().y() * twips::perPixel);
}

bool ItemMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* w = static_cast<QWidget*>(watched);
        const auto* e = static_cast<QMouseEvent*>(event);
        hoverAt((e->position().y() + w->y()) * twips::perPixel);
    }
    return QWidget::eventFilter(watched, event);
}

void ItemMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(168, 182, 206), 1));
    p.setBrush(QColor(250, 251, 253));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setFont(PanelSkin::font(9));
    for (int i = 0; i < ContextMenuBands::count; ++i) {
        const bool shown = available(i) && (i != 2 || professional_);
        if (!shown)
            continue;
        p.setPen(PanelSkin::ink());
        const QRectF row(12, screen::pixels(ContextMenuBands::top(i)), width() - 24,
                         screen::pixels(ContextMenuBands::bottom(i)) -
                             screen::pixels(ContextMenuBands::top(i)));
        p.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, TagTexts::menuCaption(i));
    }
}

} // namespace brevmark
