#include "platform/LocalFileSystem.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace brevmark;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class LocalFileSystemTest : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    LocalFileSystem files;
    QString file(const QString& name) const { return folder.recordsFile(name); }
};

} // namespace

TEST_F(LocalFileSystemTest, ReplaceGoesThroughTheTemporaryNameAndLeavesNothingBehind) {
    const QString path = file(QStringLiteral("TOP.reg"));
    ASSERT_TRUE(files.replaceBytes(path, "new file", nullptr));
    EXPECT_EQ(contents(path), QByteArray("new file"));
    ASSERT_TRUE(files.replaceBytes(path, "second", nullptr));
    EXPECT_EQ(contents(path), QByteArray("second"));
    EXPECT_FALSE(QFile::exists(FileSystem::temporaryPath(path)));
    EXPECT_EQ(FileSystem::temporaryPath(path), path + QStringLiteral("_"));

    // An old temporary file (even a link planted there) is replaced, never written into.
    const QString elsewhere = file(QStringLiteral("other"));
    put(elsewhere, "keep");
    ASSERT_TRUE(QFile::link(elsewhere, FileSystem::temporaryPath(path)));
    ASSERT_TRUE(files.replaceBytes(path, "third", nullptr));
    EXPECT_EQ(contents(path), QByteArray("third"));
    EXPECT_EQ(contents(elsewhere), QByteArray("keep"));
}

TEST_F(LocalFileSystemTest, AFailedReplaceLeavesTheOldFileAndGivesTheReason) {
    const QString path = file(QStringLiteral("條碼檔.zip"));
    put(path, "old");
    // The temporary name is taken by a folder that cannot be removed.
    ASSERT_TRUE(QDir().mkpath(FileSystem::temporaryPath(path) + QStringLiteral("/inside")));
    QString error;
    EXPECT_FALSE(files.replaceBytes(path, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path), QByteArray("old"));

    QString folderError;
    EXPECT_FALSE(files.replaceBytes(folder.location().recordsFolder(), "x", &folderError));
    EXPECT_FALSE(folderError.isEmpty());
}

TEST_F(LocalFileSystemTest, WritesRefuseLinksLeadingOutOfTheirFolder) {
    test::TempDataFolder other;
    const QString outside = other.path() + QStringLiteral("/target");
    put(outside, "precious");
    const QString link = file(QStringLiteral("TOP.reg"));
    ASSERT_TRUE(QFile::link(outside, link));
    QString error;
    EXPECT_FALSE(files.replaceBytes(link, "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("連結")));
    EXPECT_FALSE(files.appendBytes(link, "x", nullptr));
    EXPECT_EQ(contents(outside), QByteArray("precious"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // A relative link that climbs out with ".." is just as much outside; one that leads nowhere
    // is refused too.
    const QString climbing = file(QStringLiteral("climb"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../../") + QFileInfo(other.path()).fileName() +
                                QStringLiteral("/target"),
                            climbing));
    EXPECT_FALSE(files.replaceBytes(climbing, "x", nullptr));
    const QString dangling = file(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(other.path() + QStringLiteral("/missing"), dangling));
    EXPECT_FALSE(files.appendBytes(dangling, "x", nullptr));
    EXPECT_FALSE(QFile::exists(other.path() + QStringLiteral("/missing")));
    EXPECT_EQ(contents(outside), QByteArray("precious"));

    // A link to a file of the same folder is written through and stays a link.
    const QString real = file(QStringLiteral("real"));
    put(real, "a");
    const QString inside = file(QStringLiteral("inside"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real"), inside));
    EXPECT_TRUE(files.appendBytes(inside, "b", nullptr));
    EXPECT_TRUE(files.replaceBytes(inside, "c", nullptr));
    EXPECT_EQ(contents(real), QByteArray("c"));
    EXPECT_TRUE(QFileInfo(inside).isSymLink());
}

TEST_F(LocalFileSystemTest, LastBytesAndTextAppends) {
    const QString path = file(QStringLiteral("t"));
    EXPECT_EQ(files.lastBytes(path, 2), QByteArray());
    EXPECT_TRUE(files.appendText(path, QStringLiteral("\"甲\"\r\n")));
    EXPECT_EQ(files.lastBytes(path, 2), QByteArray("\r\n"));
    EXPECT_EQ(files.lastBytes(path, 100), QByteArray("\"\xA5\xD2\"\r\n"));
    put(path, "\"a\"");
    EXPECT_TRUE(files.appendText(path, QStringLiteral("\"b\"\r\n")));
    EXPECT_EQ(contents(path), QByteArray("\"a\"\r\n\"b\"\r\n"));
}

namespace {
// A limit on the size of files this process writes, as a full disk would set one, lifted again
// at the end of the scope. Writes past it fail with EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool isSet() const { return set_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool set_ = false;
};
} // namespace

TEST_F(LocalFileSystemTest, AnAppendCutShortTakesBackWhatItWrote) {
    const QString path = file(QStringLiteral("records"));
    const QByteArray before = QByteArray("\"old\",1\r\n").repeated(10);
    put(path, before);
    const QByteArray lines = QByteArray("\"new record\",1\r\n").repeated(500);
    QString error;
    {
        FileSizeLimit limit(rlim_t(before.size() + 100));
        ASSERT_TRUE(limit.isSet());
        EXPECT_FALSE(files.appendBytes(path, lines, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path), before) << "none of the new lines, and the old ones whole";

    const QString fresh = file(QStringLiteral("fresh"));
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(files.appendBytes(fresh, lines, &error));
    }
    EXPECT_FALSE(QFileInfo::exists(fresh)) << "a file the append made is not left behind";

    EXPECT_TRUE(files.appendBytes(path, lines, &error));
    EXPECT_EQ(contents(path), before + lines);
}
