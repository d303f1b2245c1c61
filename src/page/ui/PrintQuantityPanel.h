#pragma once

#include <QWidget>

namespace brevmark {

class NumberBox;
class SkinButton;

// The print quantity panel `列印數量窗`: the print quantity box `列印數量` (4 digits, "1" at
// start) with its step buttons `印量加減` 0 (+1) and 1 (−1), and room for the print button that
// the print commands provide.
class PrintQuantityPanel : public QWidget {
    Q_OBJECT
public:
    explicit PrintQuantityPanel(QWidget* parent);

    NumberBox* quantityBox() const { return quantity_; }
    SkinButton* stepButton(int index) const { return steps_[index]; }
    // The text of `列印數量`, as the print command reads it.
    QString quantityText() const;
    // Its number value.
    double quantity() const;
    // +1 for button 0; −1 for button 1 only while the value is above 1.
    void step(int button);
    // Puts the print button into the panel, to the right of the quantity.
    void setPrintButton(QWidget* button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    NumberBox* quantity_;
    SkinButton* steps_[2];
};

} // namespace brevmark
