#pragma once

#include "platform/DataLocation.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace brevmark::test {

// A fresh program folder with its two data folders, removed when the test ends.
class TempDataFolder {
public:
    explicit TempDataFolder(bool createDataFolders = true);
    DataLocation location() const { return DataLocation(dir_.path()); }
    QString path() const { return dir_.path(); }
    QString recordsFile(const QString& name) const { return location().recordsFile(name); }
    void writeRecordsFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readRecordsFile(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Bytes that python3's cp950 codec makes of a text (given as UTF-8), so fixtures are not written
// by the code under test.
QByteArray pythonCp950(const QString& text);

// The stored form python3 makes of a start-up password: the key, then each cp950 byte of the
// password plus the key, all as two hexadecimal digits.
QString pythonStoredPassword(const QString& password, int key);

} // namespace brevmark::test
