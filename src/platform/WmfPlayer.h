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
    static constexpr qint64 maxBitmapPixels = 4'000'000;
    static constexpr qint64 maxTotalBitmapPixels = 4'000'000;
    // A picture may be at most 400 inches on a side.
    static constexpr double maxNaturalTwips = 400 * 1440.0;
    // Text beyond this many bytes in one picture is not drawn.
    static constexpr qint64 maxCharacters = 100000;
    // Saved drawing states beyond this depth are not kept.
    static constexpr int maxSavedStates = 256;
    // A clip region cut into more rectangles than this refuses the file.
    static constexpr int maxClipRectangles = 1000;
    // The work one picture may cost, so that any file within the size limits loads or is refused
    // in well under a second, and an accepted picture redraws about as fast. A unit is the cost
    // of one record (some 60 ns here); a path element costs pathElementWork units, a rectangle of
    // a clip region clipRectWork units, a character glyphWork units and a bitmap one unit a pixel.
    static constexpr qint64 maxWork = 5'000'000;
    static constexpr qint64 pathElementWork = 8;
    static constexpr qint64 clipRectWork = 8;
    static constexpr qint64 glyphWork = 600;

    static Picture play(const WmfReader& reader, QString* error = nullptr);
    // Reads and plays in one step.
    static Picture load(const QByteArray& bytes, QString* error = nullptr);
};

} // namespace brevmark
