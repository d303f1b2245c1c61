#pragma once

#include <QWidget>

namespace brevmark {

class NumberBox;
class SkinButton;

// The add-barcode panel `增加條碼窗`, opened by a right click on the empty page. Its buttons
// `增加條碼鈕` 0 to 2: add a blank item, add copies of the format memory (shown only when it
// holds records), add from a stored barcode format (shown only when the format file exists). The
// copy count box `貼上數量` (2 digits, "1" at start) says how many copies button 1 makes; it is
// enabled, with the focus, once the pointer is over button 1, and Enter in it adds the copies.
class AddBarcodePanel : public QWidget {
    Q_OBJECT
public:
    explicit AddBarcodePanel(QWidget* parent);

    SkinButton* button(int index) const { return buttons_[index]; }
    NumberBox* copyCountBox() const { return copyCount_; }
    // The copy count; a value below 0 is put back to "1".
    int copyCount();
    // Shows the panel in front at a position (pixels of the parent) with the buttons that apply.
    void open(QPoint topLeft, int memoryCount, bool formatFileExists);

signals:
    void addBlankRequested();
    void addCopiesRequested(int count);
    void addFromRecordRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinButton* buttons_[3];
    NumberBox* copyCount_;
};

} // namespace brevmark
