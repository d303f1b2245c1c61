#include "support/PrivateCupsScheduler.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>

#include <signal.h>
#include <sys/prctl.h>

namespace brevmark::test {

namespace {

const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
// Debian's ServerBin: filters, CGI programs and helpers come from there; backends are our own.
const QString systemServerBin = QStringLiteral("/usr/lib/cups");
const QStringList ppdCandidates = {QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
                                   QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd")};
const QString backendName = QStringLiteral("brevmark-pdf");
// Variables through which libcups finds a scheduler and a default destination. LPDEST and
// PRINTER would name a destination of the machine's own, so they go while ours runs.
// HOME holds the user's lpoptions of a user other than root, so it moves into the folder too.
const QList<QByteArray> clientVariables = {"CUPS_SERVER", "CUPS_SERVERROOT", "LPDEST", "PRINTER",
                                           "HOME"};
const QString captureName = QStringLiteral("brevmark-capture");

struct Run {
    int exitCode = -1;
    QByteArray output;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
        int timeoutMs = 30000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(5000))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return r;
    }
    r.output = p.readAll();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

bool writeFile(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

// Unix socket paths are short (108 bytes), so a long TMPDIR gives way to /tmp.
QString temporaryBase() {
    const QString base = QDir::tempPath();
    return base.size() > 60 ? QStringLiteral("/tmp") : base;
}

// A program of the CUPS client, also when /usr/sbin is not on the search path.
QString tool(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin")})
                           : found;
}

QString ppdFile() {
    for (const QString& ppd : ppdCandidates)
        if (QFileInfo::exists(ppd))
            return ppd;
    return {};
}

} // namespace

PrivateCupsScheduler::PrivateCupsScheduler() = default;

PrivateCupsScheduler::~PrivateCupsScheduler() {
    stop();
}

QString PrivateCupsScheduler::queueName() {
    return QStringLiteral("BrevmarkPDF");
}

QString PrivateCupsScheduler::path(const QString& relative) const {
    return root_ + QLatin1Char('/') + relative;
}

QString PrivateCupsScheduler::socketPath() const {
    return path(QStringLiteral("cups.sock"));
}

QString PrivateCupsScheduler::outputFolder(const QString& queue) const {
    return path(queue.isEmpty() ? QStringLiteral("out") : QStringLiteral("out-") + queue);
}

bool PrivateCupsScheduler::isRunning() const {
    return cupsd_.state() == QProcess::Running;
}

QString PrivateCupsScheduler::errorLog() const {
    QFile f(path(QStringLiteral("log/error_log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool PrivateCupsScheduler::writeConfiguration(QString* why) {
    const QString files = QStringLiteral("ServerRoot %1\n"
                                         "ServerBin %2\n"
                                         "RequestRoot %3\n"
                                         "TempDir %3/tmp\n"
                                         "CacheDir %4\n"
                                         "StateDir %5\n"
                                         "ErrorLog %6/error_log\n"
                                         "AccessLog %6/access_log\n"
                                         "PageLog %6/page_log\n"
                                         "CreateSelfSignedCerts no\n")
                              .arg(path(QStringLiteral("etc")), path(QStringLiteral("bin")),
                                   path(QStringLiteral("spool")), path(QStringLiteral("cache")),
                                   path(QStringLiteral("run")), path(QStringLiteral("log")));
    // Only the socket, nothing on the network; anyone on it may print and administer, since it
    // lives in a folder of its own.
    const QString daemon = QStringLiteral("Listen %1\n"
                                          "Browsing No\n"
                                          "BrowseLocalProtocols none\n"
                                          "WebInterface No\n"
                                          "LogLevel info\n"
                                          "MaxLogSize 0\n"
                                          "DefaultAuthType None\n"
                                          "<Location />\n"
                                          "  Order allow,deny\n"
                                          "  Allow all\n"
                                          "</Location>\n"
                                          "<Policy default>\n"
                                          "  <Limit All>\n"
                                          "    Order allow,deny\n"
                                          "    Allow all\n"
                                          "  </Limit>\n"
                                          "</Policy>\n")
                               .arg(socketPath());
    if (!writeFile(path(QStringLiteral("etc/cups-files.conf")), files) ||
        !writeFile(path(QStringLiteral("etc/cupsd.conf")), daemon)) {
        *why = QStringLiteral("cannot write the configuration into ") + root_;
        return false;
    }
    return true;
}

bool PrivateCupsScheduler::installBackend(QString* why) {
    for (const char* part : {"filter", "cgi-bin", "daemon", "notifier", "monitor", "driver"}) {
        const QString name = QString::fromLatin1(part);
        if (QFileInfo::exists(systemServerBin + QLatin1Char('/') + name) &&
            !QFile::link(systemServerBin + QLatin1Char('/') + name,
                         path(QStringLiteral("bin/") + name))) {
            *why = QStringLiteral("cannot link ") + name;
            return false;
        }
    }
    // Owner only: a root scheduler runs such a backend as root (the output folder is root's), any
    // other as its own user.
    const QList<QPair<QString, QString>> backends = {
        {QStringLiteral(BREVMARK_CUPS_BACKEND), backendName},
        {QStringLiteral(BREVMARK_CUPS_CAPTURE), captureName}};
    for (const auto& [source, name] : backends) {
        const QString backend = path(QStringLiteral("bin/backend/") + name);
        if (!QFile::copy(source, backend) ||
            !QFile::setPermissions(backend,
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            *why = QStringLiteral("cannot install the backend ") + backend;
            return false;
        }
    }
    return true;
}

void PrivateCupsScheduler::pointProcessHere() {
    saved_.clear();
    for (const QByteArray& name : clientVariables)
        saved_.append(
            {name, qEnvironmentVariableIsSet(name.constData()), qgetenv(name.constData())});
    qputenv("CUPS_SERVER", socketPath().toLocal8Bit());
    // The client's own configuration (client.conf, lpoptions) is read from there, not from /etc.
    qputenv("CUPS_SERVERROOT", path(QStringLiteral("etc")).toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
}

QProcessEnvironment PrivateCupsScheduler::clientEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    env.insert(QStringLiteral("CUPS_SERVERROOT"), path(QStringLiteral("etc")));
    env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    env.remove(QStringLiteral("LPDEST"));
    env.remove(QStringLiteral("PRINTER"));
    return env;
}

bool PrivateCupsScheduler::addDriverQueue(const QString& name, const QString& model,
                                          const QStringList& defaults, QString* why) {
    const QString folder = outputFolder(name);
    QDir().mkpath(folder);
    QStringList args{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                     captureName + QLatin1Char(':') + folder, QStringLiteral("-m"), model,
                     QStringLiteral("-o"), QStringLiteral("printer-error-policy=abort-job")};
    for (const QString& option : defaults)
        args << QStringLiteral("-o") << option;
    const Run add = run(tool(QStringLiteral("lpadmin")), args, clientEnvironment());
    if (add.exitCode != 0) {
        *why = QStringLiteral("lpadmin could not add the queue: ") + QString::fromUtf8(add.output);
        return false;
    }
    return true;
}

bool PrivateCupsScheduler::makeDefault(const QString& queue, QString* why) {
    const Run set = run(tool(QStringLiteral("lpadmin")), {QStringLiteral("-d"), queue},
                        clientEnvironment());
    if (set.exitCode != 0) {
        *why = QStringLiteral("lpadmin -d failed: ") + QString::fromUtf8(set.output);
        return false;
    }
    return true;
}

bool PrivateCupsScheduler::setUserOptions(const QString& queue, const QStringList& options,
                                          QString* why) {
    QStringList args{QStringLiteral("-p"), queue};
    for (const QString& option : options)
        args << QStringLiteral("-o") << option;
    const Run set = run(tool(QStringLiteral("lpoptions")), args, clientEnvironment());
    if (set.exitCode != 0) {
        *why = QStringLiteral("lpoptions failed: ") + QString::fromUtf8(set.output);
        return false;
    }
    return true;
}

QByteArray PrivateCupsScheduler::waitForPrinterData(const QString& queue, int timeoutMs) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < timeoutMs) {
        QStringList jobs =
            QDir(outputFolder(queue)).entryList({QStringLiteral("job-*.prn")}, QDir::Files);
        auto id = [](const QString& name) { return name.mid(4, name.size() - 8).toInt(); };
        std::sort(jobs.begin(), jobs.end(),
                  [&](const QString& a, const QString& b) { return id(a) < id(b); });
        for (const QString& name : jobs) {
            const QString file = outputFolder(queue) + QLatin1Char('/') + name;
            if (returned_.contains(file))
                continue;
            returned_.insert(file);
            QFile f(file);
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        if (!isRunning())
            return {};
        QThread::msleep(200);
    }
    return {};
}

void PrivateCupsScheduler::restoreProcessEnvironment() {
    for (const SavedVariable& v : saved_) {
        if (v.wasSet)
            qputenv(v.name.constData(), v.value);
        else
            qunsetenv(v.name.constData());
    }
    saved_.clear();
}

bool PrivateCupsScheduler::waitUntilListening(int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < timeoutMs) {
        if (!isRunning())
            return false;
        if (QFileInfo::exists(socketPath()) &&
            run(tool(QStringLiteral("lpstat")), {QStringLiteral("-r")}, env)
                .output.contains("is running"))
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool PrivateCupsScheduler::addDefaultQueue(QString* why) {
    return addQueue(queueName(), true, why);
}

bool PrivateCupsScheduler::addQueue(const QString& name, QString* why) {
    return addQueue(name, false, why);
}

bool PrivateCupsScheduler::addQueue(const QString& name, bool asDefault, QString* why) {
    const QString folder = outputFolder(asDefault ? QString() : name);
    QDir().mkpath(folder);
    const Run add =
        run(tool(QStringLiteral("lpadmin")),
            {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
             backendName + QLatin1Char(':') + folder, QStringLiteral("-P"), ppdFile(),
             QStringLiteral("-o"), QStringLiteral("printer-error-policy=abort-job")},
            clientEnvironment());
    if (add.exitCode != 0) {
        *why = QStringLiteral("lpadmin could not add the queue: ") + QString::fromUtf8(add.output);
        return false;
    }
    return !asDefault || makeDefault(queueName(), why);
}

QString PrivateCupsScheduler::missingParts() {
    if (!QFileInfo(cupsd).isExecutable())
        return QStringLiteral("cupsd is not installed (Debian cups-daemon)");
    for (const char* program : {"lpadmin", "lpstat", "gs"})
        if (tool(QString::fromLatin1(program)).isEmpty())
            return QString::fromLatin1(program) + QStringLiteral(" is not installed");
    if (ppdFile().isEmpty())
        return QStringLiteral("the cups-pdf PPD is not installed (printer-driver-cups-pdf)");
    if (!QFileInfo::exists(systemServerBin + QStringLiteral("/filter/pdftops")))
        return QStringLiteral("the CUPS filters are not installed (cups-filters)");
    return {};
}

bool PrivateCupsScheduler::start(QString* why) {
    if (isRunning())
        return true;
    *why = missingParts();
    if (!why->isEmpty())
        return false;

    root_ = temporaryBase() +
            QStringLiteral("/brevmark-cups-%1").arg(QCoreApplication::applicationPid());
    QDir(root_).removeRecursively(); // left by an earlier process of the same number
    for (const char* folder :
         {"etc/ppd", "bin/backend", "spool/tmp", "cache", "run", "log", "out", "home"})
        QDir().mkpath(path(QString::fromLatin1(folder)));
    // A root scheduler runs its filters as the user lp, which must reach the spool and the PPD.
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(root_, open);
    QFile::setPermissions(path(QStringLiteral("bin")), open);
    QFile::setPermissions(path(QStringLiteral("bin/backend")), open);
    if (!writeConfiguration(why) || !installBackend(why))
        return false;

    cupsd_.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    // A test that dies (a crash, a time-out) takes its scheduler with it.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.setStandardOutputFile(QProcess::nullDevice());
    cupsd_.setStandardErrorFile(path(QStringLiteral("log/cupsd.out")));
    cupsd_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                         path(QStringLiteral("etc/cupsd.conf")), QStringLiteral("-s"),
                         path(QStringLiteral("etc/cups-files.conf"))});
    if (!cupsd_.waitForStarted(5000) || !waitUntilListening(20000)) {
        *why = QStringLiteral("the private cupsd did not start: ") + errorLog();
        stop();
        return false;
    }
    if (!addDefaultQueue(why)) {
        stop();
        return false;
    }
    pointProcessHere();
    returned_.clear();
    return true;
}

void PrivateCupsScheduler::stop() {
    if (isRunning()) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(2000);
        }
    }
    restoreProcessEnvironment();
    if (!root_.isEmpty() && qEnvironmentVariableIsEmpty("BREVMARK_KEEP_CUPS"))
        QDir(root_).removeRecursively();
}

QString PrivateCupsScheduler::waitForPdf(int timeoutMs, const QString& queue) {
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < timeoutMs) {
        QStringList pdfs =
            QDir(outputFolder(queue)).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
        // In the order the jobs were sent: job-<id>.pdf by id.
        auto id = [](const QString& name) { return name.mid(4, name.size() - 8).toInt(); };
        std::sort(pdfs.begin(), pdfs.end(),
                  [&](const QString& a, const QString& b) { return id(a) < id(b); });
        for (const QString& name : pdfs) {
            if (returned_.contains(name))
                continue;
            returned_.insert(name);
            const QString pdf = outputFolder(queue) + QLatin1Char('/') + name;
            const QString keep = qEnvironmentVariable("BREVMARK_KEEP_PRINTS");
            if (!keep.isEmpty()) {
                const ::testing::TestInfo* test =
                    ::testing::UnitTest::GetInstance()->current_test_info();
                QString label = test ? QString::fromLatin1(test->test_suite_name()) +
                                           QLatin1Char('.') + QString::fromLatin1(test->name())
                                     : QStringLiteral("print");
                label.replace(QLatin1Char('/'), QLatin1Char('_'));
                QDir().mkpath(keep);
                const QString copy = keep + QLatin1Char('/') + label + QLatin1Char('-') + name;
                QFile::remove(copy);
                QFile::copy(pdf, copy);
            }
            return pdf;
        }
        if (!isRunning())
            return {};
        QThread::msleep(200);
    }
    return {};
}

} // namespace brevmark::test
