// The whole program on a real default printer: a user builds labels in the main window with the
// mouse and keyboard and prints them; the PDF the cups-pdf queue writes is rasterised at 600 dpi
// and every symbol must decode to its text. Skips when the machine cannot host the queue.

#include "ShellDoubles.h"

#include "page/ui/PageEditor.h"
#include "platform/Timer.h"
#include "print/PrintCommands.h"
#include "platform/qt/PictureControl.h"
#include "support/CupsPdfQueue.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

QWidget* find(QWidget& root, const QString& name, int index = -1) {
    for (QWidget* w : root.findChildren<QWidget*>(name))
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    return nullptr;
}

class ProgramPrints : public ::testing::Test, protected ShellFixture {
protected:
    void SetUp() override {
        QString why;
        if (!cups::prepareQueue(&why))
            GTEST_SKIP() << "skipped: " << why.toStdString();
        cups::clearOutput();
    }
    void TearDown() override { cups::clearOutput(); }

    // Opens the program with a calibrated print resolution of one 300-dpi printer dot.
    MainWindow& open(const QString& placement) {
        writeSettings(QStringLiteral("\"主視窗大小\",\"%1\"\r\n\"列印解析度\",\"4.8\"\r\n").arg(placement));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, button, {}, QPoint(4, 4));
    }

    QTemporaryDir work;
};

struct Label {
    const char* text;
    int ratio;
    int barWidth;
};

} // namespace

TEST_F(ProgramPrints, PageOfItemsFromTheToolbar) {
    MainWindow& w = open(QStringLiteral("1 0 0 0 12090 7470"));
    QWidget* page = find(w, QStringLiteral("列印範圍"));
    ASSERT_NE(page, nullptr);
    const Label labels[] = {{"AB12", 0, 2}, {"X-9", 1, 3}, {"K7/", 2, 2}, {"Q1", 3, 4}};
    int index = 1;
    for (const Label& label : labels) {
        // Right-click the empty page, add a blank item there, open it and type its barcode.
        const QPoint at(40, 30 + (index - 1) * 80);
        QTest::mouseClick(page, Qt::RightButton, {}, at);
        click(find(w, QStringLiteral("增加條碼鈕"), 0));
        QWidget* item = find(w, QStringLiteral("條碼項目"), index);
        ASSERT_NE(item, nullptr) << "item " << index;
        QTest::mouseDClick(item, Qt::LeftButton, {}, QPoint(6, 6));
        auto* entry = qobject_cast<QLineEdit*>(find(w, QStringLiteral("條碼輸入")));
        ASSERT_NE(entry, nullptr);
        QTest::keyClicks(entry, QString::fromLatin1(label.text));
        click(find(w, QStringLiteral("格式設定"), label.ratio));
        for (int b = 2; b < label.barWidth; ++b)
            click(find(w, QStringLiteral("調整位置"), 7));
        ++index;
    }
    const PageModel& model = w.pageEditor().model();
    for (int i = 1; i < index; ++i) {
        EXPECT_EQ(model.items.at(i).symbol.text, QString::fromLatin1(labels[i - 1].text));
        EXPECT_EQ(model.items.at(i).symbol.barWidth, labels[i - 1].barWidth);
    }

    // The toolbar's print button shows while the pointer is in its band; a click prints the page.
    QTest::mouseMove(&w, QPoint(8800 / 15, 240 / 15));
    click(find(w, QStringLiteral("確定列印_V")));
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString pdf = cups::waitForPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF in " << cups::outputFolder().toStdString();
    const QList<QImage> pages = cups::rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    for (int i = 1; i < index; ++i) {
        const BarcodeItem& item = model.items.at(i);
        EXPECT_EQ(cups::decodeRegion(pages[0], item.rect(), work),
                  QStringList{QString::fromLatin1(labels[i - 1].text)})
            << "item " << i;
    }
}

TEST_F(ProgramPrints, SimpleLayoutPrintsTheQuantity) {
    MainWindow& w = open(QStringLiteral("0 0 0 0 6000 7470"));
    auto* entry = qobject_cast<QLineEdit*>(find(w, QStringLiteral("條碼輸入")));
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isVisible());
    QTest::keyClicks(entry, QStringLiteral("s42"));
    auto* quantity = qobject_cast<QLineEdit*>(find(w, QStringLiteral("列印數量")));
    ASSERT_NE(quantity, nullptr);
    quantity->selectAll();
    QTest::keyClicks(quantity, QStringLiteral("5"));
    click(find(w, QStringLiteral("確定列印")));
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString pdf = cups::waitForPdf();
    ASSERT_FALSE(pdf.isEmpty());
    const QList<QImage> pages = cups::rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    // Copies run in rows of three from (300, 300), 3620 twips apart across and 920 down; each
    // place is decoded on its own so that equal symbols count one by one.
    int copies = 0;
    for (int place = 0; place < 9; ++place) {
        const QRectF rect(300 + (place % 3) * 3620, 300 + (place / 3) * 920, 3600, 900);
        const QStringList texts = cups::decodeRegion(pages[0], rect, work);
        if (place < 5)
            EXPECT_EQ(texts, QStringList{QStringLiteral("S42")}) << "place " << place;
        else
            EXPECT_TRUE(texts.isEmpty()) << "place " << place;
        copies += int(texts.size());
    }
    EXPECT_EQ(copies, 5);
    // After printing, the barcode entry has the focus again with its text selected.
    EXPECT_EQ(entry->selectedText(), QStringLiteral("s42"));
}
