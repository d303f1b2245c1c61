#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// What a ZPL label printer would print: the graphics in a ZPL job as the printer's dots. CUPS's
// Zebra driver sends each label as one downloaded graphic (~DG) in Zebra's compressed hexadecimal
// form, recalled by ^XG; ^GF graphics are read the same way. Each graphic becomes one image, one
// pixel per printer dot, black where the printer burns a dot.
namespace brevmark::test::zpl {

QList<QImage> graphics(const QByteArray& job);

// The widths, in dots, of the dark runs along row `y` between x0 and x1: the bars a scanner
// crosses there.
QList<int> darkRuns(const QImage& image, int y, int x0, int x1);

} // namespace brevmark::test::zpl
