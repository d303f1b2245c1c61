#pragma once

#include "platform/Picture.h"
#include "platform/WmfReader.h"

#include <QByteArray>
#include <QString>

namespace brevmark {

// Replays the drawing records of a Windows metafile into a vector recording (QPicture) whose
// natural size, in twips, comes from the placeable header (logical units per inch) or from the
// window extent (96 logical units per inch). Records that only matter on a screen device
// (palettes, raster operations on the screen, escapes) are skipped; records that are too short
// for what they claim, bitmaps that do not fit in their record and absurd sizes refuse the whole
// file.
class WmfPlayer {
public:
    // One embedded bitmap, and all of them together, may hold at most this many pixels.
    static constexpr qint64 maxBitmapPixels = 16LL * 1024 * 1024;
    static constexpr qint64 maxTotalBitmapPixels = 64LL * 1024 * 1024;
    // A picture may be at most 400 inches on a side.
    static constexpr double maxNaturalTwips = 400 * 1440.0;
    // Text beyond this many bytes in one picture is not drawn.
    static constexpr qint64 maxCharacters = 100000;
    // Saved drawing states beyond this depth are not kept.
    static constexpr int maxSavedStates = 256;

    static Picture play(const WmfReader& reader, QString* error = nullptr);
    // Reads and plays in one step.
    static Picture load(const QByteArray& bytes, QString* error = nullptr);
};

} // namespace brevmark
