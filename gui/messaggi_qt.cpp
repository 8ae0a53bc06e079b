#include "messaggi_qt.h"

#include "qt_testo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    QPushButton* annulla = nullptr;
    if (m.pulsanti == Pulsanti::OkAnnulla) {
        annulla = box.addButton(QMessageBox::Cancel);
        annulla->setText(QStringLiteral("Annulla"));
    }
    box.setDefaultButton(m.predefinita == Risposta::Annulla && annulla ? annulla : ok);
    if (annulla) box.setEscapeButton(annulla);
    box.exec();
    return box.clickedButton() == ok ? Risposta::Ok : Risposta::Annulla;
}

} // namespace vantrel::gui
