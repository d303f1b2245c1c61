// brevmark-batch: prints a saved layout or barcode format without the window, on the model
// libraries alone. It needs no display: it always draws on Qt's offscreen platform.

#include "alignment/TemplateDatabase.h"
#include "batch/BatchConsole.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchSheets.h"
#include "platform/DataLocation.h"
#include "platform/FontMetricsTwips.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "platform/ReadOnlyFileSystem.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <variant>

namespace {

// Standard error carries the command's own messages; Qt's notes about its environment (no
// runtime folder, no session) are kept out unless BREVMARK_BATCH_DEBUG is set.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    static const bool debugging = qEnvironmentVariableIsSet("BREVMARK_BATCH_DEBUG");
    if (!debugging && type != QtCriticalMsg && type != QtFatalMsg)
        return;
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

void writeOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    using namespace brevmark;
    // No window is ever shown, so no display is needed, whatever the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessage);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("brevmark-batch"));
    QGuiApplication::setApplicationVersion(QStringLiteral(BREVMARK_VERSION));
    installFontSubstitutions();

    BatchConsole console;
    std::variant<BatchOptions, BatchFailure> parsed =
        BatchOptions::parse(QGuiApplication::arguments().mid(1));
    if (const BatchFailure* failure = std::get_if<BatchFailure>(&parsed)) {
        console.error(failure->message);
        return int(failure->exit);
    }
    const BatchOptions& options = std::get<BatchOptions>(parsed);
    if (options.command == BatchOptions::Command::Help) {
        writeOut(BatchOptions::usage());
        return 0;
    }
    if (options.command == BatchOptions::Command::Version) {
        writeOut(BatchOptions::version() + QLatin1Char('\n'));
        return 0;
    }
    if (options.command == BatchOptions::Command::ListSheets) {
        const TemplateDatabase database =
            TemplateDatabase::load(TemplateDatabase::standardFolders());
        for (const TemplateDatabase::Problem& p : database.problems())
            console.warning(QStringLiteral("略過 ") + p.file + QStringLiteral("：") + p.reason);
        std::variant<QString, BatchFailure> listed =
            BatchSheets::list(database, options.sheetSearch);
        if (const BatchFailure* failure = std::get_if<BatchFailure>(&listed)) {
            console.error(failure->message);
            return int(failure->exit);
        }
        writeOut(std::get<QString>(listed));
        return 0;
    }

    const DataLocation location = options.dataFolder.isEmpty()
                                      ? DataLocation::forThisProcess()
                                      : DataLocation(QDir(options.dataFolder).absolutePath());
    LocalFileSystem disk;
    // The data files are only read: nothing here may write, rename or repair them.
    ReadOnlyFileSystem files(disk);
    QtPictureLoader pictures;
    BatchRun run(options, location, files, pictures, console);
    return int(run.run());
}
