// Replays inputs through a fuzz target without libFuzzer: every file named on the command line,
// and every file of every folder named there (in name order), is passed to the target once. This
// is the main of every normal build, where ctest replays each target's committed corpus.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the targets that need to set something up once, as libFuzzer allows.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

bool replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qUtf8Printable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Named first, so that an input that breaks an invariant is named beside the message.
    std::printf("%s\n", qUtf8Printable(path));
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (path.startsWith(QLatin1Char('-')))
            continue; // a libFuzzer option
        const QFileInfo info(path);
        if (info.isDir()) {
            const QDir dir(path);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
                ok = replay(dir.filePath(name)) && ok;
                ++replayed;
            }
        } else {
            ok = replay(path) && ok;
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    // A corpus that has gone missing must not pass as an empty one.
    return ok && replayed > 0 ? 0 : 1;
}
