#pragma once

#include "EditorWindowFixture.h"
#include "page/ui/FormatPanels.h"
#include "page/ui/ItemMenu.h"
#include "page/PictureFolder.h"
#include "page/ui/TagEditor.h"
#include "platform/QtPictureLoader.h"
#include "records/FormatRecordFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QTest>
#include <memory>

namespace brevmark::test {

// The page editor with the format panels and the layout panel on a temporary data folder that
// holds one picture, logo.bmp. The editor host's format hooks lead to the panels, as the main
// window's do.
class FormatPanelsFixture : public EditorWindowFixture {
protected:
    TempDataFolder data;
    FaultyFileSystem files;
    QtPictureLoader loader;
    std::unique_ptr<PictureFolder> pictures;
    std::unique_ptr<FormatPanels> panels;
    QList<int> notices;
    int simpleRelayouts = 0;

    void SetUp() override {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(data.location().pictureFile("logo.bmp"), "BMP"));
        pictures = std::make_unique<PictureFolder>(files, loader, host.boxes, data.location());
        pictures->fill();
        openEditor([this](PageEditor& e) {
            e.setPictureFolder(*pictures);
            e.setFonts({QStringLiteral("新細明體")});
        });
        panels = std::make_unique<FormatPanels>(
            *editor, host, window.get(),
            FormatPanels::Services{files, data.location().recordsFolder(),
                                   [this](int n) { notices.append(n); },
                                   [this] { ++simpleRelayouts; }});
        // Focus only lands in an active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        host.formatFileCheck = [this] { return QFile::exists(formatFile()); };
        host.formatPanelRoute = [this](QPointF at) {
            panels->openFormatRecordPanel(at, FormatBrowser::TakeMode::Apply,
                                          editor->itemMenu()->itemIndex());
        };
        host.saveFormatPanelRoute = [this] {
            panels->openSaveFormatPanel(editor->itemMenu()->itemIndex());
        };
        host.addFromFormatRecordRoute = [this](QPointF at) {
            panels->openFormatRecordPanel(at, FormatBrowser::TakeMode::Add, 0);
        };
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

    // Typing: ASCII key by key, any other text as an input method commits it (as Chinese is
    // typed).
    static void typeText(QWidget* box, const QString& text) {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            QTest::keyClicks(box, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
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
        const std::optional<int> j = editor->tags()->addLabel(index, at);
        ASSERT_TRUE(j);
        editor->model().tags.label(index, *j)->caption = caption;
        editor->tags()->syncTags(index);
    }
    void addPicture(int index, QPointF at, const QString& file) {
        const std::optional<int> j = editor->tags()->addImage(index, at);
        ASSERT_TRUE(j);
        editor->model().tags.image(index, *j)->file = file;
        editor->tags()->syncTags(index);
    }
    int labelCount(int index) const {
        int n = 0;
        for (int j = 0; j <= TagTable::maxPerItem; ++j)
            n += editor->model().tags.exists(TagKind::Label, index, j) ? 1 : 0;
        return n;
    }
    int pictureCount(int index) const {
        int n = 0;
        for (int j = 0; j <= TagTable::maxPerItem; ++j)
            n += editor->model().tags.exists(TagKind::Image, index, j) ? 1 : 0;
        return n;
    }
};

// One quoted-field line of a format record: eleven texts, an empty one and the tail 1.
inline QString formatLine(const QStringList& fields) {
    QStringList quoted;
    for (int f = 0; f < 11; ++f)
        quoted << QLatin1Char('"') + fields.value(f) + QLatin1Char('"');
    return quoted.join(QLatin1Char(',')) + QStringLiteral(",\"\",1\r\n");
}

// The barcode record of a blank item with a text, as the program writes it.
inline QString barcodeLine(const QString& category, const QString& name, const QString& text,
                           const QString& width = QStringLiteral("3600"),
                           const QString& height = QStringLiteral("900")) {
    return formatLine({category, name, QStringLiteral("條碼"), width, height, text,
                       QStringLiteral("16777215"), QStringLiteral("1"),
                       QStringLiteral("120 120 480"), QStringLiteral("False False False 0 10"),
                       QStringLiteral("2 0 0 0")});
}

} // namespace brevmark::test
