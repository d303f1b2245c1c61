// Picture loading: a LibreOffice metafile parsed and replayed, the same drawn on a label-sized
// image, a JPEG photo of one megapixel read through the bounded loader and through a bare QImage
// for comparison, and the hostile pictures of the tests (written by their python3 scripts), each
// loaded or refused within the work budget.
#include "platform/PainterSurface.h"
#include "platform/WmfPlayer.h"
#include "platform/QtPictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace brevmark;

namespace {

QByteArray metafile() {
    QFile file(QStringLiteral(BREVMARK_SOURCE_DIR "/tests/platform/data/lo-shapes.wmf"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray photo() {
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

void BM_WmfLoad(benchmark::State& state) {
    const QByteArray bytes = metafile();
    for (auto _ : state)
        benchmark::DoNotOptimize(WmfPlayer::load(bytes));
}
BENCHMARK(BM_WmfLoad);

void BM_WmfDraw(benchmark::State& state) {
    const Picture picture = WmfPlayer::load(metafile());
    QImage image(300, 150, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PainterSurface surface(&painter, 96);
        surface.drawPicture(picture, QRectF(0, 0, 4500, 2250));
    }
}
BENCHMARK(BM_WmfDraw);

void BM_JpegBoundedLoader(benchmark::State& state) {
    const QByteArray bytes = photo();
    const QtPictureLoader loader;
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.loadBytes(bytes));
}
BENCHMARK(BM_JpegBoundedLoader)->Unit(benchmark::kMillisecond);

void BM_JpegBareQImage(benchmark::State& state) {
    const QByteArray bytes = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(QImage::fromData(bytes, "JPEG"));
}
BENCHMARK(BM_JpegBareQImage)->Unit(benchmark::kMillisecond);

// The hostile pictures, written once into a folder that lives as long as the benchmark.
const QString& hostileFolder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        for (const char* script : {"hostile_metafiles.py", "hostile_rasters.py"})
            QProcess::execute(QStringLiteral("python3"),
                              {QStringLiteral(BREVMARK_SOURCE_DIR "/tests/platform/fixtures/") +
                                   QLatin1String(script),
                               folder.path()});
        return true;
    }();
    static const QString path = written ? folder.path() : QString();
    return path;
}

void BM_HostilePicture(benchmark::State& state, const char* name) {
    const QString path = hostileFolder() + QLatin1Char('/') + QLatin1String(name);
    if (!QFile::exists(path)) {
        state.SkipWithError("python3 did not write the hostile pictures");
        return;
    }
    const QtPictureLoader loader;
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.load(path));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const char* name :
         {"many-objects.wmf", "full-object-table.wmf", "many-clips.wmf", "busy-clips.wmf",
          "many-records.wmf", "many-saves.wmf", "many-points.wmf", "many-texts.wmf",
          "many-blits.wmf", "largest-gif.gif"})
        benchmark::RegisterBenchmark((std::string("BM_HostilePicture/") + name).c_str(),
                                     BM_HostilePicture, name)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
