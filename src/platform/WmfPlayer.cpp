#include "platform/WmfPlayer.h"

#include "platform/DibDecoder.h"
#include "platform/WmfObjectSlots.h"
#include "platform/WmfTextCodec.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRegion>
#include <QTransform>

#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace brevmark {

namespace {

// Record function numbers.
enum Function : quint16 {
    SetBkColor = 0x0201,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    OffsetWindowOrg = 0x020F,
    ScaleWindowExt = 0x0410,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Arc = 0x0817,
    Ellipse = 0x0418,
    Pie = 0x081A,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    SaveDc = 0x001E,
    SetPixel = 0x041F,
    OffsetClipRgn = 0x0220,
    TextOut = 0x0521,
    Polygon = 0x0324,
    Polyline = 0x0325,
    RestoreDc = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    Chord = 0x0830,
    ExtTextOut = 0x0A32,
    PolyPolygon = 0x0538,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    DibCreatePatternBrush = 0x0142,
    StretchDib = 0x0F43,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    CreateRegion = 0x06FF,
};

// Map modes whose logical unit is fixed; their y axis points up.
double fixedTwipsPerUnit(int mapMode) {
    switch (mapMode) {
    case 2: // MM_LOMETRIC, 0.1 mm
        return 1440.0 / 254.0;
    case 3: // MM_HIMETRIC, 0.01 mm
        return 1440.0 / 2540.0;
    case 4: // MM_LOENGLISH, 0.01 inch
        return 14.4;
    case 5: // MM_HIENGLISH, 0.001 inch
        return 1.44;
    case 6: // MM_TWIPS
        return 1.0;
    default:
        return 0.0;
    }
}

// Logical units per inch of a metafile without a placeable header: screen pixels.
constexpr double plainTwipsPerUnit = 15.0;

QColor colorRef(const WmfRecord& r, qsizetype word) {
    const quint32 value = r.dword(word);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

struct PenObject {
    int style = 0;
    double width = 0;
    QColor color = Qt::black;
};

struct BrushObject {
    int style = 0; // BS_SOLID
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};

struct FontObject {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1; // DEFAULT_CHARSET
    QByteArray face;
};

// Palettes, regions and device-dependent pattern brushes take a slot but draw nothing here.
struct OtherObject {};

using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject, OtherObject>;

struct DcState {
    PenObject pen;
    BrushObject brush;
    FontObject font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    bool opaque = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int textAlign = 0;
    int mapMode = 1;
    QPointF windowOrg;
    QSizeF windowExt{1, 1};
    QPointF position;
    bool clipped = false;
    QRegion clip;
};

// Ray angle (degrees, counter-clockwise) to the parametric angle QPainterPath::arcTo expects on
// an ellipse of the given size.
double parametricAngle(double rayDegrees, QSizeF size) {
    const double theta = qDegreesToRadians(rayDegrees);
    return qRadiansToDegrees(
        std::atan2(size.width() * std::sin(theta), size.height() * std::cos(theta)));
}

class Replay {
public:
    Replay(const WmfReader& reader, QString* error)
        : reader_(reader), error_(error), slots_(reader.objectCount()) {}

    Picture run();

private:
    bool fail(const QString& reason);
    Picture refuse(const QString& reason) {
        fail(reason);
        return {};
    }
    void prescan();
    QTransform transform() const;
    QPointF map(double x, double y) const { return transform().map(QPointF(x, y)); }
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double scaleX() const { return std::abs(transform().m11()); }
    double scaleY() const { return std::abs(transform().m22()); }

    bool playRecord(const WmfRecord& r);
    void applyClip();
    QPen pen() const;
    QBrush brush() const;
    void fillAndStroke(const QPainterPath& path);
    void stroke(const QPainterPath& path);
    bool arcRecord(const WmfRecord& r, int kind);
    bool textRecord(QByteArrayView text, double x, double y, const std::vector<int>& dx,
                    int options, std::optional<QRectF> rect);
    bool bitmap(QByteArrayView dib, quint32 rop, QRectF source, bool sourceFromBottom, double x,
                double y, double width, double height);
    bool decodeBitmap(QByteArrayView dib, QImage* image, bool* bottomUp, bool* drawable);
    void fillWithRop(quint32 rop, double x, double y, double width, double height);
    void createObject(GdiObject object);
    void selectObject(int index);
    void deleteObject(int index);
    // Adds work to the budget; false once the budget is spent, and the work is then not done.
    bool afford(qint64 units);
    bool clipRecord(const WmfRecord& r);

    const WmfReader& reader_;
    QString* error_;
    QPainter painter_;
    DcState dc_;
    std::vector<DcState> saved_;
    std::vector<GdiObject> objects_;
    WmfObjectSlots slots_;
    QSizeF viewportExt_{plainTwipsPerUnit, plainTwipsPerUnit};
    std::optional<QRectF> frame_;
    bool clipDirty_ = false;
    qint64 bitmapPixels_ = 0;
    qint64 characters_ = 0;
    qint64 work_ = 0;
};

bool Replay::fail(const QString& reason) {
    if (error_)
        *error_ = reason;
    return false;
}

// The first map mode, window origin and window extent of the file set up the frame.
void Replay::prescan() {
    bool haveMode = false, haveOrg = false, haveExt = false;
    QSizeF firstExt;
    for (const WmfRecord& r : reader_.records()) {
        if (r.function() == SetMapMode && !haveMode && r.hasWords(1)) {
            dc_.mapMode = r.word(0);
            haveMode = true;
        } else if (r.function() == SetWindowOrg && !haveOrg && r.hasWords(2)) {
            dc_.windowOrg = QPointF(r.signedWord(1), r.signedWord(0));
            haveOrg = true;
        } else if (r.function() == SetWindowExt && !haveExt && r.hasWords(2)) {
            firstExt = QSizeF(r.signedWord(1), r.signedWord(0));
            haveExt = firstExt.width() != 0 && firstExt.height() != 0;
        }
    }
    if (reader_.isPlaceable()) {
        // The player's viewport is the frame; the frame is the window until the file says
        // otherwise.
        const QRect f = reader_.placeableFrame();
        const double twipsPerUnit = 1440.0 / reader_.unitsPerInch();
        viewportExt_ = QSizeF(f.width() * twipsPerUnit, f.height() * twipsPerUnit);
        dc_.windowOrg = f.topLeft();
        dc_.windowExt = f.size();
        if (fixedTwipsPerUnit(dc_.mapMode) > 0) {
            // Fixed units ignore the window extent; the frame is where its corners land.
            const QTransform t = transform();
            frame_ = t.mapRect(QRectF(f));
        } else {
            frame_ = QRectF(QPointF(0, 0), viewportExt_);
        }
    } else if (haveExt && fixedTwipsPerUnit(dc_.mapMode) == 0) {
        dc_.windowExt = firstExt;
        viewportExt_ = QSizeF(std::abs(firstExt.width()) * plainTwipsPerUnit,
                              std::abs(firstExt.height()) * plainTwipsPerUnit);
        frame_ = QRectF(QPointF(0, 0), viewportExt_);
    } else {
        // Nothing states a size: one logical unit is one screen pixel and the frame is whatever
        // the drawing covers.
        dc_.windowExt = QSizeF(1, 1);
        viewportExt_ = QSizeF(plainTwipsPerUnit, plainTwipsPerUnit);
    }
    dc_.mapMode = 1;
}

QTransform Replay::transform() const {
    const double fixed = fixedTwipsPerUnit(dc_.mapMode);
    if (fixed > 0)
        return QTransform(fixed, 0, 0, -fixed, -dc_.windowOrg.x() * fixed,
                          dc_.windowOrg.y() * fixed);
    const double sx = viewportExt_.width() / dc_.windowExt.width();
    const double sy = viewportExt_.height() / dc_.windowExt.height();
    return QTransform(sx, 0, 0, sy, -dc_.windowOrg.x() * sx, -dc_.windowOrg.y() * sy);
}

QRectF Replay::mapRect(double left, double top, double right, double bottom) const {
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

QPen Replay::pen() const {
    const int style = dc_.pen.style & 0x0F;
    if (style == 5) // PS_NULL
        return Qt::NoPen;
    QPen p(dc_.pen.color);
    if (dc_.pen.width <= 0) {
        p.setWidth(1);
        p.setCosmetic(true);
    } else {
        p.setWidthF(std::max(dc_.pen.width * scaleX(), 0.01));
    }
    switch (style) {
    case 1:
        p.setStyle(Qt::DashLine);
        break;
    case 2:
        p.setStyle(Qt::DotLine);
        break;
    case 3:
        p.setStyle(Qt::DashDotLine);
        break;
    case 4:
        p.setStyle(Qt::DashDotDotLine);
        break;
    default:
        p.setStyle(Qt::SolidLine);
    }
    switch (dc_.pen.style & 0x0F00) {
    case 0x0100:
        p.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        p.setCapStyle(Qt::FlatCap);
        break;
    default:
        p.setCapStyle(Qt::RoundCap);
    }
    switch (dc_.pen.style & 0xF000) {
    case 0x1000:
        p.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        p.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        p.setJoinStyle(Qt::RoundJoin);
    }
    return p;
}

QBrush Replay::brush() const {
    switch (dc_.brush.style) {
    case 0: // BS_SOLID
        return QBrush(dc_.brush.color);
    case 2: { // BS_HATCHED
        static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        const int h = dc_.brush.hatch;
        return QBrush(dc_.brush.color, h >= 0 && h < 6 ? hatches[h] : Qt::SolidPattern);
    }
    case 3: // BS_PATTERN
    case 5: // BS_DIBPATTERN
        if (!dc_.brush.pattern.isNull())
            return QBrush(dc_.brush.pattern);
        return QBrush(Qt::gray);
    default: // BS_NULL and anything unknown
        return Qt::NoBrush;
    }
}

bool Replay::clipRecord(const WmfRecord& r) {
    if (!r.hasWords(4))
        return fail(QStringLiteral("clip record too short"));
    const QRect area =
        mapRect(r.signedWord(3), r.signedWord(2), r.signedWord(1), r.signedWord(0)).toRect();
    const QRegion current =
        dc_.clipped ? dc_.clip : QRegion(QRect(-(1 << 26), -(1 << 26), 1 << 27, 1 << 27));
    // A region operation costs in proportion to the rectangles of the region.
    if (!afford(current.rectCount() * WmfPlayer::clipRectWork))
        return true;
    dc_.clip =
        r.function() == IntersectClipRect ? current.intersected(area) : current.subtracted(area);
    if (dc_.clip.rectCount() > WmfPlayer::maxClipRectangles)
        return fail(QStringLiteral("clip region of more than %1 rectangles")
                        .arg(WmfPlayer::maxClipRectangles));
    dc_.clipped = true;
    clipDirty_ = true;
    return true;
}

void Replay::applyClip() {
    if (!clipDirty_)
        return;
    // Every change of clipping is recorded with the whole region.
    if (!afford(dc_.clip.rectCount() * WmfPlayer::clipRectWork))
        return;
    painter_.restore();
    painter_.save();
    if (dc_.clipped)
        painter_.setClipRegion(dc_.clip, Qt::IntersectClip);
    clipDirty_ = false;
}

void Replay::fillAndStroke(const QPainterPath& path) {
    if (!afford(path.elementCount() * WmfPlayer::pathElementWork))
        return;
    applyClip();
    if (dc_.brush.style == 2 && dc_.opaque)
        painter_.fillPath(path, dc_.bkColor);
    painter_.setPen(pen());
    painter_.setBrush(brush());
    painter_.drawPath(path);
}

void Replay::stroke(const QPainterPath& path) {
    if (!afford(path.elementCount() * WmfPlayer::pathElementWork))
        return;
    applyClip();
    painter_.setPen(pen());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Replay::createObject(GdiObject object) {
    // With every index taken the object is lost, as GDI fails to create it.
    const std::optional<int> slot = slots_.take();
    if (!slot)
        return;
    if (size_t(*slot) >= objects_.size())
        objects_.resize(size_t(*slot) + 1);
    objects_[size_t(*slot)] = std::move(object);
}

void Replay::deleteObject(int index) {
    if (!slots_.isTaken(index))
        return;
    objects_[size_t(index)] = std::monostate{};
    slots_.release(index);
}

bool Replay::afford(qint64 units) {
    work_ += units;
    return work_ <= WmfPlayer::maxWork;
}

void Replay::selectObject(int index) {
    if (index < 0 || index >= int(objects_.size()))
        return;
    const GdiObject& object = objects_[size_t(index)];
    if (const auto* pen = std::get_if<PenObject>(&object))
        dc_.pen = *pen;
    else if (const auto* brush = std::get_if<BrushObject>(&object))
        dc_.brush = *brush;
    else if (const auto* font = std::get_if<FontObject>(&object))
        dc_.font = *font;
}

// kind 0 arc, 1 pie, 2 chord.
bool Replay::arcRecord(const WmfRecord& r, int kind) {
    if (!r.hasWords(8))
        return fail(QStringLiteral("arc record too short"));
    const QRectF box = mapRect(r.signedWord(7), r.signedWord(6), r.signedWord(5), r.signedWord(4));
    if (box.isEmpty())
        return true;
    const QPointF start = map(r.signedWord(3), r.signedWord(2));
    const QPointF end = map(r.signedWord(1), r.signedWord(0));
    const QPointF centre = box.center();
    const double a0 = QLineF(centre, start).angle();
    const double a1 = QLineF(centre, end).angle();
    double sweep = a1 - a0;
    while (sweep <= 0)
        sweep += 360;
    const double p0 = parametricAngle(a0, box.size());
    double p1 = parametricAngle(a1, box.size());
    while (p1 <= p0)
        p1 += 360;
    if (sweep >= 360)
        p1 = p0 + 360;
    QPainterPath path;
    if (kind == 1) {
        path.moveTo(centre);
        path.arcTo(box, p0, p1 - p0);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, p0);
        path.arcTo(box, p0, p1 - p0);
        if (kind == 2)
            path.closeSubpath();
    }
    if (kind == 0)
        stroke(path);
    else
        fillAndStroke(path);
    return true;
}

bool Replay::textRecord(QByteArrayView text, double x, double y, const std::vector<int>& dx,
                        int options, std::optional<QRectF> rect) {
    // Each character becomes an outline; past this many a file only costs time.
    characters_ += text.size();
    if (characters_ > WmfPlayer::maxCharacters)
        return true;
    if (!afford(text.size() * WmfPlayer::glyphWork))
        return true;
    applyClip();
    const FontObject& f = dc_.font;
    const WmfTextCodec codec(f.charset, f.face);

    // Glyphs are built at a fixed reference size and scaled, so the text keeps its logical size
    // however small the logical units are.
    constexpr int referencePixels = 256;
    QFont font(codec.faceName());
    font.setPixelSize(referencePixels);
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    const QFontMetricsF metrics(font);

    double em;
    if (f.height < 0)
        em = -f.height * scaleY();
    else if (f.height > 0)
        em = f.height * scaleY() * referencePixels / std::max(metrics.height(), 1.0);
    else
        em = 240; // 12 points
    const double sy = em / referencePixels;
    const double sx =
        f.width > 0 ? f.width * scaleX() / std::max(metrics.averageCharWidth(), 1.0) : sy;
    if (em <= 0 || sx <= 0)
        return true;

    // Split into characters so that per-byte advances can place each one.
    QPainterPath glyphs;
    double advance = 0; // reference units
    qsizetype i = 0;
    QString whole;
    while (i < text.size()) {
        qsizetype unit = 1;
        if (i + 1 < text.size() && codec.isLeadByte(uchar(text[i])))
            unit = 2;
        const QString piece = codec.decode(text.sliced(i, unit));
        whole += piece;
        if (!dx.empty()) {
            glyphs.addText(QPointF(advance, 0), font, piece);
            double step = 0;
            for (qsizetype k = i; k < i + unit && k < qsizetype(dx.size()); ++k)
                step += dx[size_t(k)];
            advance += step * scaleX() / sx;
        }
        i += unit;
    }
    if (dx.empty()) {
        glyphs.addText(QPointF(0, 0), font, whole);
        advance = metrics.horizontalAdvance(whole);
    }

    const bool updateCp = dc_.textAlign & 1;
    QPointF anchor = updateCp ? map(dc_.position.x(), dc_.position.y()) : map(x, y);
    double shiftX = 0, shiftY = 0;
    switch (dc_.textAlign & 6) {
    case 2: // TA_RIGHT
        shiftX = -advance;
        break;
    case 6: // TA_CENTER
        shiftX = -advance / 2;
        break;
    }
    switch (dc_.textAlign & 24) {
    case 0: // TA_TOP
        shiftY = metrics.ascent();
        break;
    case 8: // TA_BOTTOM
        shiftY = -metrics.descent();
        break;
    }
    QTransform place;
    place.translate(anchor.x(), anchor.y());
    place.rotate(-f.escapement / 10.0);
    place.scale(sx, sy);
    place.translate(shiftX, shiftY);

    painter_.save();
    if (rect && (options & 0x0004)) // ETO_CLIPPED
        painter_.setClipRect(*rect, Qt::IntersectClip);
    if (rect && (options & 0x0002)) // ETO_OPAQUE
        painter_.fillRect(*rect, dc_.bkColor);
    if (dc_.opaque) {
        const QRectF cell(0, -metrics.ascent(), advance, metrics.ascent() + metrics.descent());
        painter_.fillPath(place.map([&] {
            QPainterPath p;
            p.addRect(cell);
            return p;
        }()),
                          dc_.bkColor);
    }
    painter_.fillPath(place.map(glyphs), dc_.textColor);
    painter_.restore();

    if (updateCp)
        dc_.position.rx() += advance * sx / transform().m11();
    return true;
}

bool Replay::decodeBitmap(QByteArrayView dib, QImage* image, bool* bottomUp, bool* drawable) {
    QString reason;
    const DibDecoder::Result result =
        DibDecoder::decode(dib, WmfPlayer::maxBitmapPixels, image, &reason, bottomUp);
    *drawable = result == DibDecoder::Result::Ok;
    if (result == DibDecoder::Result::Damaged)
        return fail(QStringLiteral("damaged bitmap: %1").arg(reason));
    if (*drawable) {
        const qint64 pixels = qint64(image->width()) * image->height();
        afford(pixels);
        bitmapPixels_ += pixels;
        if (bitmapPixels_ > WmfPlayer::maxTotalBitmapPixels)
            return fail(QStringLiteral("bitmaps hold more than %1 pixels")
                            .arg(WmfPlayer::maxTotalBitmapPixels));
    }
    return true;
}

bool Replay::bitmap(QByteArrayView dib, quint32 rop, QRectF source, bool sourceFromBottom, double x,
                    double y, double width, double height) {
    QImage image;
    bool bottomUp = false, drawable = false;
    if (!decodeBitmap(dib, &image, &bottomUp, &drawable))
        return false;
    if (!drawable || work_ > WmfPlayer::maxWork)
        return true;
    if (source.width() <= 0 || source.height() <= 0)
        source = QRectF(image.rect());
    if (sourceFromBottom && bottomUp)
        source.moveTop(image.height() - source.top() - source.height());
    const QPointF p1 = map(x, y);
    const QPointF p2 = map(x + width, y + height);
    if (p1.x() == p2.x() || p1.y() == p2.y())
        return true;
    applyClip();
    painter_.save();
    // Negative destination sizes mirror the bitmap, as GDI does.
    painter_.setTransform(QTransform((p2.x() - p1.x()) / source.width(), 0, 0,
                                     (p2.y() - p1.y()) / source.height(), p1.x(), p1.y()),
                          true);
    switch (rop) {
    case 0x008800C6: // SRCAND
        painter_.setCompositionMode(QPainter::CompositionMode_Multiply);
        break;
    case 0x00EE0086: // SRCPAINT
        painter_.setCompositionMode(QPainter::CompositionMode_Lighten);
        break;
    case 0x00660046: // SRCINVERT
        painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        break;
    case 0x00330008: // NOTSRCCOPY
        image.invertPixels();
        break;
    }
    painter_.drawImage(QRectF(QPointF(0, 0), source.size()), image, source);
    painter_.restore();
    return true;
}

void Replay::fillWithRop(quint32 rop, double x, double y, double width, double height) {
    const QRectF area = mapRect(x, y, x + width, y + height);
    applyClip();
    switch (rop) {
    case 0x00000042: // BLACKNESS
        painter_.fillRect(area, Qt::black);
        break;
    case 0x00FF0062: // WHITENESS
        painter_.fillRect(area, Qt::white);
        break;
    case 0x00AA0029: // destination unchanged
    case 0x00550009: // DSTINVERT: a screen effect, nothing on paper
        break;
    default: {
        QPainterPath path;
        path.addRect(area);
        if (dc_.brush.style == 2 && dc_.opaque)
            painter_.fillPath(path, dc_.bkColor);
        painter_.fillPath(path, brush());
    }
    }
}

bool Replay::playRecord(const WmfRecord& r) {
    const auto tooShort = [&] {
        return fail(QStringLiteral("record %1 too short").arg(r.function(), 4, 16, QChar('0')));
    };
    switch (r.function()) {
    case SetBkColor:
        if (!r.hasWords(2))
            return tooShort();
        dc_.bkColor = colorRef(r, 0);
        return true;
    case SetBkMode:
        if (!r.hasWords(1))
            return tooShort();
        dc_.opaque = r.word(0) == 2;
        return true;
    case SetMapMode:
        if (!r.hasWords(1))
            return tooShort();
        dc_.mapMode = r.word(0);
        return true;
    case SetPolyFillMode:
        if (!r.hasWords(1))
            return tooShort();
        dc_.fillRule = r.word(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case SetTextColor:
        if (!r.hasWords(2))
            return tooShort();
        dc_.textColor = colorRef(r, 0);
        return true;
    case SetTextAlign:
        if (!r.hasWords(1))
            return tooShort();
        dc_.textAlign = r.word(0);
        return true;
    case SetWindowOrg:
        if (!r.hasWords(2))
            return tooShort();
        dc_.windowOrg = QPointF(r.signedWord(1), r.signedWord(0));
        return true;
    case SetWindowExt:
        if (!r.hasWords(2))
            return tooShort();
        // An empty extent would divide by zero; GDI refuses it too.
        if (r.signedWord(0) != 0 && r.signedWord(1) != 0)
            dc_.windowExt = QSizeF(r.signedWord(1), r.signedWord(0));
        return true;
    case OffsetWindowOrg:
        if (!r.hasWords(2))
            return tooShort();
        dc_.windowOrg += QPointF(r.signedWord(1), r.signedWord(0));
        return true;
    case ScaleWindowExt: {
        if (!r.hasWords(4))
            return tooShort();
        const int yDen = r.signedWord(0), yNum = r.signedWord(1);
        const int xDen = r.signedWord(2), xNum = r.signedWord(3);
        if (xDen != 0 && yDen != 0 && xNum != 0 && yNum != 0)
            dc_.windowExt =
                QSizeF(dc_.windowExt.width() * xNum / xDen, dc_.windowExt.height() * yNum / yDen);
        return true;
    }
    case MoveTo:
        if (!r.hasWords(2))
            return tooShort();
        dc_.position = QPointF(r.signedWord(1), r.signedWord(0));
        return true;
    case LineTo: {
        if (!r.hasWords(2))
            return tooShort();
        const QPointF to(r.signedWord(1), r.signedWord(0));
        QPainterPath path(map(dc_.position.x(), dc_.position.y()));
        path.lineTo(map(to.x(), to.y()));
        stroke(path);
        dc_.position = to;
        return true;
    }
    case ExcludeClipRect:
    case IntersectClipRect:
        return clipRecord(r);
    case OffsetClipRgn: {
        if (!r.hasWords(2))
            return tooShort();
        if (!afford(dc_.clip.rectCount() * WmfPlayer::clipRectWork))
            return true;
        const QPointF delta = map(r.signedWord(1), r.signedWord(0)) - map(0, 0);
        dc_.clip.translate(delta.toPoint());
        clipDirty_ = true;
        return true;
    }
    case SelectClipRegion:
        // Regions are not kept; selecting one (or none) lifts the clipping.
        dc_.clipped = false;
        dc_.clip = QRegion();
        clipDirty_ = true;
        return true;
    case Arc:
        return arcRecord(r, 0);
    case Pie:
        return arcRecord(r, 1);
    case Chord:
        return arcRecord(r, 2);
    case Ellipse:
    case Rectangle: {
        if (!r.hasWords(4))
            return tooShort();
        const QRectF box =
            mapRect(r.signedWord(3), r.signedWord(2), r.signedWord(1), r.signedWord(0));
        QPainterPath path;
        if (r.function() == Ellipse)
            path.addEllipse(box);
        else
            path.addRect(box);
        fillAndStroke(path);
        return true;
    }
    case RoundRect: {
        if (!r.hasWords(6))
            return tooShort();
        const QRectF box =
            mapRect(r.signedWord(5), r.signedWord(4), r.signedWord(3), r.signedWord(2));
        QPainterPath path;
        path.addRoundedRect(box, std::abs(r.signedWord(1)) * scaleX() / 2,
                            std::abs(r.signedWord(0)) * scaleY() / 2);
        fillAndStroke(path);
        return true;
    }
    case Polygon:
    case Polyline: {
        if (!r.hasWords(1))
            return tooShort();
        const int count = r.word(0);
        if (!r.hasWords(1 + 2 * qsizetype(count)))
            return tooShort();
        const QTransform t = transform();
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k)
            points << t.map(QPointF(r.signedWord(1 + 2 * k), r.signedWord(2 + 2 * k)));
        QPainterPath path;
        path.setFillRule(dc_.fillRule);
        path.addPolygon(points);
        if (r.function() == Polygon) {
            path.closeSubpath();
            fillAndStroke(path);
        } else {
            stroke(path);
        }
        return true;
    }
    case PolyPolygon: {
        if (!r.hasWords(1))
            return tooShort();
        const int polygons = r.word(0);
        if (!r.hasWords(1 + qsizetype(polygons)))
            return tooShort();
        qsizetype total = 0;
        for (int k = 0; k < polygons; ++k)
            total += r.word(1 + k);
        if (!r.hasWords(1 + qsizetype(polygons) + 2 * total))
            return tooShort();
        const QTransform t = transform();
        QPainterPath path;
        path.setFillRule(dc_.fillRule);
        qsizetype at = 1 + polygons;
        for (int k = 0; k < polygons; ++k) {
            const int count = r.word(1 + k);
            QPolygonF points;
            points.reserve(count);
            for (int n = 0; n < count; ++n, at += 2)
                points << t.map(QPointF(r.signedWord(at), r.signedWord(at + 1)));
            path.addPolygon(points);
            path.closeSubpath();
        }
        fillAndStroke(path);
        return true;
    }
    case SetPixel: {
        if (!r.hasWords(4))
            return tooShort();
        const QPointF at = map(r.signedWord(3), r.signedWord(2));
        applyClip();
        painter_.fillRect(QRectF(at, QSizeF(std::max(scaleX(), 1.0), std::max(scaleY(), 1.0))),
                          colorRef(r, 0));
        return true;
    }
    case PatBlt:
        if (!r.hasWords(6))
            return tooShort();
        fillWithRop(r.dword(0), r.signedWord(5), r.signedWord(4), r.signedWord(3), r.signedWord(2));
        return true;
    case SaveDc:
        if (int(saved_.size()) < WmfPlayer::maxSavedStates)
            saved_.push_back(dc_);
        return true;
    case RestoreDc: {
        if (!r.hasWords(1))
            return tooShort();
        const int which = r.signedWord(0);
        // Negative: that many levels back; positive: the state of that number.
        const int keep = which < 0 ? int(saved_.size()) + which : which - 1;
        if (keep < 0 || keep >= int(saved_.size()))
            return true;
        dc_ = saved_[size_t(keep)];
        saved_.resize(size_t(keep));
        clipDirty_ = true;
        return true;
    }
    case TextOut: {
        if (!r.hasWords(1))
            return tooShort();
        const int count = r.word(0);
        const qsizetype stringWords = (count + 1) / 2;
        if (!r.hasWords(1 + stringWords + 2))
            return tooShort();
        const QByteArrayView text = r.bytes(2, count);
        return textRecord(text, r.signedWord(2 + stringWords), r.signedWord(1 + stringWords), {}, 0,
                          std::nullopt);
    }
    case ExtTextOut: {
        if (!r.hasWords(4))
            return tooShort();
        const int y = r.signedWord(0), x = r.signedWord(1);
        const int count = r.word(2), options = r.word(3);
        std::optional<QRectF> rect;
        qsizetype at = 8;
        if (options & 0x0006) {
            if (!r.hasWords(8))
                return tooShort();
            rect = mapRect(r.signedWord(4), r.signedWord(5), r.signedWord(6), r.signedWord(7));
            at = 16;
        }
        const QByteArrayView text = r.bytes(at, count);
        if (!r.ok())
            return tooShort();
        std::vector<int> dx;
        const qsizetype dxAt = at + count + (count % 2);
        if (r.params().size() >= dxAt + 2 * qsizetype(count)) {
            dx.reserve(count);
            for (int k = 0; k < count; ++k)
                dx.push_back(r.signedWord(dxAt / 2 + k));
        }
        if (count == 0) {
            if (rect && (options & 0x0002)) {
                applyClip();
                painter_.fillRect(*rect, dc_.bkColor);
            }
            return true;
        }
        return textRecord(text, x, y, dx, options, rect);
    }
    case StretchDib: {
        if (!r.hasWords(11))
            return tooShort();
        if (r.word(2) != 0) // DIB_PAL_COLORS: indices into a palette that is not kept
            return true;
        const QRectF source(r.signedWord(6), r.signedWord(5), r.signedWord(4), r.signedWord(3));
        return bitmap(r.params().sliced(22), r.dword(0), source, true, r.signedWord(10),
                      r.signedWord(9), r.signedWord(8), r.signedWord(7));
    }
    case DibStretchBlt: {
        if (!r.hasWords(10))
            return tooShort();
        if (r.wordCount() == 11) { // no bitmap: a pattern fill
            fillWithRop(r.dword(0), r.signedWord(10), r.signedWord(9), r.signedWord(8),
                        r.signedWord(7));
            return true;
        }
        const QRectF source(r.signedWord(5), r.signedWord(4), r.signedWord(3), r.signedWord(2));
        return bitmap(r.params().sliced(20), r.dword(0), source, false, r.signedWord(9),
                      r.signedWord(8), r.signedWord(7), r.signedWord(6));
    }
    case DibBitBlt: {
        if (!r.hasWords(8))
            return tooShort();
        if (r.wordCount() == 9) { // no bitmap: a pattern fill
            fillWithRop(r.dword(0), r.signedWord(8), r.signedWord(7), r.signedWord(6),
                        r.signedWord(5));
            return true;
        }
        const double width = r.signedWord(5), height = r.signedWord(4);
        const QRectF source(r.signedWord(3), r.signedWord(2), width, height);
        return bitmap(r.params().sliced(16), r.dword(0), source, false, r.signedWord(7),
                      r.signedWord(6), width, height);
    }
    case CreatePenIndirect: {
        if (!r.hasWords(5))
            return tooShort();
        PenObject pen;
        pen.style = r.word(0);
        pen.width = std::abs(r.signedWord(1));
        pen.color = colorRef(r, 3);
        createObject(pen);
        return true;
    }
    case CreateBrushIndirect: {
        if (!r.hasWords(4))
            return tooShort();
        BrushObject brush;
        brush.style = r.word(0);
        brush.color = colorRef(r, 1);
        brush.hatch = r.word(3);
        createObject(brush);
        return true;
    }
    case DibCreatePatternBrush: {
        if (!r.hasWords(2))
            return tooShort();
        BrushObject brush;
        brush.style = 5;
        if (r.word(1) == 0) { // DIB_RGB_COLORS
            bool bottomUp = false, drawable = false;
            if (!decodeBitmap(r.params().sliced(4), &brush.pattern, &bottomUp, &drawable))
                return false;
        }
        createObject(brush);
        return true;
    }
    case CreateFontIndirect: {
        if (!r.hasWords(9))
            return tooShort();
        FontObject font;
        font.height = r.signedWord(0);
        font.width = std::abs(r.signedWord(1));
        font.escapement = r.signedWord(2);
        font.weight = r.signedWord(4);
        const QByteArrayView flags = r.bytes(10, 8);
        font.italic = flags[0] != 0;
        font.underline = flags[1] != 0;
        font.strikeOut = flags[2] != 0;
        font.charset = uchar(flags[3]);
        const QByteArrayView face =
            r.params().sliced(18).first(std::min<qsizetype>(32, r.params().size() - 18));
        const qsizetype end = face.indexOf('\0');
        font.face = (end < 0 ? face : face.first(end)).toByteArray();
        createObject(font);
        return true;
    }
    case CreatePalette:
    case CreatePatternBrush:
    case CreateRegion:
        createObject(OtherObject{});
        return true;
    case SelectObject:
        if (!r.hasWords(1))
            return tooShort();
        selectObject(r.word(0));
        return true;
    case DeleteObject:
        if (!r.hasWords(1))
            return tooShort();
        deleteObject(r.word(0));
        return true;
    default:
        // Escapes, palettes, raster modes, viewport records (the player owns the viewport) and
        // the rest change nothing that reaches paper.
        return true;
    }
}

Picture Replay::run() {
    prescan();
    objects_.resize(size_t(slots_.size()));
    if (frame_) {
        if (frame_->width() < 1 || frame_->height() < 1)
            return refuse(QStringLiteral("picture frame is empty"));
        if (frame_->width() > WmfPlayer::maxNaturalTwips ||
            frame_->height() > WmfPlayer::maxNaturalTwips)
            return refuse(QStringLiteral("picture of %1 x %2 twips is too large")
                              .arg(frame_->width())
                              .arg(frame_->height()));
    }
    auto recording = std::make_shared<QPicture>();
    painter_.begin(recording.get());
    painter_.save();
    if (frame_)
        painter_.setClipRect(*frame_);
    painter_.save();
    bool ok = true;
    for (const WmfRecord& r : reader_.records()) {
        if (!afford(1) || !playRecord(r) || work_ > WmfPlayer::maxWork) {
            ok = false;
            if (work_ > WmfPlayer::maxWork)
                fail(QStringLiteral("picture needs more than %1 units of work to draw")
                         .arg(WmfPlayer::maxWork));
            break;
        }
    }
    painter_.restore();
    painter_.restore();
    painter_.end();
    if (!ok)
        return {};
    QRectF frame = frame_ ? *frame_ : QRectF(recording->boundingRect());
    if (frame.width() < 1 || frame.height() < 1)
        return refuse(QStringLiteral("picture draws nothing"));
    if (frame.width() > WmfPlayer::maxNaturalTwips || frame.height() > WmfPlayer::maxNaturalTwips)
        return refuse(QStringLiteral("picture is too large"));
    const QRect bounds = frame.toAlignedRect();
    recording->setBoundingRect(bounds);
    return Picture::fromRecording(recording, frame.size());
}

} // namespace

Picture WmfPlayer::play(const WmfReader& reader, QString* error) {
    return Replay(reader, error).run();
}

Picture WmfPlayer::load(const QByteArray& bytes, QString* error) {
    WmfReader reader;
    if (!reader.parse(bytes, error))
        return {};
    return play(reader, error);
}

} // namespace brevmark
