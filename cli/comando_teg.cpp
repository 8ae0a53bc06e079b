#include "comando_teg.h"

#include "account/fogli_pratica.h"
#include "account/importa_periodi.h"
#include "common/cartella_lavoro.h"
#include "comune.h"
#include "platform/xlsx/cartella_xlsx_in_corso.h"
#include "rates/avvisi_tassi.h"
#include "rates/set_tassi.h"
#include "report_hook.h"
#include "reports/file_report.h"
#include "teg/controllo_periodo.h"
#include "teg/finestra_calcolo.h"
#include "uscita_teg.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

namespace vantrel::cli {
namespace {

constexpr const char* kAiuto =
    "Uso: vantrel-cli teg FILE.csv [--formato testo|csv|json] [--report OUT.RKT] [--xlsx OUT.xlsx]\n"
    "       [--divisore 36500|bisestile] [--cartella DIR] [--oggi gg/mm/aaaa]\n"
    "Controlla i periodi di conto del file, uno per riga, come nella maschera di calcolo.\n"
    "  --divisore        giorni dell'anno x 100 delle formule: 36500 sempre, o 36600 per un periodo che\n"
    "                    comincia in un anno bisestile (bisestile); senza, come nelle impostazioni\n"
    "  --report OUT.RKT  salva anche la lista dei risultati come report\n"
    "  --xlsx OUT.xlsx   salva anche il riepilogo, i dati dei trimestri e i tassi usati in una\n"
    "                    cartella di Excel; il file può essere anche un CSV come lo salva Excel\n"
    "                    (\";\" tra le celle, virgola decimale, UTF-8 o Windows-1252) con le\n"
    "                    intestazioni \"Dal\", \"Al\", \"Numeri debitori\", \"Interessi\", ...\n"
    "La colonna \"Massimo scoperto\" (o MaxScoperto) dà il saldo debitore più alto del periodo: per un\n"
    "periodo fino al 31/12/2009 con CMS la verifica separata della CMS (Cass. SS.UU. 16303/2018) dà\n"
    "TegSenzaCMS, TassoCMS, SogliaCMS, EccedenzaCMS, MargineInteressi ed EsitoCMS; la CMS media del\n"
    "trimestre è quella della tabella dei tassi (\"CMS media (%)\" nella finestra dei tassi).\n";

/// What the command was asked.
struct RichiestaTeg {
    OpzioniComuni comuni;
    std::string formato, file;
    std::optional<std::string> report, xlsx;
    std::optional<bool> sempre365; // --divisore: in place of the program folder's setting
};

// Reading: the options, then the whole file of periods.

/// Fills `r` from the options; kOk, or the exit status after a message.
int leggiOpzioni(std::vector<std::string>& args, RichiestaTeg& r, std::ostream& err) {
    std::optional<std::string> formato, divisore;
    if (!prendiValore(args, "--formato", formato) || !prendiValore(args, "--report", r.report) ||
        !prendiValore(args, "--xlsx", r.xlsx) || !prendiValore(args, "--divisore", divisore)) {
        err << "vantrel-cli teg: manca il valore di un'opzione\n";
        return kUso;
    }
    if (divisore && *divisore != "36500" && *divisore != "bisestile") {
        err << "vantrel-cli teg: divisore sconosciuto \"" << *divisore << "\" (36500 o bisestile)\n";
        return kUso;
    }
    if (divisore) r.sempre365 = *divisore == "36500";
    if (!leggiOpzioniComuni(args, r.comuni, err)) return kUso;
    r.formato = formato.value_or("testo");
    if (r.formato != "testo" && r.formato != "csv" && r.formato != "json") {
        err << "vantrel-cli teg: formato sconosciuto \"" << r.formato << "\" (testo, csv o json)\n";
        return kUso;
    }
    if (args.size() != 1 || args[0].starts_with("--")) {
        err << "vantrel-cli teg: indicare un solo file CSV di periodi"
            << (args.empty() ? "" : ", non \"" + args[0] + "\"") << "\n";
        return kUso;
    }
    r.file = args[0];
    std::error_code ec;
    if (!std::filesystem::exists(r.file, ec)) {
        err << "vantrel-cli teg: il file non esiste: " << r.file << "\n";
        return kUso;
    }
    return kOk;
}

/// Checks every row before any output, then rewinds, so that the rows are read again to be worked
/// out and none is kept; kOk, or the exit status after a message.
int leggiPeriodi(const std::string& file, std::optional<LettorePeriodi>& lettore, std::ostream& err) {
    try {
        lettore.emplace(apriFilePeriodi(file));
        for (PeriodoDaControllare p; lettore->prossimo(p);) {
        }
        lettore->riavvolgi();
    } catch (const ErroreImportazione& e) {
        err << "vantrel-cli teg: " << file << (e.riga > 0 ? ", " : ": ") << e.messaggio() << "\n";
        return kInputErrato;
    }
    if (!lettore->colonneIgnorate().empty()) {
        err << "vantrel-cli teg: " << file << ": colonne ignorate:";
        for (const auto& c : lettore->colonneIgnorate())
            err << " \"" << c << "\"";
        err << "\n";
    }
    return kOk;
}

/// The workbook, when asked for, written a quarter at a time as they are checked.
class CartellaTeg {
public:
    explicit CartellaTeg(const std::optional<std::string>& path) {
        if (path) cartella_.emplace(cartellaPraticaVuota(), *path);
    }
    void trimestre(const EsitoTrimestre& e) {
        if (!cartella_) return;
        aggiungiTrimestre(totali_, e);
        totali_.massimo = nullptr; // no quarter is kept
        const auto righe = righePratica(e, totali_.trimestri);
        for (std::size_t f = 0; f < righe.size(); ++f)
            cartella_->riga(f, righe[f], e.oltreSoglia());
    }
    std::string chiudi() { return cartella_ ? cartella_->chiudi({totaliRiepilogo(totali_, totali_.trimestri)}) : ""; }
    bool chiesta() const { return cartella_.has_value(); }

private:
    std::optional<CartellaXlsxInCorso> cartella_;
    TotaliPratica totali_;
};

/// The report and the workbook, when asked for; kOk, or the exit status after a message.
int salvaFile(const RichiestaTeg& r, const std::vector<std::string>& lista, CartellaTeg& cartella, std::ostream& err) {
    std::string errore;
    if (r.report) errore = salvaListaComeReport(*r.report, lista);
    if (const std::string e = cartella.chiudi(); errore.empty()) errore = e;
    if (errore.empty()) return kOk;
    err << "vantrel-cli teg: " << errore << "\n";
    return kInputErrato;
}

} // namespace

int comandoTeg(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << kAiuto;
        return kOk;
    }
    RichiestaTeg r;
    if (const int esito = leggiOpzioni(args, r, err); esito != kOk) return esito;
    std::optional<LettorePeriodi> lettore;
    if (const int esito = leggiPeriodi(r.file, lettore, err); esito != kOk) return esito;

    Sessione s(r.comuni);
    if (r.sempre365) s.ctx.stato.imposta.divisoreSempre365(*r.sempre365);
    caricaSetTassi(s.ctx.stato.tassi, s.ctx.stato.cartellaDati, s.ctx.servizi.disco);
    // Said once here; every period whose quarter has no rates also says it in its messages.
    if (const std::string a = avvisoTabellaTassi(s.ctx.stato.tassi); !a.empty())
        err << "vantrel-cli teg: " << a << "\n";
    std::vector<std::string> lista; // the result list, kept only where it is saved
    CartellaTeg cartella(r.xlsx);
    // The whole file was checked above: output can flow as the rows are worked out, and no row, no
    // line of output is kept but the report's.
    UscitaTeg uscita(r.formato, out);
    std::optional<ControlloPeriodi> controllo; // one window, loaded afresh for every row
    for (PeriodoDaControllare p; lettore->prossimo(p);) {
        if (!controllo) {
            controllo.emplace(s.ctx);
            FinestraCalcolo& w = controllo->finestra();
            for (const auto& l : w[controlli<ControlliReportTeg>(w.schema()).risultati].voci) {
                uscita.intestazione(l);
                if (r.report) lista.push_back(l);
            }
        }
        EsitoControllo e = controllo->controlla(p, r.formato == "json");
        FinestraCalcolo& w = controllo->finestra();
        uscita.periodo(w, e);
        if (r.report && !e.riga.empty()) lista.push_back(e.riga);
        if (cartella.chiesta()) cartella.trimestre(esitoTrimestre(w, s.ctx.stato.tassi, p, std::move(e)));
        if (!r.report) uscita.scarica(1 << 16);
    }
    uscita.fine();
    if (const int esito = salvaFile(r, lista, cartella, err); esito != kOk) return esito;
    uscita.scarica(0);
    return kOk;
}

} // namespace vantrel::cli
