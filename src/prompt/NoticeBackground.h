#pragma once

#include <QImage>
#include <QWidget>

namespace brevmark {

// The prompt window's background `視窗底圖`: the notice picture stretched over the whole window,
// with the double frame once the notice has reached its full size.
class NoticeBackground : public QWidget {
    Q_OBJECT
public:
    explicit NoticeBackground(QWidget* parent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setFramed(bool framed);
    bool framed() const { return framed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool framed_ = false;
};

} // namespace brevmark
