#pragma once

#include "platform/DrawingSurface.h"

#include <vector>

// A drawing surface that keeps what it is asked to draw as plain geometry in memory, as libzint
// keeps its vector list, so that a benchmark measures the making of a symbol's geometry and not a
// device. Its lists keep their capacity between symbols.
class GeometrySurface : public brevmark::DrawingSurface {
public:
    struct Text {
        QPointF at;
        QString text;
    };
    std::vector<QRectF> rectangles;
    std::vector<Text> texts;

    void clear() override {
        rectangles.clear();
        texts.clear();
    }
    void drawLine(QPointF from, QPointF to, const QColor&, double) override {
        rectangles.emplace_back(from, to);
    }
    void fillRect(const QRectF& rect, const QColor&) override { rectangles.push_back(rect); }
    void drawRect(const QRectF& rect, const QColor&, brevmark::LineStyle) override {
        rectangles.push_back(rect);
    }
    void drawText(QPointF at, const QString& text, const brevmark::TextFont&,
                  const QColor&) override {
        texts.push_back({at, text});
    }
    double textWidth(const QString& text, const brevmark::TextFont&) const override {
        return 100.0 * double(text.size());
    }
    double textHeight(const brevmark::TextFont&) const override { return 240; }
    bool drawPicture(const brevmark::Picture&, const QRectF&) override { return true; }
};
