// Brevmark installed like a desktop program: `cmake --install` into a temporary prefix puts both
// executables, the desktop entry, the icon, the metainfo and the manual pages where desktops look
// for them, the desktop's validators accept them, the installed batch command prints (keeping its
// data in ~/.local/share/Brevmark when its own folder is read-only), and the Debian package holds
// the same files and names its dependencies.
#include "BatchLabels.h"
#include "BatchProcess.h"

#include "support/FixtureScript.h"
#include "support/PrintedPageReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace brevmark::test {
namespace {

const QString appId = QStringLiteral("org.brevmark.Brevmark");
const QList<int> iconSizes = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// The installed files, relative to the prefix.
QStringList expectedFiles() {
    QStringList files{QStringLiteral("bin/brevmark"),
                      QStringLiteral("bin/brevmark-batch"),
                      QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"),
                      QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml"),
                      QStringLiteral("share/icons/hicolor/scalable/apps/") + appId +
                          QStringLiteral(".svg"),
                      QStringLiteral("share/man/man1/brevmark.1.gz"),
                      QStringLiteral("share/man/man1/brevmark-batch.1.gz")};
    for (int size : iconSizes)
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + appId +
                     QStringLiteral(".png");
    files.sort();
    return files;
}

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    ToolRun r;
    if (!p.waitForFinished(300000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"desktop-file-validate", "appstreamcli", "dpkg-deb", "man"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing (scripts/install-deps.sh installs it)";
        ASSERT_TRUE(work.isValid());
        // Everyone may pass through, for the run as another user below.
        QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther |
                                               QFile::ReadGroup | QFile::ExeGroup);
        const ToolRun install =
            run(QStringLiteral(BREVMARK_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(BREVMARK_BINARY_DIR),
                 QStringLiteral("--prefix"), prefix()});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }
    QString prefix() const { return work.filePath(QStringLiteral("prefix")); }
    QString installed(const QString& relative) const {
        return prefix() + QLatin1Char('/') + relative;
    }

    QTemporaryDir work;
};

TEST_F(Installed, EveryFileGoesToItsStandardPlace) {
    EXPECT_EQ(filesUnder(prefix()), expectedFiles());
    for (const QString& program :
         {QStringLiteral("bin/brevmark"), QStringLiteral("bin/brevmark-batch")})
        EXPECT_TRUE(QFileInfo(installed(program)).isExecutable()) << program.toStdString();
    for (int size : iconSizes) {
        const QImage icon(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) +
                                    appId + QStringLiteral(".png")));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
}

TEST_F(Installed, TheDesktopsValidatorsAcceptTheEntryAndTheMetainfo) {
    const ToolRun desktop = run(
        QStringLiteral("desktop-file-validate"),
        {installed(QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"))});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_EQ(desktop.output, QString()) << "not even a hint";
    const ToolRun metainfo = run(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         installed(QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml"))});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();

    // The manual pages read without a warning and describe their command.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("100"));
    for (const char* page : {"brevmark", "brevmark-batch"}) {
        const ToolRun man = run(
            QStringLiteral("man"),
            {QStringLiteral("--warnings"), QStringLiteral("-l"),
             installed(QStringLiteral("share/man/man1/%1.1.gz").arg(QString::fromLatin1(page)))},
            env);
        EXPECT_EQ(man.exitCode, 0) << page;
        EXPECT_FALSE(man.output.contains(QStringLiteral("warning:"))) << man.output.toStdString();
        EXPECT_TRUE(man.output.contains(QStringLiteral("SYNOPSIS"))) << page;
    }
}

TEST_F(Installed, TheInstalledBatchCommandPrintsAPdf) {
    runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"),
                     {work.filePath(QStringLiteral("data"))});
    const QString pdf = work.filePath(QStringLiteral("out.pdf"));
    const BatchResult r = runBatch(
        {QStringLiteral("--data"), work.filePath(QStringLiteral("data")), QStringLiteral("layout"),
         QStringLiteral("三個標籤"), QStringLiteral("--output"), pdf},
        headlessEnvironment(), installed(QStringLiteral("bin/brevmark-batch")));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    if (!printed::missingTools().isEmpty())
        return;
    const ReadLabels read = readLabels(pdf,
                                       {{0, QRectF(300, 300, 3600, 900)},
                                        {0, QRectF(4200, 300, 3600, 900)},
                                        {0, QRectF(300, 1500, 3600, 900)}},
                                       work.path());
    EXPECT_EQ(read.zbar, (QStringList{"LAY-A1", "LAY-B2", "LAY-C3"}));
    EXPECT_EQ(read.zxing, (QStringList{"LAY-A1", "LAY-B2", "LAY-C3"}));
}

TEST_F(Installed, AReadOnlyInstallationKeepsItsDataInTheUsersDataFolder) {
    // The data where an installed copy looks: ~/.local/share/Brevmark of a home of the test's.
    const QString home = work.filePath(QStringLiteral("home"));
    runFixtureScript(QStringLiteral("tests/batch/fixtures/batch_data.py"),
                     {home + QStringLiteral("/.local/share/Brevmark")});
    const QString out = work.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(out, everyone | QFile::WriteGroup | QFile::WriteOther);
    QDirIterator it(work.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).isDir() && path != out)
            QFile::setPermissions(path, everyone);
    }
    // The program's own folder cannot be written.
    const QString bin = installed(QStringLiteral("bin"));
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);

    QProcessEnvironment env = headlessEnvironment();
    env.remove(QStringLiteral("BREVMARK_HOME"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.insert(QStringLiteral("HOME"), home);
    QString program = installed(QStringLiteral("bin/brevmark-batch"));
    QStringList arguments{QStringLiteral("layout"), QStringLiteral("三個標籤"),
                          QStringLiteral("--output"), out + QStringLiteral("/labels.pdf")};
    // Root writes into any folder: the command runs as nobody then, for whom the folder is
    // read-only as for any user of an installed copy.
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            GTEST_SKIP() << "running as root without setpriv";
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), program} +
                    arguments;
        program = setpriv;
    }
    const QStringList homeBefore = filesUnder(home);
    const BatchResult r = runBatch(arguments, env, program);
    QFile::setPermissions(bin, everyone | QFile::WriteOwner);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/labels.pdf")));
    EXPECT_EQ(filesUnder(home), homeBefore);
    EXPECT_EQ(filesUnder(bin), (QStringList{"brevmark", "brevmark-batch"}));
}

TEST_F(Installed, TheDebianPackageHoldsTheFilesAndNamesItsDependencies) {
    const QString packages = work.filePath(QStringLiteral("packages"));
    const ToolRun cpack =
        run(QStringLiteral(BREVMARK_CPACK),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), packages,
             QStringLiteral("--config"), QStringLiteral(BREVMARK_BINARY_DIR "/CPackConfig.cmake")});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.output.toStdString();
    const QStringList debs = QDir(packages).entryList({QStringLiteral("*.deb")}, QDir::Files);
    ASSERT_EQ(debs.size(), 1);
    EXPECT_TRUE(debs[0].startsWith(QStringLiteral("brevmark_0.1.0_"))) << debs[0].toStdString();
    const QString deb = packages + QLatin1Char('/') + debs[0];

    const ToolRun contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
    ASSERT_EQ(contents.exitCode, 0);
    QStringList listed;
    for (const QString& line : contents.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QLatin1Char('d')))
            listed << line.section(QStringLiteral("./usr/"), 1);
    listed.sort();
    EXPECT_EQ(listed, expectedFiles());

    const ToolRun depends =
        run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    for (const char* package :
         {"libqt6gui6", "libqt6widgets6", "libcups2", "fonts-arphic-uming"})
        EXPECT_TRUE(depends.output.contains(QString::fromLatin1(package)))
            << package << " in " << depends.output.toStdString();
    const ToolRun recommends =
        run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Recommends")});
    for (const char* package : {"cups", "glabels-data"})
        EXPECT_TRUE(recommends.output.contains(QString::fromLatin1(package)))
            << package << " in " << recommends.output.toStdString();
}

} // namespace
} // namespace brevmark::test
