#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace brevmark {

class SkinButton;

// The save-format panel `條碼儲存窗`: the category box `種類選項` (typed, or chosen from the
// known categories), the name box `記錄名稱`, the save command `儲存排列`, which remembers the
// barcode item it saves, and the close button `關閉窗` 5. Enter in either box saves too.
class SaveFormatPanel : public QWidget {
    Q_OBJECT
public:
    explicit SaveFormatPanel(QWidget* parent);

    QComboBox* categoryBox() const { return category_; }
    QLineEdit* nameBox() const { return name_; }
    SkinButton* saveButton() const { return save_; }
    SkinButton* closeButton() const { return close_; }

    // The item the save command stores.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index) { itemIndex_ = index; }
    // The known categories in the box's list; the typed text stays.
    void setCategories(const QStringList& categories);
    QString categoryText() const;
    QString nameText() const;
    void setTexts(const QString& category, const QString& name);

signals:
    void saveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QComboBox* category_;
    QLineEdit* name_;
    SkinButton* save_;
    SkinButton* close_;
    int itemIndex_ = -1;
};

} // namespace brevmark
