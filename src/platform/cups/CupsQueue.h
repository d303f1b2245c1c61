#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QPair>
#include <QRectF>
#include <QString>
#include <optional>

namespace brevmark {

// A print queue of the CUPS scheduler this process reaches (CUPS_SERVER, else the system's), with
// what a document for it needs: the media it prints on now, the part of it the printer can ink,
// the resolution of its dots, and the options the user chose for it with lpoptions.
struct CupsQueue {
    QString name;
    // The queue's current media: the user's lpoptions choice, else the queue's default (its PPD's
    // PageSize, or the IPP media-col-default of a queue without a PPD); A4 when it names none.
    QPageSize media;
    // Where the printer can ink, in twips from the media's top-left corner; the whole media when
    // the queue names no margins.
    QRectF printableArea;
    // The resolution the queue prints at now (its PPD's Resolution, or printer-resolution);
    // 0 when the queue does not tell.
    int dotsPerInch = 0;
    QList<int> resolutions; // dots per inch offered, as the queue lists them
    // The destination's options (lpoptions and the queue's defaults), sent with every job, as lp
    // does.
    QList<QPair<QByteArray, QByteArray>> options;

    // A paper the queue offers (its PPD's page sizes, or the IPP media it supports), by the name
    // a job asks for it with.
    struct OfferedMedia {
        QByteArray name;
        QPageSize size;
        QRectF printableArea; // twips from the paper's top-left corner
    };
    QList<OfferedMedia> offeredMedia;
    // Whether the queue's PPD asks for media by PageSize (else by the IPP media keyword), and the
    // range of custom sizes it takes, in points (empty when it takes none).
    bool pageSizeByPpd = false;
    QSizeF customMinimum;
    QSizeF customMaximum;
    QMarginsF customMargins; // twips

    // The named queue, or the default one for an empty name (the user's lpoptions, LPDEST and
    // PRINTER count, as for lp). Nothing, with the reason in *error, when there is no such
    // queue, no default, or no scheduler to ask.
    static std::optional<CupsQueue> find(const QString& name, QString* error);

    // The resolution documents for the queue are drawn at: its own, else the one PrinterDot
    // chooses among those it offers.
    int dotResolution() const;

    // Asks for paper of this size (in points, either way up) instead of the current media: the
    // offered paper of that size (within a point), else a custom size when the queue takes one.
    // The media, printable area and job options follow; false, with the queue unchanged, when the
    // queue offers no such paper, and true, asking for it all the same, when it names none at all.
    bool requestPaper(const QSizeF& points);

    // Sends a PDF file to the queue as one job, with the queue's options and no scaling, so
    // that the document's pages land on the media as drawn; the job's number, or 0 with the
    // reason in *error.
    int submit(const QString& pdfPath, const QString& title, QString* error) const;
};

} // namespace brevmark
