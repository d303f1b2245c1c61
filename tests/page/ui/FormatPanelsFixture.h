#pragma once

#include "EditorWindowFixture.h"
#include "page/PictureFolder.h"
#include "page/ui/FormatPanels.h"
#include "page/ui/ItemMenu.h"
#include "page/ui/TagEditor.h"
#include "platform/QtPictureLoader.h"
#include "records/FormatRecordFile.h"
#include "support/FaultyFileSystem.h"
#include "support/FormatLines.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <memory>

namespace brevmark::test {

// The page editor with its format panels and layout panel on the test's data folder, which holds
// one picture, logo.bmp.
class FormatPanelsFixture : public EditorWindowFixture {
protected:
    TempDataFolder& data = host.data;
    FaultyFileSystem& files = host.files;
    QtPictureLoader loader;
    std::unique_ptr<PictureFolder> pictures;
    FormatPanels* panels = nullptr;
    QList<int> notices;
    int simpleRelayouts = 0;

    void SetUp() override {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(data.location().pictureFile("logo.bmp"), "BMP"));
        pictures = std::make_unique<PictureFolder>(files, loader, data.location());
        pictures->fill();
        openEditor([this](PageEditor& e) {
            e.setPictureFolder(*pictures);
            e.setFonts({QStringLiteral("新細明體")});
        });
        panels = &editor->formats();
        QObject::connect(editor.get(), &PageEditor::noticeRequested,
                         [this](int n) { notices.append(n); });
        QObject::connect(editor.get(), &PageEditor::simpleLayoutRequested,
                         [this] { ++simpleRelayouts; });
        // Focus only lands in an active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QString formatFile() const { return data.recordsFile(FormatRecordFile::fileName()); }
    QByteArray formatBytes() const { return data.readRecordsFile(FormatRecordFile::fileName()); }
    void writeFormats(const QString& text) const {
        data.writeRecordsFile(FormatRecordFile::fileName(), pythonCp950(text));
    }

    // Right click on an item, then a menu entry.
    void menuEntry(int index, int entry, QPoint at = QPoint(40, 20)) {
        QTest::mousePress(item(index), Qt::RightButton, {}, at);
        QTest::mouseRelease(item(index), Qt::RightButton, {}, at);
        auto* menu = control<ItemMenu>("功能選項");
        ASSERT_TRUE(menu->isVisible());
        // Hidden entries leave no row, so the entry's row is where its hover picture lies.
        SkinButton* button = control<SkinButton>("標籤功能", entry);
        moveTo(menu, QPointF(20, button->geometry().center().y()), Qt::NoButton);
        ASSERT_EQ(button->x(), 0) << "menu entry " << entry << " is not offered";
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Right click on the empty page, then "增加記錄中的，條碼格式".
    void addFromFormatRecordAt(double x, double y) {
        QTest::mousePress(page(), Qt::RightButton, {}, px(x, y));
        QTest::mouseRelease(page(), Qt::RightButton, {}, px(x, y));
        auto* fromRecord = control<SkinButton>("增加條碼鈕", 2);
        ASSERT_TRUE(fromRecord && fromRecord->isVisible());
        QTest::mouseClick(fromRecord, Qt::LeftButton);
    }

    static QStringList entries(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    static void clickEntry(QListWidget* list, const QString& text, bool twice = false) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Adds a text label with a caption and a picture to an item, as the menu and the panels do.
    void addLabel(int index, QPointF at, const QString& caption) {
        const std::optional<int> j = editor->document().addLabel(index, at);
        ASSERT_TRUE(j);
        test::changeLabel(editor->model(), index, *j, [&](TextLabelItem& l) {
            l.caption = caption;
            l.fitToCaption();
        });
    }
    void addPicture(int index, QPointF at, const QString& file) {
        const std::optional<int> j = editor->document().addImage(index, at);
        ASSERT_TRUE(j);
        test::changeImage(editor->model(), index, *j, [&](ImageItem& im) { im.file = file; });
    }
    int labelCount(int index) const {
        int n = 0;
        for (int j = 0; j <= TagTable::maxPerItem; ++j)
            n += editor->model().tags().exists(TagKind::Label, index, j) ? 1 : 0;
        return n;
    }
    int pictureCount(int index) const {
        int n = 0;
        for (int j = 0; j <= TagTable::maxPerItem; ++j)
            n += editor->model().tags().exists(TagKind::Image, index, j) ? 1 : 0;
        return n;
    }
};

} // namespace brevmark::test
