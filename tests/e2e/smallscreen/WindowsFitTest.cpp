// Every window of the program on a 2x screen of 1920 x 1080 pixels, 960 x 540 logical: each lies
// inside the screen, and its close button and main controls can be reached and used with the
// real pointer, whatever size the window was designed at (a hand-laid window cut to the screen
// scrolls, its close button staying in its corner).
#include "DesktopProgram.h"
#include "ScreenShot.h"

#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "support/PrivateCupsScheduler.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <functional>

using namespace brevmark;
using namespace brevmark::test;

namespace {

QWidget* visibleTopLevel(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name && top->isVisible())
            return top;
    return nullptr;
}

class EveryWindowOnA960x540Screen;

struct WindowCase {
    const char* name;
    bool simpleLayout;
    // Opens the window as the user does; the window, or null.
    std::function<QWidget*(EveryWindowOnA960x540Screen&)> open;
    const char* closeButton;
    std::vector<const char*> mainControls;
    bool needsPrinter = false;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class EveryWindowOnA960x540Screen : public DesktopProgram,
                                    public ::testing::WithParamInterface<WindowCase> {
public:
    using DesktopProgram::openAlignment;
    using DesktopProgram::openImport;
    using DesktopProgram::openManager;
    using DesktopProgram::openSettings;
    MainWindow& main() { return *window; }
    QStringList boxTitles() const { return boxes.titles(); }

protected:
    void SetUp() override {
        DesktopProgram::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(960, 540));
    }
    // One printer for the whole suite, there before any window asks for it (CUPS reads where its
    // scheduler is once per process).
    static void SetUpTestSuite() {
        cups = std::make_unique<PrivateCupsScheduler>();
        printerMissing = PrivateCupsScheduler::missingParts();
        if (printerMissing.isEmpty() && desktopMissing().isEmpty())
            cups->start(&printerMissing);
    }
    static void TearDownTestSuite() { cups.reset(); }

    static std::unique_ptr<PrivateCupsScheduler> cups;
    static QString printerMissing;
};

std::unique_ptr<PrivateCupsScheduler> EveryWindowOnA960x540Screen::cups;
QString EveryWindowOnA960x540Screen::printerMissing;

// Scrolls a scrolling window to the control as a user does: clicks in its scroll bars' troughs
// with the real pointer, a page at a time, until the control's middle is in view.
void scrollTo(QScrollArea& area, QWidget* control) {
    for (int click = 0; click < 30; ++click) {
        const QRect view = area.viewport()->rect();
        const QPoint middle =
            control->mapTo(area.viewport(), control->rect().center());
        QScrollBar* bar = nullptr;
        bool forward = false;
        if (middle.y() < view.top() || middle.y() > view.bottom()) {
            bar = area.verticalScrollBar();
            forward = middle.y() > view.bottom();
        } else if (middle.x() < view.left() || middle.x() > view.right()) {
            bar = area.horizontalScrollBar();
            forward = middle.x() > view.right();
        }
        if (!bar)
            return;
        ASSERT_TRUE(bar->isVisible()) << "no scroll bar leads to " << control->objectName().toStdString();
        // Just inside the trough, past the arrow at the end the page turns to.
        const int across = bar->orientation() == Qt::Vertical ? bar->width() : bar->height();
        const int along = bar->orientation() == Qt::Vertical ? bar->height() : bar->width();
        const int at = forward ? along - across - 3 : across + 3;
        user_input::click(bar, bar->orientation() == Qt::Vertical ? QPoint(across / 2, at)
                                                                  : QPoint(at, across / 2));
    }
    ADD_FAILURE() << "30 clicks in the scroll bars did not reach " << control->objectName().toStdString();
}

// The control can be used with the pointer: once its window is scrolled to it (when the window
// scrolls), it shows, its middle is on the screen and inside its window, and nothing covers it.
void expectReachable(QWidget& window, QWidget* control, const char* name) {
    ASSERT_NE(control, nullptr) << name;
    for (QWidget* up = control->parentWidget(); up && up != &window; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up);
            area && area->objectName() == QStringLiteral("視窗捲軸"))
            scrollTo(*area, control);
    EXPECT_TRUE(control->isVisible()) << name;
    const QRect screen = window.screen()->availableGeometry();
    const QPoint middle = control->mapToGlobal(control->rect().center());
    EXPECT_TRUE(screen.contains(middle)) << name << " at " << middle.x() << "," << middle.y();
    EXPECT_TRUE(window.geometry().contains(middle))
        << name << " at " << middle.x() << "," << middle.y() << " outside its window of "
        << window.geometry().width() << "x" << window.geometry().height();
    QWidget* there = QApplication::widgetAt(middle);
    EXPECT_TRUE(there && (there == control || control->isAncestorOf(there)))
        << name << " is covered by " << (there ? there->objectName().toStdString() : "nothing");
}

const QString simpleLayout = QStringLiteral("\"主視窗大小\",\"0 0 100 100 6000 7470\"\r\n");

TEST_P(EveryWindowOnA960x540Screen, LiesInsideTheScreenWithItsControlsAndCloseButtonReachable) {
    const WindowCase& c = GetParam();
    if (c.needsPrinter && !printerMissing.isEmpty())
        GTEST_SKIP() << "skipped: " << printerMissing.toStdString();
    open(c.simpleLayout ? simpleLayout : professional());
    QWidget* w = c.open(*this);
    ASSERT_NE(w, nullptr) << "the window opened";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    user_input::settle(300);
    screenShot(QString::fromLatin1(c.name));

    const QRect screen = w->screen()->availableGeometry();
    // The frame as the window manager has it now (QWidget keeps what it first read, which can
    // be from the moment the window was being framed).
    const QRect frame = w->geometry().marginsAdded(w->windowHandle()->frameMargins());
    EXPECT_TRUE(screen.contains(frame))
        << c.name << " at " << frame.x() << "," << frame.y() << ", " << frame.width() << "x"
        << frame.height() << " on a screen of " << screen.width() << "x" << screen.height()
        << " (inside the frame " << w->geometry().width() << "x" << w->geometry().height()
        << ", title bar " << w->windowHandle()->frameMargins().top() << ")";
    for (const char* control : c.mainControls)
        expectReachable(*w, child(w, control), control);
    QWidget* close = child(w, c.closeButton);
    expectReachable(*w, close, c.closeButton);
    if (w == window.get() || !close)
        return;
    // The real pointer on the close button closes the window.
    QPointer<QWidget> opened(w);
    user_input::click(close, close->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(!opened || !opened->isVisible(), 5000);
}

QWidget* mainWindow(EveryWindowOnA960x540Screen& t) {
    return &t.main();
}

QWidget* recordManager(EveryWindowOnA960x540Screen& t) {
    return t.openManager();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryWindowOnA960x540Screen,
    ::testing::Values(
        WindowCase{"MainWindowSimple", true, mainWindow, "關閉功能",
                   {"條碼輸入", "確定列印", "列印數量"}},
        WindowCase{"MainWindowProfessional", false, mainWindow, "關閉功能",
                   {"新增載入窗", "版本按鈕"}},
        WindowCase{"RecordManager", false, recordManager, "關閉窗",
                   {"歷史清單", "資料", "項目數量", "多筆按鈕", "指定讀取"}},
        WindowCase{"ImportWindow", false,
                   [](EveryWindowOnA960x540Screen& t) -> QWidget* {
                       RecordManagerWindow* manager = t.openManager();
                       return manager ? t.openImport(manager) : nullptr;
                   },
                   "關閉功能", {"新增載入區"}},
        WindowCase{"Settings", false,
                   [](EveryWindowOnA960x540Screen& t) { return t.openSettings(); }, "關閉窗",
                   {"校正列印", "解析設定", "印表選擇", "密碼", "儲存"}},
        WindowCase{"Alignment", false,
                   [](EveryWindowOnA960x540Screen& t) { return t.openAlignment(); }, "關閉窗",
                   {"標籤紙搜尋", "標籤紙清單", "套用標籤紙", "填滿標籤紙"}},
        WindowCase{"PrintPreview", true,
                   [](EveryWindowOnA960x540Screen& t) {
                       user_input::key(QStringLiteral("ctrl+shift+p"));
                       QTest::qWaitFor([] { return visibleTopLevel(QStringLiteral("列印預覽")); },
                                       5000);
                       EXPECT_EQ(t.boxTitles(), QStringList());
                       return visibleTopLevel(QStringLiteral("列印預覽"));
                   },
                   "關閉預覽", {"預覽捲軸", "上一頁", "下一頁", "放大", "縮小", "預覽列印"},
                   true}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

} // namespace
