#include "manager/ui/RecordManagerWindow.h"

#include "common/Cp950.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "manager/BarcodePreview.h"
#include "manager/DateChoice.h"
#include "manager/EntryMoves.h"
#include "manager/ui/ManagerPictures.h"
#include "platform/ImageSurface.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/WindowScroller.h"
#include "records/RecordFileTexts.h"
#include "records/RecordTextPreparation.h"
#include "records/ui/RecordFileMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace brevmark {

namespace {

const QSize windowPixels(1200, 780);
const QRect entryCardArea(12, 64, 1176, 132);
const QRect listArea(12, 252, 1040, 492);
const QRect rowActionsSize(0, 0, 128, 156);
const QRect settingsPanelSize(0, 0, 300, 124);
constexpr int captionTop = 12;
constexpr int entryTop = 34;
constexpr int entryHeight = 28;
constexpr int tickTop = 88;
// The preview picture's fixed height, and the strip under the list that its card takes.
constexpr double previewHeight = 1500;
constexpr int previewStrip = 132;
// The widest preview picture: as wide as a picture on an X11 screen may be.
constexpr int maxPreviewPixels = 32767;

const QString hintColumnDrag = QStringLiteral("說明提示：按住滑鼠左鍵、拖拉調整寬度");
const QString hintEntry = QStringLiteral("說明提示：Ａ點擊輸入要記錄的資料內容、　Ｂ雙擊輸入日期");

QString previewSwitchCaption(bool on) {
    return on ? QStringLiteral("開啟 條碼預覽") : QStringLiteral("關閉 條碼預覽");
}

// The fixed-pitch face of the list: AR PL UMing (Debian's fonts-arphic-uming) draws every ASCII
// character exactly half as wide as a Chinese one, as 細明體 does, so byte counts line up.
QFont listFont() {
    QFont f(QStringLiteral("AR PL UMing TW"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(14);
    return f;
}

QFont uiFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("新細明體"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent,
                        const QRect& geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFont(uiFont(13));
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* cardLabel(QWidget* card) {
    auto* label = new QLabel(card);
    label->setGeometry(0, 0, card->width(), card->height());
    label->setPixmap(QPixmap::fromImage(ManagerPictures::card(card->size())));
    label->lower();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

RecordManagerWindow::RecordManagerWindow(RecordManager::Services services, MessageBoxes& messages,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      model_(std::make_unique<RecordManager>(std::move(services))), messages_(messages),
      columns_(ManagerSettings::defaultColumnEdges()) {
    setObjectName(QStringLiteral("條碼管理窗"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavo 條碼管理"));
    setFixedSize(windowPixels);
    setStyleSheet(ManagerPictures::styleSheet());
    setMouseTracking(true);
    background_ = ManagerPictures::windowBackground(size(), QStringLiteral("Tavo 條碼管理"));

    readTimer_ = new Timer(QStringLiteral("讀條碼檔"), 10, this);
    connect(readTimer_, &Timer::ticked, this, &RecordManagerWindow::runPendingRead);

    buildTitle();
    buildEntryCard();
    buildCommands();
    buildList();
    buildDatePicker();
    buildPreview();
    buildHintLine();

    // Opening: the settings, the field usage, the date picker, then one full read once shown.
    model_->open();
    const ManagerSettings& prefs = model_->preferences();
    columns_ = ColumnLayout(prefs.columnEdges);
    for (int k = 0; k < 7; ++k) {
        captions_[std::size_t(k)]->setText(prefs.captions[std::size_t(k)]);
        ticks_[std::size_t(k)]->setChecked(prefs.ticks[std::size_t(k)]);
    }
    resetCaptions();
    fieldCount_->setCurrentText(QString::number(prefs.fieldCount));
    previewText_->setChecked(prefs.pictureText);
    thickness_->setCurrentIndex(prefs.thickness - 1);
    thicknessShown_->setText(QString::number(prefs.thickness));
    previewSwitch_->setChecked(prefs.preview);
    previewSwitch_->setText(previewSwitchCaption(prefs.preview));
    ratios_[0]->setChecked(true);
    loadFieldUsage();
    const QDate today = model_->today();
    years_->addItems(date_choice::years(today.year()));
    months_->addItems(date_choice::months());
    years_->setCurrentText(QString::number(today.year()) + date_choice::bareYear);
    months_->setCurrentText(QString::number(today.month()) + date_choice::bareMonth);
    refreshDays();
    startFullRead();
}

RecordManagerWindow::~RecordManagerWindow() = default;

// ------------------------------------------------------------------------------------- build

void RecordManagerWindow::buildTitle() {
    close_ = new PictureControl(QStringLiteral("關閉窗"), this);
    close_->setGeometry(width() - 48, 9, 34, 34);
    WindowScroller::keepInCorner(*close_);
    close_->setPicture(ManagerPictures::closeButton(false, close_->size()));
    close_->setCursor(Qt::PointingHandCursor);
    connect(close_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        close_->setPicture(ManagerPictures::closeButton(true, close_->size()));
        setHint(QStringLiteral("關閉 條碼管理"));
    });
    connect(close_, &PictureControl::left, this,
            [this] { close_->setPicture(ManagerPictures::closeButton(false, close_->size())); });
    connect(close_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                if (button == Qt::LeftButton && inside)
                    close();
            });
}

void RecordManagerWindow::buildEntryCard() {
    entryCard_ = new QWidget(this);
    entryCard_->setObjectName(QStringLiteral("資料輸入區"));
    entryCard_->setGeometry(entryCardArea);
    cardLabel(entryCard_);
    for (int k = 0; k < 7; ++k) {
        auto* caption = new QLabel(entryCard_);
        caption->setObjectName(QStringLiteral("說明"));
        caption->setProperty("index", k);
        caption->setFont(uiFont(13, true));
        caption->setStyleSheet(QStringLiteral("color:#0030a6;"));
        caption->installEventFilter(this);
        captions_[std::size_t(k)] = caption;

        auto* separator = new QWidget(entryCard_);
        separator->setObjectName(QStringLiteral("分隔"));
        separator->setProperty("index", k);
        separator->setStyleSheet(QStringLiteral("background:#d2dcf4;"));
        separators_[std::size_t(k)] = separator;

        auto* field = new QLineEdit(entryCard_);
        field->setObjectName(QStringLiteral("資料"));
        field->setProperty("index", k);
        field->setFont(uiFont(14));
        field->setMouseTracking(true);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &RecordManagerWindow::updateCommands);
        entries_[std::size_t(k)] = field;

        auto* tick = new QCheckBox(entryCard_);
        tick->setObjectName(QStringLiteral("資料顯項"));
        tick->setProperty("index", k);
        tick->setFont(uiFont(13));
        tick->setFocusPolicy(Qt::NoFocus);
        tick->setCursor(Qt::PointingHandCursor);
        connect(tick, &QCheckBox::clicked, this, [this, k](bool on) {
            model_->setTick(k, on);
            showList();
        });
        attachHint(tick, QStringLiteral("勾選要在清單中顯示的欄位"));
        ticks_[std::size_t(k)] = tick;
    }
    auto* ticksCaption = new QLabel(QStringLiteral("清單欄位"), entryCard_);
    ticksCaption->setFont(uiFont(13, true));
    ticksCaption->setStyleSheet(QStringLiteral("color:#0030a6;"));
    ticksCaption->setGeometry(16, tickTop, 70, 24);

    auto* countCaption = new QLabel(QStringLiteral("項目數量"), entryCard_);
    countCaption->setFont(uiFont(13, true));
    countCaption->setStyleSheet(QStringLiteral("color:#0030a6;"));
    countCaption->setGeometry(entryCard_->width() - 176, tickTop, 70, 24);
    fieldCount_ = new QComboBox(entryCard_);
    fieldCount_->setObjectName(QStringLiteral("項目數量"));
    for (int n = 6; n >= 1; --n)
        fieldCount_->addItem(QString::number(n));
    fieldCount_->setGeometry(entryCard_->width() - 100, tickTop - 2, 80, 28);
    fieldCount_->setFocusPolicy(Qt::NoFocus);
    connect(fieldCount_, &QComboBox::activated, this, [this](int row) {
        model_->setFieldCount(fieldCount_->itemText(row).toInt());
        loadFieldUsage();
        showList();
    });
    attachHint(fieldCount_, QStringLiteral("選擇要使用的記錄欄位數量"));

    captionEditor_ = new QLineEdit(entryCard_);
    captionEditor_->setObjectName(QStringLiteral("說明編輯"));
    captionEditor_->setFont(uiFont(13, true));
    captionEditor_->installEventFilter(this);
    captionEditor_->hide();
    connect(captionEditor_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (editedCaption_ < 0)
            return;
        const QLabel* caption = captions_[std::size_t(editedCaption_)];
        const int needed = QFontMetrics(captionEditor_->font()).horizontalAdvance(text) + 20;
        captionEditor_->resize(qMax(caption->width(), needed), captionEditor_->height());
    });

    const QStringList lists{QStringLiteral("篩選選項"), QStringLiteral("篩選選項")};
    for (int i = 0; i < 2; ++i) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("篩選選項"));
        list->setProperty("index", i + 1); // the field it fills: 1 category, 2 name
        list->setFont(uiFont(14));
        list->hide();
        connect(list, &QListWidget::itemClicked, this, [this, i](QListWidgetItem* item) {
            entries_[std::size_t(i + 1)]->setText(item->data(Qt::UserRole).toString());
            valueLists_[std::size_t(i)]->hide();
        });
        valueLists_[std::size_t(i)] = list;
    }
}

void RecordManagerWindow::buildCommands() {
    const int top = 206;
    specified_ = makeButton(QStringLiteral("指定讀取"), QStringLiteral("指定讀取"), this,
                            QRect(12, top, 100, 34));
    filter_ = makeButton(QStringLiteral("查詢篩選"), QStringLiteral("查詢篩選"), this,
                         QRect(118, top, 100, 34));
    restore_ = makeButton(QStringLiteral("恢復預設"), QStringLiteral("恢復預設"), this,
                          QRect(224, top, 100, 34));
    export_ = makeButton(QStringLiteral("轉至Excel"), QStringLiteral("轉至 Excel"), this,
                         QRect(344, top, 100, 34));
    bulk_ = makeButton(QStringLiteral("多筆按鈕"), QStringLiteral("多筆新增"), this,
                       QRect(450, top, 100, 34));
    add_ = makeButton(QStringLiteral("新增條碼"), QStringLiteral("＋ 新增條碼"), this,
                      QRect(570, top, 118, 34));
    change_ = makeButton(QStringLiteral("修改條碼"), QStringLiteral("✓ 修改條碼"), this,
                         QRect(694, top, 118, 34));
    previewSwitch_ = makeButton(QStringLiteral("預覽開關"), previewSwitchCaption(true), this,
                                QRect(width() - 152, top, 140, 34));
    previewSwitch_->setCheckable(true);
    showBarcode_ = new PictureControl(QStringLiteral("顯示條碼"), this);
    showBarcode_->setGeometry(width() - 212, top, 52, 34);
    showBarcode_->setPicture(ManagerPictures::showBarcode(false, showBarcode_->size()));

    connect(add_, &QPushButton::clicked, this, &RecordManagerWindow::addRecord);
    connect(change_, &QPushButton::clicked, this, &RecordManagerWindow::changeRecord);
    connect(specified_, &QPushButton::clicked, this, [this] {
        pending_ = PendingRead::Specified;
        readTimer_->start();
    });
    connect(filter_, &QPushButton::clicked, this, [this] {
        hidePreview();
        model_->filter(entryTexts());
        showList();
    });
    connect(restore_, &QPushButton::clicked, this, &RecordManagerWindow::startFullRead);
    connect(export_, &QPushButton::clicked, this, &RecordManagerWindow::exportList);
    connect(bulk_, &QPushButton::clicked, this, [this] {
        if (openImport_) {
            openImport_();
            return;
        }
        messages_.inform(QStringLiteral("多筆新增 提示"),
                         QStringLiteral("多筆新增（匯入）視窗尚未提供，目前無法使用此功能；"
                                        "請先以上方的欄位逐筆新增條碼記錄。"));
    });
    connect(previewSwitch_, &QPushButton::clicked, this, [this](bool on) {
        model_->setPreview(on);
        previewSwitch_->setText(previewSwitchCaption(on));
        if (!on) {
            hidePreview();
        } else if (!entries_[0]->text().isEmpty()) {
            previewBarcode();
        }
    });
    connect(showBarcode_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        showBarcode_->setPicture(ManagerPictures::showBarcode(true, showBarcode_->size()));
        setHint(QStringLiteral("顯示 條碼圖形"));
        if (!entries_[0]->text().isEmpty() && preview_->isHidden())
            previewBarcode();
    });
    connect(showBarcode_, &PictureControl::left, this, [this] {
        showBarcode_->setPicture(ManagerPictures::showBarcode(false, showBarcode_->size()));
    });

    attachHint(add_, QStringLiteral("將輸入的資料新增為一筆條碼記錄"));
    attachHint(change_, QStringLiteral("以輸入的資料修改選取的條碼記錄"));
    attachHint(specified_, QStringLiteral("只讀取欄位內容完全相同的條碼記錄"));
    attachHint(filter_, QStringLiteral("依照輸入欄位的開頭文字篩選清單"));
    attachHint(restore_, QStringLiteral("重新讀取全部條碼記錄"));
    attachHint(export_, QStringLiteral("將清單中的資料複製到剪貼簿，可貼上到 Excel"));
    attachHint(bulk_, QStringLiteral("一次新增多筆條碼記錄"));
    attachHint(previewSwitch_, QStringLiteral("選取記錄時 顯示或不顯示 條碼圖形"));
}

void RecordManagerWindow::buildList() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("歷史清單"));
    list_->setGeometry(listArea);
    list_->setFont(listFont());
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The list scrolls sideways over 1000 pixels, as wide as its longest lines may get.
    list_->setMinimumWidth(listArea.width());
    connect(list_, &QListWidget::itemPressed, this,
            [this](QListWidgetItem* item) { selectLine(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != model_->selectedLine())
            selectLine(row);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        selectLine(list_->row(item));
        if (const auto texts = model_->loadForChange()) {
            setEntryTexts(*texts);
            change_->show();
        }
    });
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &RecordManagerWindow::placeRowActions);
    attachHint(list_, QStringLiteral("點選一筆記錄：上移、下移、刪除或修改；雙擊載入修改"));

    rowActions_ = new QWidget(this);
    rowActions_->setObjectName(QStringLiteral("點選功能"));
    rowActions_->setGeometry(rowActionsSize);
    cardLabel(rowActions_);
    moveUp_ = makeButton(QStringLiteral("點選修上"), QStringLiteral("▲ 上移"), rowActions_,
                         QRect(10, 10, 108, 30));
    moveDown_ = makeButton(QStringLiteral("點選修下"), QStringLiteral("▼ 下移"), rowActions_,
                           QRect(10, 46, 108, 30));
    delete_ = makeButton(QStringLiteral("點選刪除"), QStringLiteral("✕ 刪除"), rowActions_,
                         QRect(10, 82, 108, 30));
    loadForChange_ = makeButton(QStringLiteral("點選修改"), QStringLiteral("✎ 修改"), rowActions_,
                                QRect(10, 118, 108, 30));
    rowActions_->hide();
    connect(moveUp_, &QPushButton::clicked, this, [this] { moveRecord(true); });
    connect(moveDown_, &QPushButton::clicked, this, [this] { moveRecord(false); });
    connect(delete_, &QPushButton::clicked, this, &RecordManagerWindow::deleteRecord);
    connect(loadForChange_, &QPushButton::clicked, this, [this] {
        if (const auto texts = model_->loadForChange()) {
            setEntryTexts(*texts);
            change_->show();
        }
    });
    attachHint(moveUp_, QStringLiteral("將選取的記錄 往上移動一筆"));
    attachHint(moveDown_, QStringLiteral("將選取的記錄 往下移動一筆"));
    attachHint(delete_, QStringLiteral("刪除選取的條碼記錄"));
    attachHint(loadForChange_, QStringLiteral("將選取的記錄載入輸入欄位，修改後按【修改條碼】"));
}

void RecordManagerWindow::buildDatePicker() {
    datePicker_ = new QWidget(this);
    datePicker_->setObjectName(QStringLiteral("日期窗"));
    datePicker_->setGeometry(0, 0, 372, 48);
    cardLabel(datePicker_);
    years_ = new QComboBox(datePicker_);
    years_->setObjectName(QStringLiteral("年份"));
    months_ = new QComboBox(datePicker_);
    months_->setObjectName(QStringLiteral("月份"));
    days_ = new QComboBox(datePicker_);
    days_->setObjectName(QStringLiteral("日期"));
    years_->setGeometry(8, 10, 90, 28);
    months_->setGeometry(102, 10, 70, 28);
    days_->setGeometry(176, 10, 70, 28);
    auto* today = makeButton(QStringLiteral("今天"), QStringLiteral("今天"), datePicker_,
                             QRect(252, 10, 54, 28));
    auto* yesterday = makeButton(QStringLiteral("昨天"), QStringLiteral("昨天"), datePicker_,
                                 QRect(310, 10, 54, 28));
    for (QComboBox* box : {years_, months_, days_}) {
        box->setFont(uiFont(13));
        box->setFocusPolicy(Qt::NoFocus);
    }
    datePicker_->hide();
    connect(years_, &QComboBox::activated, this, &RecordManagerWindow::refreshDays);
    connect(months_, &QComboBox::activated, this, &RecordManagerWindow::refreshDays);
    connect(days_, &QComboBox::activated, this, [this](int row) { pickDay(days_->itemText(row)); });
    connect(today, &QPushButton::clicked, this, [this] {
        if (dateTarget_ < 0)
            return;
        entries_[std::size_t(dateTarget_)]->setText(date_choice::text(model_->today()));
    });
    connect(yesterday, &QPushButton::clicked, this, [this] {
        if (dateTarget_ < 0)
            return;
        QLineEdit* target = entries_[std::size_t(dateTarget_)];
        target->setText(date_choice::yesterday(target->text(), model_->today()));
    });
}

void RecordManagerWindow::buildPreview() {
    // A picture of another barcode than the field's is not left on show (nor copied): typing goes
    // on without it, and 顯示條碼 draws the typed one.
    connect(entries_[0], &QLineEdit::textChanged, this, [this](const QString& text) {
        if (preview_->isVisible() && text.toUpper() != previewed_)
            hidePreview();
    });
    previewCard_ = new QLabel(this);
    previewCard_->setAttribute(Qt::WA_TransparentForMouseEvents);
    previewCard_->hide();
    preview_ = new PictureControl(QStringLiteral("預覽圖"), this);
    preview_->setCursor(Qt::PointingHandCursor);
    preview_->hide();
    preview_->installEventFilter(this);
    connect(preview_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton button) {
        if (button == Qt::RightButton)
            placeSettingsPanel(true);
    });
    connect(preview_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        setHint(QStringLiteral("雙擊條碼圖形複製到剪貼簿；按滑鼠右鍵開啟顯示設定"));
    });

    settingsPanel_ = new QWidget(this);
    settingsPanel_->setObjectName(QStringLiteral("顯示設定窗"));
    settingsPanel_->setGeometry(settingsPanelSize);
    auto* card = new QLabel(settingsPanel_);
    card->setGeometry(settingsPanel_->rect());
    card->setPixmap(QPixmap::fromImage(
        ManagerPictures::card(settingsPanel_->size(), QStringLiteral("顯示設定"))));
    card->setAttribute(Qt::WA_TransparentForMouseEvents);
    settingsPanel_->installEventFilter(this);
    const QString ratioCaptions[4] = {QStringLiteral("正規"), QStringLiteral("減距"),
                                      QStringLiteral("減粗"), QStringLiteral("雙減")};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(ratioCaptions[i], settingsPanel_);
        option->setObjectName(QStringLiteral("格式設定"));
        option->setProperty("index", i);
        option->setFont(uiFont(13));
        option->setGeometry(14 + i * 70, 36, 66, 24);
        option->setFocusPolicy(Qt::NoFocus);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            widthRatio_ = i;
            previewBarcode();
        });
        ratios_[std::size_t(i)] = option;
    }
    auto* thicknessCaption = new QLabel(QStringLiteral("粗細"), settingsPanel_);
    thicknessCaption->setFont(uiFont(13));
    thicknessCaption->setGeometry(16, 74, 34, 28);
    thickness_ = new QComboBox(settingsPanel_);
    thickness_->setObjectName(QStringLiteral("條碼粗細"));
    for (int t = BarcodePreview::thinnest; t <= BarcodePreview::thickest; ++t)
        thickness_->addItem(BarcodePreview::thicknessCaption(t));
    thickness_->setGeometry(52, 74, 80, 28);
    thickness_->setFocusPolicy(Qt::NoFocus);
    thicknessShown_ = new QLabel(settingsPanel_);
    thicknessShown_->setObjectName(QStringLiteral("粗細度"));
    thicknessShown_->setFont(uiFont(13, true));
    thicknessShown_->setAlignment(Qt::AlignCenter);
    thicknessShown_->setStyleSheet(
        QStringLiteral("color:#0030a6;background:#e4ecff;border-radius:4px;"));
    thicknessShown_->setGeometry(138, 76, 26, 24);
    connect(thickness_, &QComboBox::activated, this, [this](int row) {
        model_->setThickness(row + 1);
        thicknessShown_->setText(QString::number(row + 1));
        previewBarcode();
    });
    previewText_ = new QCheckBox(QStringLiteral("識別字符"), settingsPanel_);
    previewText_->setObjectName(QStringLiteral("識別字符"));
    previewText_->setFont(uiFont(13));
    previewText_->setGeometry(182, 76, 100, 24);
    previewText_->setFocusPolicy(Qt::NoFocus);
    connect(previewText_, &QCheckBox::clicked, this, [this](bool on) {
        model_->setPictureText(on);
        previewBarcode();
    });
    settingsPanel_->hide();
}

void RecordManagerWindow::buildHintLine() {
    hintShadow_ = new QLabel(this);
    hintShadow_->setObjectName(QStringLiteral("說明提示2"));
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("說明提示"));
    for (QLabel* label : {hintShadow_, hint_}) {
        label->setFont(uiFont(13));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    hint_->setGeometry(18, 751, 1100, 22);
    hintShadow_->setGeometry(19, 752, 1100, 22);
    hint_->setStyleSheet(QStringLiteral("color:#0a2a7a;"));
    hintShadow_->setStyleSheet(QStringLiteral("color:rgba(255,255,255,200);"));
}

void RecordManagerWindow::attachHint(QWidget* widget, const QString& text) {
    widget->setProperty("hint", text);
    widget->installEventFilter(this);
}

void RecordManagerWindow::setHint(const QString& text) {
    hint_->setText(text);
    hintShadow_->setText(text);
}

QString RecordManagerWindow::hint() const {
    return hint_->text();
}

// ----------------------------------------------------------------------------------- layout

void RecordManagerWindow::loadFieldUsage() {
    const int last = model_->fieldCount();
    for (int k = 0; k < 7; ++k) {
        const bool shown = k <= last;
        captions_[std::size_t(k)]->setVisible(shown);
        entries_[std::size_t(k)]->setVisible(shown);
        separators_[std::size_t(k)]->setVisible(shown && k > 0);
        ticks_[std::size_t(k)]->setVisible(shown);
    }
    // The column chooser takes the room of the shown ticks.
    int x = 90;
    for (int k = 0; k <= last; ++k) {
        QCheckBox* tick = ticks_[std::size_t(k)];
        const int w = QFontMetrics(tick->font()).horizontalAdvance(tick->text()) + 34;
        tick->setGeometry(x, tickTop, w, 24);
        x += w + 8;
    }
    adjustEntryLayout();
    updateCommands();
}

void RecordManagerWindow::resetCaptions() {
    for (int k = 0; k < 7; ++k)
        ticks_[std::size_t(k)]->setText(captions_[std::size_t(k)]->text());
}

void RecordManagerWindow::adjustEntryLayout() {
    const int last = model_->fieldCount();
    for (int k = 0; k < 7; ++k) {
        const int left = screen::pixels(columns_.left(k));
        const int w = screen::pixels(columns_.width(k, last));
        captions_[std::size_t(k)]->setGeometry(left + 2, captionTop, w, 20);
        entries_[std::size_t(k)]->setGeometry(left, entryTop, w, entryHeight);
        separators_[std::size_t(k)]->setGeometry(left - screen::pixels(ColumnLayout::gap) / 2 - 1,
                                                 captionTop, 1,
                                                 entryTop + entryHeight - captionTop);
    }
}

void RecordManagerWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, background_);
}

// ------------------------------------------------------------------------------------- reads

void RecordManagerWindow::startFullRead() {
    pending_ = PendingRead::Full;
    readTimer_->start();
}

void RecordManagerWindow::resetWindow(bool keepEntries) {
    if (isVisible())
        entries_[0]->setFocus();
    hidePreview();
    specified_->setEnabled(false);
    filter_->setEnabled(false);
    add_->hide();
    change_->hide();
    hideValueLists();
    datePicker_->hide();
    rowActions_->hide();
    if (!keepEntries)
        for (QLineEdit* e : entries_)
            e->clear();
    list_->clear();
}

void RecordManagerWindow::runPendingRead() {
    readTimer_->stop();
    RecordManager::ReadResult read;
    const bool specified = pending_ == PendingRead::Specified;
    if (!specified) {
        resetWindow(false);
        read = model_->fullRead();
        showList();
        specified_->show();
        filter_->setVisible(!model_->limitReached());
    } else {
        resetWindow(true);
        read = model_->specifiedRead(entryTexts());
        showList();
        filter_->setVisible(true);
    }
    // A read lists the newest record first, under the header: that is what the list shows.
    list_->scrollToTop();
    list_->horizontalScrollBar()->setValue(0);
    if (!reportRead(read, specified))
        return;
    updateCommands();
    if (specified) {
        specified_->setEnabled(false);
        filter_->setEnabled(true);
    }
}

bool RecordManagerWindow::reportRead(const RecordManager::ReadResult& read, bool specified) {
    using Outcome = BarcodeRecordFile::ReadOutcome;
    switch (read.outcome) {
    case Outcome::Complete:
        break;
    case Outcome::LimitReached:
        messages_.warn(RecordFileTexts::limitTitle(), specified
                                                          ? RecordFileTexts::tooManyMatches()
                                                          : RecordFileTexts::tooManyRecords());
        break;
    case Outcome::Unreadable:
        RecordFileMessages::showUnreadable(model_->file(), read.error, messages_);
        break;
    case Outcome::Damaged:
        if (!repairAndReport())
            return false;
        break;
    }
    model_->showPendingNotice();
    return true;
}

bool RecordManagerWindow::repairAndReport() {
    if (!RecordFileMessages::repairDamaged(model_->file(), messages_))
        return true;
    model_->endProgram();
    return false;
}

bool RecordManagerWindow::reportWrite(const BarcodeRecordFile::WriteResult& write) {
    using Outcome = BarcodeRecordFile::WriteOutcome;
    switch (write.outcome) {
    case Outcome::Written:
        break;
    case Outcome::Refused:
    case Outcome::Failed:
        RecordFileMessages::showWriteProblem(model_->file(), write, messages_);
        break;
    case Outcome::Damaged:
        return repairAndReport();
    case Outcome::Stale: {
        // The list is read again as it was read; what the user typed stays in the fields.
        messages_.warn(RecordFileTexts::staleTitle(), RecordFileTexts::staleText());
        resetWindow(true);
        const bool specified = model_->lastReadWasSpecified();
        const RecordManager::ReadResult read = model_->readAgain();
        showList();
        if (!reportRead(read, specified))
            return false;
        updateCommands();
        break;
    }
    }
    return true;
}

bool RecordManagerWindow::reportEntry(const RecordManager::EntryResult& result) {
    if (result.barcodeLostCharacters)
        messages_.inform(record_texts::removalTitle(), record_texts::removalText());
    if (result.incomplete) {
        messages_.warn(QStringLiteral("資料不完整 提示"), QStringLiteral("資料輸入不完整"));
        return true;
    }
    return reportWrite(result.write);
}

void RecordManagerWindow::showList() {
    rowActions_->hide();
    change_->hide();
    list_->clear();
    list_->addItems(model_->list().lines());
    for (int i = 0; i < 2; ++i) {
        QListWidget* values = valueLists_[std::size_t(i)];
        values->clear();
        // Each entry shows what a list line would and fills its field with the whole text.
        for (const QString& value : i == 0 ? model_->list().categories() : model_->list().names()) {
            auto* item = new QListWidgetItem(RecordList::shownText(value), values);
            item->setData(Qt::UserRole, value);
        }
    }
    if (list_->count() > 0) {
        QListWidgetItem* header = list_->item(0);
        if (model_->list().display().isEmpty()) {
            header->setForeground(QColor(150, 60, 60));
        } else {
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
            header->setBackground(QColor(228, 236, 255));
            header->setForeground(QColor(0, 48, 166));
        }
    }
}

RecordEntry RecordManagerWindow::entryTexts() const {
    RecordEntry texts;
    for (int k = 0; k < 7; ++k)
        texts[std::size_t(k)] = entries_[std::size_t(k)]->text();
    return texts;
}

void RecordManagerWindow::setEntryTexts(const RecordEntry& texts) {
    for (int k = 0; k < 7; ++k)
        entries_[std::size_t(k)]->setText(texts[std::size_t(k)]);
}

void RecordManagerWindow::updateCommands() {
    add_->setVisible(!entries_[0]->text().isEmpty() && !entries_[1]->text().isEmpty());
    bool any = false;
    for (int k = 0; k <= model_->fieldCount(); ++k)
        any = any || !entries_[std::size_t(k)]->text().isEmpty();
    specified_->setEnabled(any);
    filter_->setEnabled(any);
}

// -------------------------------------------------------------------------------- selection

void RecordManagerWindow::selectLine(int line) {
    datePicker_->hide();
    change_->hide();
    rowActions_->hide();
    const std::optional<StoredRecord> record = model_->select(line);
    if (!record)
        return;
    entries_[0]->setText(record->record.barcode());
    moveUp_->setEnabled(model_->list().canMoveUp(line));
    moveDown_->setEnabled(model_->list().canMoveDown(line));
    placeRowActions();
    rowActions_->show();
    rowActions_->raise();
    if (model_->preferences().preview)
        previewBarcode();
}

void RecordManagerWindow::placeRowActions() {
    const int line = model_->selectedLine();
    if (line < 0 || !list_->item(line))
        return;
    const QRect item = list_->visualItemRect(list_->item(line));
    const int y = list_->geometry().top() + list_->viewport()->y() + item.center().y() -
                  rowActions_->height() / 2;
    rowActions_->move(listArea.right() + 8,
                      qBound(listArea.top(), y, listArea.bottom() - rowActions_->height()));
}

// ---------------------------------------------------------------------------------- changes

void RecordManagerWindow::addRecord() {
    RecordEntry texts = entryTexts();
    const RecordManager::EntryResult result = model_->add(texts);
    setEntryTexts(texts);
    if (reportEntry(result) && result.written())
        startFullRead();
}

void RecordManagerWindow::changeRecord() {
    RecordEntry texts = entryTexts();
    const RecordManager::EntryResult result = model_->change(texts);
    setEntryTexts(texts);
    if (reportEntry(result) && result.written())
        startFullRead();
}

void RecordManagerWindow::deleteRecord() {
    const std::optional<StoredRecord> record = model_->selectedRecord();
    if (!record)
        return;
    if (!messages_.confirm(QStringLiteral("刪除條碼"),
                           QStringLiteral("確定刪除【") +
                               RecordList::shownText(record->record.barcode()) +
                               QStringLiteral("】條碼記錄")))
        return;
    const std::optional<BarcodeRecordFile::WriteResult> written = model_->removeSelected();
    if (written && reportWrite(*written) && written->written())
        startFullRead();
}

void RecordManagerWindow::moveRecord(bool up) {
    moveUp_->setEnabled(false);
    moveDown_->setEnabled(false);
    const int line = model_->selectedLine();
    const std::optional<BarcodeRecordFile::WriteResult> moved = model_->moveSelected(up);
    if (!moved || !moved->written()) {
        // A move the file refused says why; after another program's change the list is new.
        if (moved &&
            (!reportWrite(*moved) || moved->outcome == BarcodeRecordFile::WriteOutcome::Stale))
            return;
        selectLine(line);
        return;
    }
    const int partner = model_->selectedLine();
    list_->item(line)->setText(model_->list().lines()[line]);
    list_->item(partner)->setText(model_->list().lines()[partner]);
    list_->setCurrentRow(partner);
    selectLine(partner);
}

void RecordManagerWindow::exportList() {
    datePicker_->hide();
    hidePreview();
    if (!model_->exportList()) {
        messages_.inform(QStringLiteral("載入完成 提示"),
                         QStringLiteral("清單中查無顯示資料無法將記憶載入 Excel 中"));
        return;
    }
    messages_.warn(QStringLiteral("載入完成 提示"),
                   QStringLiteral("完成記憶載入，請開啟 Excel 程式後，在表單處點擊滑鼠右鍵，"
                                  "貼上即可將完成轉移"));
}

// ------------------------------------------------------------------------ lists, date, caption

void RecordManagerWindow::hideValueLists() {
    for (QListWidget* list : valueLists_)
        list->hide();
}

void RecordManagerWindow::openValueList(int field) {
    QListWidget* list = valueLists_[std::size_t(field - 1)];
    if (list->count() == 0)
        return;
    QLineEdit* e = entries_[std::size_t(field)];
    const QPoint below = e->mapTo(list->parentWidget(), QPoint(0, e->height() + 2));
    const int rows = qMin(list->count(), 10);
    list->setGeometry(below.x(), below.y(), qMax(e->width(), 160),
                      rows * list->sizeHintForRow(0) + 6);
    list->show();
    list->raise();
}

void RecordManagerWindow::openDatePicker(int field) {
    dateTarget_ = field;
    QLineEdit* e = entries_[std::size_t(field)];
    // Where the entry is among the picker's neighbours (the window scrolls on a small screen).
    QWidget* area = datePicker_->parentWidget();
    QPoint below = e->mapTo(area, QPoint(0, e->height() + 4));
    below.setX(qMin(below.x(), area->width() - datePicker_->width() - 12));
    datePicker_->move(below);
    hideValueLists();
    datePicker_->show();
    datePicker_->raise();
    days_->setCurrentText(date_choice::bareDay);
    if (days_->currentText() != date_choice::bareDay) {
        days_->setPlaceholderText(date_choice::bareDay);
        days_->setCurrentIndex(-1);
    }
}

void RecordManagerWindow::refreshDays() {
    const QString remembered =
        days_->currentIndex() < 0 ? date_choice::bareDay : days_->currentText();
    const date_choice::Days d =
        date_choice::daysOfMonth(years_->currentText(), months_->currentText(), remembered);
    days_->clear();
    days_->addItems(d.days);
    days_->setPlaceholderText(date_choice::bareDay);
    const int kept = days_->findText(d.day);
    days_->setCurrentIndex(kept);
}

void RecordManagerWindow::pickDay(const QString& day) {
    const QString text = years_->currentText() + months_->currentText() + day;
    if (dateTarget_ < 0 || !date_choice::parse(text))
        return;
    entries_[std::size_t(dateTarget_)]->setText(text);
    datePicker_->hide();
}

void RecordManagerWindow::openCaptionEditor(int field) {
    if (field < 1 || field > 6)
        return;
    editedCaption_ = field;
    QLabel* caption = captions_[std::size_t(field)];
    captionEditor_->setText(caption->text());
    captionEditor_->setGeometry(caption->x() - 2, caption->y() - 3, caption->width(),
                                caption->height() + 6);
    captionEditor_->show();
    captionEditor_->raise();
    captionEditor_->setFocus();
    captionEditor_->selectAll();
}

void RecordManagerWindow::confirmCaptionEditor() {
    if (editedCaption_ < 0)
        return;
    const RecordManager::CaptionResult renamed =
        model_->renameCaption(editedCaption_, captionEditor_->text());
    if (!renamed.refusedCharacters.isEmpty()) {
        // The caption stays as it was; the editor keeps the text to be corrected.
        messages_.warn(RecordFileTexts::unencodableTitle(),
                       QStringLiteral("欄位名稱以 Big5 文字儲存，無法儲存下列文字：") +
                           cp950::listedCharacters(renamed.refusedCharacters) +
                           QStringLiteral("\r\n請修改這些文字後再按 Enter，欄位名稱沒有變更。"));
        captionEditor_->setFocus();
        return;
    }
    captions_[std::size_t(editedCaption_)]->setText(renamed.caption);
    editedCaption_ = -1;
    captionEditor_->hide();
    resetCaptions();
    loadFieldUsage();
    showList();
}

// ----------------------------------------------------------------------------------- preview

void RecordManagerWindow::previewBarcode() {
    QLineEdit* barcode = entries_[0];
    const QString text = barcode->text().toUpper();
    if (barcode->text() != text)
        barcode->setText(text);
    if (text.isEmpty())
        return;
    previewed_ = text;
    const int thickness = thickness_->currentIndex() + 1;
    const bool showText = previewText_->isChecked();
    const double widthTwips = BarcodePreview::widthTwips(text, widthRatio_, thickness);
    // A picture wider than a window system can show is not drawn at all.
    if (screen::pixels(widthTwips) > maxPreviewPixels) {
        hidePreview();
        setHint(QStringLiteral("條碼太長（%1 個字元），無法顯示條碼圖形").arg(text.size()));
        return;
    }
    ImageSurface surface(QSizeF(widthTwips, previewHeight));
    TextFont font;
    font.pointSize = 10;
    BarcodePreview::draw(surface, text, widthRatio_, thickness, showText, previewHeight, font);
    preview_->setPicture(surface.image());
    // The list makes room for the picture on its card below it.
    list_->setGeometry(listArea.adjusted(0, 0, 0, -previewStrip));
    const QSize size(screen::pixels(widthTwips), screen::pixels(previewHeight));
    const QRect card(listArea.left(), listArea.bottom() - previewStrip + 9, size.width() + 20,
                     previewStrip - 8);
    preview_->setGeometry(card.left() + 10, card.top() + (card.height() - size.height()) / 2,
                          size.width(), size.height());
    previewCard_->setGeometry(card);
    previewCard_->setPixmap(QPixmap::fromImage(ManagerPictures::card(card.size())));
    previewCard_->show();
    previewCard_->raise();
    preview_->show();
    preview_->raise();
    placeRowActions();
    if (settingsPanel_->isHidden())
        placeSettingsPanel(false);
    settingsPanel_->show();
    settingsPanel_->raise();
}

void RecordManagerWindow::hidePreview() {
    preview_->hide();
    previewCard_->hide();
    settingsPanel_->hide();
    list_->setGeometry(listArea);
}

void RecordManagerWindow::placeSettingsPanel(bool belowPreview) {
    const QRect p = preview_->geometry();
    QPoint at;
    if (belowPreview)
        at = QPoint(p.left() - 10, p.bottom() + 16);
    else
        at = QPoint(qMin(p.right() + 22, listArea.right() + 1 - settingsPanel_->width()),
                    previewCard_->geometry().bottom() + 1 - settingsPanel_->height());
    at.setX(qBound(12, at.x(), width() - settingsPanel_->width() - 12));
    at.setY(
        qBound(ManagerPictures::bandHeight + 8, at.y(), height() - settingsPanel_->height() - 8));
    settingsPanel_->move(at);
    settingsPanel_->show();
    settingsPanel_->raise();
}

// ------------------------------------------------------------------------------------ events

bool RecordManagerWindow::entryKey(int field, QKeyEvent* event) {
    hideValueLists();
    const QString typed = event->text();
    if (typed == QStringLiteral(",") || typed == QStringLiteral("\""))
        return true;
    QLineEdit* e = entries_[std::size_t(field)];
    std::optional<EntryMove> move;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field == 0) {
            if (const auto line = model_->duplicateLine(e->text())) {
                list_->setCurrentRow(*line);
                list_->scrollToItem(list_->item(*line));
                setHint(QStringLiteral("此條碼已有記錄存在！"));
                return true;
            }
        }
        move = EntryMove::Next;
        break;
    case Qt::Key_Right:
        if (e->cursorPosition() == e->text().size() && !e->hasSelectedText())
            move = EntryMove::Next;
        break;
    case Qt::Key_Left:
        if (e->cursorPosition() == 0 && !e->hasSelectedText())
            move = EntryMove::Previous;
        break;
    case Qt::Key_Up:
        move = EntryMove::Up;
        break;
    case Qt::Key_Down:
        move = EntryMove::Down;
        break;
    default:
        return false;
    }
    if (!move)
        return false;
    if (const auto target = entryMoveTarget(field, *move, model_->fieldCount()))
        entries_[std::size_t(*target)]->setFocus();
    return event->key() != Qt::Key_Left && event->key() != Qt::Key_Right
               ? true
               : entryMoveTarget(field, *move, model_->fieldCount()).has_value();
}

bool RecordManagerWindow::entryMouse(int field, QEvent* event) {
    QLineEdit* e = entries_[std::size_t(field)];
    auto* mouse = static_cast<QMouseEvent*>(event);
    const double x = twips::fromPixels(e->x() + mouse->position().x());
    const int last = model_->fieldCount();
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // A date is no barcode: the picker serves the other fields.
        if (field == 0)
            return false;
        openDatePicker(field);
        return true;
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton && columns_.onGrip(field, x, last)) {
            resizedField_ = field;
            resizeX_ = x;
            return true;
        }
        if (field == 1 || field == 2)
            openValueList(field);
        return false;
    case QEvent::MouseMove:
        if (resizedField_ == field && (mouse->buttons() & Qt::LeftButton)) {
            if (columns_.resize(field, x - resizeX_, last)) {
                resizeX_ = x;
                adjustEntryLayout();
            }
            return true;
        }
        if (field >= 1) {
            const bool grip = columns_.onGrip(field, x, last);
            e->setCursor(grip ? Qt::SizeHorCursor : Qt::IBeamCursor);
            setHint(grip ? hintColumnDrag : hintEntry);
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (resizedField_ >= 0) {
            resizedField_ = -1;
            model_->storeColumnEdges(columns_.edges());
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool RecordManagerWindow::eventFilter(QObject* watched, QEvent* event) {
    const QVariant hintText = watched->property("hint");
    if (event->type() == QEvent::Enter && hintText.isValid())
        setHint(hintText.toString());

    for (int k = 0; k < 7; ++k) {
        if (watched == entries_[std::size_t(k)]) {
            switch (event->type()) {
            case QEvent::KeyPress:
                return entryKey(k, static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                QTimer::singleShot(0, entries_[std::size_t(k)], &QLineEdit::selectAll);
                return false;
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonPress:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
                return entryMouse(k, event);
            default:
                return false;
            }
        }
        if (watched == captions_[std::size_t(k)] && event->type() == QEvent::MouseButtonDblClick) {
            openCaptionEditor(k);
            return true;
        }
    }
    if (watched == captionEditor_) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->text() == QStringLiteral(",") || key->text() == QStringLiteral("\""))
                return true;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                confirmCaptionEditor();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                editedCaption_ = -1;
                captionEditor_->hide();
                return true;
            }
        }
        return false;
    }
    if (watched == preview_ && event->type() == QEvent::MouseButtonDblClick) {
        model_->copyPicture(preview_->picture());
        messages_.inform(
            QStringLiteral("完成提示"),
            QStringLiteral("完成複製、可開啟 Excel 等文書 或 繪圖軟體、選擇貼上即可、注意!請勿對"
                           "圖形條碼進行縮放以免失效"));
        return true;
    }
    if (watched == settingsPanel_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            panelDragStart_ = mouse->globalPosition().toPoint() - settingsPanel_->pos();
            return true;
        }
        if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            settingsPanel_->move(mouse->globalPosition().toPoint() - panelDragStart_);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RecordManagerWindow::mousePressEvent(QMouseEvent* event) {
    hideValueLists();
    if (event->button() == Qt::LeftButton && event->position().y() < ManagerPictures::bandHeight) {
        dragging_ = true;
        dragStart_ = event->globalPosition().toPoint();
        windowStart_ = pos();
    }
}

void RecordManagerWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(windowStart_ + event->globalPosition().toPoint() - dragStart_);
    else if (event->position().y() < ManagerPictures::bandHeight)
        setHint(QStringLiteral("按住滑鼠左鍵，移動滑鼠，調整 視窗位置"));
}

void RecordManagerWindow::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace brevmark
