#include "page/PictureFolder.h"

#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "support/FixtureScript.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "support/RowNames.h"

#include <gtest/gtest.h>

namespace brevmark {
namespace {

using test::rowName;
using test::TempDataFolder;

struct NameCase {
    const char* name;
    bool usable;
};

class UsableName : public ::testing::TestWithParam<NameCase> {};

TEST_P(UsableName, ByTheLastThreeCharactersLowerCased) {
    EXPECT_EQ(PictureFolder::isUsableName(QString::fromUtf8(GetParam().name)), GetParam().usable)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, UsableName,
    ::testing::Values(NameCase{"photo.JPG", true}, NameCase{"notes.txt", false},
                      NameCase{"b.gif", true}, NameCase{"scan.Bmp", true},
                      NameCase{"logo.WMF", true}, NameCase{"商標.jpg", true},
                      NameCase{"logojpg", true}, // the dot is not checked
                      NameCase{"a.jpeg", false}, NameCase{"a.png", false},
                      NameCase{"a.jpg.txt", false}, NameCase{"gif", true}, NameCase{"", false}),
    [](const auto& info) { return rowName(QString::fromUtf8(info.param.name)); });

class PictureFolderTest : public ::testing::Test {
protected:
    TempDataFolder data;
    LocalFileSystem files;
    QtPictureLoader loader;
    PictureFolder folder{files, loader, data.location()};
    QList<int> notices;

    void SetUp() override {
        folder.setNoticeRequest([this](int notice) { notices.append(notice); });
    }
    QString path(const QString& name) const { return data.location().pictureFile(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeJpeg(const QString& name, QSize size = {40, 20}) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(path(name), "JPEG"));
    }
};

TEST_F(PictureFolderTest, FillListsUsableFilesInDirectoryOrder) {
    writeJpeg("logo.JPG");
    writeFile("a.txt", "text");
    writeFile("b.gif", "not read until clicked");
    QDir(data.location().picturesFolder()).mkdir("folder.gif");
    folder.fill();
    QStringList expected;
    for (const QString& name : files.listFolder(data.location().picturesFolder(), "*"))
        if (name != "a.txt")
            expected << name;
    EXPECT_EQ(folder.names(), expected);
    EXPECT_EQ(folder.names().size(), 2);
    EXPECT_EQ(folder.listHint(), "說明：【Ａ 點選名稱 預覽 圖形】【Ｂ 點擊二下直接取用】");
}

TEST_F(PictureFolderTest, EmptyFolderGivesTheEmptyHint) {
    writeFile("readme.txt", "x");
    folder.fill();
    EXPECT_TRUE(folder.names().isEmpty());
    EXPECT_EQ(folder.listHint(), "查無圖形檔，請將 使用的圖形檔 放置在 圖形資料 資料夾內");
}

TEST_F(PictureFolderTest, PreviewThenTakeGivesNameAndNaturalSize) {
    writeJpeg("photo.JPG", {40, 20});
    folder.fill();
    ASSERT_TRUE(folder.preview(0));
    EXPECT_TRUE(folder.takeVisible());
    EXPECT_TRUE(folder.takeMessages().isEmpty());
    const auto taken = folder.take();
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->fileName, "photo.JPG");
    EXPECT_EQ(taken->sizeTwips, QSizeF(600, 300));
    EXPECT_FALSE(taken->picture.isNull());
}

TEST_F(PictureFolderTest, DamagedPictureLeavesTheListWithTheWarningButStaysOnDisk) {
    writeJpeg("good.jpg");
    writeFile("broken.gif", "GIF89a but nothing more");
    folder.fill();
    const int row = folder.indexOf("broken.gif");
    ASSERT_GE(row, 0);
    EXPECT_FALSE(folder.preview(row));
    EXPECT_EQ(folder.takeMessages(),
              QList<UserMessage>{UserMessage::warning(
                  "提示", "資料夾內的【broken.gif】圖形檔案錯誤，無法讀取使用")});
    EXPECT_EQ(folder.names(), QStringList{"good.jpg"});
    EXPECT_TRUE(QFile::exists(path("broken.gif")));
    EXPECT_FALSE(folder.takeVisible());
    EXPECT_FALSE(folder.take().has_value());
}

TEST_F(PictureFolderTest, DamagedAfterAGoodPreviewEmptiesThePreview) {
    writeJpeg("good.jpg");
    writeFile("huge.bmp", QByteArray("BM") + QByteArray(60, '\xFF'));
    folder.fill();
    ASSERT_TRUE(folder.preview(folder.indexOf("good.jpg")));
    EXPECT_FALSE(folder.preview(folder.indexOf("huge.bmp")));
    EXPECT_TRUE(folder.previewPicture().isNull());
    EXPECT_FALSE(folder.take().has_value());
}

TEST_F(PictureFolderTest, DeleteRemovesFileAndEntryAndRequestsNoticeTwo) {
    writeJpeg("old.jpg");
    writeJpeg("keep.jpg");
    folder.fill();
    ASSERT_TRUE(folder.preview(folder.indexOf("old.jpg")));
    EXPECT_TRUE(folder.deleteVisible());
    EXPECT_EQ(folder.chosenName(), "old.jpg");
    EXPECT_EQ(PictureFolder::deleteQuestion(folder.chosenName()), "確定刪除【old.jpg】圖片檔案");
    EXPECT_TRUE(folder.deleteChosen());
    EXPECT_TRUE(folder.takeMessages().isEmpty());
    EXPECT_FALSE(QFile::exists(path("old.jpg")));
    EXPECT_EQ(folder.names(), QStringList{"keep.jpg"});
    EXPECT_EQ(notices, QList<int>{2});
    EXPECT_FALSE(folder.takeVisible());
    EXPECT_FALSE(folder.deleteVisible());
    EXPECT_TRUE(folder.previewPicture().isNull());
}

TEST_F(PictureFolderTest, FileAlreadyGoneStillLeavesTheList) {
    writeJpeg("old.jpg");
    folder.fill();
    ASSERT_TRUE(folder.preview(0));
    ASSERT_TRUE(QFile::remove(path("old.jpg")));
    EXPECT_TRUE(folder.deleteChosen());
    EXPECT_TRUE(folder.names().isEmpty());
    EXPECT_EQ(notices, QList<int>{2});
}

TEST_F(PictureFolderTest, DeleteWithNothingChosenDeletesNothing) {
    writeJpeg("old.jpg");
    folder.fill();
    EXPECT_TRUE(folder.chosenName().isEmpty());
    EXPECT_FALSE(folder.deleteChosen());
    EXPECT_TRUE(folder.takeMessages().isEmpty());
    EXPECT_TRUE(QFile::exists(path("old.jpg")));
}

// A pictures folder written by python3 with names and links that lead in and out of it.
class PictureLinksTest : public PictureFolderTest {
protected:
    QTemporaryDir outside;
    void SetUp() override {
        PictureFolderTest::SetUp();
        test::runFixtureScript(QStringLiteral("tests/page/fixtures/picture_links.py"),
                               {data.path(), outside.path()});
    }
};

TEST_F(PictureLinksTest, NamesLeadingOutOfThePicturesFolderAreNotRead) {
    for (const char* name : {"inside.bmp", "link-inside.bmp"})
        EXPECT_FALSE(folder.loadFile(QString::fromUtf8(name)).isNull()) << name;
    for (const char* name :
         {"../secret.bmp", "sub/deep.bmp", "./inside.bmp", "link-outside.bmp", "link-absolute.bmp",
          "link-folder/outside.bmp", "..", ".", "", "missing.bmp"})
        EXPECT_TRUE(folder.loadFile(QString::fromUtf8(name)).isNull()) << name;
    const QString escape =
        QStringLiteral("../../") + QDir(outside.path()).dirName() + QStringLiteral("/outside.bmp");
    EXPECT_TRUE(folder.loadFile(escape).isNull());
    EXPECT_TRUE(folder.takeMessages().isEmpty());
}

TEST_F(PictureLinksTest, LinksOutOfTheFolderAreNotListed) {
    folder.fill();
    QStringList names = folder.names();
    names.sort();
    EXPECT_EQ(names, (QStringList{"inside.bmp", "link-inside.bmp"}));
}

TEST_F(PictureLinksTest, ANameTurnedIntoALinkOutAfterStartIsRefusedOnPreview) {
    folder.fill();
    const int row = folder.indexOf("inside.bmp");
    ASSERT_GE(row, 0);
    ASSERT_TRUE(QFile::remove(path("inside.bmp")));
    ASSERT_TRUE(QFile::link(outside.filePath("outside.bmp"), path("inside.bmp")));
    EXPECT_FALSE(folder.preview(row));
    const QList<UserMessage> told = folder.takeMessages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].text, "資料夾內的【inside.bmp】圖形檔案錯誤，無法讀取使用");
    EXPECT_EQ(folder.indexOf("inside.bmp"), -1);
    EXPECT_TRUE(QFile::exists(outside.filePath("outside.bmp")));
}

struct PanelCase {
    QRectF preview;
    QSizeF panel;
};

class PanelSize : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelSize, GrowsOnlyPastTheStandardSize) {
    EXPECT_EQ(PictureFolder::panelSize(GetParam().preview), GetParam().panel);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PanelSize,
    ::testing::Values(PanelCase{QRectF(120, 360, 375, 375), QSizeF(4928, 2415)},
                      PanelCase{QRectF(120, 360, 4815, 2055), QSizeF(4928, 2415)},
                      PanelCase{QRectF(120, 360, 4816, 2056), QSizeF(5056, 2536)},
                      PanelCase{QRectF(2000, 0, 2931, 3000), QSizeF(4928, 3120)},
                      PanelCase{QRectF(2000, 0, 6000, 100), QSizeF(8120, 2415)}),
    [](const auto& info) {
        return rowName(QStringLiteral("preview %1 %2 %3 %4")
                           .arg(info.param.preview.left())
                           .arg(info.param.preview.top())
                           .arg(info.param.preview.width())
                           .arg(info.param.preview.height()));
    });

} // namespace
} // namespace brevmark
