#include "support/PclRaster.h"

#include <QSizeF>

#include <optional>

namespace brevmark::test::pcl {

namespace {

constexpr char escape = 0x1b;
constexpr char formFeed = 0x0c;

// The paper of a page size code (ESC&l#A), in inches.
std::optional<QSizeF> paperInches(int code) {
    switch (code) {
    case 1:
        return QSizeF(7.25, 10.5); // Executive
    case 2:
        return QSizeF(8.5, 11); // Letter
    case 3:
        return QSizeF(8.5, 14); // Legal
    case 6:
        return QSizeF(11, 17); // Tabloid
    case 25:
        return QSizeF(148 / 25.4, 210 / 25.4); // A5
    case 26:
        return QSizeF(210 / 25.4, 297 / 25.4); // A4
    case 27:
        return QSizeF(297 / 25.4, 420 / 25.4); // A3
    default:
        return std::nullopt;
    }
}

// TIFF PackBits (compression mode 2): a count byte n, then n + 1 bytes as they are (n ≥ 0), or
// one byte repeated 1 − n times (n < 0; −128 does nothing).
QByteArray unpackBits(const QByteArray& data) {
    QByteArray row;
    for (qsizetype i = 0; i < data.size();) {
        const int n = static_cast<signed char>(data.at(i++));
        if (n >= 0) {
            row.append(data.mid(i, n + 1));
            i += n + 1;
        } else if (n != -128 && i < data.size()) {
            row.append(QByteArray(1 - n, data.at(i++)));
        }
    }
    return row;
}

// One parameterised command: ESC, its family (`*b`, `&l` …), its value and its letter.
struct Command {
    QByteArray family;
    double value = 0;
    char letter = 0;
};

class Reader {
public:
    explicit Reader(const QByteArray& job) : job_(job) {}

    Job read() {
        while (at_ < job_.size() && result_.error.isEmpty()) {
            const char c = job_.at(at_++);
            if (c == formFeed)
                endPage();
            else if (c == escape)
                readEscape();
            // Other bytes would be text; rastertohp sends none.
        }
        endPage();
        return result_;
    }

private:
    void readEscape() {
        if (at_ >= job_.size())
            return;
        const char first = job_.at(at_++);
        if (first < 0x21 || first > 0x2f) {
            if (first == 'E') // reset: the page so far comes out
                endPage();
            return;
        }
        if (at_ >= job_.size())
            return;
        const QByteArray family = QByteArray(1, first) + job_.at(at_++);
        // Combined commands share the family: ESC*r0s1A is ESC*r0S and ESC*r1A.
        while (at_ < job_.size() && result_.error.isEmpty()) {
            const qsizetype start = at_;
            while (at_ < job_.size() && QByteArray("+-.0123456789").contains(job_.at(at_)))
                ++at_;
            if (at_ >= job_.size())
                return;
            const char letter = job_.at(at_++);
            const Command command{family, job_.mid(start, at_ - 1 - start).toDouble(),
                                  char(letter & ~0x20)};
            run(command);
            if (letter >= 0x40 && letter <= 0x5e)
                return; // upper case ends the sequence
        }
    }

    int dots(double decipoints) const { return qRound(decipoints * dpi() / 720.0); }
    int dpi() const { return result_.dotsPerInch > 0 ? result_.dotsPerInch : 300; }

    void run(const Command& c) {
        const int n = int(c.value);
        if (c.family == "&l" && c.letter == 'A') {
            paperCode_ = n;
        } else if (c.family == "*t" && c.letter == 'R') {
            result_.dotsPerInch = n;
        } else if (c.family == "*r" && c.letter == 'S') {
            width_ = n;
        } else if (c.family == "*r" && c.letter == 'T') {
            height_ = n;
        } else if (c.family == "*r" && c.letter == 'A') {
            startRaster(n == 1);
        } else if (c.family == "*r" && (c.letter == 'B' || c.letter == 'C')) {
            inRaster_ = false;
        } else if (c.family == "&a" && c.letter == 'H') {
            x_ = dots(c.value);
        } else if (c.family == "&a" && c.letter == 'V') {
            y_ = dots(c.value);
        } else if (c.family == "*p" && c.letter == 'X') {
            x_ = n;
        } else if (c.family == "*p" && c.letter == 'Y') {
            y_ = n;
        } else if (c.family == "*b" && c.letter == 'M') {
            if (n != 0 && n != 2)
                result_.error = QStringLiteral("compression mode %1 is not read").arg(n);
            mode_ = n;
        } else if (c.family == "*b" && c.letter == 'Y') {
            row_ += n;
        } else if (c.family == "*b" && c.letter == 'W') {
            const QByteArray data = job_.mid(at_, n);
            at_ += n;
            addRow(mode_ == 2 ? unpackBits(data) : data);
        } else if (c.letter == 'W' || (c.family == "&p" && c.letter == 'X')) {
            at_ += n; // data of another command (fonts, palettes, transparent text)
        }
    }

    void startRaster(bool atCursor) {
        if (!paper_.isNull())
            return startRasterOnPage(atCursor);
        const std::optional<QSizeF> inches = paperInches(paperCode_);
        if (!inches) {
            result_.error = QStringLiteral("page size code %1 is not known").arg(paperCode_);
            return;
        }
        paper_ = QImage(qRound(inches->width() * dpi()), qRound(inches->height() * dpi()),
                        QImage::Format_Grayscale8);
        paper_.fill(255);
        startRasterOnPage(atCursor);
    }
    // Horizontal positions count from the logical page, a quarter inch in from the paper's edge.
    void startRasterOnPage(bool atCursor) {
        inRaster_ = true;
        origin_ = QPoint(dpi() / 4 + (atCursor ? x_ : 0), y_);
        row_ = 0;
        const int rows = height_ > 0 ? height_ : paper_.height() - y_;
        raster_ = raster_.united(QRect(origin_, QSize(width_, rows)));
    }

    void addRow(const QByteArray& bits) {
        if (!inRaster_ || paper_.isNull()) {
            result_.error = QStringLiteral("raster data outside a raster graphic");
            return;
        }
        const int y = origin_.y() + row_++;
        if (y < 0 || y >= paper_.height() || (height_ > 0 && row_ > height_))
            return;
        uchar* line = paper_.scanLine(y);
        for (int x = 0; x < width_ && x / 8 < bits.size(); ++x) {
            const int px = origin_.x() + x;
            if (px >= 0 && px < paper_.width() && (uchar(bits.at(x / 8)) >> (7 - x % 8)) & 1)
                line[px] = 0;
        }
    }

    void endPage() {
        if (!paper_.isNull())
            result_.pages.append(Page{paper_, raster_});
        paper_ = QImage();
        raster_ = QRect();
        inRaster_ = false;
    }

    const QByteArray& job_;
    qsizetype at_ = 0;
    Job result_;
    int paperCode_ = 2;
    int width_ = 0;
    int height_ = 0;
    int x_ = 0; // dots from the logical page's left edge
    int y_ = 0; // dots from the paper's top edge (rastertohp sets a top margin of 0)
    int mode_ = 0;
    int row_ = 0;
    bool inRaster_ = false;
    QPoint origin_;
    QImage paper_;
    QRect raster_;
};

} // namespace

Job read(const QByteArray& job) {
    return Reader(job).read();
}

} // namespace brevmark::test::pcl
