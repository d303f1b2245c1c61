// The template database read from files written for the tests (template_files.py): lengths in
// every unit, equivalent parts across files, round, elliptical and CD labels, several layouts,
// files and sheets that cannot be used left out with their reason, and the user's own folder.
#include "alignment/TemplateDatabase.h"
#include "alignment/TemplateFileReader.h"
#include "support/ScopedEnvironment.h"
#include "support/TestTemplates.h"

#include <QDir>
#include <QFile>
#include <QLineF>
#include <QtMath>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

constexpr double mm = 1440 / 25.4;
constexpr double in = 1440;

class Templates : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files = new TestTemplates;
        database = new TemplateDatabase(TemplateDatabase::load(files->folders()));
    }
    static void TearDownTestSuite() {
        delete database;
        delete files;
    }
    static const LabelTemplate& sheet(const char* name) {
        const LabelTemplate* s = database->find(QString::fromUtf8(name));
        if (!s)
            throw std::runtime_error(std::string("no sheet ") + name);
        return *s;
    }
    // The problems noted for a file, each "file name: reason".
    static QStringList problemsOf(const QString& fileName) {
        QStringList found;
        for (const TemplateDatabase::Problem& p : database->problems())
            if (QFileInfo(p.file).fileName() == fileName)
                found << p.reason;
        return found;
    }

    static inline TestTemplates* files = nullptr;
    static inline TemplateDatabase* database = nullptr;
};

void expectNear(const QRectF& actual, const QRectF& expected, const char* what) {
    EXPECT_NEAR(actual.left(), expected.left(), 0.01) << what;
    EXPECT_NEAR(actual.top(), expected.top(), 0.01) << what;
    EXPECT_NEAR(actual.width(), expected.width(), 0.01) << what;
    EXPECT_NEAR(actual.height(), expected.height(), 0.01) << what;
}

struct UnitCase {
    const char* part;
    int labels;
    QRectF first; // twips
    double margin;
};

void PrintTo(const UnitCase& c, std::ostream* os) {
    *os << c.part;
}

class Units : public Templates, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(Units, LengthsInEveryUnitBecomeTwips) {
    const UnitCase& c = GetParam();
    const LabelTemplate& s = sheet(c.part);
    EXPECT_EQ(s.labelCount(), c.labels);
    ASSERT_FALSE(s.labels().isEmpty());
    expectNear(s.labels().first(), c.first, c.part);
    EXPECT_NEAR(s.markupMargin, c.margin, 0.01);
    EXPECT_EQ(s.shape, LabelTemplate::Shape::Rectangle);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Units,
    ::testing::Values(UnitCase{"Brevtest B65", 65,
                               QRectF(4.75 * mm, 10.7 * mm, 38.1 * mm, 21.2 * mm), 1.5 * mm},
                      UnitCase{"Brevtest PT", 6, QRectF(720, 1440, 2880, 1440), 100},
                      UnitCase{"Brevtest IN", 1, QRectF(0.5 * in, 0.25 * in, 2 * in, in), 0},
                      UnitCase{"Brevtest PC", 1, QRectF(720, 1440, 2880, 1440), 0},
                      UnitCase{"Brevtest EXP", 1, QRectF(0.75 * in, in, 2 * in, in), 0}),
    [](const auto& info) {
        return QString::fromUtf8(info.param.part).split(' ').last().toStdString();
    });

struct LengthCase {
    const char* name;
    const char* text;
    std::optional<double> twips;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class Lengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(Lengths, NumberAndUnit) {
    const std::optional<double> read =
        TemplateFileReader::length(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(read.has_value(), GetParam().twips.has_value());
    if (read)
        EXPECT_NEAR(*read, *GetParam().twips, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Lengths,
    ::testing::Values(
        LengthCase{"PointsWithoutUnit", "12", 240.0}, LengthCase{"Points", "12pt", 240.0},
        LengthCase{"Inches", "1.5in", 2160.0}, LengthCase{"Millimetres", "25.4mm", 1440.0},
        LengthCase{"Centimetres", "2.54cm", 1440.0}, LengthCase{"Picas", "1pc", 240.0},
        LengthCase{"SpaceBeforeTheUnit", " 10 mm ", 10 * mm},
        LengthCase{"Exponent", "7.86772e-17pt", 7.86772e-17 * 20},
        LengthCase{"NoNumberIsZero", "", 0.0}, LengthCase{"Negative", "-2mm", -2 * mm},
        LengthCase{"UnknownUnit", "3furlong", std::nullopt},
        LengthCase{"NotANumber", "abc", std::nullopt},
        LengthCase{"Infinite", "1e999in", std::nullopt},
        LengthCase{"TwoNumbers", "1 2mm", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Templates, EquivalentPartsTakeTheGeometryOfThePartTheyNameInAnotherFile) {
    const LabelTemplate& base = sheet("Brevtest B65");
    for (const char* name : {"Brevtest E65", "Brevtest E65B"}) {
        const LabelTemplate& e = sheet(name);
        EXPECT_EQ(e.labels(), base.labels()) << name;
        EXPECT_EQ(e.labelSize, base.labelSize) << name;
        EXPECT_EQ(e.markupMargin, base.markupMargin) << name;
        EXPECT_EQ(e.paper, base.paper) << name;
        EXPECT_EQ(e.description, base.description) << name;
        EXPECT_EQ(e.name(), QString::fromUtf8(name)) << "keeps its own name";
    }
    EXPECT_EQ(sheet("Brevtest E65").equivalentOf, QStringLiteral("B65"));
}

TEST_F(Templates, RoundEllipticalAndCdLabelsWithTheRoomForAnItem) {
    const LabelTemplate& round = sheet("Brevtest ROUND");
    EXPECT_EQ(round.shape, LabelTemplate::Shape::Round);
    EXPECT_EQ(round.labelCount(), 12);
    const QRectF first = round.labels().first();
    expectNear(first, QRectF(15 * mm, 20 * mm, 40 * mm, 40 * mm), "round");
    // A square inside the circle less its 2 mm margin: corners on that smaller circle.
    const QRectF box = round.itemBox(first);
    EXPECT_NEAR(box.width(), 18 * mm * M_SQRT2, 0.01);
    EXPECT_NEAR(QLineF(first.center(), box.topLeft()).length(), 18 * mm, 0.01);
    EXPECT_EQ(round.sizeText(), QStringLiteral("Ø 40 mm 圓形"));

    const LabelTemplate& oval = sheet("Brevtest OVAL");
    EXPECT_EQ(oval.shape, LabelTemplate::Shape::Ellipse);
    EXPECT_EQ(oval.description, QStringLiteral("Oval labels")) << "description without _";
    const QRectF ovalBox = oval.itemBox(oval.labels().first());
    EXPECT_NEAR(ovalBox.width(), 30 * mm * M_SQRT2, 0.01);
    EXPECT_NEAR(ovalBox.height(), 20 * mm * M_SQRT2, 0.01);

    const LabelTemplate& disc = sheet("Brevtest DISC");
    EXPECT_EQ(disc.shape, LabelTemplate::Shape::Cd);
    EXPECT_EQ(disc.labelCount(), 2);
    const QRectF label = disc.labels().first();
    const QRectF above = disc.itemBox(label);
    // Above the hole and its margin (20 + 3 mm), inside the disc less its margin (58 − 3 mm).
    EXPECT_NEAR(above.bottom(), label.center().y() - 23 * mm, 1);
    for (const QPointF corner : {above.topLeft(), above.topRight()})
        EXPECT_LE(QLineF(label.center(), corner).length(), 55 * mm + 1);
    EXPECT_GT(above.width() * above.height(), 40 * mm * 15 * mm);
}

TEST_F(Templates, LabelsOfSeveralLayoutsGoLeftToRightThenDown) {
    const QList<QRectF> labels = sheet("Brevtest TWO").labels();
    ASSERT_EQ(labels.size(), 4);
    const QList<QPointF> corners{
        {0.5 * in, in}, {4.5 * in, in}, {0.5 * in, 3 * in}, {4.5 * in, 3 * in}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(labels[i].topLeft(), corners[i]) << i;
}

TEST_F(Templates, PapersByNameAndByTheirOwnSize) {
    EXPECT_EQ(sheet("Brevtest B65").paper, QSizeF(210 * mm, 297 * mm));
    EXPECT_EQ(sheet("Brevtest L30").paper, QSizeF(8.5 * in, 11 * in));
    EXPECT_EQ(sheet("Brevtest A3").paper, QSizeF(297 * mm, 420 * mm));
    EXPECT_EQ(sheet("Brevtest CARD").paper, QSizeF(100 * mm, 150 * mm));
    EXPECT_EQ(sheet("Brevtest CARD").paperId, QStringLiteral("Other"));
}

TEST_F(Templates, WhatCannotBeUsedIsLeftOutWithItsFileAndReasonAndTheRestReads) {
    const QStringList broken = problemsOf(QStringLiteral("broken-templates.xml"));
    ASSERT_EQ(broken.size(), 1);
    EXPECT_TRUE(broken.first().startsWith(QStringLiteral("第 6 行：")))
        << broken.first().toStdString();
    EXPECT_EQ(database->find(QStringLiteral("Brevtest BROKEN")), nullptr);
    // A named pipe would never end: it is not opened.
    EXPECT_EQ(problemsOf(QStringLiteral("pipe-templates.xml")),
              QStringList{QStringLiteral("不是一般檔案")});
    EXPECT_EQ(problemsOf(QStringLiteral("brevtest-templates.xml")),
              (QStringList{QStringLiteral("Brevtest UNIT：width=\"3furlong\" 不是可用的長度"),
                           QStringLiteral("Brevtest ZERO：nx=\"0\" 不是 1 到 5000 的整數")}));
    const QStringList equivalents = problemsOf(QStringLiteral("brevtest-equiv-templates.xml"));
    ASSERT_EQ(equivalents.size(), 3);
    EXPECT_TRUE(equivalents[0].startsWith(QStringLiteral("Brevtest LOOP1：equiv 的 LOOP2")));
    EXPECT_TRUE(equivalents[2].startsWith(QStringLiteral("Brevtest LOST：equiv 的 NOWHERE")));
    // notes.txt is no template file name; categories.xml reads as nothing.
    EXPECT_TRUE(problemsOf(QStringLiteral("notes.txt")).isEmpty());
    EXPECT_TRUE(problemsOf(QStringLiteral("categories.xml")).isEmpty());
    EXPECT_EQ(database->filesRead(), 6);
    EXPECT_EQ(database->sheets().size(), 17);
}

TEST_F(Templates, TheUsersOwnSheetsComeFirstAndAddToTheSystems) {
    EXPECT_EQ(sheet("Brevtest MINE").labelCount(), 24);
    const LabelTemplate& cm = sheet("Brevtest CM");
    EXPECT_EQ(cm.description, QStringLiteral("My own CM"));
    EXPECT_EQ(cm.labelCount(), 2);
    expectNear(cm.labels().first(), QRectF(10 * mm, 20 * mm, 50 * mm, 25 * mm), "cm");
    EXPECT_EQ(database->foldersFound(), files->folders());
}

TEST_F(Templates, FoundByNameOrByWordsOfBrandPartAndDescription) {
    ASSERT_NE(database->find(QStringLiteral(" brevtest   b65 ")), nullptr);
    EXPECT_EQ(database->find(QStringLiteral(" brevtest   b65 "))->name(),
              QStringLiteral("Brevtest B65"));
    EXPECT_EQ(database->find(QStringLiteral("Brevtest")), nullptr);
    QStringList names;
    for (const LabelTemplate* s : database->matching(QStringLiteral("65 MINI")))
        names << s->name();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Brevtest B65"), QStringLiteral("Brevtest E65"),
                                  QStringLiteral("Brevtest E65B")}));
    EXPECT_EQ(database->matching(QString()).size(), database->sheets().size());
    EXPECT_TRUE(database->matching(QStringLiteral("brevtest zz")).isEmpty());
    // Two digits swapped are one slip; a part without its brand is as near as the whole name.
    EXPECT_EQ(database->closest(QStringLiteral("Brevtest B56"), 2).first(),
              QStringLiteral("Brevtest B65"));
    EXPECT_EQ(database->closest(QStringLiteral("L30"), 1),
              QStringList{QStringLiteral("Brevtest L30")});
}

struct FolderCase {
    const char* name;
    std::optional<QByteArray> dataHome;
    std::optional<QByteArray> dataDirs;
    QStringList expected; // "~" for the home folder
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

class StandardFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(StandardFolders, FollowTheXdgBaseDirectoryRules) {
    const FolderCase& c = GetParam();
    ScopedEnvironment env;
    if (c.dataHome)
        env.set("XDG_DATA_HOME", *c.dataHome);
    else
        env.unset("XDG_DATA_HOME");
    if (c.dataDirs)
        env.set("XDG_DATA_DIRS", *c.dataDirs);
    else
        env.unset("XDG_DATA_DIRS");
    QStringList expected;
    for (QString f : c.expected)
        expected << f.replace(QLatin1Char('~'), QDir::homePath());
    EXPECT_EQ(TemplateDatabase::standardFolders(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, StandardFolders,
    ::testing::Values(FolderCase{"Defaults",
                                 std::nullopt,
                                 std::nullopt,
                                 {QStringLiteral("~/.local/share/Brevmark/templates"),
                                  QStringLiteral("/usr/local/share/libglabels-3.0/templates"),
                                  QStringLiteral("/usr/share/libglabels-3.0/templates")}},
                      FolderCase{"Named",
                                 QByteArray("/d/home"),
                                 QByteArray("/a:/b/:/a"),
                                 {QStringLiteral("/d/home/Brevmark/templates"),
                                  QStringLiteral("/a/libglabels-3.0/templates"),
                                  QStringLiteral("/b/libglabels-3.0/templates")}},
                      // Relative paths are not the rules' paths and are passed over.
                      FolderCase{"RelativeIgnored",
                                 QByteArray("relative"),
                                 QByteArray("share::/c"),
                                 {QStringLiteral("~/.local/share/Brevmark/templates"),
                                  QStringLiteral("/c/libglabels-3.0/templates")}},
                      FolderCase{"EmptyIsTheDefault",
                                 QByteArray(""),
                                 QByteArray(""),
                                 {QStringLiteral("~/.local/share/Brevmark/templates"),
                                  QStringLiteral("/usr/local/share/libglabels-3.0/templates"),
                                  QStringLiteral("/usr/share/libglabels-3.0/templates")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemplateDatabase, NoFolderGivesNoSheetsAndNoProblem) {
    const TemplateDatabase db = TemplateDatabase::load({QStringLiteral("/nonexistent/folder")});
    EXPECT_TRUE(db.sheets().isEmpty());
    EXPECT_TRUE(db.problems().isEmpty());
    EXPECT_TRUE(db.foldersFound().isEmpty());
}

// The database Debian's glabels-data installs (scripts/install-deps.sh installs it).
TEST(TemplateDatabase, TheInstalledDatabaseReadsWhole) {
    const QString system = QStringLiteral("/usr/share/libglabels-3.0/templates");
    if (!QDir(system).exists())
        GTEST_SKIP() << "skipped: glabels-data is not installed";
    const TemplateDatabase db = TemplateDatabase::load({system});
    EXPECT_GE(db.sheets().size(), 1700);
    for (const TemplateDatabase::Problem& p : db.problems())
        ADD_FAILURE() << p.file.toStdString() << ": " << p.reason.toStdString();
    const LabelTemplate* l7651 = db.find(QStringLiteral("avery l7651"));
    ASSERT_NE(l7651, nullptr);
    EXPECT_EQ(l7651->labelCount(), 65);
    EXPECT_EQ(l7651->sizeText(), QStringLiteral("38.1 × 21.2 mm"));
    EXPECT_EQ(l7651->paper, QSizeF(210 * mm, 297 * mm));
}

} // namespace
} // namespace brevmark::test
