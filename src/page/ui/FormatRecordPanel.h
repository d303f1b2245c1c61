#pragma once

#include <QSizeF>
#include <QWidget>
#include <optional>

class QLineEdit;
class QListWidget;

namespace brevmark {

class FormatBrowser;
class SkinButton;

// The format record panel `條碼讀取窗`: the categories `篩選種類`, the names `排列清單` of the
// chosen category with their hidden full copy `排列清單2`, the prefix field `篩選字頭`, the
// preview area `格式預覽` that holds the preview item 999, the take command `載入排版`, the
// delete command `刪除` and the close button `關閉窗` 4. It shows what FormatBrowser says and
// passes the user's choices on.
class FormatRecordPanel : public QWidget {
    Q_OBJECT
public:
    explicit FormatRecordPanel(QWidget* parent);

    QListWidget* categoryList() const { return categories_; }
    QListWidget* nameList() const { return names_; }
    QListWidget* fullNameList() const { return allNames_; }
    QLineEdit* prefixBox() const { return prefix_; }
    QWidget* previewArea() const { return preview_; }
    SkinButton* takeButton() const { return take_; }
    SkinButton* deleteButton() const { return delete_; }
    SkinButton* closeButton() const { return close_; }

    // Shows the model's lists, prefix field and commands, and sizes the panel to the preview
    // item (twips) while a preview shows.
    void showState(const FormatBrowser& browser, std::optional<QSizeF> previewItem);
    // The panel's size in twips for a preview item of that size, or without a preview.
    static QSizeF sizeTwips(std::optional<QSizeF> previewItem);

signals:
    void categoryChosen(const QString& category);
    void prefixEdited(const QString& prefix);
    void nameChosen(const QString& name);
    void nameDoubleClicked(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutControls(std::optional<QSizeF> previewItem);

    QListWidget* categories_;
    QListWidget* names_;
    QListWidget* allNames_;
    QLineEdit* prefix_;
    QWidget* preview_;
    SkinButton* take_;
    SkinButton* delete_;
    SkinButton* close_;
    bool addMode_ = false;
};

} // namespace brevmark
