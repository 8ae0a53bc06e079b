// vantrel-cli pratica importa-movimenti and esporta.
#include "account/fogli_scalare.h"
#include "casefile/fogli_conto.h"
#include "casefile/scalare_pratica.h"
#include "common/file_sicuro.h"
#include "comune.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "pratica_cli.h"
#include "recalculation/fogli_ricalcolo.h"

#include <filesystem>
#include <ostream>

namespace vantrel::cli {
namespace {

std::string testoMovimento(const Movimento& m) {
    return m.operazione.testo() + ";" + m.valuta.testo() + ";" + m.descrizione + ";" + testoCentesimi(m.importo);
}

void riassunto(const LetturaMovimenti& l, std::ostream& out) {
    out << l.movimenti << " movimenti";
    if (l.primaData) out << " dal " << l.primaData->testo() << " al " << l.ultimaData->testo();
    out << "; addebiti " << testoCentesimi(l.addebiti) << ", accrediti " << testoCentesimi(l.accrediti) << "\n";
    if (l.senzaValuta > 0) out << "Senza data valuta (presa la data operazione): " << l.senzaValuta << "\n";
}

// How each column was read and the first movements, before anything is kept.
int anteprima(RigheFoglio& righe, const std::string& file, std::ostream& out, std::ostream& err) {
    const LetturaMovimenti l = leggiMovimenti(righe, {});
    if (l.rigaIntestazione > 0) out << "Intestazione alla riga " << l.rigaIntestazione << "\n";
    for (const auto& c : l.colonne)
        out << "Colonna \"" << c.intestazione << "\": " << descrizioneRuolo(c.ruolo)
            << (c.esempio.empty() ? "" : " (es. " + c.esempio + ")") << "\n";
    if (!l.errore.empty()) {
        err << prefisso("importa-movimenti") << file << ": " << l.errore << "\n";
        return kInputErrato;
    }
    out << "Letti ";
    riassunto(l, out);
    out << "Primi movimenti:\n";
    for (const auto& m : l.primi)
        out << testoMovimento(m) << "\n";
    return kOk;
}

} // namespace

int praticaImportaMovimenti(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const std::string nome = "importa-movimenti";
    const bool soloAnteprima = prendiFlag(args, "--anteprima"), ancheDoppi = prendiFlag(args, "--anche-doppi");
    OpzioniComuni comuni;
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    if (args.size() != 2 || args[1].starts_with("--")) {
        err << prefisso(nome) << "indicare la pratica e il file dei movimenti\n";
        return kUso;
    }
    std::error_code ec;
    if (!std::filesystem::exists(args[1], ec)) {
        err << prefisso(nome) << "il file non esiste: " << args[1] << "\n";
        return kUso;
    }
    const std::string file = args[1];
    std::string errore;
    const auto righe = apriRighe(file, errore);
    if (!righe) {
        err << prefisso(nome) << file << ": " << errore << "\n";
        return kInputErrato;
    }
    if (soloAnteprima) return anteprima(*righe, file, out, err);
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica(nome, args, true, sqlite, err, esito);
    if (!p) return esito;
    const ImportazioneMovimenti i = p->importaMovimenti(*righe, [&](std::size_t) { return ancheDoppi; });
    if (!i.errore.empty()) {
        err << prefisso(nome) << file << ": " << i.errore << "\nNessun movimento importato.\n";
        return kInputErrato;
    }
    if (!i.importati) {
        err << prefisso(nome) << i.sovrapposti
            << " movimenti del file sono già nella pratica (stesse date, importo e descrizione): nessun movimento "
               "importato; con --anche-doppi si importano comunque\n";
        return kInputErrato;
    }
    out << "Importati ";
    riassunto(i.lettura, out);
    if (i.sovrapposti > 0) out << "Già nella pratica e importati comunque: " << i.sovrapposti << "\n";
    return kOk;
}

int praticaEsporta(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> movimenti, scalare, xlsx;
    OpzioniComuni comuni;
    if (!prendiValore(args, "--movimenti", movimenti) || !prendiValore(args, "--scalare", scalare) ||
        !prendiValore(args, "--xlsx", xlsx)) {
        err << prefisso("esporta") << "manca il valore di un'opzione\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica("esporta", args, false, sqlite, err, esito);
    if (!p) return esito;
    if (!args.empty() || (!movimenti && !scalare && !xlsx)) {
        err << prefisso("esporta") << "indicare la pratica e almeno uno tra --movimenti, --scalare e --xlsx\n";
        return kUso;
    }
    RisultatoScalare r;
    if (scalare || xlsx) r = calcolaScalare(giorniPratica(*p), p->condizioni(), opzioniPratica(*p));
    std::string errore = r.errore;
    if (errore.empty() && movimenti) errore = scriviCsvMovimenti(*p, *movimenti);
    if (errore.empty() && scalare) errore = sostituisciFile(*scalare, csvFoglio(foglioScalare(r)));
    if (errore.empty() && xlsx) {
        CartellaLavoro c{{foglioMovimenti(*p), foglioScalare(r), foglioRisultati(p->risultati())}};
        if (const auto ricalcolo = p->ricalcoloSalvato()) c.fogli.insert(c.fogli.begin(), foglioRicalcolo(*ricalcolo));
        errore = ScrittoreXlsxFile().scrivi(c, *xlsx);
    }
    if (!errore.empty()) {
        err << prefisso("esporta") << errore << "\n";
        return kInputErrato;
    }
    for (const auto& scritto : {movimenti, scalare, xlsx})
        if (scritto) out << "Scritto: " << *scritto << "\n";
    return kOk;
}

} // namespace vantrel::cli
