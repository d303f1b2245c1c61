#include "page/ui/ItemMenu.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"
#include "page/ContextMenuBands.h"
#include "page/TagTexts.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

ItemMenu::ItemMenu(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("功能選項"));
    setMouseTracking(true);
    resize(screen::pixels(sizeTwips(ContextMenuBands::count).width()),
           screen::pixels(sizeTwips(ContextMenuBands::count).height()));
    for (int i = 0; i < ContextMenuBands::count; ++i) {
        entries_[i] = new SkinButton(SkinButton::Kind::Push, QStringLiteral("標籤功能"),
                                     TagTexts::menuCaption(i), this, i);
        entries_[i]->installEventFilter(this);
        // Hover pictures, parked out of sight: the keyboard has no business with them.
        entries_[i]->setFocusPolicy(Qt::NoFocus);
        connect(entries_[i], &SkinButton::clicked, this, [this, i] {
            hide();
            emit chosen(ItemMenuEntry(i), itemIndex_);
        });
    }
    hide();
}

QList<int> ItemMenu::shownEntries(bool professional, bool formatFileExists) {
    QList<int> entries;
    for (int i = 0; i < ContextMenuBands::count; ++i)
        if ((i != 2 || professional) && (i != 3 || formatFileExists))
            entries << i;
    return entries;
}

QSizeF ItemMenu::sizeTwips(int entryCount) {
    // Bands start 45 twips down and the last one ends 45 twips above the bottom.
    return {2400, entryCount > 0 ? ContextMenuBands::bottom(entryCount - 1) + 45 : 90};
}

int ItemMenu::bandAt(double y) const {
    // Every row is a band of its own: the overlap rule of the bands holds between rows.
    const int row = ContextMenuBands::at(y, true);
    return row >= 0 && row < shown_.size() ? shown_[row] : -1;
}

void ItemMenu::open(int itemIndex, QPoint topLeft, bool professional, bool formatFileExists) {
    itemIndex_ = itemIndex;
    shown_ = shownEntries(professional, formatFileExists);
    band_ = -1;
    resize(width(), screen::pixels(sizeTwips(int(shown_.size())).height()));
    for (int i = 0; i < ContextMenuBands::count; ++i) {
        const int row = int(shown_.indexOf(i));
        entries_[i]->setVisible(row >= 0);
        if (row < 0)
            continue;
        const int top = screen::pixels(ContextMenuBands::top(row));
        entries_[i]->setGeometry(width(), top, width(),
                                 screen::pixels(ContextMenuBands::bottom(row)) - top);
    }
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
    p.setPen(PanelSkin::ink());
    for (int row = 0; row < shown_.size(); ++row) {
        const int top = screen::pixels(ContextMenuBands::top(row));
        const QRectF band(12, top, width() - 24,
                          screen::pixels(ContextMenuBands::bottom(row)) - top);
        p.drawText(band, Qt::AlignVCenter | Qt::AlignLeft, TagTexts::menuCaption(shown_[row]));
    }
}

} // namespace brevmark
