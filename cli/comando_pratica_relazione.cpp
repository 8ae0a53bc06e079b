// vantrel-cli pratica relazione: the expert's report of a recalculated case, as PDF and as ODT.
#include "common/stampa_documento.h"
#include "comune.h"
#include "grafico_cli.h"
#include "platform/odt/scrittore_odt.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "pratica_cli.h"
#include "recalculation/relazione.h"
#include "stampante_pdf.h"

#include <ostream>

namespace vantrel::cli {

int praticaRelazione(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const std::string nome = "relazione";
    std::optional<std::string> pdf, odt;
    OpzioniComuni comuni;
    if (!prendiValore(args, "--pdf", pdf) || !prendiValore(args, "--odt", odt)) {
        err << prefisso(nome) << "manca il valore di un'opzione\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica(nome, args, false, sqlite, err, esito);
    if (!p) return esito;
    if (!args.empty() || (!pdf && !odt)) {
        err << prefisso(nome) << "indicare la pratica e almeno uno tra --pdf e --odt\n";
        return kUso;
    }
    const FabbricaStampantePdf fabbrica = pdf ? fabbricaStampantePdf() : FabbricaStampantePdf{};
    if (pdf && !fabbrica) {
        err << prefisso(nome) << "la stampa su PDF non è disponibile in questa versione\n";
        return kUso;
    }
    Sessione s(comuni);
    const auto grafico = disegnoGrafico(); // before any printer: the chart needs Qt's widgets
    std::string errore;
    const auto doc = relazione(*p, {VANTREL_VERSIONE, s.ctx.oggi(), grafico.get(), s.ctx.stato.cartellaDati}, errore);
    if (doc && odt) errore = ScrittoreOdtFile().scrivi(*doc, *odt);
    if (doc && pdf && errore.empty()) {
        auto stampante = fabbrica(*pdf);
        errore = stampante ? stampaDocumento(*stampante, *doc) : "impossibile creare il file PDF: " + *pdf;
    }
    if (!errore.empty()) {
        err << prefisso(nome) << errore << "\n";
        return kInputErrato;
    }
    for (const auto& scritto : {pdf, odt})
        if (scritto) out << "Scritto: " << *scritto << "\n";
    return kOk;
}

} // namespace vantrel::cli
