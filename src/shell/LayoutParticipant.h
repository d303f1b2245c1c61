#pragma once

#include <QString>

namespace brevmark {

// The page editor's part in the main window's layouts: what the layout switch and the frame ask of
// the page, barcode item 0 and the panels that sit over the page.
class LayoutParticipant {
public:
    virtual ~LayoutParticipant() = default;
    // The simple layout: open item 0 in the barcode edit panel, show it alone on a page of its size
    // at (120, 120) in the viewport, and stack the edit and print quantity panels below it.
    virtual void enterSimpleLayout(double viewportTop) = 0;
    // The professional layout: hide item 0 and show the whole page with its border.
    virtual void enterProfessionalLayout() = 0;
    // Stores the layout's name in the page's layout tag.
    virtual void setLayoutTag(const QString& tag) = 0;
    // `紙張調整`.
    virtual void paperAdjust() = 0;
    virtual void hidePage() = 0;
    // Page top and height in the viewport, for stacking panels under it.
    virtual double pageTop() const = 0;
    virtual double pageHeight() const = 0;
};

} // namespace brevmark
