#include "scelta_stampa_qt.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace vantrel::gui {

void preparaDialogoStampa(QPrintDialog& d, const QString& conferma) {
    auto* pulsanti = d.findChild<QDialogButtonBox*>();
    if (!pulsanti) return; // a dialog of the system, not Qt's own
    if (QPushButton* ok = pulsanti->button(QDialogButtonBox::Ok)) ok->setText(conferma);
    if (QObject::disconnect(pulsanti, SIGNAL(accepted()), &d, SLOT(_q_checkFields())))
        QObject::connect(pulsanti, &QDialogButtonBox::accepted, &d, &QPrintDialog::accept);
}

bool SceltaStampaQt::scegli(QPrinter& p, const QString& pdfProposto, const std::function<void(QPrinter*)>& anteprima) {
    QWidget* genitore = QApplication::activeWindow();
    for (;;) {
        QPrintDialog d(&p, genitore);
        d.setWindowTitle(QStringLiteral("Stampa"));
        d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                     QAbstractPrintDialog::PrintCollateCopies);
        preparaDialogoStampa(d, QStringLiteral("&Stampa"));
        // The file the PDF choice proposes: the one chosen before the preview, else the document's own.
        const QString file =
            p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty() ? p.outputFileName() : pdfProposto;
        if (auto* campo = d.findChild<QLineEdit*>(QStringLiteral("filename"))) campo->setText(file);
        bool vediAnteprima = false;
        if (auto* pulsanti = d.findChild<QDialogButtonBox*>()) {
            QPushButton* b = pulsanti->addButton(QStringLiteral("&Anteprima…"), QDialogButtonBox::ActionRole);
            b->setObjectName(QStringLiteral("anteprima"));
            QObject::connect(b, &QPushButton::clicked, &d, [&] {
                vediAnteprima = true;
                d.accept(); // the choices so far reach the printer, and so the preview
            });
        }
        if (d.exec() != QDialog::Accepted) return false;
        if (!vediAnteprima) return true;

        QPrintPreviewDialog v(&p, genitore);
        v.setWindowTitle(QStringLiteral("Anteprima di stampa"));
        QObject::connect(&v, &QPrintPreviewDialog::paintRequested, &v, anteprima);
        for (QAction* a : v.findChildren<QAction*>())
            if (QObject::disconnect(a, SIGNAL(triggered(bool)), &v, SLOT(_q_print())))
                QObject::connect(a, &QAction::triggered, &v, &QDialog::accept);
        if (v.exec() == QDialog::Accepted) return true;
    }
}

} // namespace vantrel::gui
