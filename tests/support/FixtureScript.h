#pragma once

#include <QString>
#include <QStringList>

namespace brevmark::test {

// Runs a python3 fixture script of the source tree (a path relative to the source folder) with
// arguments, so that fixture files are made by another program than the one under test. Throws
// when the script fails.
void runFixtureScript(const QString& script, const QStringList& arguments);

} // namespace brevmark::test
