#include "comando_teg.h"

#include "comune.h"
#include "csv.h"
#include "rates/avvisi_tassi.h"
#include "rates/set_tassi.h"
#include "report_hook.h"
#include "teg/taeg.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
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
};

// Where the fields of a file of periods are: column indexes from 0, -1 when absent.
struct Colonne {
    std::array<int, kCampiInput.size()> campi{};
    int giorni = -1, dal = -1, al = -1, categoria = -1, accordato = -1, valuta = -1, norma = -1, formula = -1;
};

template <std::size_t N>
int scegli(const std::string& valore, const std::array<const char*, N>& ammessi) {
    for (std::size_t i = 0; i < N; ++i)
        if (valore == ammessi[i]) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> colonneAmmesse() {
    std::vector<std::string> colonne = {"dal", "al", "Giorni", "categoria", "accordato", "valuta", "norma", "formula"};
    colonne.insert(colonne.end(), kCampiInput.begin(), kCampiInput.end());
    return colonne;
}

Colonne leggiColonne(const LettoreCsv& l, const std::string& file) {
    const auto colonna = [&](std::string_view nome) {
        const auto& c = l.colonne();
        for (std::size_t i = 0; i < c.size(); ++i)
            if (c[i] == nome) return static_cast<int>(i);
        return -1;
    };
    for (const char* obbligatoria : {"dal", "al"})
        if (colonna(obbligatoria) < 0)
            throw ErroreCsv{
                erroreInput(file, 1, 0, std::string("manca la colonna obbligatoria \"") + obbligatoria + "\"")};
    Colonne c;
    c.dal = colonna("dal");
    c.al = colonna("al");
    c.giorni = colonna("Giorni");
    c.categoria = colonna("categoria");
    c.accordato = colonna("accordato");
    c.valuta = colonna("valuta");
    c.norma = colonna("norma");
    c.formula = colonna("formula");
    for (std::size_t k = 0; k < kCampiInput.size(); ++k)
        c.campi[k] = colonna(kCampiInput[k]);
    return c;
}

// The choices and dates of one row, checked; throws ErroreCsv naming line and column.
Periodo leggiPeriodo(const Colonne& c, const std::vector<std::string>& campi, int riga, const std::string& file) {
    static constexpr std::array<const char*, 3> categorie = {"Conto Corrente", "Conto senza affidamento",
                                                             "Conto anticipi"};
    static constexpr std::array<const char*, 2> accordati = {"Fido", "indebitam. medio"};
    static constexpr std::array<const char*, 2> valute = {"Euro", "Lire"};
    static constexpr std::array<const char*, 3> norme = {"secondo la data", "vecchia norma", "nuova norma"};
    static constexpr std::array<const char*, 3> opzioniNorma = {"Option5", "Option3", "Option4"};
    static constexpr std::array<const char*, 2> formule = {"Banca d'Italia", "globale"};
    Periodo p;
    const auto scelta = [&](int col, const auto& ammessi) {
        if (col < 0 || campi[static_cast<std::size_t>(col)].empty()) return 0;
        const std::string& v = campi[static_cast<std::size_t>(col)];
        const int i = scegli(v, ammessi);
        if (i < 0) throw ErroreCsv{erroreInput(file, riga, col + 1, "valore non ammesso \"" + v + "\"")};
        return i;
    };
    p.scelte.categoria = scelta(c.categoria, categorie);
    p.scelte.accordato = scelta(c.accordato, accordati) == 0 ? "Option1a" : "Option2";
    p.scelte.valuta = scelta(c.valuta, valute) == 0 ? "euro" : "Lira";
    p.scelte.norma = opzioniNorma[static_cast<std::size_t>(scelta(c.norma, norme))];
    p.scelte.formula = scelta(c.formula, formule) == 0 ? "OK" : "Command9";
    for (const int col : {c.dal, c.al}) {
        const std::string& v = campi[static_cast<std::size_t>(col)];
        const auto d = leggiData(v);
        if (!d) throw ErroreCsv{erroreInput(file, riga, col + 1, "data non valida \"" + v + "\" (usare gg/mm/aaaa)")};
        (col == c.dal ? p.dal : p.al) = d->testo();
    }
    return p;
}

// Reads every row of the file, checking it, and hands each to `riga`: once to check the whole file
// before any output, once more to work the rows out, so that no row is ever kept.
void perOgniPeriodo(const std::string& file,
                    const std::function<void(const Colonne&, const std::vector<std::string>&, const Periodo&)>& riga) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw ErroreCsv{file + ": è una cartella, non un file CSV"};
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ErroreCsv{file + ": impossibile leggere il file"};
    LettoreCsv lettore(in, file, colonneAmmesse());
    const Colonne c = leggiColonne(lettore, file);
    std::vector<std::string> campi;
    int numero = 0;
    while (lettore.prossima(campi, numero))
        riga(c, campi, leggiPeriodo(c, campi, numero, file));
}

struct Esito {
    std::vector<std::string> messaggi;
    std::string riga;
};

// One check on a freshly loaded window, done as a user would.
Esito controlla(Taeg& w, const Colonne& f, const std::vector<std::string>& campi, const Periodo& p,
                RisposteProgrammate& risposte, bool riepilogo) {
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
    try {
        perOgniPeriodo(args[0], [](const Colonne&, const std::vector<std::string>&, const Periodo&) {});
    } catch (const ErroreCsv& e) {
        err << "vantrel-cli teg: " << e.messaggio << "\n";
        return kInputErrato;
    }

    Sessione s(opz);
    caricaSetTassi(s.ctx.stato.Tassi, s.ctx.stato.CartellaDati, s.ctx.servizi.disco);
    // Said once here; every period whose quarter has no rates also says it in its messages.
    if (const std::string a = avvisoTabellaTassi(s.ctx.stato.Tassi); !a.empty())
        err << "vantrel-cli teg: " << a << "\n";
    std::vector<std::string> lista; // the result list, kept only where it is saved
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
    std::optional<Taeg> finestra; // one window, loaded afresh for every row
    const auto unaRiga = [&](const Colonne& colonne, const std::vector<std::string>& campi, const Periodo& p) {
        if (finestra) {
            finestra->ricarica(false);
        } else {
            finestra.emplace(s.ctx, false);
            finestra->calcolo().vuotiAZero(false);            // an empty cell is a field not given
            for (const auto& l : (*finestra)["List1"].voci) { // the header block, once
                if (fmt == "testo") (buf += l) += '\n';
                if (report) lista.push_back(l);
            }
        }
        Taeg& w = *finestra;
        const Esito e = controlla(w, colonne, campi, p, s.risposte, fmt == "json");
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
        if (!report) scarica(1 << 16);
    };
    try {
        perOgniPeriodo(args[0], unaRiga);
    } catch (const ErroreCsv& e) { // the file changed since it was checked
        err << "vantrel-cli teg: " << e.messaggio << "\n";
        return kInputErrato;
    }
    if (fmt == "json") buf += righeJson == 0 ? "[]\n" : "\n]\n";

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
