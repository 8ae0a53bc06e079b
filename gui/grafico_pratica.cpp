#include "grafico_pratica.h"

#include "qt_testo.h"

#include <QBuffer>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <memory>

namespace vantrel::gui {
namespace {

qreal istante(const Data& d) {
    return static_cast<qreal>(QDateTime(QDate(d.anno, d.mese, d.giorno), QTime(0, 0)).toMSecsSinceEpoch());
}

} // namespace

QChart* creaGraficoPratica(const DatiGrafico& d) {
    auto* grafico = new QChart;
    if (d.punti.empty()) { // axes of nothing would read as figures
        grafico->setTitle(QString::fromUtf8(kGraficoVuoto));
        grafico->legend()->hide();
        return grafico;
    }
    const LegendaGrafico& l = d.legenda;
    grafico->setTitle(qs(d.titolo.empty() ? l.titolo : l.titolo + ": " + d.titolo));
    auto* teg = new QLineSeries;
    teg->setName(qs(l.linea));
    teg->setPen(QPen(QColor(0x1F, 0x4E, 0x9A), 2));
    auto* soglia = new QLineSeries;
    soglia->setName(qs(l.riferimento));
    soglia->setPen(QPen(QColor(0x55, 0x55, 0x55), 2, Qt::DashLine));
    auto* supero = new QScatterSeries;
    supero->setName(qs(l.supero));
    supero->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    supero->setMarkerSize(13);
    supero->setColor(QColor(0xC0, 0x00, 0x00));
    supero->setBorderColor(QColor(0x70, 0x00, 0x00));
    double massimo = 0, minimo = 0; // balances go below zero
    for (const PuntoGrafico& p : d.punti) {
        const qreal x = istante(p.inizio);
        teg->append(x, p.teg);
        if (p.soglia) soglia->append(x, *p.soglia);
        if (p.supero) supero->append(x, p.teg);
        massimo = std::max({massimo, p.teg, p.soglia.value_or(0)});
        minimo = std::min({minimo, p.teg, p.soglia.value_or(0)});
    }
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{teg, soglia, supero})
        grafico->addSeries(s);
    if (l.supero.empty()) // a chart without marks (the balances) names none
        for (QLegendMarker* m : grafico->legend()->markers(supero))
            m->setVisible(false);

    auto* asseX = new QDateTimeAxis;
    asseX->setFormat(QStringLiteral("MM/yyyy"));
    asseX->setTitleText(qs(l.asseX));
    asseX->setTickCount(std::clamp(static_cast<int>(d.punti.size()), 2, 9));
    auto* asseY = new QValueAxis;
    asseY->setTitleText(qs(l.asseY));
    asseY->setRange(minimo * 1.1, std::max(1.0, massimo * 1.1));
    asseY->applyNiceNumbers();
    asseY->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    for (QAbstractSeries* s : grafico->series()) {
        s->attachAxis(asseX);
        s->attachAxis(asseY);
    }
    // A quarter's margin on each side keeps the first and last markers whole.
    const qreal margine = 45.0 * 24 * 3600 * 1000;
    asseX->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(istante(d.punti.front().inizio) - margine)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(istante(d.punti.back().inizio) + margine)));
    grafico->legend()->setAlignment(Qt::AlignBottom);
    return grafico;
}

std::string DisegnoGraficoQt::png(const DatiGrafico& d, int larghezza, int altezza) {
    if (larghezza <= 0 || altezza <= 0) return {};
    QGraphicsScene scena;
    QChart* grafico = creaGraficoPratica(d);
    scena.addItem(grafico); // the scene owns it
    grafico->setAnimationOptions(QChart::NoAnimation);
    // Laid out at screen size and drawn enlarged, so that the texts keep their proportion.
    const qreal scala = std::max(1.0, larghezza / 900.0);
    const QRectF area(0, 0, larghezza / scala, altezza / scala);
    grafico->setGeometry(area);
    QImage immagine(larghezza, altezza, QImage::Format_ARGB32);
    immagine.fill(Qt::white);
    {
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        scena.render(&p, QRectF(0, 0, larghezza, altezza), area);
    }
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    if (!immagine.save(&buffer, "PNG")) return {};
    return std::string(dati.constData(), static_cast<std::size_t>(dati.size()));
}

} // namespace vantrel::gui
