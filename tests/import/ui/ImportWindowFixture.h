#pragma once

#include "import/ui/ImportGridView.h"
#include "import/ui/ImportWindow.h"
#include "platform/LocalFileSystem.h"
#include "platform/SystemServices.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/QtClipboard.h"
#include "records/BarcodeRecordFile.h"
#include "records/SettingsStore.h"
#include "support/FakeSystemServices.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace brevmark::test {

// The bulk import window on a temporary data folder, driven through its controls as a user
// would: the pointer and keys go to the controls the window names.
class ImportWindowTest : public ::testing::Test {
protected:
    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes messages;
    SettingsStore settings{files, folder.location().recordsFolder()};
    QtClipboard clipboard;
    BarcodeRecordFile recordFile{files, folder.location().recordsFolder()};
    FakeSystemServices system{desktopSystem()};
    QList<int> notices;
    QPointer<ImportWindow> window;

    void TearDown() override { delete window.data(); }

    void writeSettings(const QString& text) {
        folder.writeRecordsFile(SettingsStore::fileName(), pythonCp950(text));
    }
    QByteArray records() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }

    // keepPlace: the window stays where its settings put it.
    ImportWindow& open(bool keepPlace = false) {
        settings.load();
        window = new ImportWindow(BulkImport::Services{settings, clipboard, system, recordFile,
                                                       [this](int n) { notices << n; }},
                                  messages);
        if (!keepPlace)
            window->move(0, 0);
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            ADD_FAILURE() << "window not shown";
        return *window;
    }

    template <typename T = QWidget> T* find(const char* name, int index = -1) const {
        for (T* w : window->findChildren<T*>(QString::fromUtf8(name)))
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        ADD_FAILURE() << "no control " << name << " " << index;
        return nullptr;
    }
    // The shown controls of a name, by their index.
    QList<QWidget*> shown(const char* name) const {
        QList<QWidget*> found;
        for (QWidget* w : window->findChildren<QWidget*>(QString::fromUtf8(name)))
            if (w->isVisible())
                found << w;
        std::sort(found.begin(), found.end(), [](QWidget* a, QWidget* b) {
            return a->property("index").toInt() < b->property("index").toInt();
        });
        return found;
    }
    QStringList rowLabels() const {
        QStringList texts;
        for (QWidget* w : shown("數字籤"))
            texts << static_cast<QLabel*>(w)->text();
        return texts;
    }

    // Mouse events straight to a control, at a point in its own pixels.
    static void send(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                     Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void hover(QWidget* w, QPointF at) {
        send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    }
    static void click(QWidget* w, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
        hover(w, at);
        send(w, QEvent::MouseButtonPress, at, button, button);
        send(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    // The middle of a cell of the grid area, in its pixels.
    QPointF cellPoint(int row, int column) const {
        const ImportColumns& columns = window->model().grid().columns();
        return {(columns.left(column) + columns.width(column) / 2) / 15, (row * 210 + 105) / 15.0};
    }
    // Opens the cell editor on a cell, as a click on it does.
    QLineEdit* edit(int row, int column) {
        click(find("新增載入區"), cellPoint(row, column));
        return find<QLineEdit>("修改文字");
    }
    // A toolbar button shows while the pointer is in its band on the window background.
    void clickToolbar(const char* name) {
        QWidget* button = find(name);
        hover(window, QPointF(button->x() + 20, 270 / 15.0));
        EXPECT_EQ(button->y(), 0) << name << " shown at the top";
        click(button, QPointF(20, 270 / 15.0));
    }
    const CellTable& cells() const { return window->model().grid().cells(); }
};

} // namespace brevmark::test
