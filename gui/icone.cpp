#include "icone.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantrel::gui {
namespace {

constexpr int kLato = 32;

const QColor kBlu(0x1f, 0x4e, 0x8c);
const QColor kVerde(0x2e, 0x7d, 0x32);
const QColor kRosso(0xc6, 0x28, 0x28);
const QColor kOro(0xe0, 0xa1, 0x00);

void percento(QPainter& p) {
    p.setPen(QPen(kBlu, 3));
    p.drawLine(8, 25, 24, 7);
    p.drawEllipse(QPointF(10, 10), 3, 3);
    p.drawEllipse(QPointF(22, 22), 3, 3);
}

void tabella(QPainter& p) {
    p.setPen(QPen(kBlu, 2));
    p.setBrush(Qt::white);
    p.drawRect(5, 6, 22, 20);
    for (int y : {12, 19})
        p.drawLine(5, y, 27, y);
    p.drawLine(14, 6, 14, 26);
    p.setPen(QPen(kRosso, 2));
    p.drawLine(17, 16, 25, 9);
}

void documento(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(Qt::white);
    p.drawRect(8, 4, 16, 24);
    p.setPen(QPen(kBlu, 1.5));
    for (int y = 9; y <= 23; y += 4)
        p.drawLine(11, y, 21, y);
}

void piano(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kVerde);
    for (int k = 0; k < 5; ++k)
        p.drawRect(5 + k * 5, 8 + k * 4, 4, 20 - k * 4);
    p.setPen(QPen(Qt::darkGray, 1.5));
    p.drawLine(4, 28, 29, 28);
}

void calendario(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(Qt::white);
    p.drawRect(5, 7, 22, 20);
    p.setBrush(kRosso);
    p.drawRect(5, 7, 22, 6);
    p.setPen(QPen(kBlu, 2));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            p.drawPoint(9 + c * 5, 17 + r * 5);
}

void calcolatrice(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(QColor(0xec, 0xef, 0xf1));
    p.drawRoundedRect(7, 3, 18, 26, 3, 3);
    p.setBrush(QColor(0xc8, 0xe6, 0xc9));
    p.drawRect(10, 6, 12, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlu);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(10 + c * 4, 15 + r * 4, 3, 3);
}

void preferenze(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 2));
    for (int k = 0; k < 3; ++k)
        p.drawLine(6, 9 + k * 7, 26, 9 + k * 7);
    p.setBrush(kOro);
    for (int k = 0; k < 3; ++k)
        p.drawEllipse(QPointF(10 + ((k * 7) % 13), 9 + k * 7), 3, 3);
}

void uscita(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(QColor(0xd7, 0xcc, 0xc8));
    p.drawRect(5, 4, 13, 24);
    p.setPen(QPen(kRosso, 3));
    p.drawLine(14, 16, 28, 16);
    p.drawLine(23, 11, 28, 16);
    p.drawLine(23, 21, 28, 16);
}

void conferma(QPainter& p) {
    p.setPen(QPen(kVerde, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath segno;
    segno.moveTo(6, 17);
    segno.lineTo(13, 24);
    segno.lineTo(26, 8);
    p.drawPath(segno);
}

void andamento(QPainter& p) {
    p.setPen(QPen(Qt::darkGray, 1.5));
    p.drawLine(5, 4, 5, 27);
    p.drawLine(5, 27, 28, 27);
    p.setPen(QPen(kRosso, 2));
    p.drawPolyline(
        QPolygonF({QPointF(6, 10), QPointF(12, 10), QPointF(12, 14), QPointF(19, 14), QPointF(19, 9), QPointF(27, 9)}));
    p.setPen(QPen(kBlu, 2));
    p.drawPolyline(QPolygonF(
        {QPointF(6, 19), QPointF(12, 19), QPointF(12, 22), QPointF(19, 22), QPointF(19, 18), QPointF(27, 18)}));
}

} // namespace

QIcon icona(Icona i) {
    QPixmap pm(kLato, kLato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // In the order of Icona.
    static void (*const disegni[])(QPainter&) = {percento,   tabella,      andamento,  documento, piano,
                                                 calendario, calcolatrice, preferenze, conferma,  uscita};
    disegni[static_cast<int>(i)](p);
    return QIcon(pm);
}

QPixmap logoProgramma() {
    QPixmap pm(300, 90);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 300, 90);
    g.setColorAt(0, kBlu);
    g.setColorAt(1, QColor(0x42, 0x8b, 0xca));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(0, 0, 300, 90, 12, 12);
    QFont f(QStringLiteral("Sans Serif"), 34, QFont::Bold);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 300, 64), Qt::AlignCenter, QStringLiteral("Vantrel"));
    f.setPointSize(10);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 58, 300, 26), Qt::AlignCenter, QStringLiteral("verifica T.E.G. e usura"));
    return pm;
}

QPixmap logoProduttore() {
    QPixmap pm(90, 90);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOro, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(6, 6, 78, 78);
    p.setPen(QPen(kBlu, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(28, 62, 45, 28);
    p.drawLine(45, 28, 62, 62);
    p.setPen(QPen(kOro, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(34, 50, 56, 50);
    return pm;
}

} // namespace vantrel::gui
