#include "sky/widgets/SkyViewIcons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace sky {

namespace {

constexpr int kSize = 24;
const QColor kInk(30, 40, 70);
const QColor kSky(20, 30, 60);

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    return QIcon(QPixmap::fromImage(image));
}

void Text(QPainter& p, const QRect& box, const QString& text, int pixels, bool bold = true) {
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    p.setFont(f);
    p.drawText(box, Qt::AlignCenter, text);
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.drawLine(QPointF(15, 15), QPointF(22, 22));
}

}  // namespace

QIcon SkyViewIcon(SkyIcon icon) {
    switch (icon) {
        case SkyIcon::Grid:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 1.5));
                for (int i = 5; i < kSize; i += 7) {
                    p.drawLine(i, 2, i, kSize - 2);
                    p.drawLine(2, i, kSize - 2, i);
                }
            });
        case SkyIcon::Figures:
            return Drawn([](QPainter& p) {
                const QPointF stars[] = {{4, 5}, {10, 9}, {13, 16}, {20, 20}, {19, 7}};
                p.setPen(QPen(kInk, 1.5));
                p.drawPolyline(stars, 4);
                p.drawLine(stars[1], stars[4]);
                p.setBrush(QColor(230, 180, 30));
                p.setPen(Qt::NoPen);
                for (const QPointF& s : stars) p.drawEllipse(s, 2.2, 2.2);
            });
        case SkyIcon::Boundaries:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 1.5, Qt::DashDotLine));
                p.drawPolyline(QPolygonF({{3, 20}, {3, 4}, {12, 4}, {12, 11}, {21, 11}, {21, 20}}));
            });
        case SkyIcon::LevelOfDetail:
            return Drawn([](QPainter& p) {
                p.setPen(kInk);
                Text(p, QRect(0, 0, kSize, kSize), QStringLiteral("Aa"), 12);
            });
        case SkyIcon::Options:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 2));
                for (int y : {6, 12, 18}) p.drawLine(3, y, 21, y);
                p.setBrush(QColor(230, 230, 240));
                p.drawEllipse(QPointF(8, 6), 2.5, 2.5);
                p.drawEllipse(QPointF(16, 12), 2.5, 2.5);
                p.drawEllipse(QPointF(11, 18), 2.5, 2.5);
            });
        case SkyIcon::Earth:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(QColor(20, 60, 120), 1.5));
                p.setBrush(QColor(70, 130, 210));
                p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(12, 12), 4, 9.5);
                p.drawLine(3, 12, 21, 12);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(60, 150, 60));
                p.drawEllipse(QPointF(8, 8), 3, 2.5);
                p.drawEllipse(QPointF(15, 16), 3, 2);
            });
        case SkyIcon::UpdateSpeed:
            return Drawn([](QPainter& p) {
                p.setPen(QPen(kInk, 1.5));
                p.setBrush(QColor(250, 250, 240));
                p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
                p.setPen(QPen(kInk, 2));
                p.drawLine(QPointF(12, 12), QPointF(12, 5));
                p.drawLine(QPointF(12, 12), QPointF(17, 14));
            });
        case SkyIcon::ZoomIn:
            return Drawn([](QPainter& p) {
                Magnifier(p);
                p.drawLine(7, 10, 13, 10);
                p.drawLine(10, 7, 10, 13);
            });
        case SkyIcon::ZoomOut:
            return Drawn([](QPainter& p) {
                Magnifier(p);
                p.drawLine(7, 10, 13, 10);
            });
        case SkyIcon::ZoomDefault:
            return Drawn([](QPainter& p) {
                p.setPen(kInk);
                Text(p, QRect(0, 0, kSize, kSize), QStringLiteral("45\u00B0"), 10);
            });
    }
    return {};
}

QIcon CompassIcon(const QString& letter) {
    return Drawn([letter](QPainter& p) {
        p.setPen(QPen(kSky, 1));
        p.setBrush(QColor(225, 232, 248));
        p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
        p.setPen(kSky);
        Text(p, QRect(0, 0, kSize, kSize), letter, 12);
    });
}

}  // namespace sky
