#pragma once

#include <QImage>
#include <QString>

namespace brevmark {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setImage(const QImage& image) = 0;
    virtual QString text() const = 0;
};

} // namespace brevmark
