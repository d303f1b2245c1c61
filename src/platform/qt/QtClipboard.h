#pragma once

#include "platform/Clipboard.h"

namespace brevmark {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    void setImage(const QImage& image) override;
    QString text() const override;
};

} // namespace brevmark
