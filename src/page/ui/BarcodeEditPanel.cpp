#include "page/ui/BarcodeEditPanel.h"

#include "page/EditPanelRules.h"
#include "page/ui/FocusCycle.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"
#include "symbology/BarcodeEntry.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

namespace {

void arrow(QPainter& p, const QRectF& r, const QColor& ink, double angle) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const double s = r.height() * 0.32;
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(0, s), QPointF(0, -s));
    p.drawLine(QPointF(-s * 0.7, -s * 0.3), QPointF(0, -s));
    p.drawLine(QPointF(s * 0.7, -s * 0.3), QPointF(0, -s));
    p.restore();
}

// Bars whose height (or thickness) grows or shrinks, with a small sign.
void barsIcon(QPainter& p, const QRectF& r, const QColor& ink, bool height, bool grow) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double base = r.bottom() - r.height() * 0.1;
    const double h = r.height() * (grow ? 0.8 : 0.5);
    const double thin = grow && !height ? 2.4 : 1.2;
    double x = r.left() + r.width() * 0.05;
    for (int i = 0; i < 4; ++i) {
        const double w = height ? 1.4 : (i % 2 ? thin : thin * 1.4);
        p.drawRect(QRectF(x, base - h, w, h));
        x += w + 1.6;
    }
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(r.right() - r.width() * 0.18, r.top() + r.height() * 0.25);
    const double s = r.width() * 0.14;
    p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
    if (grow)
        p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
    p.restore();
}

SkinButton::IconPainter adjustIcon(int index) {
    switch (index) {
    case 0:
        return [](QPainter& p, const QRectF& r, const QColor& c) { arrow(p, r, c, 0); };
    case 1:
        return [](QPainter& p, const QRectF& r, const QColor& c) { arrow(p, r, c, 180); };
    case 2:
        return [](QPainter& p, const QRectF& r, const QColor& c) { arrow(p, r, c, -90); };
    case 3:
        return [](QPainter& p, const QRectF& r, const QColor& c) { arrow(p, r, c, 90); };
    default: {
        const bool height = index < 6;
        const bool grow = index % 2 == 1;
        return [height, grow](QPainter& p, const QRectF& r, const QColor& c) {
            barsIcon(p, r, c, height, grow);
        };
    }
    }
}

} // namespace

BarcodeEditPanel::BarcodeEditPanel(QWidget* parent)
    : QWidget(parent), entry_(new BarcodeEntryBox(this)), sizeList_(new QComboBox(this)) {
    setObjectName(QStringLiteral("條碼輸入區"));
    resize(360, 178);

    entry_->setGeometry(12, 34, 250, 28);
    entry_->setFont(PanelSkin::font(12));
    entry_->setStyleSheet(QStringLiteral(
        "QLineEdit{border:1px solid #bec8d8;border-radius:5px;padding:0 6px;background:white;"
        "color:#2c3442;selection-background-color:#2f6fed;}"
        "QLineEdit:focus{border:1px solid #2f6fed;}"));
    // Enter changes no text and closes the panel.
    connect(entry_, &QLineEdit::returnPressed, this, &QWidget::hide);
    connect(entry_, &BarcodeEntryBox::doubleClicked, this, &BarcodeEditPanel::entryDoubleClicked);

    const QString serialCaptions[2] = {QStringLiteral("＋1"), QStringLiteral("－1")};
    QFont serialFont(QStringLiteral("DejaVu Sans"));
    serialFont.setPixelSize(13);
    serialFont.setBold(true);
    for (int i = 0; i < 2; ++i) {
        serial_[i] = new SkinButton(SkinButton::Kind::Push, QStringLiteral("流水加減"),
                                    serialCaptions[i], this, i);
        serial_[i]->setCaptionFont(serialFont);
        // −1 sits before +1, as a number line reads.
        serial_[i]->setGeometry(i == 1 ? 268 : 312, 34, 40, 28);
    }

    auto check = [this](const char* name, const QString& caption, int x, int w) {
        auto* b = new SkinButton(SkinButton::Kind::Check, QString::fromUtf8(name), caption, this);
        b->setGeometry(x, 70, w, 24);
        return b;
    };
    showText_ = check("識別字符", QStringLiteral("識別字"), 8, 64);
    alignment_ = check("字集中", QStringLiteral("集中"), 74, 52);
    bold_ = check("符號粗", QStringLiteral("粗體"), 128, 52);
    border_ = check("外框勾選", QStringLiteral("外框"), 182, 52);

    sizeList_->setObjectName(QStringLiteral("識符字大小"));
    for (int size : EditPanelRules::textSizes())
        sizeList_->addItem(QString::number(size));
    sizeList_->setGeometry(268, 70, 84, 24);
    // The style's own list, as the text label panel's lists: its drop-down arrow shows and its
    // entries read in the standard font.
    sizeList_->setFocusPolicy(Qt::StrongFocus);

    auto* ratioGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        ratio_[i] = new SkinButton(SkinButton::Kind::Option, QStringLiteral("格式設定"),
                                   EditPanelRules::widthRatioCaption(i), this, i);
        ratio_[i]->setGeometry(12 + i * 62, 102, 58, 24);
        ratioGroup->addButton(ratio_[i], i);
    }

    swatchButton_ =
        new SkinButton(SkinButton::Kind::Push, QStringLiteral("選底色"), QString(), this);
    swatchButton_->setGeometry(268, 102, 84, 24);
    swatchButton_->setIconPainter([this](QPainter& p, const QRectF& r, const QColor& ink) {
        const QRectF chip(r.left() - 22, r.top() + 1, 26, r.height() - 2);
        p.setPen(QPen(QColor(0, 0, 0, 60), 1));
        p.setBrush(swatch_);
        p.drawRoundedRect(chip, 3, 3);
        p.setPen(ink);
        p.setFont(PanelSkin::font(9));
        p.drawText(QRectF(chip.right() + 4, r.top() - 4, 40, r.height() + 8),
                   Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("底色"));
    });

    for (int i = 0; i < EditPanelRules::adjustButtonCount; ++i) {
        adjust_[i] =
            new SkinButton(SkinButton::Kind::Push, QStringLiteral("調整位置"), QString(), this, i);
        adjust_[i]->setGeometry(12 + i * 43, 136, 38, 32);
        adjust_[i]->setIconPainter(adjustIcon(i));
    }

    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 1);
    close_->setGeometry(width() - 28, 3, 22, 20);
    hide();
}

QList<QWidget*> BarcodeEditPanel::tabOrder() const {
    // As a reader meets them: the header, then row by row, left to right.
    QList<QWidget*> order{close_,     entry_, serial_[1], serial_[0], showText_,
                          alignment_, bold_,  border_,    sizeList_};
    for (SkinButton* option : ratio_)
        order << option;
    order << swatchButton_;
    for (SkinButton* button : adjust_)
        order << button;
    return order;
}

bool BarcodeEditPanel::focusNextPrevChild(bool next) {
    return FocusCycle::move(tabOrder(), next);
}

void BarcodeEditPanel::showItem(int index, const BarcodeItem& item) {
    editedItem_ = index;
    setProperty("editedItem", index);
    showText_->setChecked(item.symbol.showText == 1);
    alignment_->setChecked(item.symbol.textAlignment == 1);
    border_->setChecked(item.border == 1);
    bold_->setChecked(item.symbol.textBold);
    sizeList_->setCurrentText(QString::number(int(item.symbol.textSize)));
    if (item.symbol.widthRatio < 4)
        ratio_[item.symbol.widthRatio]->setChecked(true);
    setSwatchColour(QColor(item.backColour));
    if (itemTextOfEntry(entry_->text()) != item.symbol.text)
        setEntryText(item.symbol.text);
    update();
}

void BarcodeEditPanel::setEntryText(const QString& text) {
    entry_->putText(text);
}

void BarcodeEditPanel::setSwatchColour(const QColor& colour) {
    swatch_ = colour;
    swatchButton_->update();
}

void BarcodeEditPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(),
                          editedItem_ > 0 ? QStringLiteral("條碼編輯　#%1").arg(editedItem_)
                                          : QStringLiteral("條碼編輯"));
}

} // namespace brevmark
