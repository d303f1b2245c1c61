// Fuzz target: the marker files the update check downloads and reads. The first input byte picks
// the marker (this version's or the product line's); the rest is the file as the server sent it.
//
// Any marker is read without harm; its lines end alike in CR LF, LF or CR, so the same marker
// saved on any system gives as many prompts; and one more line holding the tag gives one more
// prompt.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

#include "update/MarkerDownload.h"
#include "update/MarkerFile.h"
#include "update/UpdateEndpoint.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

// The marker with every line end written as `lineEnd`.
QByteArray withLineEnds(const QByteArray& bytes, const QByteArray& lineEnd) {
    QByteArray lines = bytes;
    lines.replace("\r\n", "\n").replace('\r', "\n");
    return lines.replace("\n", lineEnd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const QString tag = in.byte() & 1 ? UpdateEndpoint::lineTag() : UpdateEndpoint::versionTag();
    const QByteArray marker = in.rest();

    const int prompts = marker_file::tagLineCount(marker, tag);
    FUZZ_CHECK(prompts >= 0 && prompts <= marker.count('\n') + marker.count('\r') + 1,
               QStringLiteral("%1 prompts").arg(prompts));
    for (const QByteArray& lineEnd : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        const QByteArray saved = withLineEnds(marker, lineEnd);
        if (saved.size() > MarkerDownload::largestMarker)
            continue;
        FUZZ_CHECK(marker_file::tagLineCount(saved, tag) == prompts,
                   QStringLiteral("the marker with other line ends gives other prompts"));
        const QByteArray oneMore = saved + lineEnd + tag.toLatin1() + lineEnd;
        if (oneMore.size() <= MarkerDownload::largestMarker)
            FUZZ_CHECK(marker_file::tagLineCount(oneMore, tag) == prompts + 1,
                       QStringLiteral("a tag line added to the marker gives no prompt"));
    }
    return 0;
}
