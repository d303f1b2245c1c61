#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace brevmark::test {

// The label template database of the tests (tests/alignment/fixtures/template_files.py), written
// into a temporary folder: the system's folder under share/ and the user's under home/, as
// XDG_DATA_DIRS and XDG_DATA_HOME name them.
class TestTemplates {
public:
    TestTemplates();

    QString dataDirs() const { return dir_.filePath(QStringLiteral("share")); }
    QString dataHome() const { return dir_.filePath(QStringLiteral("home")); }
    QString systemFolder() const;
    QString userFolder() const;
    // The user's folder first, as the program looks.
    QStringList folders() const { return {userFolder(), systemFolder()}; }

private:
    QTemporaryDir dir_;
};

} // namespace brevmark::test
