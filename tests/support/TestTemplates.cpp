#include "support/TestTemplates.h"

#include "support/FixtureScript.h"

namespace brevmark::test {

TestTemplates::TestTemplates() {
    runFixtureScript(QStringLiteral("tests/alignment/fixtures/template_files.py"), {dir_.path()});
}

QString TestTemplates::systemFolder() const {
    return dataDirs() + QStringLiteral("/libglabels-3.0/templates");
}

QString TestTemplates::userFolder() const {
    return dataHome() + QStringLiteral("/Brevmark/templates");
}

} // namespace brevmark::test
