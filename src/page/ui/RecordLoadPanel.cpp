#include "page/ui/RecordLoadPanel.h"

#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"
#include "platform/Timer.h"
#include "records/ShownText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace brevmark {

namespace {
constexpr int panelWidth = 360;
constexpr int panelHeight = 306;
constexpr int choicesTop = 68;
constexpr int choiceWidth = 108;
const QString fieldStyle = QStringLiteral(
    "QLineEdit{border:1px solid #bec8d8;border-radius:5px;padding:0 6px;background:white;"
    "color:#2c3442;selection-background-color:#2f6fed;}QLineEdit:focus{border:1px solid #2f6fed;}");
const QString choiceStyle = QStringLiteral(
    "QComboBox{border:1px solid #bec8d8;border-radius:5px;padding:0 6px;background:white;"
    "color:#2c3442;}QComboBox:hover{border-color:#2f6fed;}");
const QString listStyle = QStringLiteral(
    "QListWidget{border:1px solid #bec8d8;border-radius:5px;background:white;color:#2c3442;"
    "outline:none;}QListWidget::item{padding:2px 6px;}"
    "QListWidget::item:hover{background:#e7efff;}"
    "QListWidget::item:selected{background:#2f6fed;color:white;}");
} // namespace

RecordLoadPanel::RecordLoadPanel(Context context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), prefix_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("條碼載入窗"));
    resize(panelWidth, panelHeight);

    auto* prefixCaption = new QLabel(QStringLiteral("開頭碼"), this);
    prefixCaption->setFont(PanelSkin::font(9, true));
    prefixCaption->setStyleSheet(QStringLiteral("color:#2c3442;"));
    prefixCaption->setGeometry(12, 36, 48, 26);
    prefix_->setObjectName(QStringLiteral("開頭碼"));
    prefix_->setGeometry(62, 36, 196, 26);
    prefix_->setFont(PanelSkin::font(11));
    prefix_->setStyleSheet(fieldStyle);
    prefix_->setPlaceholderText(QStringLiteral("輸入條碼開頭"));
    connect(prefix_, &QLineEdit::textChanged, this, [this] {
        if (!clearingPrefix_)
            context_.prefixTimer.start();
    });

    reload_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("重新讀取"),
                             QStringLiteral("重新讀取"), this);
    reload_->setGeometry(266, 36, 82, 26);
    connect(reload_, &SkinButton::clicked, this, &RecordLoadPanel::reload);

    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 0);
    close_->setGeometry(panelWidth - 28, 3, 22, 20);
    connect(close_, &SkinButton::clicked, this, [this] {
        if (context_.close)
            context_.close();
    });

    for (int k = 0; k < 7; ++k) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("篩選項"));
        list->setProperty("index", k);
        list->setFont(PanelSkin::font(11));
        list->setStyleSheet(listStyle);
        values_[std::size_t(k)] = list;
        if (k == 0)
            continue;
        auto* shadow = new QLabel(this);
        shadow->setObjectName(QStringLiteral("說明2"));
        shadow->setProperty("index", k);
        shadow->setStyleSheet(QStringLiteral("color:rgba(0,0,0,40);"));
        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("說明"));
        caption->setProperty("index", k);
        caption->setStyleSheet(QStringLiteral("color:#2f6fed;"));
        for (QLabel* label : {shadow, caption})
            label->setFont(PanelSkin::font(8, true));
        captionShadows_[std::size_t(k)] = shadow;
        captionLabels_[std::size_t(k)] = caption;

        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("記錄選項"));
        choice->setProperty("index", k);
        choice->setFont(PanelSkin::font(9));
        choice->setStyleSheet(choiceStyle);
        // The value list is the choice list's drop-down.
        choice->setModel(list->model());
        choice->setView(list);
        connect(choice, &QComboBox::activated, this, [this, k](int row) {
            const QListWidgetItem* item = values_[std::size_t(k)]->item(row);
            const QString value = item ? item->data(Qt::UserRole).toString() : QString();
            if (model_.chooseValue(k, value))
                writeSelectionLists();
        });
        choices_[std::size_t(k)] = choice;
    }
    QListWidget* barcodes = values_[0];
    connect(barcodes, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (context_.pick)
            context_.pick(item->data(Qt::UserRole).toString());
    });
    connect(barcodes, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (context_.pick)
            context_.pick(item->data(Qt::UserRole).toString());
    });

    connect(&context_.readTimer, &Timer::ticked, this, &RecordLoadPanel::read);
    connect(&context_.prefixTimer, &Timer::ticked, this, &RecordLoadPanel::prefixFilter);
    connect(&context_.captionTimer, &Timer::ticked, this, &RecordLoadPanel::captionFill);
    setCaptions({}, 1);
    hide();
}

void RecordLoadPanel::setCaptions(const QStringList& captions, int lastShownField) {
    captions_ = captions;
    while (captions_.size() < 6)
        captions_ << QStringLiteral("自訂");
    model_.setLastShownField(lastShownField);
    for (int k = 1; k < 7; ++k) {
        captionLabels_[std::size_t(k)]->setText(captions_.at(k - 1));
        captionShadows_[std::size_t(k)]->setText(captions_.at(k - 1));
    }
    layoutChoices();
}

void RecordLoadPanel::layoutChoices() {
    int slot = 0;
    for (int k = 1; k < 7; ++k) {
        const bool shown = model_.isShown(k);
        QWidget* parts[] = {captionLabels_[std::size_t(k)], captionShadows_[std::size_t(k)],
                            choices_[std::size_t(k)]};
        for (QWidget* w : parts)
            w->setVisible(shown);
        if (!shown)
            continue;
        const int x = 12 + (slot % 3) * (choiceWidth + 6);
        const int y = choicesTop + (slot / 3) * 46;
        captionShadows_[std::size_t(k)]->setGeometry(x + 3, y + 1, choiceWidth, 16);
        captionLabels_[std::size_t(k)]->setGeometry(x + 2, y, choiceWidth, 16);
        choices_[std::size_t(k)]->setGeometry(x, y + 17, choiceWidth, 25);
        ++slot;
    }
    // The barcode list takes the room the choice rows leave.
    const int top = choicesTop + (slot + 2) / 3 * 46 + 4;
    values_[0]->setGeometry(12, top, panelWidth - 24, panelHeight - top - 12);
}

void RecordLoadPanel::openAt(QPoint topLeft) {
    move(topLeft);
    show();
    raise();
    context_.readTimer.start();
}

void RecordLoadPanel::reload() {
    context_.readTimer.start();
}

void RecordLoadPanel::read() {
    context_.readTimer.stop();
    clearingPrefix_ = true;
    prefix_->clear();
    clearingPrefix_ = false;
    context_.prefixTimer.stop();
    const BarcodeRecordFile::ReadResult result = context_.file.readForLoadPanel();
    if (result.outcome == BarcodeRecordFile::ReadOutcome::Damaged ||
        result.outcome == BarcodeRecordFile::ReadOutcome::Unreadable) {
        model_.load({});
        fillLists();
        if (context_.readFailed)
            context_.readFailed(result);
        return;
    }
    model_.load(result.records);
    fillLists();
    for (int k = 1; k < 7; ++k)
        if (model_.isShown(k))
            choices_[std::size_t(k)]->setPlaceholderText(captions_.at(k - 1));
}

void RecordLoadPanel::fillLists() {
    for (int k = 0; k < 7; ++k) {
        QListWidget* list = values_[std::size_t(k)];
        list->clear();
        // An entry shows what fits a list and stands for the whole text.
        for (const QString& value : model_.values(k)) {
            auto* item = new QListWidgetItem(ShownText::cut(value), list);
            item->setData(Qt::UserRole, value);
        }
        if (k > 0) {
            choices_[std::size_t(k)]->setPlaceholderText(captions_.at(k - 1));
            choices_[std::size_t(k)]->setCurrentIndex(-1);
        }
    }
}

void RecordLoadPanel::writeSelectionLists() {
    fillLists();
    context_.captionTimer.start();
}

void RecordLoadPanel::prefixFilter() {
    if (model_.narrowByPrefix(prefix_->text())) {
        writeSelectionLists();
        context_.prefixTimer.stop();
    } else {
        fillLists(); // the lists stay empty until a prefix matches
    }
}

void RecordLoadPanel::captionFill() {
    for (int k = 1; k < 7; ++k) {
        QComboBox* choice = choices_[std::size_t(k)];
        choice->setPlaceholderText(captions_.at(k - 1));
        choice->setCurrentIndex(model_.choiceIndex(k));
    }
    context_.captionTimer.stop();
}

void RecordLoadPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("條碼記錄"));
}

} // namespace brevmark
