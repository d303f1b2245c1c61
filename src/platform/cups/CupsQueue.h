#pragma once

#include <QList>
#include <QPageSize>
#include <QString>
#include <optional>

namespace brevmark {

// A print queue of the CUPS scheduler this process reaches (CUPS_SERVER, else the system's), with
// what a document for it needs: its default media and the resolutions it offers.
struct CupsQueue {
    QString name;
    QPageSize media;        // the queue's default media; A4 when it names none
    QList<int> resolutions; // dots per inch offered, as the queue lists them

    // The named queue, or the default one for an empty name (the user's lpoptions, LPDEST and
    // PRINTER count, as for lp). Nothing, with the reason in *error, when there is no such
    // queue, no default, or no scheduler to ask.
    static std::optional<CupsQueue> find(const QString& name, QString* error);

    // Sends a PDF file to the queue as one job; the job's number, or 0 with the reason in
    // *error.
    int submit(const QString& pdfPath, const QString& title, QString* error) const;
};

} // namespace brevmark
