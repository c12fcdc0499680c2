#include "recipe_form/form_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace mw::recipe_form {

namespace {

constexpr int kIconSize = 16;
constexpr QSize kButtonSize{54, 24};

// A transparent picture of `size` points with as many pixels per point as
// the screen has, so it stays sharp on a high-resolution screen.
QPixmap blank(QSize size) {
    const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

void drawKit(QPainter& p) {
    // A tin with a label.
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(3, 3, 10, 11);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(3, 6, 10, 5);
    p.setPen(QColor(250, 250, 250));
    p.drawLine(5, 8, 11, 8);
}

void drawExtract(QPainter& p) {
    // A jar of amber syrup.
    p.setPen(QColor(70, 50, 20));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(5, 1, 6, 3);
    p.setBrush(QColor(200, 130, 30));
    p.drawRoundedRect(3, 4, 10, 11, 2, 2);
    p.setPen(QColor(250, 220, 150));
    p.drawLine(5, 7, 5, 12);
}

void drawGrain(QPainter& p) {
    // An ear of barley: a stalk with kernels on both sides.
    p.setPen(QPen(QColor(150, 110, 40), 1));
    p.drawLine(8, 15, 8, 2);
    p.setBrush(QColor(220, 180, 80));
    p.setPen(QColor(150, 110, 40));
    for (int y = 3; y <= 11; y += 4) {
        p.drawEllipse(QRectF(3.5, y, 4, 3));
        p.drawEllipse(QRectF(8.5, y, 4, 3));
    }
    p.drawEllipse(QRectF(6, 0.5, 4, 3));
}

void drawAdjunct(QPainter& p) {
    // A sugar cube.
    p.setPen(QColor(110, 110, 130));
    p.setBrush(QColor(250, 250, 255));
    const QPolygonF top{{3, 6}, {8, 3}, {13, 6}, {8, 9}};
    const QPolygonF left{{3, 6}, {8, 9}, {8, 15}, {3, 12}};
    const QPolygonF right{{8, 9}, {13, 6}, {13, 12}, {8, 15}};
    p.drawPolygon(top);
    p.setBrush(QColor(225, 225, 235));
    p.drawPolygon(left);
    p.setBrush(QColor(205, 205, 220));
    p.drawPolygon(right);
}

void drawHop(QPainter& p) {
    // A hop cone of overlapping bracts.
    p.setPen(QColor(40, 100, 30));
    p.setBrush(QColor(120, 190, 70));
    for (int row = 0; row < 4; ++row) {
        const double y = 3 + row * 2.8;
        const double half = 2.2 + (row == 0 || row == 3 ? 0 : 1.3);
        p.drawEllipse(QRectF(8 - half - 1.5, y, 2 * half, 4));
        p.drawEllipse(QRectF(8 - half + 1.5, y, 2 * half, 4));
    }
    p.setPen(QPen(QColor(40, 100, 30), 1));
    p.drawLine(8, 0, 8, 3);
}

void drawYeast(QPainter& p) {
    // A flask with a bubbling culture.
    p.setPen(QColor(60, 60, 90));
    p.setBrush(QColor(230, 240, 250));
    QPainterPath flask;
    flask.moveTo(6, 1);
    flask.lineTo(10, 1);
    flask.lineTo(10, 6);
    flask.lineTo(14, 14);
    flask.lineTo(2, 14);
    flask.lineTo(6, 6);
    flask.closeSubpath();
    p.drawPath(flask);
    p.setBrush(QColor(235, 215, 150));
    p.setPen(Qt::NoPen);
    const QPolygonF culture{{4.5, 10}, {11.5, 10}, {13.4, 13.5}, {2.6, 13.5}};
    p.drawPolygon(culture);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(6, 11, 1.6, 1.6));
    p.drawEllipse(QRectF(9, 11.5, 1.4, 1.4));
}

}  // namespace

QPixmap ingredientPicture(int sheet) {
    QPixmap picture = blank({kIconSize, kIconSize});
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    switch (sheet) {
        case 0:
            drawKit(p);
            break;
        case 1:
            drawExtract(p);
            break;
        case 2:
            drawGrain(p);
            break;
        case 3:
            drawAdjunct(p);
            break;
        case 4:
            drawHop(p);
            break;
        default:
            drawYeast(p);
            break;
    }
    return picture;
}

QPixmap messagesButtonPicture(ButtonLook look, const QString& caption) {
    QPixmap picture = blank(kButtonSize);
    QPainter p(&picture);
    const QRect face(0, 0, kButtonSize.width() - 1, kButtonSize.height() - 1);
    const bool pressed = look == ButtonLook::Pressed;
    const bool disabled = look == ButtonLook::Disabled;

    // The raised (or, pressed, sunken) button face.
    p.fillRect(face, QColor(212, 208, 200));
    p.setPen(pressed ? QColor(64, 64, 64) : QColor(255, 255, 255));
    p.drawLine(face.topLeft(), face.topRight());
    p.drawLine(face.topLeft(), face.bottomLeft());
    p.setPen(pressed ? QColor(255, 255, 255) : QColor(64, 64, 64));
    p.drawLine(face.bottomLeft(), face.bottomRight());
    p.drawLine(face.topRight(), face.bottomRight());

    const int shift = pressed ? 1 : 0;
    // A note pad with ruled lines on the left.
    const QRect pad(5 + shift, 4 + shift, 11, 15);
    p.setPen(disabled ? QColor(150, 150, 150) : QColor(40, 40, 40));
    p.setBrush(disabled ? QColor(225, 225, 225) : QColor(255, 250, 200));
    p.drawRect(pad);
    p.setPen(disabled ? QColor(170, 170, 170) : QColor(60, 90, 200));
    for (int y = pad.top() + 4; y < pad.bottom() - 1; y += 3) {
        p.drawLine(pad.left() + 2, y, pad.right() - 2, y);
    }
    if (!disabled) {
        p.setPen(QColor(220, 30, 30));
        p.drawLine(pad.left() + 2, pad.top() + 1, pad.right() - 2, pad.top() + 1);
    }

    // The caption beside it; a disabled one is etched.
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QRect text(pad.right() + 4 + shift, shift, kButtonSize.width() - pad.right() - 6,
                     kButtonSize.height());
    if (disabled) {
        p.setPen(QColor(255, 255, 255));
        p.drawText(text.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, caption);
        p.setPen(QColor(128, 128, 128));
    } else {
        p.setPen(QColor(0, 0, 0));
    }
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, caption);

    if (look == ButtonLook::Focused) {
        QPen dotted(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(face.adjusted(3, 3, -3, -3));
    }
    return picture;
}

}  // namespace mw::recipe_form
