#include "Drawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {
namespace {

const QColor kNavy(0x1f, 0x3a, 0x5a);
const QColor kTeal(0x1f, 0x7a, 0x7a);
const QColor kLight(0xe9, 0xee, 0xf3);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kAmber(0xd9, 0x8b, 0x1f);
const QColor kGrey(0x9a, 0xa4, 0xaf);

QImage blank(int width, int height, const QColor& fill = Qt::transparent) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void antialias(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(qreal pixelSize, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}

// The product's motif: a cause-and-effect skeleton with three bones above the spine, two below and
// a head on the right, fitted into the given rectangle.
void drawSkeleton(QPainter& painter, const QRectF& r, const QColor& color, qreal width) {
    painter.save();
    QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal midY = r.center().y();
    const qreal headStart = r.left() + r.width() * 0.78;
    const qreal tailEnd = r.left() + r.width() * 0.08;
    painter.drawLine(QPointF(tailEnd, midY), QPointF(headStart, midY));

    QPainterPath tail;
    tail.moveTo(tailEnd, midY);
    tail.lineTo(r.left(), midY - r.height() * 0.22);
    tail.lineTo(r.left(), midY + r.height() * 0.22);
    tail.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(tail);

    QPainterPath head;
    head.moveTo(headStart, midY - r.height() * 0.26);
    head.quadTo(r.right(), midY - r.height() * 0.2, r.right(), midY);
    head.quadTo(r.right(), midY + r.height() * 0.2, headStart, midY + r.height() * 0.26);
    head.closeSubpath();
    painter.drawPath(head);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);

    const qreal boneDx = r.width() * 0.14;
    const qreal boneDy = r.height() * 0.42;
    const qreal span = headStart - tailEnd;
    for (int i = 0; i < 3; ++i) {
        const qreal x = tailEnd + span * (0.32 + 0.3 * i);
        painter.drawLine(QPointF(x - boneDx, midY - boneDy), QPointF(x, midY));
    }
    for (int i = 0; i < 2; ++i) {
        const qreal x = tailEnd + span * (0.47 + 0.3 * i);
        painter.drawLine(QPointF(x - boneDx, midY + boneDy), QPointF(x, midY));
    }
    painter.restore();
}

// A sheet of paper with a folded corner: the shape of a project file.
QRectF drawSheet(QPainter& painter, int size) {
    const qreal s = size;
    const qreal margin = s * 0.12;
    const QRectF sheet(margin, s * 0.04, s - 2 * margin, s * 0.92);
    const qreal fold = s * 0.26;
    QPainterPath path;
    path.moveTo(sheet.topLeft());
    path.lineTo(sheet.right() - fold, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + fold);
    path.lineTo(sheet.bottomRight());
    path.lineTo(sheet.bottomLeft());
    path.closeSubpath();
    painter.setPen(QPen(kNavy, qMax<qreal>(1.0, s / 24.0)));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    painter.setBrush(kLight);
    painter.drawPath(corner);
    return sheet;
}

void drawBadge(QPainter& painter, int size, const QColor& color, const QString& text) {
    const qreal d = size * 0.5;
    const QRectF badge(size - d, size - d, d, d);
    painter.setPen(QPen(Qt::white, qMax<qreal>(1.0, size / 32.0)));
    painter.setBrush(color);
    painter.drawEllipse(badge.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::white);
    painter.setFont(font(d * 0.72, true));
    painter.drawText(badge, Qt::AlignCenter, text);
}

} // namespace

QImage logo(int size) {
    QImage image = blank(size, size);
    QPainter painter(&image);
    antialias(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    const qreal m = size * 0.14;
    drawSkeleton(painter, QRectF(m, size * 0.22, size - 2 * m, size * 0.56), Qt::white, qMax<qreal>(1.5, size / 22.0));
    return image;
}

QImage splash() {
    QImage image = blank(700, 440);
    QPainter painter(&image);
    antialias(painter);
    QLinearGradient gradient(0, 0, 700, 440);
    gradient.setColorAt(0.0, kNavy);
    gradient.setColorAt(1.0, kTeal);
    painter.fillRect(image.rect(), gradient);
    drawSkeleton(painter, QRectF(385, 60, 295, 250), QColor(255, 255, 255, 40), 9);

    painter.setPen(Qt::white);
    painter.setFont(font(96, true));
    painter.drawText(QRectF(48, 150, 500, 110), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TOVA"));
    painter.setFont(font(22));
    painter.drawText(QRectF(52, 262, 600, 32), Qt::AlignLeft, QStringLiteral("Phase reviews of rework risk"));
    painter.setFont(font(15));
    painter.setPen(QColor(255, 255, 255, 210));
    painter.drawText(QRectF(52, 296, 600, 24), Qt::AlignLeft,
                     QStringLiteral("for engineering and construction project teams"));
    painter.setFont(font(13));
    painter.drawText(QRectF(52, 392, 300, 22), Qt::AlignLeft, QStringLiteral("Version 2.0"));
    painter.drawText(QRectF(348, 392, 300, 22), Qt::AlignRight, QStringLiteral("Starting\u2026"));
    return image;
}

QImage about() {
    QImage image = blank(544, 264, Qt::white);
    QPainter painter(&image);
    antialias(painter);
    painter.fillRect(QRect(0, 0, 176, 264), kNavy);
    painter.drawImage(QPoint(32, 56), logo(112));
    painter.setPen(Qt::white);
    painter.setFont(font(13, true));
    painter.drawText(QRectF(0, 186, 176, 24), Qt::AlignHCenter, QStringLiteral("TOVA"));

    painter.setPen(kNavy);
    painter.setFont(font(26, true));
    painter.drawText(QRectF(200, 30, 330, 36), Qt::AlignLeft, QStringLiteral("TOVA v2.0"));
    painter.setPen(QColor(0x1d, 0x27, 0x33));
    painter.setFont(font(13));
    painter.drawText(QRectF(200, 76, 330, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Phase reviews of rework risk for engineering and construction projects."));
    painter.setPen(kTeal);
    painter.drawLine(200, 142, 520, 142);
    painter.setPen(QColor(0x5b, 0x67, 0x75));
    painter.setFont(font(11));
    painter.drawText(
        QRectF(200, 152, 330, 40), Qt::AlignLeft | Qt::TextWordWrap,
        QStringLiteral("\u00a9 The TOVA authors. All rights reserved. See Help > Copyright and Warranty."));
    painter.drawText(QRectF(200, 226, 330, 20), Qt::AlignLeft, QStringLiteral("Click or press any key to close."));
    return image;
}

QImage printHeader() {
    QImage image = blank(1000, 72, Qt::white);
    QPainter painter(&image);
    antialias(painter);
    painter.drawImage(QPoint(8, 8), logo(56));
    painter.setPen(kNavy);
    painter.setFont(font(28, true));
    painter.drawText(QRectF(80, 6, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TOVA"));
    painter.setFont(font(14));
    painter.setPen(QColor(0x5b, 0x67, 0x75));
    painter.drawText(QRectF(80, 42, 600, 22), Qt::AlignLeft, QStringLiteral("Phase review of rework risk"));
    painter.setPen(QPen(kTeal, 3));
    painter.drawLine(80, 69, 992, 69);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage projectIcon(int size) {
    QImage image = blank(size, size);
    QPainter painter(&image);
    antialias(painter);
    const QRectF sheet = drawSheet(painter, size);
    if (size >= 24) {
        const qreal m = sheet.width() * 0.12;
        drawSkeleton(painter,
                     QRectF(sheet.left() + m, sheet.center().y() - sheet.height() * 0.12, sheet.width() - 2 * m,
                            sheet.height() * 0.36),
                     kNavy, size / 22.0);
    } else {
        painter.setPen(QPen(kNavy, 1));
        for (int i = 0; i < 3; ++i) {
            const qreal y = sheet.top() + sheet.height() * (0.45 + 0.17 * i);
            painter.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
        }
    }
    return image;
}

QImage newProjectIcon(int size) {
    QImage image = projectIcon(size);
    QPainter painter(&image);
    antialias(painter);
    drawBadge(painter, size, kGreen, QStringLiteral("+"));
    return image;
}

QImage sampleProjectIcon(int size) {
    QImage image = projectIcon(size);
    QPainter painter(&image);
    antialias(painter);
    drawBadge(painter, size, kAmber, QStringLiteral("S"));
    return image;
}

QImage statusMark(const QString& state) {
    const int size = 16;
    QImage image = blank(size, size);
    QPainter painter(&image);
    antialias(painter);
    const QRectF circle(1.5, 1.5, 13, 13);
    if (state == QLatin1String("c")) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGreen);
        painter.drawEllipse(circle);
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(4.5, 8.2), QPointF(7, 10.8), QPointF(11.6, 5.4)}));
    } else if (state == QLatin1String("i")) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAmber);
        painter.drawEllipse(circle);
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 4.5), QPointF(8, 8.8));
        painter.drawPoint(QPointF(8, 11.6));
    } else if (state == QLatin1String("nq")) {
        painter.setPen(QPen(kGrey, 1.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.drawLine(QPointF(5, 8), QPointF(11, 8));
    } else {
        painter.setPen(QPen(QColor(0xc9, 0xd1, 0xdb), 1.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return image;
}

} // namespace Pictures
