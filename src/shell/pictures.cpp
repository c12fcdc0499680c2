#include "shell/pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "resources/version_info.h"
#include "shell/command_ids.h"

namespace mw::shell {

namespace {

const QColor kInk(40, 40, 48);
const QColor kAmber(214, 140, 32);
const QColor kFoam(250, 246, 230);
const QColor kGreen(46, 140, 60);
const QColor kRed(196, 40, 40);
const QColor kBlue(40, 80, 170);

// The screen's pixels per point (2 on a 200 % screen): the pictures are
// drawn with that many pixels, so they stay sharp instead of being blown up.
qreal screenRatio() {
    return qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
}

// A transparent picture of w x h points, drawn on in points.
QPixmap canvas(int w, int h, qreal ratio = screenRatio()) {
    QPixmap pixmap(qCeil(w * ratio), qCeil(h * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void page(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void lines(QPainter& p, const QRectF& r, int count) {
    p.setPen(QPen(QColor(120, 120, 130), 1));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + 3 + i * 3;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void triangle(QPainter& p, bool right, double x, double y, double h) {
    QPainterPath path;
    if (right) {
        path.moveTo(x, y);
        path.lineTo(x + h * 0.8, y + h / 2);
        path.lineTo(x, y + h);
    } else {
        path.moveTo(x + h * 0.8, y);
        path.lineTo(x, y + h / 2);
        path.lineTo(x + h * 0.8, y + h);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPath(path);
}

void glyph(QPainter& p, const QString& text, const QColor& color, int pixelSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(color);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void beerGlass(QPainter& p, const QRectF& r) {
    const QRectF body(r.left() + r.width() * 0.18, r.top() + r.height() * 0.18, r.width() * 0.56,
                      r.height() * 0.78);
    QLinearGradient beer(body.topLeft(), body.bottomLeft());
    beer.setColorAt(0, QColor(240, 176, 60));
    beer.setColorAt(1, QColor(186, 104, 18));
    p.setPen(QPen(kInk, r.width() / 28.0));
    p.setBrush(beer);
    p.drawRoundedRect(body, r.width() * 0.05, r.width() * 0.05);
    // handle
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(body.right() - r.width() * 0.02, body.top() + body.height() * 0.22,
                             r.width() * 0.2, body.height() * 0.42),
                      r.width() * 0.08, r.width() * 0.08);
    // foam
    p.setBrush(kFoam);
    p.setPen(QPen(QColor(200, 190, 160), r.width() / 40.0));
    const double d = r.width() * 0.2;
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QRectF(body.left() - d * 0.2 + i * body.width() / 3.4,
                             r.top() + r.height() * 0.06, d, d));
    }
    // bubbles
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 170, 200));
    for (int i = 0; i < 5; ++i) {
        const double s = r.width() * 0.035;
        p.drawEllipse(QRectF(body.left() + body.width() * (0.2 + 0.13 * i),
                             body.top() + body.height() * (0.35 + 0.1 * (i % 3)), s, s));
    }
}

void hopCone(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(30, 90, 40), r.width() / 30.0));
    const int rows = 5;
    for (int row = 0; row < rows; ++row) {
        const double w = r.width() * (0.75 - row * 0.1);
        const double h = r.height() / (rows + 1.5);
        const double y = r.top() + r.height() * 0.12 + row * h * 0.9;
        QLinearGradient g(0, y, 0, y + h);
        g.setColorAt(0, QColor(150, 200, 90));
        g.setColorAt(1, QColor(80, 150, 60));
        p.setBrush(g);
        p.drawEllipse(QRectF(r.center().x() - w / 2, y, w, h * 1.3));
    }
    p.drawLine(QPointF(r.center().x(), r.top()),
               QPointF(r.center().x(), r.top() + r.height() * 0.15));
}

}  // namespace

namespace {

void drawCommand(QPainter& p, int id) {
    using namespace cmd;
    switch (id) {
        case FileOpen: {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(240, 200, 80));
            QPainterPath folder;
            folder.moveTo(1.5, 4.5);
            folder.lineTo(6, 4.5);
            folder.lineTo(7.5, 6);
            folder.lineTo(14.5, 6);
            folder.lineTo(14.5, 13.5);
            folder.lineTo(1.5, 13.5);
            folder.closeSubpath();
            p.drawPath(folder);
            break;
        }
        case FileSave:
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.drawRect(QRectF(3.5, 9.5, 9, 5));
            break;
        case EditCut:
            glyph(p, QString(QChar(0x2702)), kInk, 14);
            break;
        case EditCopy:
            page(p, QRectF(1.5, 1.5, 8, 10));
            page(p, QRectF(6.5, 4.5, 8, 10));
            lines(p, QRectF(6.5, 4.5, 8, 10), 3);
            break;
        case EditPaste:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(180, 130, 70));
            p.drawRect(QRectF(2.5, 2.5, 11, 12));
            page(p, QRectF(5.5, 5.5, 8, 9));
            p.setBrush(QColor(120, 120, 130));
            p.drawRect(QRectF(5.5, 1.5, 5, 3));
            break;
        case FilePrint:
            page(p, QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(160, 160, 170));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            page(p, QRectF(4.5, 10.5, 7, 4));
            break;
        case FilePrintPreview:
            page(p, QRectF(1.5, 1.5, 10, 13));
            lines(p, QRectF(1.5, 1.5, 10, 13), 3);
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(200, 230, 255, 200));
            p.drawEllipse(QRectF(7, 7, 6, 6));
            p.drawLine(QPointF(12, 12), QPointF(15, 15));
            break;
        case ViewRecipeForm:
            page(p, QRectF(1.5, 3.5, 13, 11));
            p.setBrush(kAmber);
            p.drawRect(QRectF(1.5, 1.5, 4, 2));
            p.drawRect(QRectF(6.5, 1.5, 4, 2));
            lines(p, QRectF(1.5, 4.5, 13, 10), 3);
            break;
        case ViewRecipeLog:
            page(p, QRectF(1.5, 1.5, 13, 13));
            p.setPen(QPen(kBlue, 1));
            for (int i = 0; i < 4; ++i) {
                p.drawLine(QPointF(3.5, 4 + i * 3), QPointF(4.5, 4 + i * 3));
                p.drawLine(QPointF(6, 4 + i * 3), QPointF(13, 4 + i * 3));
            }
            break;
        case ViewRecipeLabel: {
            p.setPen(QPen(kInk, 1));
            p.setBrush(kFoam);
            QPainterPath tag;
            tag.moveTo(1.5, 4.5);
            tag.lineTo(11, 4.5);
            tag.lineTo(14.5, 8);
            tag.lineTo(11, 11.5);
            tag.lineTo(1.5, 11.5);
            tag.closeSubpath();
            p.drawPath(tag);
            p.drawEllipse(QRectF(10, 7, 2, 2));
            break;
        }
        case RecordFirst:
            p.fillRect(QRectF(2, 3, 2, 10), kBlue);
            triangle(p, false, 5, 3, 10);
            break;
        case RecordPrev:
            triangle(p, false, 4, 3, 10);
            break;
        case RecordNext:
            triangle(p, true, 5, 3, 10);
            break;
        case RecordLast:
            triangle(p, true, 3, 3, 10);
            p.fillRect(QRectF(12, 3, 2, 10), kBlue);
            break;
        case RecordAdd:
            glyph(p, QStringLiteral("+"), kGreen, 16);
            break;
        case RecordCopy:
            page(p, QRectF(1.5, 1.5, 9, 11));
            glyph(p, QStringLiteral("+"), kGreen, 12);
            break;
        case RecordRefresh:
            glyph(p, QString(QChar(0x21BB)), kBlue, 14);
            break;
        case RecordDelete:
            glyph(p, QString(QChar(0x2212)), kRed, 16);
            break;
        case RecordCommit:
            glyph(p, QString(QChar(0x2713)), kGreen, 15);
            break;
        case HelpAbout:
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            glyph(p, QStringLiteral("?"), Qt::white, 11);
            break;
        case HelpContextMode:
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::white);
            {
                QPainterPath arrow;
                arrow.moveTo(2, 1);
                arrow.lineTo(2, 12);
                arrow.lineTo(5, 9);
                arrow.lineTo(7, 14);
                arrow.lineTo(9, 13);
                arrow.lineTo(7, 8.5);
                arrow.lineTo(10.5, 8.5);
                arrow.closeSubpath();
                p.drawPath(arrow);
            }
            p.setPen(kBlue);
            {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(9);
                f.setBold(true);
                p.setFont(f);
                p.drawText(QRectF(9, 0, 7, 9), Qt::AlignCenter, QStringLiteral("?"));
            }
            break;
        default:
            break;
    }
}

}  // namespace

QIcon commandIcon(int id) {
    // A 16-point picture at the screen's density, and at one point per pixel
    // for a screen of its own on a window moved there.
    QIcon icon;
    QList<qreal> ratios{1.0};
    if (screenRatio() > 1.0) {
        ratios.append(screenRatio());
    }
    for (const qreal ratio : ratios) {
        QPixmap pm = canvas(16, 16, ratio);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        drawCommand(p, id);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap bulbPicture() {
    QPixmap pm = canvas(36, 48);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(18, 16), 16);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(250, 210, 60));
    p.setPen(QPen(QColor(150, 120, 30), 1.5));
    p.setBrush(glow);
    p.drawEllipse(QRectF(4, 2, 28, 28));
    p.setBrush(QColor(180, 180, 185));
    p.drawRect(QRectF(11, 29, 14, 10));
    p.setPen(QPen(QColor(110, 110, 120), 1.2));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(11, 32 + i * 3), QPointF(25, 32 + i * 3));
    }
    p.setBrush(QColor(90, 90, 95));
    p.drawRoundedRect(QRectF(14, 39, 8, 5), 2, 2);
    return pm;
}

QIcon programIcon() {
    QPixmap pm = canvas(64, 64);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    beerGlass(p, QRectF(4, 2, 58, 60));
    return QIcon(pm);
}

QPixmap splashPicture() {
    QPixmap pm = canvas(480, 300);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(58, 34, 16));
    sky.setColorAt(1, QColor(140, 78, 20));
    p.fillRect(pm.rect(), sky);
    beerGlass(p, QRectF(28, 60, 170, 200));
    hopCone(p, QRectF(190, 170, 60, 90));
    p.setPen(kFoam);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(36);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(200, 60, 270, 90), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("Maltwise Calculator"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(250, 220, 160));
    p.drawText(QRectF(200, 150, 260, 24), Qt::AlignLeft,
               QStringLiteral("The recipe calculator for home brewers"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.drawText(QRectF(260, 250, 200, 20), Qt::AlignRight,
               QStringLiteral("Version %1").arg(QString::fromLatin1(version::kProductVersion)));
    p.drawText(QRectF(260, 268, 200, 20), Qt::AlignRight, QStringLiteral("Wortline"));
    return pm;
}

QPixmap creditsPicture(const QString& name) {
    if (name == QLatin1String("logo")) {
        return programIcon().pixmap(QSize(64, 64), screenRatio());
    }
    if (name == QLatin1String("hops")) {
        QPixmap pm = canvas(48, 64);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        hopCone(p, QRectF(2, 2, 44, 60));
        return pm;
    }
    return QPixmap();
}

}  // namespace mw::shell
