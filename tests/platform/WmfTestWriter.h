#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QtEndian>

#include <initializer_list>

namespace brevmark::test {

// Builds small metafiles record by record, for cases that the fixture files do not cover.
class WmfTestWriter {
public:
    // A placeable file: the frame in logical units and the units per inch.
    WmfTestWriter(QRect frame, int unitsPerInch, int objects = 8)
        : frame_(frame), unitsPerInch_(unitsPerInch), objects_(objects), placeable_(true) {}
    // A file with only the standard header.
    explicit WmfTestWriter(int objects = 8) : objects_(objects) {}

    WmfTestWriter& record(quint16 function, std::initializer_list<qint32> words) {
        QByteArray params;
        for (qint32 w : words)
            appendWord(params, quint16(w));
        return raw(function, params);
    }
    WmfTestWriter& raw(quint16 function, const QByteArray& params) {
        QByteArray r;
        appendDword(r, quint32(3 + (params.size() + 1) / 2));
        appendWord(r, function);
        r += params;
        if (params.size() % 2)
            r += '\0';
        body_ += r;
        return *this;
    }
    static quint32 rgb(int r, int g, int b) { return quint32(r) | (g << 8) | (b << 16); }
    WmfTestWriter& brush(int style, quint32 color, int hatch = 0) {
        return record(0x02FC, {style, qint32(color & 0xFFFF), qint32(color >> 16), hatch});
    }
    WmfTestWriter& pen(int style, int width, quint32 color) {
        return record(0x02FA, {style, width, 0, qint32(color & 0xFFFF), qint32(color >> 16)});
    }
    WmfTestWriter& select(int index) { return record(0x012D, {index}); }
    WmfTestWriter& windowExt(int x, int y) { return record(0x020C, {y, x}); }
    WmfTestWriter& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    WmfTestWriter& rectangle(int l, int t, int r, int b) { return record(0x041B, {b, r, t, l}); }
    WmfTestWriter& ellipse(int l, int t, int r, int b) { return record(0x0418, {b, r, t, l}); }
    WmfTestWriter& font(int height, int charset, const QByteArray& face) {
        QByteArray p;
        for (int w : {height, 0, 0, 0, 400})
            appendWord(p, quint16(w));
        p += QByteArray("\0\0\0", 3) + char(charset) + QByteArray(4, '\0');
        p += face.left(31) + '\0';
        return raw(0x02FB, p);
    }
    WmfTestWriter& textOut(int x, int y, const QByteArray& text) {
        QByteArray p;
        appendWord(p, quint16(text.size()));
        p += text;
        if (text.size() % 2)
            p += '\0';
        appendWord(p, quint16(y));
        appendWord(p, quint16(x));
        return raw(0x0521, p);
    }
    // STRETCHDIB of a 24-bit bottom-up bitmap of the image.
    WmfTestWriter& stretchDib(const QImage& image, int x, int y, int w, int h) {
        QByteArray p;
        appendDword(p, 0x00CC0020);
        for (int v : {0, image.height(), image.width(), 0, 0, h, w, y, x})
            appendWord(p, quint16(v));
        p += dib24(image);
        return raw(0x0F43, p);
    }
    static QByteArray dib24(const QImage& image) {
        QByteArray d;
        const int stride = ((image.width() * 24 + 31) / 32) * 4;
        appendDword(d, 40);
        appendDword(d, quint32(image.width()));
        appendDword(d, quint32(image.height()));
        appendWord(d, 1);
        appendWord(d, 24);
        for (int i = 0; i < 6; ++i)
            appendDword(d, i == 1 ? quint32(stride * image.height()) : 0);
        for (int y = image.height() - 1; y >= 0; --y) {
            QByteArray row;
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                row += char(qBlue(c));
                row += char(qGreen(c));
                row += char(qRed(c));
            }
            row.resize(stride, '\0');
            d += row;
        }
        return d;
    }

    QByteArray bytes(bool withEnd = true) const {
        QByteArray out;
        if (placeable_) {
            QByteArray h;
            appendDword(h, 0x9AC6CDD7u);
            appendWord(h, 0);
            for (int v : {frame_.left(), frame_.top(), frame_.left() + frame_.width(),
                          frame_.top() + frame_.height()})
                appendWord(h, quint16(v));
            appendWord(h, quint16(unitsPerInch_));
            appendDword(h, 0);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i)
                sum ^= quint16(uchar(h[2 * i]) | (uchar(h[2 * i + 1]) << 8));
            appendWord(h, sum);
            out += h;
        }
        QByteArray body = body_;
        if (withEnd)
            body += QByteArray("\x03\0\0\0\0\0", 6);
        appendWord(out, 1);
        appendWord(out, 9);
        appendWord(out, 0x0300);
        appendDword(out, quint32((18 + body.size()) / 2));
        appendWord(out, quint16(objects_));
        appendDword(out, 0);
        appendWord(out, 0);
        return out + body;
    }

    static void appendWord(QByteArray& out, quint16 v) {
        out += char(v & 0xFF);
        out += char(v >> 8);
    }
    static void appendDword(QByteArray& out, quint32 v) {
        appendWord(out, quint16(v & 0xFFFF));
        appendWord(out, quint16(v >> 16));
    }

private:
    QRect frame_;
    int unitsPerInch_ = 0;
    int objects_;
    bool placeable_ = false;
    QByteArray body_;
};

} // namespace brevmark::test
