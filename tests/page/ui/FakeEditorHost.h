#pragma once

#include "page/ui/EditorHost.h"
#include "support/ScriptedMessageBoxes.h"

#include <QMap>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace brevmark::test {

// The main window as the page editor sees it: remembers hints, hides the named panels on
// close-panels, answers messages from a script.
class FakeEditorHost : public EditorHost {
public:
    QWidget* panelParent = nullptr;
    QString hint;
    int closePanelsCalls = 0;
    int stackPanelsCalls = 0;
    bool labelPrinter = false;
    bool recordFile = false;
    bool formatFile = false;
    QList<int> labelsDeleted;
    int beeps = 0;
    QMap<QString, QString> settings;
    QList<QPointF> formatPanelOpenedAt;
    int saveFormatPanelOpened = 0;
    ScriptedMessageBoxes boxes;
    // Optional routes to the format panels under test, and the format file check they need.
    std::function<void(QPointF)> formatPanelRoute;
    std::function<void()> saveFormatPanelRoute;
    std::function<void(QPointF)> addFromFormatRecordRoute;
    std::function<bool()> formatFileCheck;

    void setHint(const QString& text) override { hint = text; }
    void closePanels() override {
        ++closePanelsCalls;
        if (!panelParent)
            return;
        for (const char* name :
             {"列印數量窗", "開啟記錄窗", "條碼儲存窗", "條碼載入窗", "條碼輸入區", "標籤修改區",
              "條碼讀取窗", "自動排列窗", "紙張設定窗", "圖片讀取窗", "色彩選項"})
            if (auto* w = panelParent->findChild<QWidget*>(QString::fromUtf8(name)))
                w->hide();
    }
    void stackPanels() override { ++stackPanelsCalls; }
    void closePanelButton(int) override { closePanels(); }
    MessageBoxes& messages() override { return boxes; }
    bool isLabelPrinter() const override { return labelPrinter; }
    Fixed4 printResolution() const override { return Fixed4::fromDouble(7.2); }
    bool recordFileExists() const override { return recordFile; }
    bool formatRecordFileExists() const override {
        return formatFileCheck ? formatFileCheck() : formatFile;
    }
    void beep() override { ++beeps; }
    void storeSetting(const QString& key, const QString& value) override { settings[key] = value; }
    void openFormatRecordPanel(QPointF topLeft) override {
        formatPanelOpenedAt.append(topLeft);
        if (formatPanelRoute)
            formatPanelRoute(topLeft);
    }
    void openSaveFormatPanel() override {
        ++saveFormatPanelOpened;
        if (saveFormatPanelRoute)
            saveFormatPanelRoute();
    }
    void addFromFormatRecord(QPointF panelTopLeft) override {
        if (addFromFormatRecordRoute)
            addFromFormatRecordRoute(panelTopLeft);
    }
    void deleteItemLabels(int index) override { labelsDeleted.append(index); }
};

} // namespace brevmark::test
