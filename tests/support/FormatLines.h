#pragma once

#include <QString>
#include <QStringList>

// Lines of the format record file and of layout files, as fixtures give them to the python
// writer (pythonCp950): the program's own writer never makes a fixture.
namespace brevmark::test {

// One quoted-field line of a format record: eleven texts, an empty one and the tail 1.
inline QString formatLine(const QStringList& fields) {
    QStringList quoted;
    for (int f = 0; f < 11; ++f)
        quoted << QLatin1Char('"') + fields.value(f) + QLatin1Char('"');
    return quoted.join(QLatin1Char(',')) + QStringLiteral(",\"\",1\r\n");
}

// The barcode record of a blank item with a text, as the program writes it. In a layout file the
// category is the item's group and the name its position ("x y").
inline QString barcodeLine(const QString& category, const QString& name, const QString& text,
                           const QString& width = QStringLiteral("3600"),
                           const QString& height = QStringLiteral("900")) {
    return formatLine({category, name, QStringLiteral("條碼"), width, height, text,
                       QStringLiteral("16777215"), QStringLiteral("1"),
                       QStringLiteral("120 120 480"), QStringLiteral("False False False 0 10"),
                       QStringLiteral("2 0 0 0")});
}

} // namespace brevmark::test
