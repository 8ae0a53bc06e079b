#pragma once

#include "scelta_stampa.h"

class QPrintDialog;

namespace vantrel::gui {

/// Qt's print dialog, printer or PDF file, with a button for the print preview; printing from the
/// preview prints at once, closing it goes back to the dialog.
class SceltaStampaQt : public SceltaStampa {
public:
    bool scegli(QPrinter& stampante, const QString& pdfProposto,
                const std::function<void(QPrinter*)>& anteprima) override;
};

/// Gives the dialog's confirming button the text `conferma` and drops Qt's own file checks: the
/// program asks before replacing a file, in its own words.
void preparaDialogoStampa(QPrintDialog& dialogo, const QString& conferma);

} // namespace vantrel::gui
