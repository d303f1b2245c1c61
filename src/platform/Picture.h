#pragma once

#include <QImage>
#include <QPicture>
#include <QSizeF>

#include <memory>

namespace brevmark {

// A loaded picture: a raster image, or a vector recording (metafiles) that is replayed when drawn.
// Its natural size is in twips.
class Picture {
public:
    Picture() = default;
    static Picture fromImage(const QImage& image);
    static Picture fromImage(const QImage& image, QSizeF naturalTwips);
    static Picture fromRecording(std::shared_ptr<const QPicture> recording, QSizeF naturalTwips);

    bool isNull() const { return image_.isNull() && !recording_; }
    QSizeF naturalSize() const { return natural_; }
    const QImage& image() const { return image_; }
    const QPicture* recording() const { return recording_.get(); }

private:
    QImage image_;
    std::shared_ptr<const QPicture> recording_;
    QSizeF natural_;
};

} // namespace brevmark
