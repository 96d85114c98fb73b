#include "viewer/widgets/PadPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

QImage StickPadPicture() {
    QImage img(128, 128, QImage::Format_RGB32);
    img.fill(QColor(40, 40, 48));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 130), 1));
    for (int r : {60, 40}) p.drawEllipse(QPointF(64, 64), r, r);
    p.drawLine(4, 64, 124, 64);
    p.drawLine(64, 4, 64, 124);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(64, 64), 19, 19);  // the dead centre: a press here stops turning
    p.setPen(QColor(230, 230, 230));
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    p.drawText(QRect(0, 0, 128, 14), Qt::AlignCenter, QStringLiteral("up"));
    p.drawText(QRect(0, 114, 128, 14), Qt::AlignCenter, QStringLiteral("down"));
    p.drawText(QRect(2, 57, 30, 14), Qt::AlignLeft, QStringLiteral("left"));
    p.drawText(QRect(96, 57, 30, 14), Qt::AlignRight, QStringLiteral("right"));
    p.drawText(QRect(44, 57, 40, 14), Qt::AlignCenter, QStringLiteral("stop"));
    return img;
}

QImage RollPadPicture() {
    // Pure colours only: the pad reads the pixel under the mouse.
    QImage img(128, 79, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath band;
    band.moveTo(4, 75);
    band.arcTo(QRectF(4, 4, 120, 142), 180, -180);
    band.lineTo(104, 75);
    band.arcTo(QRectF(24, 24, 80, 102), 0, 180);
    band.closeSubpath();
    p.fillPath(band, Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(64, 66), 10, 10);
    return img;
}

namespace {
QImage Glyph(const std::function<void(QPainter&)>& draw) {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}
}  // namespace

QImage EncyclopediaGlyph() {
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(60, 40, 20), 2));
        p.setBrush(QColor(150, 90, 40));
        p.drawRect(6, 4, 20, 24);
        p.setPen(QPen(QColor(240, 220, 160), 2));
        p.drawLine(10, 10, 22, 10);
        p.drawLine(10, 15, 22, 15);
        p.drawLine(10, 20, 18, 20);
    });
}

QImage MoveToGlyph() {
    return Glyph([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(QPointF(24, 16), 6, 6);
        p.setPen(QPen(QColor(30, 30, 30), 3));
        p.drawLine(3, 16, 14, 16);
        p.drawLine(9, 10, 15, 16);
        p.drawLine(9, 22, 15, 16);
    });
}

QImage LookAtGlyph() {
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.setBrush(Qt::white);
        QPainterPath eye;
        eye.moveTo(3, 16);
        eye.quadTo(16, 4, 29, 16);
        eye.quadTo(16, 28, 3, 16);
        p.drawPath(eye);
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(QPointF(16, 16), 5, 5);
    });
}
