#include "page/ui/LayoutPanel.h"

#include "page/ui/PanelControlStyle.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>

namespace brevmark {

namespace {
constexpr int margin = 10;
constexpr int rowHeight = 26;
constexpr int nameRow = PanelSkin::headerHeight + 10;
constexpr int listTop = nameRow + rowHeight + 28;
constexpr int listHeight = 150;
constexpr int commandRow = listTop + listHeight + 8;
} // namespace

LayoutPanel::LayoutPanel(QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(this)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("開啟記錄窗"));
    setProperty("entered", 0);
    setMouseTracking(true);
    resize(300, commandRow + rowHeight + 12);

    name_->setObjectName(QStringLiteral("排版名稱"));
    name_->setStyleSheet(PanelControlStyle::lineEdit());
    name_->setFont(PanelSkin::font(10));
    name_->setPlaceholderText(QStringLiteral("排版名稱"));
    name_->setGeometry(margin, nameRow, 184, rowHeight);
    save_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("儲存排版"),
                           QStringLiteral("儲存排版"), this);
    save_->setGeometry(margin + 190, nameRow, width() - 2 * margin - 190, rowHeight);

    list_->setObjectName(QStringLiteral("排版清單"));
    list_->setStyleSheet(PanelControlStyle::list());
    list_->setFont(PanelSkin::font(10));
    list_->setGeometry(margin, listTop, width() - 2 * margin, listHeight);

    const int half = (width() - 2 * margin - 8) / 2;
    take_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("取用排版"),
                           QStringLiteral("取用排版"), this);
    take_->setGeometry(margin, commandRow, half, rowHeight);
    delete_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("刪除排版"),
                             QStringLiteral("刪除排版"), this);
    delete_->setAccent(QColor(214, 64, 64));
    delete_->setGeometry(margin + half + 8, commandRow, half, rowHeight);
    take_->hide();
    delete_->hide();

    for (QWidget* w :
         std::initializer_list<QWidget*>{name_, list_, list_->viewport(), save_, take_, delete_})
        w->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            name_->setText(list_->item(row)->text());
        emit layoutChosen(row);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &LayoutPanel::takeRequested);
    connect(name_, &QLineEdit::returnPressed, this, &LayoutPanel::saveRequested);
    connect(save_, &SkinButton::clicked, this, &LayoutPanel::saveRequested);
    connect(take_, &SkinButton::clicked, this, &LayoutPanel::takeRequested);
    connect(delete_, &SkinButton::clicked, this, &LayoutPanel::deleteRequested);
    hide();
}

void LayoutPanel::showLayouts(const QStringList& names, int chosenRow) {
    {
        const QSignalBlocker block(list_);
        QStringList shown;
        for (int i = 0; i < list_->count(); ++i)
            shown << list_->item(i)->text();
        if (shown != names) {
            list_->clear();
            list_->addItems(names);
        }
        list_->setCurrentRow(chosenRow);
        if (chosenRow < 0)
            list_->clearSelection();
    }
    take_->setVisible(chosenRow >= 0);
    delete_->setVisible(chosenRow >= 0);
    update();
}

void LayoutPanel::open(QPoint topLeft) {
    setProperty("entered", 0);
    move(topLeft);
    show();
    raise();
    name_->setFocus();
}

void LayoutPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("排版 記錄"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    p.drawText(
        QRect(margin, listTop - 22, width() - 2 * margin, 20), Qt::AlignVCenter | Qt::AlignLeft,
        list_->count() == 0 ? QStringLiteral("尚無儲存的排版") : QStringLiteral("已儲存的排版"));
}

bool LayoutPanel::event(QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::event(e);
}

bool LayoutPanel::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        setProperty("entered", 1);
    return QWidget::eventFilter(watched, e);
}

} // namespace brevmark
