#include "page/SaveFormatPanel.h"

#include "page/PanelControlStyle.h"
#include "page/PanelSkin.h"
#include "page/SkinButton.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace brevmark {

namespace {
constexpr int captionLeft = 12;
constexpr int boxLeft = 56;
constexpr int rowHeight = 26;
constexpr int firstRow = PanelSkin::headerHeight + 10;
constexpr int secondRow = firstRow + rowHeight + 8;
} // namespace

SaveFormatPanel::SaveFormatPanel(QWidget* parent)
    : QWidget(parent), category_(new QComboBox(this)), name_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("條碼儲存窗"));
    resize(330, secondRow + rowHeight + 12);
    category_->setObjectName(QStringLiteral("種類選項"));
    category_->setEditable(true);
    category_->setInsertPolicy(QComboBox::NoInsert);
    // Completing "A" to a known "AB" would quietly save under another category.
    category_->setCompleter(nullptr);
    category_->setStyleSheet(PanelControlStyle::comboBox());
    category_->setFont(PanelSkin::font(10));
    category_->setGeometry(boxLeft, firstRow, width() - boxLeft - 12, rowHeight);
    name_->setObjectName(QStringLiteral("記錄名稱"));
    name_->setStyleSheet(PanelControlStyle::lineEdit());
    name_->setFont(PanelSkin::font(10));
    name_->setGeometry(boxLeft, secondRow, 170, rowHeight);
    save_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("儲存排列"),
                           QStringLiteral("儲存格式"), this);
    save_->setGeometry(boxLeft + 178, secondRow, width() - boxLeft - 178 - 12, rowHeight);
    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 5);
    close_->setGeometry(width() - 26, 3, 20, 20);

    connect(save_, &SkinButton::clicked, this, &SaveFormatPanel::saveRequested);
    connect(name_, &QLineEdit::returnPressed, this, &SaveFormatPanel::saveRequested);
    connect(category_->lineEdit(), &QLineEdit::returnPressed, this,
            &SaveFormatPanel::saveRequested);
    hide();
}

void SaveFormatPanel::setCategories(const QStringList& categories) {
    const QString typed = category_->currentText();
    category_->clear();
    category_->addItems(categories);
    category_->setEditText(typed);
}

QString SaveFormatPanel::categoryText() const {
    return category_->currentText();
}

QString SaveFormatPanel::nameText() const {
    return name_->text();
}

void SaveFormatPanel::setTexts(const QString& category, const QString& name) {
    category_->setEditText(category);
    name_->setText(name);
}

void SaveFormatPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("儲存 條碼格式"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    p.drawText(QRect(captionLeft, firstRow, boxLeft - captionLeft - 4, rowHeight),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("種類"));
    p.drawText(QRect(captionLeft, secondRow, boxLeft - captionLeft - 4, rowHeight),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("名稱"));
}

} // namespace brevmark
