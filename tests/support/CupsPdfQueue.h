#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// A real default printer for end-to-end tests: a cups-pdf queue whose PDF files are rasterised
// and decoded. Needs root (to start cupsd and add the queue), CUPS, cups-pdf, poppler and zbar.
namespace brevmark::test::cups {

// The queue's name and the folder its PDF files go to.
QString queueName();
QString outputFolder();

// Makes the cups-pdf queue the default printer; false with the reason when the machine cannot.
bool prepareQueue(QString* why);
// Empties the queue's output folder.
void clearOutput();
// The PDF the queue wrote, once the queue is idle and the file has stopped growing; empty on
// time-out.
QString waitForPdf(int timeoutMs = 90000);
// Pages of the PDF as 600-dpi grey images.
QList<QImage> rasterise(const QString& pdf, const QTemporaryDir& dir);
// Code 39 texts zbarimg reads in an image file, sorted.
QStringList decode(const QString& imageFile);
// Decodes one region of a page (twips), on its own so that equal symbols count one by one.
QStringList decodeRegion(const QImage& page, const QRectF& twips, const QTemporaryDir& dir);
// Left edges (pixels) of the dark runs of one raster row between two x positions.
QList<int> barLeftEdges(const QImage& page, int y, int fromX, int toX);

} // namespace brevmark::test::cups
