// Fuzz target: the pictures of 圖形資料 (JPEG, GIF, BMP and WMF, read by their content). The input
// is the file as it lies on disk.
//
// Any file loads or is refused with a reason, quickly and within bounded memory (metafiles are
// parsed and played by our own code, rasters by Qt's readers behind our size checks); a picture
// that loads has a size and draws into a label without harm.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/GuiStart.h"

#include "platform/ImageSurface.h"
#include "platform/QtPictureLoader.h"


#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

using namespace brevmark;

// Metafile texts are drawn in fonts.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    QtPictureLoader loader;
    QString error;
    const Picture picture = loader.loadBytes(bytes, &error);
    // BREVMARK_FUZZ_VERBOSE=1 tells what each input came to, to see what a seed reaches.
    if (qEnvironmentVariableIsSet("BREVMARK_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(picture.isNull() ? QStringLiteral("refused: ") + error
                                                     : QStringLiteral("%1 x %2 twips")
                                                           .arg(picture.naturalSize().width())
                                                           .arg(picture.naturalSize().height())));
    if (picture.isNull()) {
        FUZZ_CHECK(!error.isEmpty(), "a picture was refused without a reason");
        return 0;
    }
    const QSizeF natural = picture.naturalSize();
    FUZZ_CHECK(std::isfinite(natural.width()) && std::isfinite(natural.height()) &&
                   natural.width() > 0 && natural.height() > 0,
               QStringLiteral("a picture of %1 x %2 twips").arg(natural.width()).arg(natural.height()));
    // Drawn into an image item of a label, as the page and the print draw it.
    ImageSurface label(QSizeF(1500, 900));
    label.drawPicture(picture, QRectF(60, 60, 1380, 780));
    return 0;
}
