#include "ui/main/ToolbarIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace varnox {
namespace {

// Drawn on a 48 x 48 canvas; the toolbar scales them down.
constexpr int kSize = 48;
const QColor kInk(0x34, 0x49, 0x5e);
const QColor kPaper(0xfa, 0xfa, 0xf7);
const QColor kBlue(0x3b, 0x7d, 0xd8);
const QColor kGreen(0x2e, 0x9d, 0x5b);
const QColor kAmber(0xf2, 0xb1, 0x34);
const QColor kRed(0xd2, 0x4b, 0x3c);
const QColor kGrey(0xc9, 0xd1, 0xd9);

using Painter = std::function<void(QPainter&)>;

QPen ink(qreal width = 3) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void document(QPainter& p)
{
    QPainterPath page;
    page.moveTo(10, 4);
    page.lineTo(30, 4);
    page.lineTo(40, 14);
    page.lineTo(40, 44);
    page.lineTo(10, 44);
    page.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(30, 4), QPointF(30, 14), QPointF(40, 14)}));
}

void newDocument(QPainter& p)
{
    document(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(34, 36), 10, 10);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 30), QPointF(34, 42));
    p.drawLine(QPointF(28, 36), QPointF(40, 36));
}

void folder(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kAmber.darker(115));
    p.drawPath([] {
        QPainterPath back;
        back.moveTo(4, 40);
        back.lineTo(4, 8);
        back.lineTo(18, 8);
        back.lineTo(22, 13);
        back.lineTo(40, 13);
        back.lineTo(40, 40);
        back.closeSubpath();
        return back;
    }());
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF({QPointF(4, 40), QPointF(11, 20), QPointF(46, 20), QPointF(40, 40)}));
}

void disk(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(6, 6), QPointF(36, 6), QPointF(42, 12), QPointF(42, 42), QPointF(6, 42)}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(13, 6, 20, 12));
    p.drawRect(QRectF(12, 26, 24, 16));
    p.setBrush(kInk);
    p.drawRect(QRectF(26, 9, 4, 6));
}

void reader(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(12, 3, 24, 42), 5, 5);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(24, 20), 8, 8);
    p.setPen(QPen(kBlue, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 15, 10, 10), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(24, 37), 3, 3);
}

void person(QPainter& p, QPointF at, qreal scale, const QColor& colour)
{
    p.setPen(ink(2.5));
    p.setBrush(colour);
    p.drawEllipse(at + QPointF(0, -10 * scale), 6 * scale, 6 * scale);
    QPainterPath body;
    body.moveTo(at + QPointF(-11 * scale, 14 * scale));
    body.cubicTo(at + QPointF(-11 * scale, -2 * scale), at + QPointF(11 * scale, -2 * scale),
                 at + QPointF(11 * scale, 14 * scale));
    body.closeSubpath();
    p.drawPath(body);
}

void profiles(QPainter& p)
{
    person(p, QPointF(31, 22), 1.0, kGrey);
    person(p, QPointF(18, 26), 1.05, kBlue);
}

void bolt(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF({QPointF(28, 3), QPointF(10, 27), QPointF(22, 27), QPointF(18, 45), QPointF(38, 19),
                             QPointF(26, 19), QPointF(32, 3)}));
}

void clock(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    for (int h = 0; h < 12; h += 3) {
        p.save();
        p.translate(24, 24);
        p.rotate(h * 30);
        p.drawLine(QPointF(0, -16), QPointF(0, -13));
        p.restore();
    }
    p.setPen(QPen(kBlue, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 24), QPointF(24, 12));
    p.drawLine(QPointF(24, 24), QPointF(33, 28));
}

void assignment(QPainter& p)
{
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(24, 24);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-20, -7, 22, 14), 7, 7);
    p.setPen(QPen(kBlue, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(-2, -7, 22, 14), 7, 7);
    p.restore();
}

void key(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(14, 24), 10, 10);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 24), 3.5, 3.5);
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF({QPointF(23, 21), QPointF(44, 21), QPointF(44, 31), QPointF(39, 31), QPointF(39, 27),
                             QPointF(35, 27), QPointF(35, 31), QPointF(31, 31), QPointF(31, 27), QPointF(23, 27)}));
}

void plug(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kGrey);
    p.drawPolygon(QPolygonF({QPointF(4, 14), QPointF(44, 14), QPointF(38, 34), QPointF(10, 34)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(12 + i * 6, 21), 2, 2);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(15 + i * 6, 28), 2, 2);
}

void arrow(QPainter& p, qreal y, bool right, const QColor& colour)
{
    const qreal from = right ? 6 : 42;
    const qreal to = right ? 42 : 6;
    const qreal back = right ? -10 : 10;
    p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(from, y), QPointF(to, y));
    p.drawPolyline(QPolygonF({QPointF(to + back, y - 9), QPointF(to, y), QPointF(to + back, y + 9)}));
}

void transfer(QPainter& p)
{
    arrow(p, 15, true, kBlue);
    arrow(p, 33, false, kGreen);
}

void screen(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(4, 6, 40, 28), 3, 3);
    p.drawLine(QPointF(24, 34), QPointF(24, 41));
    p.drawLine(QPointF(14, 42), QPointF(34, 42));
    p.setPen(QPen(QColor(0x6c, 0xe0, 0x8e), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(8, 22), QPointF(16, 22), QPointF(20, 12), QPointF(26, 29), QPointF(30, 20),
                              QPointF(40, 20)}));
}

void printer(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(13, 4, 22, 14));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(4, 16, 40, 18), 3, 3);
    p.setBrush(kPaper);
    p.drawRect(QRectF(13, 28, 22, 16));
    p.setPen(ink(2));
    p.drawLine(QPointF(17, 34), QPointF(31, 34));
    p.drawLine(QPointF(17, 39), QPointF(27, 39));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(38, 22), 2.5, 2.5);
}

void exitDoor(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kGrey);
    p.drawRect(QRectF(6, 4, 22, 40));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({QPointF(6, 4), QPointF(20, 9), QPointF(20, 44), QPointF(6, 44)}));
    arrow(p, 24, true, kRed);
}

const QHash<QString, Painter>& painters()
{
    static const QHash<QString, Painter> all = {
        {QStringLiteral("Neu"), newDocument},       {QStringLiteral("Oeffnen"), folder},
        {QStringLiteral("Speichern"), disk},         {QStringLiteral("Leser"), reader},
        {QStringLiteral("Zutrittsprofile"), profiles}, {QStringLiteral("Funktionen"), bolt},
        {QStringLiteral("Zeitzonen"), clock},        {QStringLiteral("Leserzuordnung"), assignment},
        {QStringLiteral("Schluessel"), key},         {QStringLiteral("COM"), plug},
        {QStringLiteral("Datenuebertragung"), transfer}, {QStringLiteral("Monitor"), screen},
        {QStringLiteral("Drucken"), printer},        {QStringLiteral("Ende"), exitDoor},
    };
    return all;
}

}  // namespace

QIcon toolbarIcon(const QString& key)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    if (const Painter paint = painters().value(key)) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    return QIcon(pixmap);
}

}  // namespace varnox
