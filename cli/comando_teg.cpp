#include "comando_teg.h"

#include "comune.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "rates/avvisi_tassi.h"
#include "rates/set_tassi.h"
#include "report_hook.h"
#include "reports/file_report.h"
#include "teg/controllo_periodo.h"
#include "teg/fogli_pratica.h"
#include "teg/importa_periodi.h"
#include "teg/taeg.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

namespace vantrel::cli {
namespace {

// The output columns.
constexpr std::array<const char*, 18> kColonneUscita = {
    "Giorni", "IndMedio", "totInt",  "totint2", "TotalSpese",    "tspe", "SpeInt", "TegTXT", "IntSc",
    "CMSc",   "ECCSC",    "SpeseSc", "OneriSc", "SommaParziali", "TInt", "TSpes",  "soglia", "Diff"};

// Reads the file's text, once: a folder or an unreadable file is an error of the input.
std::string testoPeriodi(const std::string& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw ErroreImportazione{0, "", "è una cartella, non un file CSV"};
    auto contenuto = leggiFile(file);
    if (!contenuto) throw ErroreImportazione{0, "", "impossibile leggere il file"};
    return std::move(*contenuto);
}

std::string unisci(const std::vector<std::string>& v, const std::string& sep) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i ? sep : "") + v[i];
    return s;
}

// Appends a CSV field, quoted when it holds a separator, a quote or a line break.
void accodaCampoCsv(std::string& out, std::string_view s) {
    const auto speciale = [](char c) { return c == ';' || c == '"' || c == '\n' || c == '\r'; };
    if (std::none_of(s.begin(), s.end(), speciale)) {
        out += s;
        return;
    }
    out += '"';
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

int comandoTeg(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << "Uso: vantrel-cli teg FILE.csv [--formato testo|csv|json] [--report OUT.RKT] [--xlsx OUT.xlsx]\n"
               "       [--cartella DIR] [--oggi gg/mm/aaaa]\n"
               "Controlla i periodi di conto del file, uno per riga, come nella maschera di calcolo.\n"
               "  --report OUT.RKT  salva anche la lista dei risultati come report\n"
               "  --xlsx OUT.xlsx   salva anche il riepilogo, i dati dei trimestri e i tassi usati in una\n"
               "                    cartella di Excel; il file può essere anche un CSV come lo salva Excel\n"
               "                    (\";\" tra le celle, virgola decimale, UTF-8 o Windows-1252) con le\n"
               "                    intestazioni \"Dal\", \"Al\", \"Numeri debitori\", \"Interessi\", ...\n";
        return kOk;
    }
    OpzioniComuni opz;
    std::optional<std::string> formato, report, xlsx;
    if (!prendiValore(args, "--formato", formato) || !prendiValore(args, "--report", report) ||
        !prendiValore(args, "--xlsx", xlsx)) {
        err << "vantrel-cli teg: manca il valore di un'opzione\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, opz, err)) return kUso;
    const std::string fmt = formato.value_or("testo");
    if (fmt != "testo" && fmt != "csv" && fmt != "json") {
        err << "vantrel-cli teg: formato sconosciuto \"" << fmt << "\" (testo, csv o json)\n";
        return kUso;
    }
    if (args.size() != 1 || args[0].starts_with("--")) {
        err << "vantrel-cli teg: indicare un solo file CSV di periodi"
            << (args.empty() ? "" : ", non \"" + args[0] + "\"") << "\n";
        return kUso;
    }
    std::error_code ec;
    if (!std::filesystem::exists(args[0], ec)) {
        err << "vantrel-cli teg: il file non esiste: " << args[0] << "\n";
        return kUso;
    }
    // Every row is checked before any output, then read again to be worked out: no row is kept.
    std::optional<LettorePeriodi> lettore;
    try {
        lettore.emplace(testoPeriodi(args[0]));
        for (PeriodoDaControllare p; lettore->prossimo(p);) {
        }
        lettore->riavvolgi();
    } catch (const ErroreImportazione& e) {
        err << "vantrel-cli teg: " << args[0] << (e.riga > 0 ? ", " : ": ") << e.messaggio() << "\n";
        return kInputErrato;
    }
    if (!lettore->colonneIgnorate().empty()) {
        err << "vantrel-cli teg: " << args[0] << ": colonne ignorate:";
        for (const auto& c : lettore->colonneIgnorate())
            err << " \"" << c << "\"";
        err << "\n";
    }

    Sessione s(opz);
    caricaSetTassi(s.ctx.stato.Tassi, s.ctx.stato.CartellaDati, s.ctx.servizi.disco);
    // Said once here; every period whose quarter has no rates also says it in its messages.
    if (const std::string a = avvisoTabellaTassi(s.ctx.stato.Tassi); !a.empty())
        err << "vantrel-cli teg: " << a << "\n";
    std::vector<std::string> lista;    // the result list, kept only where it is saved
    std::vector<EsitoTrimestre> esiti; // kept only for the workbook
    // The whole file was checked above: output can flow as the rows are worked out, and no row, no
    // line of output is kept but the report's.
    std::string buf;
    const auto scarica = [&](std::size_t soglia) {
        if (buf.size() < soglia) return;
        out << buf;
        buf.clear();
    };
    std::vector<int> uscita;
    for (const char* c : kColonneUscita)
        uscita.push_back(Taeg::schemaTaeg().id(c));
    if (fmt == "csv") {
        for (const char* c : kColonneUscita)
            (buf += c) += ';';
        buf += "messaggio;riga\n";
    }
    std::size_t righeJson = 0;
    std::optional<ControlloPeriodi> controllo; // one window, loaded afresh for every row
    const auto unaRiga = [&](const PeriodoDaControllare& p) {
        if (!controllo) {
            controllo.emplace(s.ctx);
            controllo->finestra().calcolo().vuotiAZero(false);          // an empty cell is a field not given
            for (const auto& l : controllo->finestra()["List1"].voci) { // the header block, once
                if (fmt == "testo") (buf += l) += '\n';
                if (report) lista.push_back(l);
            }
        }
        EsitoControllo e = controllo->controlla(p, fmt == "json");
        Taeg& w = controllo->finestra();
        if (!e.riga.empty()) {
            if (fmt == "testo") (buf += e.riga) += '\n';
            if (report) lista.push_back(e.riga);
        }
        if (fmt == "csv") {
            for (int id : uscita) {
                accodaCampoCsv(buf, w.testo(id));
                buf += ';';
            }
            accodaCampoCsv(buf, unisci(e.messaggi, " | "));
            buf += ';';
            accodaCampoCsv(buf, e.riga);
            buf += '\n';
        } else if (fmt == "json") {
            nlohmann::json campiJson = nlohmann::json::object();
            const Schema& sc = w.schema();
            for (std::size_t i = 0; i < sc.dimensione(); ++i) {
                const auto& d = sc.definizione(static_cast<int>(i));
                if (d.tipo == Tipo::Testo || d.tipo == Tipo::Data) campiJson[d.nome] = w[static_cast<int>(i)].testo;
            }
            const nlohmann::json oggetto = {
                {"campi", campiJson}, {"messaggi", e.messaggi}, {"riga", e.riga}, {"riepilogo", riepilogoDi(w)}};
            // As one array dumped with an indent of 2 would write it: the object one level in.
            buf += righeJson++ == 0 ? "[\n  " : ",\n  ";
            for (const char c : oggetto.dump(2, ' ', false, nlohmann::json::error_handler_t::replace)) {
                buf += c;
                if (c == '\n') buf += "  "; // line breaks inside texts are written as \n
            }
        }
        if (xlsx) esiti.push_back(esitoTrimestre(w, s.ctx.stato.Tassi, p, std::move(e)));
        if (!report) scarica(1 << 16);
    };
    for (PeriodoDaControllare p; lettore->prossimo(p);)
        unaRiga(p);
    if (fmt == "json") buf += righeJson == 0 ? "[]\n" : "\n]\n";

    if (report) {
        const std::string errore = salvaListaComeReport(*report, lista);
        if (!errore.empty()) {
            err << "vantrel-cli teg: " << errore << "\n";
            return kInputErrato;
        }
    }
    if (xlsx) {
        const std::string errore = ScrittoreXlsxFile().scrivi(cartellaPratica(esiti), *xlsx);
        if (!errore.empty()) {
            err << "vantrel-cli teg: " << errore << "\n";
            return kInputErrato;
        }
    }
    scarica(0);
    return kOk;
}

} // namespace vantrel::cli
