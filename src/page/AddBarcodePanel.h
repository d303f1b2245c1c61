#pragma once

#include <QWidget>

namespace brevmark {

class SkinButton;

// The add-barcode panel `增加條碼窗`, opened by a right click on the empty page. Its buttons
// `增加條碼鈕` 0 to 2: add a blank item, add copies of the format memory (shown only when it
// holds records), add from a stored barcode format (shown only when the format file exists).
class AddBarcodePanel : public QWidget {
    Q_OBJECT
public:
    explicit AddBarcodePanel(QWidget* parent);

    SkinButton* button(int index) const { return buttons_[index]; }
    // Shows the panel in front at a position (pixels of the parent) with the buttons that apply.
    void open(QPoint topLeft, int copiesCount, bool formatFileExists);

signals:
    void addBlankRequested();
    void addCopiesRequested(int count);
    void addFromRecordRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SkinButton* buttons_[3];
    int copiesCount_ = 0;
};

} // namespace brevmark
