#include "comando_teg.h"

#include "comune.h"
#include "csv.h"
#include "rates/avvisi_tassi.h"
#include "report_hook.h"
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

// The input fields in tab order, and the output columns.
constexpr std::array<const char*, 9> kCampiInput = {"NumeriD", "intDare", "ComMS", "extrafido", "speseN",
                                                    "ComMS2",  "ASpese",  "fido",  "Acc"};
constexpr std::array<const char*, 18> kColonneUscita = {
    "Giorni", "IndMedio", "totInt",  "totint2", "TotalSpese",    "tspe", "SpeInt", "TegTXT", "IntSc",
    "CMSc",   "ECCSC",    "SpeseSc", "OneriSc", "SommaParziali", "TInt", "TSpes",  "soglia", "Diff"};

// The controls clicked for each choice.
struct Scelte {
    const char* valuta = "euro";
    int categoria = 0;
    const char* accordato = "Option1a";
    const char* norma = "Option5"; // the rule in force on the period's dates
    const char* formula = "OK";
};

struct Periodo {
    Scelte scelte;
    std::string dal, al;
    std::size_t riga = 0; // in the table of the file
};

// A file of periods: its rows as read, where its fields are, and each period checked.
struct FilePeriodi {
    TabellaCsv tabella;
    std::array<int, kCampiInput.size()> campi{}; // column index of each input field, -1 when absent
    int giorni = -1;
    std::vector<Periodo> periodi;
};

template <std::size_t N>
int scegli(const std::string& valore, const std::array<const char*, N>& ammessi) {
    for (std::size_t i = 0; i < N; ++i)
        if (valore == ammessi[i]) return static_cast<int>(i);
    return -1;
}

FilePeriodi leggiPeriodi(const std::string& file) {
    std::vector<std::string> colonne = {"dal", "al", "Giorni", "categoria", "accordato", "valuta", "norma", "formula"};
    colonne.insert(colonne.end(), kCampiInput.begin(), kCampiInput.end());
    FilePeriodi f;
    f.tabella = leggiCsv(file, colonne);
    const TabellaCsv& t = f.tabella;
    // Column numbers from 1, 0 when the file has no such column.
    const auto colonna = [&](std::string_view nome) {
        for (std::size_t i = 0; i < t.colonne.size(); ++i)
            if (t.colonne[i] == nome) return static_cast<int>(i) + 1;
        return 0;
    };
    for (const char* obbligatoria : {"dal", "al"})
        if (!colonna(obbligatoria))
            throw ErroreCsv{
                erroreInput(file, 1, 0, std::string("manca la colonna obbligatoria \"") + obbligatoria + "\"")};
    const int cDal = colonna("dal"), cAl = colonna("al");
    f.giorni = colonna("Giorni") - 1;
    for (std::size_t k = 0; k < kCampiInput.size(); ++k)
        f.campi[k] = colonna(kCampiInput[k]) - 1;

    static constexpr std::array<const char*, 3> categorie = {"Conto Corrente", "Conto senza affidamento",
                                                             "Conto anticipi"};
    static constexpr std::array<const char*, 2> accordati = {"Fido", "indebitam. medio"};
    static constexpr std::array<const char*, 2> valute = {"Euro", "Lire"};
    static constexpr std::array<const char*, 3> norme = {"secondo la data", "vecchia norma", "nuova norma"};
    static constexpr std::array<const char*, 3> opzioniNorma = {"Option5", "Option3", "Option4"};
    static constexpr std::array<const char*, 2> formule = {"Banca d'Italia", "globale"};
    const int cCategoria = colonna("categoria"), cAccordato = colonna("accordato"), cValuta = colonna("valuta"),
              cNorma = colonna("norma"), cFormula = colonna("formula");

    f.periodi.reserve(t.righe.size());
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        const int riga = t.numeriRiga[r];
        const std::vector<std::string>& campi = t.righe[r];
        Periodo p;
        p.riga = r;
        const auto scelta = [&](int c, const auto& ammessi) {
            if (!c || campi[static_cast<std::size_t>(c - 1)].empty()) return 0;
            const std::string& v = campi[static_cast<std::size_t>(c - 1)];
            const int i = scegli(v, ammessi);
            if (i < 0) throw ErroreCsv{erroreInput(file, riga, c, "valore non ammesso \"" + v + "\"")};
            return i;
        };
        p.scelte.categoria = scelta(cCategoria, categorie);
        p.scelte.accordato = scelta(cAccordato, accordati) == 0 ? "Option1a" : "Option2";
        p.scelte.valuta = scelta(cValuta, valute) == 0 ? "euro" : "Lira";
        p.scelte.norma = opzioniNorma[static_cast<std::size_t>(scelta(cNorma, norme))];
        p.scelte.formula = scelta(cFormula, formule) == 0 ? "OK" : "Command9";
        for (const int c : {cDal, cAl}) {
            const std::string& v = campi[static_cast<std::size_t>(c - 1)];
            const auto d = leggiData(v);
            if (!d) throw ErroreCsv{erroreInput(file, riga, c, "data non valida \"" + v + "\" (usare gg/mm/aaaa)")};
            (c == cDal ? p.dal : p.al) = d->testo();
        }
        f.periodi.push_back(std::move(p));
    }
    return f;
}

struct Esito {
    std::vector<std::string> messaggi;
    std::string riga;
};

// One check on a freshly loaded window, done as a user would.
Esito controlla(Taeg& w, const FilePeriodi& f, const Periodo& p, RisposteProgrammate& risposte, bool riepilogo) {
    const std::vector<std::string>& campi = f.tabella.righe[p.riga];
    risposte.dimentica();
    w.clicca(p.scelte.valuta);
    w.seleziona("Combo2", p.scelte.categoria);
    w.clicca(p.scelte.accordato);
    w.clicca(p.scelte.norma);
    // An empty cell is a field not given, as for Giorni: pasting nothing into Acc would empty fido.
    for (std::size_t k = 0; k < kCampiInput.size(); ++k)
        if (f.campi[k] >= 0 && !campi[static_cast<std::size_t>(f.campi[k])].empty()) {
            w.incolla(kCampiInput[k], campi[static_cast<std::size_t>(f.campi[k])]);
            w.esci(kCampiInput[k]);
        }
    w.incolla("dal", p.dal);
    w.incolla("al", p.al);
    if (f.giorni >= 0 && !campi[static_cast<std::size_t>(f.giorni)].empty()) {
        w.incolla("Giorni", campi[static_cast<std::size_t>(f.giorni)]);
        w.esci("Giorni");
    } else {
        w.clicca("Command8");
    }
    w.clicca(p.scelte.formula);
    const auto& lista = w["List1"].voci;
    const std::size_t prima = lista.size();
    w.clicca("via");
    // The summary shows no message and changes no field: only the JSON output carries it.
    if (riepilogo) w.clicca("SSCommand2");
    Esito e;
    if (lista.size() > prima) e.riga = lista.back();
    for (const auto& m : risposte.mostrati())
        e.messaggi.push_back(m.testo);
    for (const auto& a : w.calcolo().avvisi())
        e.messaggi.push_back(a);
    return e;
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
        out << "Uso: vantrel-cli teg FILE.csv [--formato testo|csv|json] [--report OUT.RKT] [--cartella DIR] "
               "[--oggi gg/mm/aaaa]\n"
               "Controlla i periodi di conto del file, uno per riga, come nella maschera di calcolo.\n";
        return kOk;
    }
    OpzioniComuni opz;
    std::optional<std::string> formato, report;
    if (!prendiValore(args, "--formato", formato) || !prendiValore(args, "--report", report)) {
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
    FilePeriodi periodi;
    try {
        periodi = leggiPeriodi(args[0]);
    } catch (const ErroreCsv& e) {
        err << "vantrel-cli teg: " << e.messaggio << "\n";
        return kInputErrato;
    }

    Sessione s(opz);
    s.ctx.stato.Tassi.CaricaTassi(s.ctx.stato.CartellaDati);
    // Said once here; every period whose quarter has no rates also says it in its messages.
    if (const std::string a = avvisoTabellaTassi(s.ctx.stato.Tassi); !a.empty())
        err << "vantrel-cli teg: " << a << "\n";
    std::vector<std::string> lista; // the result list, kept only where it is printed or saved
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
    std::optional<Taeg> finestra; // one window, loaded afresh for every row
    for (const Periodo& p : periodi.periodi) {
        if (finestra) {
            finestra->ricarica(false);
        } else {
            finestra.emplace(s.ctx, false);
            finestra->calcolo().vuotiAZero(false);           // an empty cell is a field not given
            if (conLista) lista = (*finestra)["List1"].voci; // the header block, once
        }
        Taeg& w = *finestra;
        const Esito e = controlla(w, periodi, p, s.risposte, fmt == "json");
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
    scarica(0);
    return kOk;
}

} // namespace vantrel::cli
