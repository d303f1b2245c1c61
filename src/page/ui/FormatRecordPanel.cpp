#include "page/ui/FormatRecordPanel.h"

#include "common/ScreenPixels.h"
#include "page/FormatBrowser.h"
#include "page/ui/PanelControlStyle.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>

namespace brevmark {

namespace {

// Layout in twips; the lists keep their place, the preview and the commands follow the preview.
constexpr double margin = 150;
constexpr double listTop = 810;
constexpr double listHeight = 1500;
constexpr double columnGap = 120;
constexpr double previewTop = 2520; // below the lists
constexpr double previewLeft = 240; // the preview is centred in a panel 480 twips wider
constexpr double commandGap = 120;
constexpr double commandHeight = 360;
constexpr double bottomMargin = 150;
constexpr double standardWidth = 4920;

QListWidget* makeList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromUtf8(name));
    list->setStyleSheet(PanelControlStyle::list());
    list->setFont(PanelSkin::font(10));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// Refills a list only when its entries change, so that the chosen entry stays chosen.
void fill(QListWidget* list, const QStringList& entries, const QString& chosen) {
    const QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
    const qsizetype row = chosen.isEmpty() ? -1 : entries.indexOf(chosen);
    list->setCurrentRow(int(row));
    if (row < 0)
        list->clearSelection();
}

} // namespace

FormatRecordPanel::FormatRecordPanel(QWidget* parent)
    : QWidget(parent), categories_(makeList("篩選種類", this)), names_(makeList("排列清單", this)),
      allNames_(makeList("排列清單2", this)), prefix_(new QLineEdit(this)),
      preview_(new QWidget(this)) {
    setObjectName(QStringLiteral("條碼讀取窗"));
    allNames_->hide();
    prefix_->setObjectName(QStringLiteral("篩選字頭"));
    prefix_->setStyleSheet(PanelControlStyle::lineEdit());
    prefix_->setFont(PanelSkin::font(9));
    prefix_->setPlaceholderText(QStringLiteral("名稱開頭"));
    prefix_->hide();
    preview_->setObjectName(QStringLiteral("格式預覽"));
    // The preview only shows the format: pointer actions on it belong to no page item.
    preview_->setAttribute(Qt::WA_TransparentForMouseEvents);
    preview_->hide();
    take_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("載入排版"), QString(), this);
    delete_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("刪除"), QStringLiteral("刪除"),
                             this);
    delete_->setAccent(QColor(214, 64, 64));
    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 4);
    take_->hide();
    delete_->hide();

    connect(categories_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit categoryChosen(categories_->item(row)->text());
    });
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit nameChosen(names_->item(row)->text());
    });
    connect(names_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit nameDoubleClicked(item->text()); });
    connect(prefix_, &QLineEdit::textEdited, this, &FormatRecordPanel::prefixEdited);
    layoutControls(std::nullopt);
    hide();
}

QSizeF FormatRecordPanel::sizeTwips(std::optional<QSizeF> item) {
    if (!item)
        return {standardWidth, previewTop};
    return {FormatBrowser::panelWidth(item->width()),
            previewTop + 720 + FormatBrowser::extraHeight(item->height()) + commandGap +
                commandHeight + bottomMargin};
}

void FormatRecordPanel::layoutControls(std::optional<QSizeF> item) {
    const QSizeF size = sizeTwips(item);
    resize(screen::pixels(size.width()), screen::pixels(size.height()));
    const double columnWidth = (standardWidth - 2 * margin - columnGap) / 2;
    const double namesLeft = margin + columnWidth + columnGap;
    categories_->setGeometry(screen::rect({margin, listTop, columnWidth, listHeight}));
    names_->setGeometry(screen::rect({namesLeft, listTop, columnWidth, listHeight}));
    prefix_->setGeometry(screen::rect({namesLeft + 600, 450, columnWidth - 600, 300}));
    close_->setGeometry(width() - 26, 3, 20, 20);
    if (!item)
        return;
    preview_->setGeometry(screen::rect({previewLeft, previewTop, item->width(), item->height()}));
    const double commandsTop = previewTop + qMax(720.0, item->height()) + commandGap;
    take_->setGeometry(screen::rect({margin, commandsTop, 2100, commandHeight}));
    delete_->setGeometry(
        screen::rect({size.width() - margin - 1050, commandsTop, 1050, commandHeight}));
}

void FormatRecordPanel::showState(const FormatBrowser& browser, std::optional<QSizeF> item) {
    const bool previewing = browser.previewShown() && item.has_value();
    fill(categories_, browser.categories(), browser.chosenCategory());
    fill(names_, browser.names(), browser.chosenName());
    fill(allNames_, browser.allNames(), QString());
    prefix_->setVisible(browser.prefixShown());
    if (prefix_->text() != browser.prefix())
        prefix_->setText(browser.prefix());
    addMode_ = browser.takeMode() == FormatBrowser::TakeMode::Add;
    take_->setText(addMode_ ? QStringLiteral("增加此格式的條碼") : QStringLiteral("套用此格式"));
    layoutControls(previewing ? item : std::nullopt);
    preview_->setVisible(previewing);
    take_->setVisible(browser.takeShown() && previewing);
    delete_->setVisible(browser.deleteShown());
    update();
}

void FormatRecordPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("條碼格式 記錄"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    const QRect categoryCaption = screen::rect({150, 450, 1200, 300});
    p.drawText(categoryCaption, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("種類"));
    const QRect nameCaption(names_->x(), categoryCaption.y(), 40, categoryCaption.height());
    p.drawText(nameCaption, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("名稱"));
    if (preview_->isVisible()) {
        // A soft tray around the preview, so that a white item shows its edges.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(205, 214, 230), 1));
        p.setBrush(QColor(234, 239, 247));
        p.drawRoundedRect(QRectF(preview_->geometry()).adjusted(-6.5, -6.5, 6.5, 6.5), 5, 5);
    }
}

} // namespace brevmark
