#include "platform/cups/CupsQueue.h"

#include "common/Twips.h"
#include "platform/PrinterDot.h"

#include <QFile>
#include <QSizeF>

#include <cups/cups.h>
// The PPD interface is the only way to read a driver's page sizes and imageable areas as the
// scheduler and its filters use them; libcups marks it deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>

#include <cmath>
#include <memory>

namespace brevmark {

namespace {

struct DestinationDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};

QString lastError() {
    return QString::fromUtf8(cupsLastErrorString());
}

// "203dpi", "300x600dpi", "118dpcm": the horizontal dots per inch; 0 when it is none of these.
int parseResolution(const QByteArray& text) {
    const bool perCm = text.endsWith("dpcm");
    if (!perCm && !text.endsWith("dpi"))
        return 0;
    const int value = text.left(text.indexOf(perCm ? "dpcm" : "dpi")).split('x').value(0).toInt();
    return perCm ? qRound(value * 2.54) : value;
}

// A size in points (PPD) or hundredths of a millimetre (IPP) as a page size; a size Qt knows keeps
// its name.
QPageSize pageSizeOf(QSizeF size, QPageSize::Unit unit) {
    return QPageSize(size, unit, QString(), QPageSize::FuzzyMatch);
}

struct Media {
    QPageSize size;
    QRectF printable; // twips
};

// A PPD page size as media: its size and imageable area (PPD coordinates run up from the
// bottom-left corner, in points).
Media mediaOf(const ppd_size_t& size) {
    Media media;
    media.size = pageSizeOf(QSizeF(size.width, size.length), QPageSize::Point);
    const double p = twips::perPoint;
    media.printable = QRectF(QPointF(size.left * p, (size.length - size.top) * p),
                             QPointF(size.right * p, (size.length - size.bottom) * p));
    if (!media.printable.isValid())
        media.printable = QRectF(QPointF(0, 0), QSizeF(size.width * p, size.length * p));
    return media;
}

// An IPP media size (hundredths of a millimetre, with its margins) as media.
Media mediaOf(const cups_size_t& size) {
    Media media;
    media.size = pageSizeOf(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter);
    const double perUnit = twips::perInch / 2540.0;
    media.printable =
        QRectF(QPointF(size.left * perUnit, size.top * perUnit),
               QPointF((size.width - size.right) * perUnit, (size.length - size.bottom) * perUnit));
    return media;
}

// The media the queue's PPD marks after its defaults and the destination's options (lpoptions,
// media or PageSize): its size and imageable area. Nothing when the queue has no PPD.
std::optional<Media> ppdMedia(ppd_file_t* ppd) {
    ppd_size_t* size = ppd ? ppdPageSize(ppd, nullptr) : nullptr;
    if (!size || size->width <= 0 || size->length <= 0)
        return std::nullopt;
    return mediaOf(*size);
}

int ppdResolution(ppd_file_t* ppd) {
    if (!ppd)
        return 0;
    if (ppd_choice_t* marked = ppdFindMarkedChoice(ppd, "Resolution"))
        if (const int dpi = parseResolution(marked->choice))
            return dpi;
    if (ppd_attr_t* fallback = ppdFindAttr(ppd, "DefaultResolution", nullptr))
        return parseResolution(fallback->value);
    return 0;
}

int integerMember(ipp_t* collection, const char* name) {
    ipp_attribute_t* member = collection ? ippFindAttribute(collection, name, IPP_TAG_INTEGER)
                                         : nullptr;
    return member ? ippGetInteger(member, 0) : 0;
}

// The media of a queue without a PPD: the user's media choice when the queue knows its size, else
// media-col-default; margins from media-col-default.
std::optional<Media> ippMedia(cups_dest_t* dest, cups_dinfo_t* info) {
    if (!info)
        return std::nullopt;
    ipp_attribute_t* col = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media-col");
    ipp_t* defaults = col ? ippGetCollection(col, 0) : nullptr;
    ipp_attribute_t* sizeAttr =
        defaults ? ippFindAttribute(defaults, "media-size", IPP_TAG_BEGIN_COLLECTION) : nullptr;
    ipp_t* size = sizeAttr ? ippGetCollection(sizeAttr, 0) : nullptr;
    double width = integerMember(size, "x-dimension");
    double length = integerMember(size, "y-dimension");
    double left = integerMember(defaults, "media-left-margin");
    double right = integerMember(defaults, "media-right-margin");
    double top = integerMember(defaults, "media-top-margin");
    double bottom = integerMember(defaults, "media-bottom-margin");
    if (const char* chosen = cupsGetOption("media", dest->num_options, dest->options)) {
        cups_size_t named{};
        if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, chosen, CUPS_MEDIA_FLAGS_DEFAULT,
                                   &named) &&
            named.width > 0 && named.length > 0) {
            width = named.width;
            length = named.length;
            left = named.left;
            right = named.right;
            top = named.top;
            bottom = named.bottom;
        }
    }
    if (width <= 0 || length <= 0)
        return std::nullopt;
    cups_size_t chosenSize{};
    chosenSize.width = int(width);
    chosenSize.length = int(length);
    chosenSize.left = int(left);
    chosenSize.right = int(right);
    chosenSize.top = int(top);
    chosenSize.bottom = int(bottom);
    return mediaOf(chosenSize);
}

int ippResolution(cups_dest_t* dest, cups_dinfo_t* info) {
    if (const char* chosen = cupsGetOption("printer-resolution", dest->num_options, dest->options))
        if (const int dpi = parseResolution(chosen))
            return dpi;
    ipp_attribute_t* fallback =
        info ? cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution") : nullptr;
    if (!fallback)
        return 0;
    int y = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int x = ippGetResolution(fallback, 0, &y, &units);
    return units == IPP_RES_PER_CM ? qRound(x * 2.54) : x;
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

// The page sizes of the queue's PPD (custom sizes aside), or the media its IPP attributes offer.
QList<CupsQueue::OfferedMedia> mediaOffered(ppd_file_t* ppd, cups_dest_t* dest,
                                            cups_dinfo_t* info) {
    QList<CupsQueue::OfferedMedia> list;
    if (ppd) {
        for (int i = 0; i < ppd->num_sizes; ++i) {
            const ppd_size_t& size = ppd->sizes[i];
            if (size.width <= 0 || size.length <= 0 || QByteArray(size.name).startsWith("Custom"))
                continue;
            const Media media = mediaOf(size);
            list.append({QByteArray(size.name), media.size, media.printable});
        }
        return list;
    }
    const int count =
        info ? cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_FLAGS_DEFAULT) : 0;
    for (int i = 0; i < count; ++i) {
        cups_size_t size{};
        if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info, i, CUPS_MEDIA_FLAGS_DEFAULT,
                                     &size) ||
            size.width <= 0 || size.length <= 0)
            continue;
        const Media media = mediaOf(size);
        list.append({QByteArray(size.media), media.size, media.printable});
    }
    return list;
}

// The same paper, either way up, to within a point.
bool samePaper(const QSizeF& a, const QSizeF& b) {
    const QSizeF portraitA(std::min(a.width(), a.height()), std::max(a.width(), a.height()));
    const QSizeF portraitB(std::min(b.width(), b.height()), std::max(b.width(), b.height()));
    return std::abs(portraitA.width() - portraitB.width()) <= 1 &&
           std::abs(portraitA.height() - portraitB.height()) <= 1;
}

// The queue's PPD as the scheduler hands it out, marked with its defaults and the destination's
// options; null for a queue without one.
std::unique_ptr<ppd_file_t, PpdCloser> markedPpd(cups_dest_t* dest) {
    const char* file = cupsGetPPD2(CUPS_HTTP_DEFAULT, dest->name);
    if (!file)
        return nullptr;
    const QByteArray copy(file);
    std::unique_ptr<ppd_file_t, PpdCloser> ppd(ppdOpenFile(copy.constData()));
    QFile::remove(QFile::decodeName(copy)); // a temporary copy of the queue's PPD
    if (ppd) {
        ppdMarkDefaults(ppd.get());
        cupsMarkOptions(ppd.get(), dest->num_options, dest->options);
    }
    return ppd;
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
    const std::unique_ptr<ppd_file_t, PpdCloser> ppd = markedPpd(dest.get());

    CupsQueue queue;
    queue.name = QString::fromUtf8(dest->name);
    std::optional<Media> media = ppdMedia(ppd.get());
    if (!media)
        media = ippMedia(dest.get(), info.get());
    if (!media)
        media = Media{QPageSize(QPageSize::A4), QRectF()};
    queue.media = media->size;
    queue.printableArea = media->printable.isValid()
                              ? media->printable
                              : QRectF(QPointF(0, 0), media->size.size(QPageSize::Point) *
                                                          twips::perPoint);
    queue.dotsPerInch = ppdResolution(ppd.get());
    if (queue.dotsPerInch <= 0)
        queue.dotsPerInch = ippResolution(dest.get(), info.get());
    queue.resolutions = offeredResolutions(dest.get(), info.get());
    queue.offeredMedia = mediaOffered(ppd.get(), dest.get(), info.get());
    queue.pageSizeByPpd = ppd != nullptr;
    if (ppd && ppd->variable_sizes) {
        queue.customMinimum = QSizeF(ppd->custom_min[0], ppd->custom_min[1]);
        queue.customMaximum = QSizeF(ppd->custom_max[0], ppd->custom_max[1]);
        const double p = twips::perPoint;
        // left, bottom, right, top
        queue.customMargins = QMarginsF(ppd->custom_margins[0] * p, ppd->custom_margins[3] * p,
                                        ppd->custom_margins[2] * p, ppd->custom_margins[1] * p);
    }
    for (int i = 0; i < dest->num_options; ++i)
        queue.options.append(qMakePair(QByteArray(dest->options[i].name), QByteArray(dest->options[i].value)));
    return queue;
}

int CupsQueue::dotResolution() const {
    return dotsPerInch > 0 ? dotsPerInch : PrinterDot::resolution(resolutions);
}

bool CupsQueue::requestPaper(const QSizeF& points) {
    QByteArray name;
    Media chosen;
    for (const OfferedMedia& offered : std::as_const(offeredMedia)) {
        if (samePaper(offered.size.size(QPageSize::Point), points)) {
            name = offered.name;
            chosen = Media{offered.size, offered.printableArea};
            break;
        }
    }
    const QSizeF twipsSize = points * twips::perPoint;
    if (name.isEmpty() && !customMaximum.isEmpty() && points.width() >= customMinimum.width() &&
        points.height() >= customMinimum.height() && points.width() <= customMaximum.width() &&
        points.height() <= customMaximum.height()) {
        name = "Custom." + QByteArray::number(points.width(), 'g', 6) + 'x' +
               QByteArray::number(points.height(), 'g', 6);
        chosen = Media{QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QRectF(QPointF(0, 0), twipsSize).marginsRemoved(customMargins)};
    }
    if (name.isEmpty()) {
        if (!offeredMedia.isEmpty())
            return false;
        // The queue names no paper at all: ask for this one by its PWG name.
        pwg_media_t* pwg =
            pwgMediaForSize(PWG_FROM_POINTS(points.width()), PWG_FROM_POINTS(points.height()));
        if (pwg)
            name = pwg->pwg;
        chosen = Media{QPageSize(points, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                       QRectF(QPointF(0, 0), twipsSize)};
    }
    media = chosen.size;
    printableArea = chosen.printable;
    options.removeIf([](const QPair<QByteArray, QByteArray>& option) {
        return option.first == "media" || option.first == "PageSize" ||
               option.first == "PageRegion" || option.first == "media-col";
    });
    if (!name.isEmpty())
        options.append(qMakePair(QByteArray(pageSizeByPpd ? "PageSize" : "media"), name));
    return true;
}

int CupsQueue::submit(const QString& pdfPath, const QString& title, QString* error) const {
    int count = 0;
    cups_option_t* list = nullptr;
    for (const auto& [key, value] : options)
        count = cupsAddOption(key.constData(), value.constData(), count, &list);
    // The pages are drawn on the queue's own media: nothing is to be fitted or scaled.
    count = cupsAddOption("print-scaling", "none", count, &list);
    count = cupsAddOption("fit-to-page", "false", count, &list);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.toUtf8().constData(),
                                   QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), count, list);
    if (job == 0)
        *error = lastError();
    cupsFreeOptions(count, list);
    return job;
}

} // namespace brevmark

#pragma GCC diagnostic pop
