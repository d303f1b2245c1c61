#include "ManagerWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>

using namespace brevmark;
using namespace brevmark::test;

// Pictures of the window for the documentation and for looking at it: run with
// BREVMARK_SCREENSHOT_DIR set to a folder (skipped otherwise).
TEST_F(ManagerWindowTest, Screenshots) {
    const QString dir = qEnvironmentVariable("BREVMARK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "BREVMARK_SCREENSHOT_DIR not set";
    const QStringList categories{"飲料", "零食", "文具", "日用品", "冷凍食品", "生鮮蔬果"};
    const QStringList names{"烏龍茶 600ml", "綠茶",          "洋芋片 原味", "原子筆 0.5mm 藍",
                            "衛生紙",       "冷凍水餃 韭菜", "高麗菜",      "牛奶 1L",
                            "巧克力餅乾",   "便條紙 黃"};
    QString text;
    for (int i = 0; i < 300; ++i)
        text += line({QStringLiteral("TW-%1").arg(47100 + i * 7, 6, 10, QLatin1Char('0')),
                      categories.at(i % categories.size()), names.at(i % names.size()),
                      QStringLiteral("NT$%1").arg(25 + (i * 13) % 300),
                      QStringLiteral("2024年%1月%2日").arg(1 + i % 12).arg(1 + i % 28)});
    writeSettings(QStringLiteral(
        "\"標籤A\",\"條碼★種類★品名★售價★進貨日期★自訂★自訂★自訂★自訂★自訂★自訂★自訂\"\r\n"
        "\"標籤_數量\",\"4\"\r\n"));
    writeRecords(text);
    open();
    window->move(0, 0);
    clickLine(5);
    QTest::qWait(50);
    window->grab().save(dir + QStringLiteral("/manager-list.png"));

    find<QLineEdit>("資料", 0)->clear();
    find<QLineEdit>("資料", 1)->setText(QStringLiteral("文具"));
    click(find<QPushButton>("查詢篩選"));
    QTest::qWait(50);
    window->grab().save(dir + QStringLiteral("/manager-filter.png"));

    QTest::mouseDClick(find<QLineEdit>("資料", 4), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(50);
    window->grab().save(dir + QStringLiteral("/manager-date.png"));
}
