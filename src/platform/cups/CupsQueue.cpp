#include "platform/cups/CupsQueue.h"

#include <QFile>
#include <QSizeF>

#include <cups/cups.h>

#include <memory>

namespace brevmark {

namespace {

struct DestinationDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

QString lastError() {
    return QString::fromUtf8(cupsLastErrorString());
}

// The media the queue prints on when a job names none: the user's own choice (lpoptions), else
// the queue's media-default (from its PPD's default page size, as Qt's print support reads it).
// cupsGetDestMediaDefault alone would fall back to US Letter whatever the queue says.
QPageSize defaultMedia(cups_dest_t* dest, cups_dinfo_t* info) {
    cups_size_t size{};
    QByteArray media = cupsGetOption("media", dest->num_options, dest->options);
    if (media.isEmpty() && info)
        if (ipp_attribute_t* fallback = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media"))
            media = ippGetString(fallback, 0, nullptr);
    const bool found =
        info &&
        (media.isEmpty() ? cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info,
                                                   CUPS_MEDIA_FLAGS_DEFAULT, &size)
                         : cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, media.constData(),
                                                  CUPS_MEDIA_FLAGS_DEFAULT, &size));
    if (found && size.width > 0 && size.length > 0) {
        // Hundredths of a millimetre; a size Qt knows keeps its name.
        return QPageSize(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter,
                         QString(), QPageSize::FuzzyMatch);
    }
    return QPageSize(QPageSize::A4);
}

QList<int> offeredResolutions(cups_dest_t* dest, cups_dinfo_t* info) {
    QList<int> list;
    if (!info)
        return list;
    ipp_attribute_t* offered =
        cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
    for (int i = 0; offered && i < ippGetCount(offered); ++i) {
        int y = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int x = ippGetResolution(offered, i, &y, &units);
        const int dpi = units == IPP_RES_PER_CM ? qRound(x * 2.54) : x;
        if (dpi > 0 && !list.contains(dpi))
            list.append(dpi);
    }
    return list;
}

} // namespace

std::optional<CupsQueue> CupsQueue::find(const QString& name, QString* error) {
    const QByteArray wanted = name.toUtf8();
    std::unique_ptr<cups_dest_t, DestinationDeleter> dest(cupsGetNamedDest(
        CUPS_HTTP_DEFAULT, name.isEmpty() ? nullptr : wanted.constData(), nullptr));
    if (!dest) {
        *error = lastError();
        return std::nullopt;
    }
    std::unique_ptr<cups_dinfo_t, InfoDeleter> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    CupsQueue queue;
    queue.name = QString::fromUtf8(dest->name);
    queue.media = defaultMedia(dest.get(), info.get());
    queue.resolutions = offeredResolutions(dest.get(), info.get());
    return queue;
}

int CupsQueue::submit(const QString& pdfPath, const QString& title, QString* error) const {
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.toUtf8().constData(),
                                   QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job == 0)
        *error = lastError();
    return job;
}

} // namespace brevmark
