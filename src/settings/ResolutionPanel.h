#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace brevmark {

class ArrowAnimation;
class CalibrationSheets;
class MessageBoxes;
class PictureControl;
class ResolutionCalibration;
class Timer;

// The print resolution panel of the settings window: the standard list `解析設定`, the advanced
// list `進階解析` (shown in the advanced mode), the buttons `進階列印` and `校正列印`, the status
// pictures `狀態圖` 1 to 9 with the arrow `設定箭頭`, and the explanation panel `解析修說窗`.
// The rules are ResolutionCalibration's; this widget shows its state.
class ResolutionPanel : public QWidget {
    Q_OBJECT
public:
    // Size of the panel in twips.
    static constexpr double widthTwips = 4680;
    static constexpr double heightTwips = 5400;

    ResolutionPanel(ResolutionCalibration& calibration, CalibrationSheets& sheets,
                    MessageBoxes& messages, QWidget* parent);
    ~ResolutionPanel() override;

    // Opening the panel (part of opening the settings window).
    void open();
    // Names the default printer's dot in twips beside the rows (`印表機點距`); a printer of
    // unknown resolution, or none, is said so.
    void showPrinterDot(const QString& printer, double dotsPerInch);
    // Top of status picture k (1 to 9) in twips of the panel.
    static double statusTop(int k);
    double arrowTop() const;
    Timer& arrowTimer() { return *arrowTimer_; }
    // The explanation panel, laid over the whole panel while shown.
    QWidget* explanation() const { return explanation_; }

private:
    void refresh();
    void showStatusPictures(int level);
    void arrowTick();
    // Asks before a sheet prints; only Yes prints it. A missing printer is told.
    void printSheet(const QString& question, bool advanced);

    ResolutionCalibration& calibration_;
    CalibrationSheets& sheets_;
    MessageBoxes& messages_;
    QLabel* printerDot_;
    QComboBox* standardList_;
    QComboBox* advancedList_;
    QPushButton* advancedPrint_;
    PictureControl* calibrationPrint_;
    std::array<PictureControl*, 9> status_{};
    PictureControl* arrow_;
    QWidget* explanation_;
    Timer* arrowTimer_;
    std::unique_ptr<ArrowAnimation> animation_;
    int seenArrowRequests_ = 0;
};

} // namespace brevmark
