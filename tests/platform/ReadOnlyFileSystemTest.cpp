// A file system that only reads, for commands that must never change a data file.
#include "platform/ReadOnlyFileSystem.h"
#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(ReadOnlyFileSystem, ReadsButRefusesEveryChange) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    LocalFileSystem disk;
    QFile f(path("data.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kept");
    f.close();
    ReadOnlyFileSystem files(disk);
    QByteArray bytes;
    ASSERT_TRUE(files.readBytes(path("data.txt"), &bytes, nullptr));
    EXPECT_EQ(bytes, QByteArray("kept"));
    EXPECT_TRUE(files.fileExists(path("data.txt")));
    EXPECT_EQ(files.listFolder(dir.path(), QStringLiteral("*.txt")), QStringList{"data.txt"});

    QString error;
    EXPECT_FALSE(files.replaceText(path("data.txt"), QStringLiteral("new"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(files.appendText(path("data.txt"), QStringLiteral("more"), &error));
    EXPECT_FALSE(files.renameFile(path("data.txt"), path("moved.txt")));
    EXPECT_FALSE(files.removeFile(path("data.txt")));
    EXPECT_FALSE(files.createFolder(dir.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(files.refusedChanges(), 5);
    EXPECT_EQ(bytesOf(path("data.txt")), QByteArray("kept"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("data.txt")});
}
