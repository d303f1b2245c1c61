#pragma once

#include "page/PictureFolder.h"

#include <QWidget>

#include <functional>

class QListWidget;

namespace brevmark {

class MessageBoxes;
class SkinButton;

// The picture panel `圖片讀取窗`: the list `檔案清單` of the pictures folder, a preview drawn at
// the picture's natural size, the take command `確定此圖` and the delete command `刪除此圖`.
// A click on an entry previews it, a double click takes it at once. The rules live in
// PictureFolder; this widget only shows them.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    PicturePanel(PictureFolder& folder, MessageBoxes& messages, QWidget* parent);

    // Receives the picture for the current image item; the panel closes afterwards.
    void setTakeHandler(std::function<void(const PictureFolder::TakenPicture&)> handler);
    // Receives the hint line's text while the pointer is over the list.
    void setHintSink(std::function<void(const QString&)> sink);

    // Refills the list from the folder, selecting `fileName` when it is listed.
    void refresh(const QString& fileName = QString());
    // Shows the panel in front at the given point of its parent.
    void open(QPoint topLeftPixels, const QString& fileName = QString());

    QListWidget* list() const { return list_; }
    SkinButton* takeButton() const { return take_; }
    SkinButton* deleteButton() const { return delete_; }
    SkinButton* closeButton() const { return close_; }
    // Where the preview is drawn, in twips from the panel's top-left corner.
    QRectF previewRectTwips() const;

    void previewRow(int row);
    void takePicture();
    void deletePicture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncCommands();
    void resizeToPreview();

    PictureFolder& folder_;
    MessageBoxes& messages_;
    QListWidget* list_;
    SkinButton* take_;
    SkinButton* delete_;
    SkinButton* close_;
    std::function<void(const PictureFolder::TakenPicture&)> takeHandler_;
    std::function<void(const QString&)> hintSink_;
};

} // namespace brevmark
