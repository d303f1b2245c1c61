#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// What an HP LaserJet would print from a PCL job: CUPS's rastertohp driver sends each page as one
// raster graphic (ESC*r…A … ESC*rB) of rows of dots, uncompressed or in TIFF PackBits, placed at
// the page's printable corner. Each page becomes one image of the paper at the job's resolution,
// one pixel per printer dot, black where the printer puts toner; nothing outside the graphic is
// ever printed.
namespace brevmark::test::pcl {

struct Page {
    QImage paper; // the whole sheet (size from ESC&l#A), white where nothing was sent
    QRect raster; // where the raster graphic lies on it, in dots
};

struct Job {
    int dotsPerInch = 0; // ESC*t#R
    QList<Page> pages;
    QString error; // a command the reader does not know how to print; empty when none
};

Job read(const QByteArray& job);

} // namespace brevmark::test::pcl
