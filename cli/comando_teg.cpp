#include "comando_teg.h"

#include "comune.h"
#include "csv.h"
#include "report_hook.h"
#include "teg/taeg.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

namespace vantrel::cli {
namespace {

const std::vector<std::string> kCampiInput = {"NumeriD", "intDare", "ComMS", "extrafido", "speseN",
                                              "ComMS2",  "ASpese",  "fido",  "Acc"};
const std::vector<std::string> kColonneUscita = {
    "Giorni", "IndMedio", "totInt",  "totint2", "TotalSpese",    "tspe", "SpeInt", "TegTXT", "IntSc",
    "CMSc",   "ECCSC",    "SpeseSc", "OneriSc", "SommaParziali", "TInt", "TSpes",  "soglia", "Diff"};

struct Scelte {
    std::string valuta = "euro";
    int categoria = 0;
    std::string accordato = "Option1a";
    std::string norma = "Option3";
    std::string formula = "OK";
};

struct Periodo {
    Scelte scelte;
    std::vector<std::pair<std::string, std::string>> campi; // in tab order
    std::string dal, al;
    std::optional<std::string> giorni;
};

template <std::size_t N>
int scegli(const std::string& valore, const std::array<const char*, N>& ammessi) {
    for (std::size_t i = 0; i < N; ++i)
        if (valore == ammessi[i]) return static_cast<int>(i);
    return -1;
}

std::vector<Periodo> leggiPeriodi(const std::string& file) {
    std::vector<std::string> colonne = {"dal", "al", "Giorni", "categoria", "accordato", "valuta", "norma", "formula"};
    colonne.insert(colonne.end(), kCampiInput.begin(), kCampiInput.end());
    const TabellaCsv t = leggiCsv(file, colonne);
    const auto colonna = [&](const std::string& nome) {
        for (std::size_t i = 0; i < t.colonne.size(); ++i)
            if (t.colonne[i] == nome) return static_cast<int>(i) + 1;
        return 0;
    };
    for (const char* obbligatoria : {"dal", "al"})
        if (!colonna(obbligatoria))
            throw ErroreCsv{
                erroreInput(file, 1, 0, std::string("manca la colonna obbligatoria \"") + obbligatoria + "\"")};

    std::vector<Periodo> out;
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        const int riga = t.numeriRiga[r];
        Periodo p;
        const auto errore = [&](const std::string& nome, const std::string& testo) {
            return ErroreCsv{erroreInput(file, riga, colonna(nome), testo)};
        };
        const auto scelta = [&](const std::string& nome, const auto& ammessi, int predefinita) {
            const auto v = t.campo(r, nome);
            if (!v || v->empty()) return predefinita;
            const int i = scegli(*v, ammessi);
            if (i < 0) throw errore(nome, "valore non ammesso \"" + *v + "\"");
            return i;
        };
        static constexpr std::array<const char*, 3> categorie = {"Conto Corrente", "Conto senza affidamento",
                                                                 "Conto anticipi"};
        static constexpr std::array<const char*, 2> accordati = {"Fido", "indebitam. medio"};
        static constexpr std::array<const char*, 2> valute = {"Euro", "Lire"};
        static constexpr std::array<const char*, 2> norme = {"vecchia norma", "nuova norma"};
        static constexpr std::array<const char*, 2> formule = {"Banca d'Italia", "globale"};
        p.scelte.categoria = scelta("categoria", categorie, 0);
        p.scelte.accordato = scelta("accordato", accordati, 0) == 0 ? "Option1a" : "Option2";
        p.scelte.valuta = scelta("valuta", valute, 0) == 0 ? "euro" : "Lira";
        p.scelte.norma = scelta("norma", norme, 0) == 0 ? "Option3" : "Option4";
        p.scelte.formula = scelta("formula", formule, 0) == 0 ? "OK" : "Command9";
        for (const char* nome : {"dal", "al"}) {
            const std::string v = *t.campo(r, nome);
            const auto d = leggiData(v);
            if (!d) throw errore(nome, "data non valida \"" + v + "\" (usare gg/mm/aaaa)");
            (std::string(nome) == "dal" ? p.dal : p.al) = d->testo();
        }
        // An empty cell is a field not given, as for Giorni: pasting nothing into Acc would empty fido.
        for (const auto& nome : kCampiInput)
            if (const auto v = t.campo(r, nome); v && !v->empty()) p.campi.emplace_back(nome, *v);
        if (const auto g = t.campo(r, "Giorni"); g && !g->empty()) p.giorni = *g;
        out.push_back(std::move(p));
    }
    return out;
}

struct Esito {
    std::vector<std::string> messaggi;
    std::string riga;
};

// One check on a freshly loaded window, done as a user would.
Esito controlla(Taeg& w, const Periodo& p, RisposteProgrammate& risposte, bool riepilogo) {
    risposte.dimentica();
    w.clicca(p.scelte.valuta);
    w.seleziona("Combo2", p.scelte.categoria);
    w.clicca(p.scelte.accordato);
    w.clicca(p.scelte.norma);
    for (const auto& [nome, testo] : p.campi) {
        w.incolla(nome, testo);
        w.esci(nome);
    }
    w.incolla("dal", p.dal);
    w.incolla("al", p.al);
    if (p.giorni) {
        w.incolla("Giorni", *p.giorni);
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
    return e;
}

std::string unisci(const std::vector<std::string>& v, const std::string& sep) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i ? sep : "") + v[i];
    return s;
}

std::string campoCsv(const std::string& s) {
    if (s.find_first_of(";\"\n\r") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
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
    std::vector<Periodo> periodi;
    try {
        periodi = leggiPeriodi(args[0]);
    } catch (const ErroreCsv& e) {
        err << "vantrel-cli teg: " << e.messaggio << "\n";
        return kInputErrato;
    }

    Sessione s(opz);
    s.ctx.stato.Tassi.CaricaTassi(s.ctx.stato.CartellaDati);
    std::vector<std::string> lista;
    std::ostringstream buf; // nothing is written until every row is done
    nlohmann::json json = nlohmann::json::array();
    if (fmt == "csv") buf << unisci(kColonneUscita, ";") << ";messaggio;riga\n";
    for (const Periodo& p : periodi) {
        Taeg w(s.ctx, false);
        if (lista.empty()) lista = w["List1"].voci; // the header block, once
        const Esito e = controlla(w, p, s.risposte, fmt == "json");
        if (!e.riga.empty()) lista.push_back(e.riga);
        if (fmt == "csv") {
            for (const auto& c : kColonneUscita)
                buf << campoCsv(w[c].testo) << ';';
            buf << campoCsv(unisci(e.messaggi, " | ")) << ';' << campoCsv(e.riga) << '\n';
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
            buf << l << '\n';
    else if (fmt == "json")
        buf << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';

    if (report) {
        const std::string errore = salvaListaComeReport(*report, lista);
        if (!errore.empty()) {
            err << "vantrel-cli teg: " << errore << "\n";
            return kInputErrato;
        }
    }
    out << buf.str();
    return kOk;
}

} // namespace vantrel::cli
