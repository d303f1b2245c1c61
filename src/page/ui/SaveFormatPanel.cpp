#include "page/ui/SaveFormatPanel.h"

#include "page/ui/PanelControlStyle.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace brevmark {

namespace {

// The box's list opens from its right end: a chevron says so.
void addChevron(QComboBox* box) {
    QPixmap chevron(10, 6);
    chevron.fill(Qt::transparent);
    {
        QPainter p(&chevron);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(91, 107, 133), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(1, 1), QPointF(5, 5), QPointF(9, 1)}));
    }
    auto* mark = new QLabel(box);
    mark->setPixmap(chevron);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setGeometry(box->width() - 16, (box->height() - 6) / 2, 10, 6);
}

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
    addChevron(category_);
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
