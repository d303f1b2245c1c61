// Pictures within the size limits that cost a naive reader minutes: each loads or is refused
// quickly. The time bound is the CTest timeout of these tests; the files are written by
// tests/platform/fixtures/*.py before the tests run (or here, when a test runs on its own).
#include "platform/QtPictureLoader.h"
#include "support/FixtureScript.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace brevmark {
namespace {

struct HostileCase {
    const char* file;
    const char* script;
    bool loads;
    const char* reason; // a word the refusal names
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.file;
}

class HostilePicture : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePicture, LoadsOrIsRefusedQuickly) {
    const HostileCase& c = GetParam();
    const QString path = QStringLiteral(BREVMARK_HOSTILE_FOLDER "/") + QLatin1String(c.file);
    if (!QFileInfo::exists(path))
        test::runFixtureScript(QStringLiteral("tests/platform/fixtures/") + QLatin1String(c.script),
                               {QStringLiteral(BREVMARK_HOSTILE_FOLDER), QLatin1String(c.file)});
    QString error;
    const Picture picture = QtPictureLoader().load(path, &error);
    EXPECT_EQ(!picture.isNull(), c.loads) << error.toStdString();
    if (!c.loads)
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
}

constexpr const char* metafiles = "hostile_metafiles.py";
constexpr const char* rasters = "hostile_rasters.py";

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePicture,
    ::testing::Values(
        // 65535 objects and 2.4 million object records: more records than a picture may have
        HostileCase{"many-objects.wmf", metafiles, false, "records"},
        // as many object records as a picture may have, all into a table of 65535
        HostileCase{"full-object-table.wmf", metafiles, true, ""},
        // 200,000 excluded squares, a drawing after each
        HostileCase{"many-clips.wmf", metafiles, false, "work"},
        // a clip region just within its bound of rectangles, applied over and over
        HostileCase{"busy-clips.wmf", metafiles, false, "work"},
        HostileCase{"many-records.wmf", metafiles, true, ""},
        HostileCase{"many-saves.wmf", metafiles, false, "records"},
        HostileCase{"many-points.wmf", metafiles, false, "work"},
        HostileCase{"many-texts.wmf", metafiles, false, "work"},
        HostileCase{"many-blits.wmf", metafiles, false, "work"},
        // the largest GIF allowed, coded so that no pixel is compressed
        HostileCase{"largest-gif.gif", rasters, true, ""},
        HostileCase{"too-large-gif.gif", rasters, false, "too large"}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.file; *c && *c != '.'; ++c)
            if (std::isalnum(uchar(*c)))
                name += *c;
        return name;
    });

} // namespace
} // namespace brevmark
