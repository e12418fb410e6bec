// Draws the application icon of the sample installation, so that no binary
// image has to live in the repository: 72x72 unless a size is given (the
// desktop's icon theme takes it in several sizes).
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int size = argc == 3 ? atoi(argv[2]) : 72;
    if (argc < 2 || argc > 3 || size < 16 || size > 512) {
        fprintf(stderr, "usage: %s <out.png> [size, 16 to 512]\n", argv[0]);
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a grid of 72, scaled to the size asked for.
    p.scale(size / 72.0, size / 72.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x6f, 0xb2));
    p.drawRoundedRect(QRectF(2, 2, 68, 68), 14, 14);
    // A shield with an upward arrow: a copy kept safe.
    QPainterPath shield;
    shield.moveTo(36, 12);
    shield.lineTo(58, 20);
    shield.cubicTo(58, 42, 50, 54, 36, 62);
    shield.cubicTo(22, 54, 14, 42, 14, 20);
    shield.closeSubpath();
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    p.drawPath(shield);
    p.setBrush(QColor(0x1f, 0x6f, 0xb2));
    QPolygonF arrow;
    arrow << QPointF(36, 22) << QPointF(47, 35) << QPointF(40, 35) << QPointF(40, 50)
          << QPointF(32, 50) << QPointF(32, 35) << QPointF(25, 35);
    p.drawPolygon(arrow);
    p.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
