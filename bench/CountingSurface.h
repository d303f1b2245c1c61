#pragma once

#include "platform/DrawingSurface.h"

// A drawing surface that only counts what it is asked to draw, so a benchmark measures the
// caller, not a device.
class CountingSurface : public brevmark::DrawingSurface {
public:
    long long lines = 0;
    long long texts = 0;

    void clear() override {}
    void drawLine(QPointF, QPointF, const QColor&, double) override { ++lines; }
    void fillRect(const QRectF&, const QColor&) override {}
    void drawRect(const QRectF&, const QColor&, brevmark::LineStyle) override {}
    void drawText(QPointF, const QString&, const brevmark::TextFont&, const QColor&) override {
        ++texts;
    }
    double textWidth(const QString& text, const brevmark::TextFont&) const override {
        return 100.0 * double(text.size());
    }
    double textHeight(const brevmark::TextFont&) const override { return 240; }
    bool drawPicture(const brevmark::Picture&, const QRectF&) override { return true; }
};
