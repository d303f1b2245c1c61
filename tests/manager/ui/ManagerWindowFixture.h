#pragma once

#include "manager/ui/RecordManagerWindow.h"
#include "platform/LocalFileSystem.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "platform/qt/QtClipboard.h"
#include "records/BarcodeRecordFile.h"
#include "records/SettingsStore.h"
#include "support/FakeSystemServices.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace brevmark::test {

// The record manager on a temporary data folder, driven through its controls.
class ManagerWindowTest : public ::testing::Test {
protected:
    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes messages;
    SettingsStore settings{files, folder.location().recordsFolder()};
    QtClipboard clipboard;
    FakeSystemServices system{desktopSystem()};
    QList<int> pendingNotices;
    int shownNotices = 0;
    int endings = 0;
    QPointer<RecordManagerWindow> window;

    void TearDown() override { delete window.data(); }

    static QString line(const QStringList& seven, int tail = 1) {
        QStringList fields = seven;
        while (fields.size() < 12)
            fields << QString();
        return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",") +
               QString::number(tail) + QStringLiteral("\r\n");
    }
    void writeRecords(const QString& text) {
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), pythonCp950(text));
    }
    QByteArray records() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }
    void writeSettings(const QString& text) {
        folder.writeRecordsFile(SettingsStore::fileName(), pythonCp950(text));
    }

    RecordManagerWindow& open() {
        settings.load();
        window = new RecordManagerWindow(
            RecordManager::Services{files, settings, clipboard, system,
                                    folder.location().recordsFolder(),
                                    [this](int n) { pendingNotices << n; },
                                    [this] { ++shownNotices; }, [this] { ++endings; }, nullptr},
            messages);
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            ADD_FAILURE() << "window not shown";
        read();
        return *window;
    }
    // Runs the pending read now, as the timer `讀條碼檔` would (unless it has already run).
    void read() {
        Timer* timer = find<Timer>("讀條碼檔");
        if (timer->isActive())
            timer->fire();
    }

    template <typename T> T* find(const char* name, int index = -1) const {
        for (T* w : window->findChildren<T*>(QString::fromUtf8(name)))
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        ADD_FAILURE() << "no control " << name << " " << index;
        return nullptr;
    }
    QStringList lines() const {
        QStringList l;
        auto* list = find<QListWidget>("歷史清單");
        for (int i = 0; i < list->count(); ++i)
            l << list->item(i)->text();
        return l;
    }
    void clickLine(int row) {
        auto* list = find<QListWidget>("歷史清單");
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

} // namespace brevmark::test
