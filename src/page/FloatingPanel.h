#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace brevmark {

// The floating panels of the main window's client area: they open over the page and close when
// another opens. Panels are found by their objectName, which the tests rely on as well.
enum class FloatingPanel {
    PrintQuantity, // print quantity panel
    Layouts,       // layout panel (saved page layouts)
    SaveFormat,    // save-format panel
    RecordLoad,    // record-load panel
    BarcodeEdit,   // barcode edit panel
    TextLabel,     // text label panel
    FormatRecord,  // format record panel (saved barcode formats)
    Arrangement,   // arrangement panel
    Paper,         // paper panel
    Pictures,      // picture panel
    Palette,       // colour palette
    AddBarcode,    // add-barcode panel
    ItemMenu,      // context menu of a barcode item
};

// One row of the panel table.
struct FloatingPanelInfo {
    FloatingPanel id;
    const char* objectName;        // UTF-8
    int closeButton = -1;          // index of its close button `關閉窗`; -1 none
    int stackOrder = -1;           // place in the simple layout's stack; -1 not stacked
    bool closedWithOthers = false; // hidden by close-panels `關閉功能窗`
    bool enteredFlag = false;      // hidden by a pointer move over the page once entered
};

// The table of the floating panels, in the order close-panels hides them. Adding a panel is one
// row here (and its id above).
class FloatingPanelTable {
public:
    static const QList<FloatingPanelInfo>& rows();
    static const FloatingPanelInfo& of(FloatingPanel id);
    static QString objectName(FloatingPanel id);
    // The panel whose close button has this index; none for an index no panel has.
    static std::optional<FloatingPanel> ofCloseButton(int index);
    // The panels close-panels hides, in the table's order.
    static QList<FloatingPanel> closedWithOthers();
    // The panels the simple layout stacks below the page, top first.
    static QList<FloatingPanel> stackingOrder();
    // The panels that carry the entered flag.
    static QList<FloatingPanel> withEnteredFlag();
};

} // namespace brevmark
