#include "manager/ui/ManagerPictures.h"

#include "platform/TransparentImage.h"
#include "platform/qt/CardPicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace brevmark {

namespace {
const QColor navy(0, 48, 166);
const QColor cyan(43, 208, 228);

void barcodeGlyph(QPainter& p, const QRectF& r, const QColor& ink) {
    static const int widths[] = {2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3, 1, 1, 2};
    double x = r.left();
    const double unit = r.width() / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 14 && x < r.right(); ++i) {
        if (i % 2 == 0)
            p.drawRect(QRectF(x, r.top(), widths[i] * unit, r.height()));
        x += widths[i] * unit;
    }
}
} // namespace

QImage ManagerPictures::windowBackground(QSize pixels, const QString& title) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, QColor(236, 242, 255));
    g.setColorAt(1, QColor(214, 224, 248));
    p.fillRect(image.rect(), g);
    QLinearGradient band(0, 0, pixels.width(), 0);
    band.setColorAt(0, navy);
    band.setColorAt(1, QColor(60, 110, 220));
    p.fillRect(QRectF(0, 0, pixels.width(), bandHeight), band);
    p.fillRect(QRectF(0, bandHeight, pixels.width(), 2), cyan);
    p.setRenderHint(QPainter::Antialiasing);
    // The program's mark: a white tile with bars.
    const QRectF tile(14, 10, 32, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(tile, 6, 6);
    barcodeGlyph(p, tile.adjusted(5, 7, -5, -7), navy);
    QFont font = p.font();
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(58, 0, pixels.width() - 120, bandHeight), Qt::AlignVCenter | Qt::AlignLeft,
               title);
    // Outer frames, as the settings window draws them.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(navy);
    p.drawRect(0, 0, pixels.width() - 1, pixels.height() - 1);
    p.setPen(QColor(128, 128, 255));
    p.drawRect(1, 1, pixels.width() - 3, pixels.height() - 3);
    return image;
}

QImage ManagerPictures::card(QSize pixels, const QString& title) {
    return cardPicture(pixels, title);
}

QImage ManagerPictures::closeButton(bool hover, QSize pixels) {
    return closeButtonPicture(hover, pixels);
}

QImage ManagerPictures::showBarcode(bool hover, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(hover ? cyan : QColor(160, 178, 230), 1));
    p.setBrush(hover ? QColor(230, 250, 253) : Qt::white);
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    barcodeGlyph(p,
                 box.adjusted(box.height() * 0.55, box.height() * 0.28, -box.height() * 0.55,
                              -box.height() * 0.28),
                 hover ? navy : QColor(70, 84, 110));
    return image;
}

QString ManagerPictures::styleSheet() {
    return QStringLiteral(
        "QLineEdit{border:1px solid #b4c2e6;border-radius:5px;padding:0 6px;background:white;"
        "color:#1f2a44;selection-background-color:#2f6fed;}"
        "QLineEdit:focus{border:1px solid #2bd0e4;background:#fbfeff;}"
        "QPushButton{border:1px solid #9fb2e4;border-radius:6px;padding:0 12px;color:#0a2a7a;"
        "background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #ffffff,stop:1 #e4ecff);}"
        "QPushButton:hover{border-color:#2bd0e4;background:qlineargradient(x1:0,y1:0,x2:0,y2:1,"
        "stop:0 #ffffff,stop:1 #d6f5fa);}"
        "QPushButton:pressed{background:#c8d8ff;}"
        "QPushButton:disabled{color:#9aa6c2;border-color:#ccd6ee;background:#f1f4fb;}"
        "QPushButton:checked{color:white;border-color:#0030a6;background:qlineargradient(x1:0,"
        "y1:0,x2:0,y2:1,stop:0 #3c6edc,stop:1 #0030a6);}"
        "QPushButton#新增條碼,QPushButton#修改條碼{color:white;border-color:#0030a6;"
        "background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #3c6edc,stop:1 #0030a6);}"
        "QPushButton#新增條碼:hover,QPushButton#修改條碼:hover{background:#2f6fed;}"
        "QListWidget{border:1px solid #b4c2e6;border-radius:6px;background:white;color:#1f2a44;"
        "selection-background-color:#2f6fed;selection-color:white;outline:none;}"
        "QListWidget::item:hover{background:#e8f8fb;}"
        "QListWidget::item:selected{background:#2f6fed;color:white;}"
        "QCheckBox,QRadioButton{color:#1f2a44;spacing:5px;}"
        "QCheckBox:focus,QRadioButton:focus{outline:none;}");
}

} // namespace brevmark
