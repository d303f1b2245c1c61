// brevmark-zxing-decode: reads Code 39 in image files with ZXing, the second independent decoder
// of the printing tests (beside zbarimg). Prints the text of the symbol found in each file, one
// line per file that holds one; exits 1 when a file cannot be read. One symbol per file: ZXing 1.4's
// search for several symbols in one image trips over its own assertion on linear codes, so callers
// cut pages into one region per label.
//
//   brevmark-zxing-decode image.png [image.pgm ...]
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    // A 600-dpi A4 page is about 35 megapixels.
    QImageReader::setAllocationLimit(1024);
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_Grayscale8);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            status = 1;
            continue;
        }
        const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                    ZXing::ImageFormat::Lum, int(image.bytesPerLine()));
        // ZXing's defaults (try harder, rotations, downscaling) for Code 39 alone; no check digit.
        ZXing::DecodeHints hints;
        hints.setFormats(ZXing::BarcodeFormat::Code39);
        const ZXing::Result result = ZXing::ReadBarcode(view, hints);
        if (result.isValid())
            std::printf("%s\n", result.text().c_str());
    }
    return status;
}
