#pragma once

#include <QList>
#include <QProcess>
#include <QSet>
#include <QString>

namespace brevmark::test {

// A CUPS scheduler of the tests' own, so that printing tests go through real CUPS without
// touching the machine's printing: its configuration, socket, spool, cache, state and logs all
// live in one temporary folder, and its only queue, the default printer, uses the cups-pdf PPD
// with a backend that writes each job as a PDF into that folder. While it runs, this process
// (and so the program under test) reaches it through CUPS_SERVER and CUPS_SERVERROOT; the
// machine's own scheduler, its default printer and everything under /etc stay as they are.
//
// The folder and socket are named after the process, so tests in parallel processes never meet,
// and a scheduler started again in the same process is found at the same address.
class PrivateCupsScheduler {
public:
    PrivateCupsScheduler();
    ~PrivateCupsScheduler();
    PrivateCupsScheduler(const PrivateCupsScheduler&) = delete;
    PrivateCupsScheduler& operator=(const PrivateCupsScheduler&) = delete;

    static QString queueName();
    // Empty when the machine has every part (CUPS, its filters, the cups-pdf PPD, Ghostscript),
    // else what is missing.
    static QString missingParts();

    // Starts cupsd with the queue as its default printer and points this process at it; false
    // with the reason when it does not come up.
    bool start(QString* why);
    // Stops cupsd, restores this process's CUPS environment and removes the folder.
    void stop();
    bool isRunning() const;

    // Adds a further queue of that name, not the default, printing like the first into a folder
    // of its own (outputFolder(name)); false with the reason when lpadmin refuses it.
    bool addQueue(const QString& name, QString* why);

    // Adds a further queue of that name with a printer's own driver (a model lpinfo -m lists, such
    // as drv:///sample.drv/zebra.ppd) and queue defaults (lpadmin -o), whose backend keeps the
    // bytes the driver makes for the printer (outputFolder(name)); false with the reason when
    // lpadmin refuses it.
    bool addDriverQueue(const QString& name, const QString& model, const QStringList& defaults,
                        QString* why);
    // Makes a queue of this scheduler its default printer.
    bool makeDefault(const QString& queue, QString* why);
    // Sets the user's own options for a queue, as `lpoptions -p QUEUE -o ...` does; they live in
    // the scheduler's folder, which is this process's home while the scheduler runs.
    bool setUserOptions(const QString& queue, const QStringList& options, QString* why);
    // The next job a driver queue kept, once it is complete; empty on time-out.
    QByteArray waitForPrinterData(const QString& queue, int timeoutMs = 90000);

    QString socketPath() const;
    // Where the default queue, or the named further queue, writes its PDFs.
    QString outputFolder(const QString& queue = QString()) const;
    // The next PDF the queue wrote that was not returned before, once it is complete; empty on
    // time-out. With BREVMARK_KEEP_PRINTS naming a folder, a copy goes there too, named after the
    // running test.
    QString waitForPdf(int timeoutMs = 90000, const QString& queue = QString());
    // The scheduler's error log, to explain a job that went wrong.
    QString errorLog() const;

private:
    bool writeConfiguration(QString* why);
    bool installBackend(QString* why);
    bool waitUntilListening(int timeoutMs);
    bool addDefaultQueue(QString* why);
    bool addQueue(const QString& name, bool asDefault, QString* why);
    QString path(const QString& relative) const;
    void pointProcessHere();
    QProcessEnvironment clientEnvironment() const;
    void restoreProcessEnvironment();

    QString root_;
    QProcess cupsd_;
    QSet<QString> returned_;
    struct SavedVariable {
        QByteArray name;
        bool wasSet = false;
        QByteArray value;
    };
    QList<SavedVariable> saved_;
};

} // namespace brevmark::test
