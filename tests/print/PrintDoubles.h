#pragma once

#include "page/PageModel.h"
#include "page/TagTable.h"
#include "platform/PictureLoader.h"
#include "platform/SystemServices.h"
#include "print/PrintHost.h"
#include "print/PrinterFactory.h"
#include "support/RecordingSurface.h"

#include <QFileInfo>
#include <QSet>

namespace brevmark::test {

// A printer that records into a surface the test keeps, so the calls outlive the command.
class ForwardingPrinter : public Printer {
public:
    explicit ForwardingPrinter(RecordingSurface& target) : t_(target) {}
    bool isAvailable() const override { return t_.isAvailable(); }
    QString name() const override { return t_.name(); }
    double dotsPerInch() const override { return t_.dotsPerInch(); }
    QSizeF pageTwips() const override { return t_.pageTwips(); }
    QRectF printableArea() const override { return t_.printableArea(); }
    void newPage() override { t_.newPage(); }
    void endDocument() override { t_.endDocument(); }
    void abortDocument() override { t_.abortDocument(); }
    void setClipRect(const QRectF& r) override { t_.setClipRect(r); }
    void resetClip() override { t_.resetClip(); }
    void drawLine(QPointF a, QPointF b, const QColor& c, double w) override {
        t_.drawLine(a, b, c, w);
    }
    void fillRect(const QRectF& r, const QColor& c) override { t_.fillRect(r, c); }
    void drawRect(const QRectF& r, const QColor& c, LineStyle s) override { t_.drawRect(r, c, s); }
    void drawText(QPointF p, const QString& s, const TextFont& f, const QColor& c) override {
        t_.drawText(p, s, f, c);
    }
    double textWidth(const QString& s, const TextFont& f) const override {
        return t_.textWidth(s, f);
    }
    double textHeight(const TextFont& f) const override { return t_.textHeight(f); }
    bool drawPicture(const Picture& p, const QRectF& r) override { return t_.drawPicture(p, r); }

private:
    RecordingSurface& t_;
};

inline PrinterFactory recordingFactory(RecordingSurface& surface, int* opened = nullptr) {
    return [&surface, opened]() -> std::unique_ptr<Printer> {
        if (opened)
            ++*opened;
        return std::make_unique<ForwardingPrinter>(surface);
    };
}

// Pictures by file name: "good.bmp" loads as a small image, "broken.bmp" loads but cannot be
// drawn (its natural size is the recording surface's failing size), anything else is missing.
class FakePictureLoader : public PictureLoader {
public:
    mutable int loads = 0;
    Picture load(const QString& path, QString* error = nullptr) const override {
        ++loads;
        const QString name = QFileInfo(path).fileName();
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        if (name == QLatin1String("good.bmp"))
            return Picture::fromImage(image, QSizeF(60, 60));
        if (name == QLatin1String("broken.bmp"))
            return Picture::fromImage(image, QSizeF(13, 13));
        if (error)
            *error = QStringLiteral("missing");
        return {};
    }
};

class FakePrintHost : public PrintHost {
public:
    LayoutMode mode = LayoutMode::Simple;
    QList<bool> visibility;
    int refocused = 0;
    int panelsClosed = 0;

    void setSimpleItemVisible(bool visible) override { visibility.append(visible); }
    void refocusBarcodeEntry() override { ++refocused; }
    void closePanels() override { ++panelsClosed; }
    LayoutMode layoutMode() const override { return mode; }
};

class FakeKeyServices : public SystemServices {
public:
    bool down = false;
    int presses = 0;
    // The key goes down (one more press) or up.
    void press() {
        if (!down)
            ++presses;
        down = true;
    }
    void release() { down = false; }

    QSizeF screenSizeTwips() const override { return {19200, 10800}; }
    QStringList screenFonts() const override { return {}; }
    bool isPrintKeyDown() const override { return down; }
    int printKeyPresses() const override { return presses; }
    void beep() override {}
    QDateTime now() const override { return {}; }
    double random() override { return 0.5; }
    bool openInBrowser(const QUrl&) override { return false; }
};

// A page item with the defaults of an added item and a barcode text.
inline BarcodeItem pageItem(double left, double top, const QString& text) {
    BarcodeItem item = BarcodeItem::blank(QPointF(left, top), false);
    item.symbol.text = text;
    return item;
}

} // namespace brevmark::test
