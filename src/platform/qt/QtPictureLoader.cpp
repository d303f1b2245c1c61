#include "platform/qt/QtPictureLoader.h"

#include <QImageReader>

namespace brevmark {

Picture QtPictureLoader::load(const QString& path, QString* error) const {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) {
        if (error)
            *error = QStringLiteral("picture too large: %1 x %2").arg(size.width()).arg(size.height());
        return {};
    }
    QImage image;
    if (!reader.read(&image)) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    return Picture::fromImage(image);
}

} // namespace brevmark
