#include "page/ui/TextLabelPanel.h"

#include "common/Rounding.h"
#include "page/ui/FocusCycle.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <tuple>

namespace brevmark {

namespace {

// A caption never holds a comma or a double quote: typing either is ignored.
bool isRefusedCaptionKey(const QKeyEvent* e) {
    return e->text() == QStringLiteral(",") || e->text() == QStringLiteral("\"");
}

void paintStyleLetter(QPainter& p, const QRectF& r, const QColor& ink, int style) {
    QFont f = PanelSkin::font(10, style == 0);
    f.setItalic(style == 1);
    f.setUnderline(style == 2);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, QStringList{"B", "I", "U"}[style]);
}

void paintPen(QPainter& p, const QRectF& r, const QColor& ink) {
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.bottomLeft() + QPointF(2, -2), r.topRight() + QPointF(-2, 2));
    p.drawLine(r.bottomLeft() + QPointF(2, -2), r.bottomLeft() + QPointF(6, -2));
}

} // namespace

const QList<int>& TextLabelPanel::sizes() {
    static const QList<int> list{9, 10, 11, 12, 14, 16, 18, 20, 22, 24};
    return list;
}

TextLabelPanel::TextLabelPanel(QWidget* parent)
    : QWidget(parent), caption_(new QLineEdit(this)), fonts_(new QComboBox(this)),
      sizes_(new QComboBox(this)), replace_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("標籤修改區"));
    caption_->setObjectName(QStringLiteral("標籤輸入"));
    caption_->installEventFilter(this);
    fonts_->setObjectName(QStringLiteral("字型"));
    fonts_->setMaxVisibleItems(16);
    sizes_->setObjectName(QStringLiteral("文字大小"));
    sizes_->setEditable(true);
    sizes_->setInsertPolicy(QComboBox::NoInsert);
    for (int size : sizes())
        sizes_->addItem(QString::number(size));
    replace_->setObjectName(QStringLiteral("全部修改"));
    replace_->installEventFilter(this);
    replace_->setPlaceholderText(QStringLiteral("新的標籤文字"));

    const QString boxNames[3] = {QStringLiteral("粗體"), QStringLiteral("斜體"),
                                 QStringLiteral("底線")};
    const QString buttonNames[3] = {QStringLiteral("粗體圖"), QStringLiteral("斜體圖"),
                                    QStringLiteral("底線圖")};
    for (int i = 0; i < 3; ++i) {
        styleBoxes_[i] = new SkinButton(SkinButton::Kind::Check, boxNames[i], boxNames[i], this);
        styleButtons_[i] = new SkinButton(SkinButton::Kind::Push, buttonNames[i], QString(), this);
        styleButtons_[i]->setIconPainter([i](QPainter& p, const QRectF& r, const QColor& ink) {
            paintStyleLetter(p, r, ink, i);
        });
        connect(styleButtons_[i], &SkinButton::clicked, styleBoxes_[i], &SkinButton::click);
    }
    colourButton_ =
        new SkinButton(SkinButton::Kind::Push, QStringLiteral("顏色圖"), QString(), this);
    colourButton_->setIconPainter(paintPen);
    swatch_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("選色"), QString(), this);
    swatch_->setIconPainter([this](QPainter& p, const QRectF& r, const QColor&) {
        p.setPen(QPen(QColor(120, 130, 150), 1));
        p.setBrush(swatchColour_);
        p.drawRoundedRect(r.adjusted(-2, -1, 2, 1), 3, 3);
    });
    replaceButton_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("確定修改"),
                                    QStringLiteral("確定修改"), this);
    replaceButton_->hide();
    connect(replace_, &QLineEdit::textChanged, replaceButton_,
            [this](const QString& text) { replaceButton_->setVisible(!text.isEmpty()); });
    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 2);

    // Enter confirms the panel wherever the focus is in it (see keyPressEvent); the size list's
    // box would keep it to itself.
    sizes_->lineEdit()->installEventFilter(this);

    setSimpleLook(false);
    hide();
}

QList<QWidget*> TextLabelPanel::tabOrder() const {
    // As a reader meets them: the header, then row by row, left to right.
    QList<QWidget*> order{close_, caption_, fonts_, sizes_};
    for (int i = 0; i < 3; ++i)
        order << styleButtons_[i] << styleBoxes_[i];
    order << colourButton_ << swatch_ << replace_ << replaceButton_;
    return order;
}

bool TextLabelPanel::focusNextPrevChild(bool next) {
    return FocusCycle::move(tabOrder(), next);
}

void TextLabelPanel::keyPressEvent(QKeyEvent* e) {
    // The text boxes, the font list and the buttons leave Enter to the panel: in the replace-all
    // box holding a text it confirms the replacement, anywhere else the panel.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (replace_->hasFocus() && !replace_->text().isEmpty())
            emit replaceConfirmed();
        else
            emit confirmed();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TextLabelPanel::setSimpleLook(bool simple) {
    simple_ = simple;
    resize(simple ? 360 : 420, 156);
    layoutControls();
    update();
}

void TextLabelPanel::layoutControls() {
    const int w = width();
    const int top = PanelSkin::headerHeight + 8;
    close_->setGeometry(w - 26, 3, 20, 20);
    caption_->setGeometry(70, top, w - 80, 24);
    fonts_->setGeometry(70, top + 30, w - 150, 24);
    sizes_->setGeometry(w - 72, top + 30, 62, 24);
    for (int i = 0; i < 3; ++i) {
        styleButtons_[i]->setGeometry(10 + i * 84, top + 60, 24, 24);
        styleBoxes_[i]->setGeometry(36 + i * 84, top + 60, 56, 24);
    }
    colourButton_->setGeometry(w - 80, top + 60, 30, 24);
    swatch_->setGeometry(w - 44, top + 60, 34, 24);
    replace_->setGeometry(70, top + 92, w - 170, 24);
    replaceButton_->setGeometry(w - 92, top + 92, 82, 24);
}

void TextLabelPanel::setFonts(const QStringList& screenFonts) {
    const QString current = fonts_->currentText();
    fonts_->clear();
    for (const QString& name : screenFonts)
        if (!name.startsWith(QLatin1Char('@')))
            fonts_->addItem(name);
    fonts_->setCurrentIndex(fonts_->findText(current));
}

void TextLabelPanel::setSwatchColour(const QColor& colour) {
    swatchColour_ = colour;
    swatch_->update();
}

void TextLabelPanel::followLabel(const TextLabelItem& label) {
    const auto shownFields = [](const TextLabelItem& l) {
        return std::tie(l.caption, l.fontName, l.fontSize, l.bold, l.italic, l.underline,
                        l.foreColour);
    };
    if (shownFields(label) != shownFields(shown_))
        showLabel(label);
}

void TextLabelPanel::showLabel(const TextLabelItem& label) {
    shown_ = label;
    filling_ = true;
    // The caption being typed stays as it is, with its cursor.
    if (caption_->text() != label.caption)
        caption_->setText(label.caption);
    int font = fonts_->findText(label.fontName);
    if (font < 0 && !label.fontName.isEmpty()) {
        // A font named by a stored format but missing here is still shown.
        fonts_->addItem(label.fontName);
        font = fonts_->count() - 1;
    }
    fonts_->setCurrentIndex(font);
    // Shown as a whole number, rounded halves to even as everywhere: 10.5 shows 10.
    const QString size = QString::number(roundHalfEvenToInt(label.fontSize));
    const int row = sizes_->findText(size);
    sizes_->setCurrentIndex(row);
    sizes_->setEditText(size);
    styleBoxes_[0]->setChecked(label.bold);
    styleBoxes_[1]->setChecked(label.italic);
    styleBoxes_[2]->setChecked(label.underline);
    setSwatchColour(QColor(label.foreColour));
    filling_ = false;
}

bool TextLabelPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == sizes_->lineEdit()) {
            emit sizeEntered();
            emit confirmed();
            return true;
        }
    }
    if ((watched == caption_ || watched == replace_) && event->type() == QEvent::KeyPress &&
        isRefusedCaptionKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == caption_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, caption_, [this] { caption_->selectAll(); });
    return QWidget::eventFilter(watched, event);
}

void TextLabelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("標籤修改"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    const int top = PanelSkin::headerHeight + 8;
    p.drawText(QRect(10, top, 58, 24), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("標籤文字"));
    p.drawText(QRect(10, top + 30, 58, 24), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("字型"));
    p.drawText(QRect(10, top + 92, 58, 24), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("全部修改"));
}

} // namespace brevmark
