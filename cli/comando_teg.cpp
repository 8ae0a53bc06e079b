#include "comando_teg.h"

#include "comune.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "report_hook.h"
#include "reports/fogli_pratica.h"
#include "reports/importa_periodi.h"
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
               "Il file è un CSV come lo salva Excel: \";\" tra le celle, virgola decimale, UTF-8 o Windows-1252.\n"
               "Le colonne vanno per intestazione: i nomi dei campi (dal, al, NumeriD, intDare, ...) oppure\n"
               "\"Dal\", \"Al\", \"Giorni\", \"Numeri debitori\", \"Interessi\", \"CMS\", \"Altri interessi\",\n"
               "\"Spese\", \"CMS spese\", \"Altri oneri\", \"Accordato\", \"Fido utilizzato\", \"Categoria\",\n"
               "\"Valuta\", \"Norma\", \"Formula\"; le altre colonne sono ignorate.\n"
               "  --report OUT.RKT  salva anche la lista dei risultati come report\n"
               "  --xlsx OUT.xlsx   salva anche il riepilogo, i dati dei trimestri e i tassi usati in una\n"
               "                    cartella di Excel\n";
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
    PeriodiImportati periodi;
    try {
        periodi = leggiFilePeriodi(args[0]);
    } catch (const ErroreImportazione& e) {
        err << "vantrel-cli teg: " << args[0] << (e.riga > 0 ? ", " : ": ") << e.messaggio() << "\n";
        return kInputErrato;
    }
    if (!periodi.colonneIgnorate.empty()) {
        err << "vantrel-cli teg: " << args[0] << ": colonne ignorate:";
        for (const auto& c : periodi.colonneIgnorate)
            err << " \"" << c << "\"";
        err << "\n";
    }

    Sessione s(opz);
    s.ctx.stato.Tassi.CaricaTassi(s.ctx.stato.CartellaDati);
    std::vector<EsitoTrimestre> esiti; // kept only for the workbook
    std::vector<std::string> lista;    // the result list, kept only where it is printed or saved
    const bool conLista = fmt == "testo" || report;
    // Every row is read and checked before the first is worked out, so output can flow as it comes:
    // a large batch then never holds its whole output in memory.
    std::string buf;
    const auto scarica = [&](std::size_t soglia) {
        if (buf.size() < soglia) return;
        out << buf;
        buf.clear();
    };
    nlohmann::json json = nlohmann::json::array();
    std::vector<int> uscita;
    for (const char* c : kColonneUscita)
        uscita.push_back(Taeg::schemaTaeg().id(c));
    if (fmt == "csv") {
        for (const char* c : kColonneUscita)
            (buf += c) += ';';
        buf += "messaggio;riga\n";
    }
    ControlloPeriodi controllo(s.ctx); // one window, loaded afresh for every row
    if (conLista && !periodi.periodi.empty()) lista = controllo.finestra()["List1"].voci; // the header block, once
    for (const PeriodoDaControllare& p : periodi.periodi) {
        EsitoControllo e = controllo.controlla(p, fmt == "json");
        Taeg& w = controllo.finestra();
        if (conLista && !e.riga.empty()) lista.push_back(e.riga);
        if (fmt == "csv") {
            for (int id : uscita) {
                accodaCampoCsv(buf, w.testo(id));
                buf += ';';
            }
            accodaCampoCsv(buf, unisci(e.messaggi, " | "));
            buf += ';';
            accodaCampoCsv(buf, e.riga);
            buf += '\n';
            scarica(1 << 16);
        } else if (fmt == "json") {
            nlohmann::json campi = nlohmann::json::object();
            const Schema& sc = w.schema();
            for (std::size_t i = 0; i < sc.dimensione(); ++i) {
                const auto& d = sc.definizione(static_cast<int>(i));
                if (d.tipo == Tipo::Testo || d.tipo == Tipo::Data) campi[d.nome] = w[static_cast<int>(i)].testo;
            }
            json.push_back(
                {{"campi", campi}, {"messaggi", e.messaggi}, {"riga", e.riga}, {"riepilogo", riepilogoDi(w)}});
        }
        if (xlsx) esiti.push_back(esitoTrimestre(w, s.ctx.stato.Tassi, p, std::move(e)));
    }
    if (fmt == "testo")
        for (const auto& l : lista)
            (buf += l) += '\n';
    else if (fmt == "json")
        (buf += json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace)) += '\n';

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
