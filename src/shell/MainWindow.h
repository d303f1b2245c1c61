#pragma once

#include "page/LayoutMode.h"
#include "page/ui/FloatingPanels.h"
#include "platform/qt/WindowPointer.h"
#include "records/SettingsStore.h"
#include "shell/FrameLayout.h"
#include "shell/MainWindowTimers.h"
#include "shell/ShellServices.h"
#include "shell/StartupValues.h"
#include "shell/ToolbarBands.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;

namespace brevmark {

class AlignmentBridge;
class CaptionButtons;
class PageEditor;
class PasswordLock;
class PictureControl;
class PictureFolder;
class QtPictureLoader;
class PrintBridge;
class RecordsBridge;
class PromptWindow;
class UpdateCheck;

// The main window 主視窗: its life is the program's life. It draws its own frame, moves, resizes,
// minimises and maximises itself, switches between the simple and the professional layout, and
// hosts the page viewport and the floating panels. Opening it runs start-up; its close command
// stores the window placement and ends the program.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    using Pointer = WindowPointer;

    explicit MainWindow(ShellServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up, first phase: data folders, settings, the values they set, the lists, the timers.
    // False when the program has been told to end.
    bool start();
    // Start-up, second phase: runs from the first tick of the arrange-window timer.
    void deferredStart();
    // The close command: stores the window placement, then ends the program.
    void closeProgram();
    // Ends the program at once, saving nothing (the lock screen's exit, a new password saved).
    void endAtOnce();

    // `版本切換`: arranges the window for the simple or the professional layout and keeps the
    // layout in force.
    void switchLayout(LayoutMode layout);
    // `視窗底圖排列`: places the frame pieces, viewport, hint line and caption buttons.
    void layoutFrame();
    // `關閉功能窗`: hides the floating panels.
    void closePanels();
    // `功能窗排列`: stacks the shown panels of the simple layout under the page.
    void stackPanels();
    // Press on a panel's close button `關閉窗`.
    void closePanel(FloatingPanel panel);
    // The hint line `說明提示` and its shadow.
    void setHint(const QString& text);
    QString hint() const;

    PageEditor& pageEditor() { return *editor_; }
    PrintBridge& printing() { return *printing_; }
    PasswordLock& passwordLock() { return *lock_; }
    // The label-sheet alignment guides and their window; null while the window is being built.
    AlignmentBridge* alignment() const { return alignment_; }
    // The update check that `更新查詢` runs.
    UpdateCheck& updateCheck() { return *update_; }
    // The record manager and the record-load panel.
    RecordsBridge& records() { return *records_; }
    const QtPictureLoader& pictureLoader() const { return *pictureLoader_; }
    // The prompt window 提示視窗 for the notices after a change.
    PromptWindow& prompt() { return *prompt_; }
    // A floating panel of the client area, or null while it has not been made.
    QWidget* panel(FloatingPanel id) const;
    // The caption-button group `關離功能` (minimise, maximise, close).
    CaptionButtons* captionGroup() const { return captionGroup_; }
    // Opens a child window: the main window hides until the child closes.
    void showChildWindow(QWidget* child);

    const StartupValues& values() const { return values_; }
    StartupValues& values() { return values_; }
    SettingsStore& settings() { return settings_; }
    const MainWindowTimers& timers() const { return timers_; }
    const QStringList& fontList() const { return fontList_; }
    const FrameLayout& frame() const { return frame_; }
    // The layout in force (none before the deferred start-up step).
    LayoutMode layout() const;
    QWidget* viewport() const { return viewport_; }
    Pointer pointer() const { return pointer_; }
    const ShellServices& services() const { return services_; }

    // Geometry of the window in twips.
    void setGeometryTwips(double left, double top, double width, double height);
    void resizeTwips(double width, double height);
    QRectF geometryTwips() const;
    // 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;

signals:
    // A toolbar button was released over its hover picture.
    void toolbarActivated(brevmark::ToolbarCommand command);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool prepareDataFolders();
    void applyPlacement();
    void fillFontList();
    void createFrame();
    void createClearButton();
    void placeWidget(QWidget* widget, const QRectF& twipsRect);
    void backgroundMove(QPointF at, Qt::MouseButtons buttons);
    void viewportMove(QPointF at, Qt::MouseButtons buttons);
    void dragWindow(QPointF at);
    void setPointer(Pointer pointer);
    void restoreLayoutToggle();
    void parkToolbar(int shownIndex);
    void toggleLayout();
    void growStep();
    void shrinkStep();
    void toggleMaximised();
    // `更新提示`: asks whether to open the product's page, and opens it in the browser on Yes.
    void offerNewVersion();
    // The page kept between runs: written when the program closes by its close button, put back
    // at the next start. A page that cannot be read back is left empty, without a message.
    void keepPage();
    void restorePage();

    ShellServices services_;
    SettingsStore settings_;
    StartupValues values_;
    MainWindowTimers timers_;
    FloatingPanels panels_;
    QStringList fontList_;
    bool ending_ = false;
    // The child windows shown in this window's place (see showChildWindow).
    QList<QPointer<QWidget>> childWindows_;

    FrameLayout frame_;
    PageEditor* editor_ = nullptr;
    PrintBridge* printing_ = nullptr;
    PasswordLock* lock_ = nullptr;
    AlignmentBridge* alignment_ = nullptr;
    UpdateCheck* update_ = nullptr;
    RecordsBridge* records_ = nullptr;
    std::unique_ptr<QtPictureLoader> pictureLoader_;
    std::unique_ptr<PictureFolder> pictureFolder_;
    // A window of its own, not a child: its timers share names with the main window's.
    std::unique_ptr<PromptWindow> prompt_;

    QWidget* viewport_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* hintShadow_ = nullptr;
    CaptionButtons* captionGroup_ = nullptr;
    std::array<PictureControl*, 6> toolbar_{};
    PictureControl* layoutToggle_ = nullptr;
    PictureControl* clearButton_ = nullptr; // 空白預設按鈕, professional layout only

    std::array<QImage, 9> pieceImages_;
    std::array<QImage, 6> toolbarImages_;
    QImage gripImage_;

    Pointer pointer_ = Pointer::Default;
    QPointF press_;
    qint16 windowDrag_ = 0;
};

} // namespace brevmark
