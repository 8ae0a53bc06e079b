#include "messaggi_qt.h"

#include "qt_testo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace vantrel::gui {

Risposta MessaggiQt::mostra(const Messaggio& m) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(qs(m.titolo));
    box.setText(qs(m.testo));
    if (!m.dettagli.empty()) box.setDetailedText(qs(m.dettagli));
    switch (m.icona) {
    case Icona::Nessuna:
        break;
    case Icona::Informazione:
        box.setIcon(QMessageBox::Information);
        break;
    case Icona::Avviso:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icona::Critica:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icona::Domanda:
        box.setIcon(QMessageBox::Question);
        break;
    }
    // Each button with its answer, in the order shown; the last is the one Esc takes.
    std::vector<std::pair<QPushButton*, Risposta>> pulsanti;
    const auto aggiungi = [&](QMessageBox::StandardButton b, const char* testo, Risposta r) {
        QPushButton* p = box.addButton(b);
        p->setText(QString::fromUtf8(testo));
        pulsanti.emplace_back(p, r);
    };
    if (m.pulsanti == Pulsanti::SiNoAnnulla) {
        aggiungi(QMessageBox::Yes, "&Sì", Risposta::Si);
        aggiungi(QMessageBox::No, "&No", Risposta::No);
    } else {
        aggiungi(QMessageBox::Ok, "OK", Risposta::Ok);
    }
    if (m.pulsanti != Pulsanti::Ok) aggiungi(QMessageBox::Cancel, "Annulla", Risposta::Annulla);
    box.setDefaultButton(pulsanti.front().first);
    for (const auto& [p, r] : pulsanti)
        if (r == m.predefinita) box.setDefaultButton(p);
    if (pulsanti.size() > 1) box.setEscapeButton(pulsanti.back().first);
    box.exec();
    for (const auto& [p, r] : pulsanti)
        if (box.clickedButton() == p) return r;
    return pulsanti.size() > 1 ? Risposta::Annulla : Risposta::Ok;
}

} // namespace vantrel::gui
