#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace brevmark {

class SkinButton;

// The layout panel `開啟記錄窗`: the name box `排版名稱` with the save command `儲存排版`, the
// list `排版清單` of the layouts in the records folder, and the take and delete commands
// `取用排版` and `刪除排版`, shown while a layout is chosen. Choosing a layout also puts its name
// into the name box, so that it can be saved over. The dynamic property "entered" is 0 when the
// panel opens and 1 once the pointer has moved over it.
class LayoutPanel : public QWidget {
    Q_OBJECT
public:
    explicit LayoutPanel(QWidget* parent);

    QLineEdit* nameBox() const { return name_; }
    QListWidget* list() const { return list_; }
    SkinButton* saveButton() const { return save_; }
    SkinButton* takeButton() const { return take_; }
    SkinButton* deleteButton() const { return delete_; }

    // The layouts listed and the chosen one (-1 for none); the commands follow the choice.
    void showLayouts(const QStringList& names, int chosenRow);
    // Shows the panel in front at the given point with its entered flag cleared, the focus in
    // the name box.
    void open(QPoint topLeftPixels);

signals:
    void layoutChosen(int row);
    void saveRequested();
    void takeRequested();
    void deleteRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* name_;
    QListWidget* list_;
    SkinButton* save_;
    SkinButton* take_;
    SkinButton* delete_;
};

} // namespace brevmark
