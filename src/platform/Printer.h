#pragma once

#include "platform/DrawingSurface.h"

#include <QString>

namespace brevmark {

// The system's default printer. Positions are twips from the page's top-left corner; the first
// drawing opens the document.
class Printer : public DrawingSurface {
public:
    // False when the system has no printer at all.
    virtual bool isAvailable() const = 0;
    virtual QString name() const = 0;
    virtual double dotsPerInch() const = 0;
    // The size of the pages started from now on, in twips; empty when the printer does not tell.
    virtual QSizeF pageTwips() const { return {}; }
    // Where on those pages the printer can ink, in twips from the page's corner; the whole page
    // unless the printer names margins.
    virtual QRectF printableArea() const { return QRectF(QPointF(0, 0), pageTwips()); }
    virtual void newPage() = 0;
    // Finishes the document; a document with nothing drawn is not sent.
    virtual void endDocument() = 0;
    // Drops the document under way without printing it.
    virtual void abortDocument() = 0;
    // Later drawings show only inside the rectangle (twips), as on an item's own surface on
    // screen, until the clip is reset.
    virtual void setClipRect(const QRectF& rect) = 0;
    virtual void resetClip() = 0;

    // Printers have no retained image to erase.
    void clear() override {}
};

} // namespace brevmark
