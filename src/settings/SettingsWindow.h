#pragma once

#include "print/PrintSettings.h"
#include "print/PrinterFactory.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brevmark {

class CalibrationSheets;
class MessageBoxes;
class PasswordSection;
class PictureControl;
class ResolutionCalibration;
class ResolutionPanel;
class SettingsChoices;
class SettingsStore;
class SystemServices;
class Timer;

// The settings window `系統設定`: printer kind, print resolution (calibration), update option,
// web links and the password panel, each choice stored the moment it is made. It is a child
// window of the main window (which hides until it closes); closing it with `關閉窗` deletes it.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // What the window works on: the settings store, the program's live print settings (printer
    // kind and print resolution, changed here at once), the update flag start-up loaded, and the
    // printers the calibration sheets go to.
    struct Context {
        SettingsStore& store;
        MessageBoxes& messages;
        SystemServices& system;
        PrintSettings& printing;
        int updateCheck = 0; // `更新設定`: 0 off, 1 on, 2 the third choice
        PrinterFactory printers;
        // The start-up password in force this run (empty: none), and how the program ends at
        // once, without storing the window placement, after a new password is saved.
        QString expectedPassword = {};
        std::function<void()> endProgram = {};
    };

    explicit SettingsWindow(Context context, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Size in twips, from the close picture and the picture `OK`.
    QSizeF sizeTwips() const;
    ResolutionPanel& resolutionPanel() { return *resolutionPanel_; }
    // The password panel's controls; their behaviour belongs to the password lock.
    QLineEdit* passwordBox() const { return password_; }
    QPushButton* passwordSave() const { return passwordSave_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makePanel(const QString& name, const QString& title, const QRectF& twips);
    void buildPrinterPanel();
    void buildUpdatePanel();
    void buildWebPanel();
    void buildPasswordPanel();
    void buildDecoration();
    void open();
    void choosePrinterKind(int kind);
    void showPasswordSection();
    bool filterPasswordEvent(QEvent* event);
    void dragPress(QPoint globalPixels);
    void dragMove(QPoint globalPixels);

    Context context_;
    std::unique_ptr<SettingsChoices> choices_;
    std::unique_ptr<PasswordSection> passwordSection_;
    std::unique_ptr<ResolutionCalibration> calibration_;
    std::unique_ptr<CalibrationSheets> sheets_;
    ResolutionPanel* resolutionPanel_ = nullptr;
    std::array<QRadioButton*, 2> printerOptions_{};
    std::array<PictureControl*, 2> devicePictures_{};
    std::array<QRadioButton*, 3> updateOptions_{};
    std::array<QRadioButton*, 3> webOptions_{};
    PictureControl* updatePicture_ = nullptr;
    PictureControl* webPicture_ = nullptr;
    QPushButton* openWeb_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* passwordSave_ = nullptr;
    PictureControl* animation_ = nullptr;
    Timer* animationTimer_ = nullptr;
    int animationFrame_ = 0;
    PictureControl* close_ = nullptr;
    PictureControl* ok_ = nullptr;
    QImage background_;
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint windowStart_;
};

} // namespace brevmark
