#pragma once

// What a benchmark puts around the code it times: message boxes nobody sees and an editor host
// without a window, so that only the work itself is measured.
#include "page/ItemTable.h"
#include "page/ui/EditorHost.h"
#include "page/ui/PageEditor.h"
#include "platform/MessageBoxes.h"

namespace brevmark::bench {

// Every box is answered at once with the same answer; `shown` counts them.
class SilentMessages : public MessageBoxes {
public:
    explicit SilentMessages(MessageAnswer answer = MessageAnswer::Ok) : answer_(answer) {}
    int shown = 0;
    MessageAnswer show(const QString&, const QString&, MessageIcon, MessageButtons) override {
        ++shown;
        return answer_;
    }

private:
    MessageAnswer answer_;
};

// A page printer at the default print resolution; no record file, a format file when asked.
class EditorBenchHost : public EditorHost {
public:
    explicit EditorBenchHost(bool formatFileExists = false,
                             MessageAnswer answer = MessageAnswer::Ok)
        : boxes(answer), formatFileExists_(formatFileExists) {}
    SilentMessages boxes;
    void setHint(const QString&) override {}
    void closePanels() override {}
    void stackPanels() override {}
    void closePanelButton(int) override {}
    MessageBoxes& messages() override { return boxes; }
    bool isLabelPrinter() const override { return false; }
    Fixed4 printResolution() const override { return Fixed4::fromDouble(7.2); }
    bool recordFileExists() const override { return false; }
    bool formatRecordFileExists() const override { return formatFileExists_; }

private:
    bool formatFileExists_;
};

// A full page: 245 items in 7 columns, each with a ten-character barcode and its text.
inline void fillPageWithLabels(PageEditor& editor) {
    int n = 0;
    for (int k : ItemTable::pageIndexes()) {
        BarcodeItem item =
            BarcodeItem::blank({float(120 + (n % 7) * 3660), float(120 + (n / 7) * 960)}, false);
        item.symbol.text = QStringLiteral("A%1-XY").arg(100000 + n);
        editor.putItem(k, item);
        ++n;
    }
}

} // namespace brevmark::bench
