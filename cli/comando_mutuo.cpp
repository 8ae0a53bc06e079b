#include "comando_mutuo.h"

#include "calculation/taeg.h"
#include "common/date.h"
#include "common/servizi_simulati.h"
#include "common/testo.h"
#include "comune.h"
#include "csv.h"
#include "loan/fogli_piano.h"
#include "platform/xlsx/scrittore_xlsx_file.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

namespace vantrel::cli {
namespace {

constexpr const char* kAiuto =
    "Uso: vantrel-cli mutuo [--scadenza Mensile|Bimestrale|Trimestrale|Quadrimestrale|Semestrale|Annuale]\n"
    "       [--importo N] [--data gg/mm/aaaa] [--anni N] [--rate N] [--tasso N] [--spese-iniziali N]\n"
    "       [--spese-rata N] [--rata N] [--csv FILE] [--formato testo|json] [--xlsx OUT.xlsx]\n"
    "       [--cartella DIR] [--oggi gg/mm/aaaa]\n"
    "       verifica usura: [--tipo CATEGORIA] [--intermediario banca|non-bancario] [--data-contratto gg/mm/aaaa]\n"
    "       [--spese-istruttoria N] [--perizia N] [--assicurazione N] [--mediazione N] [--tasso-mora N]\n"
    "       [--mora-sommata]\n"
    "       CATEGORIA: Mutuo ipotecario a tasso fisso, Mutuo ipotecario a tasso variabile, Credito personale,\n"
    "       Cessione del quinto dello stipendio e della pensione, Credito finalizzato, Leasing immobiliare a\n"
    "       tasso fisso, Leasing immobiliare a tasso variabile, Leasing strumentale, Leasing autoveicoli e\n"
    "       aeronavali, Altri finanziamenti (maiuscole indifferenti; basta l'inizio del nome), oppure il nome\n"
    "       di una categoria ufficiale in vigore alla data del contratto, come per vantrel-cli soglie --categoria\n"
    "  --intermediario  chi concede il finanziamento (banca se non indicato): fino al 31/12/2009 credito\n"
    "                   personale e altri finanziamenti alle famiglie hanno una soglia per le banche e una\n"
    "                   per gli intermediari non bancari\n"
    "  --spese-istruttoria N  le spese iniziali che entrano nel TEG d'usura: sostituiscono --spese-iniziali,\n"
    "                   non si sommano; le spese per rata sono già nella rata e contano una volta\n"
    "  --xlsx OUT.xlsx  salva anche il piano (una riga per rata, totali come formule) e i dati del mutuo\n"
    "                   in una cartella di Excel; non con --csv\n";

const char* const kScadenze[6] = {"Mensile", "Bimestrale", "Trimestrale", "Quadrimestrale", "Semestrale", "Annuale"};
// The controls of the loan tab and of its usury check. Their own names head the CSV columns and
// name the results.
const Schema& schema() {
    return Taeg::schemaTaeg();
}
const ControlliMutuo& cm() {
    return controlli<ControlliMutuo>(schema());
}
const ControlliVerificaUsura& cu() {
    return controlli<ControlliVerificaUsura>(schema());
}
const std::string& nome(int id) {
    return schema().definizione(id).nome;
}

using Campi = std::vector<std::pair<const char*, int>>;
// Fields in the order they are set, with their command-line options.
Campi campi() {
    const auto& c = cm();
    return {{"importo", c.importo},
            {"data", c.dataErogazione},
            {"anni", c.anni},
            {"rate", c.numeroRate},
            {"tasso", c.tassoAnnuo},
            {"spese-iniziali", c.speseIniziali},
            {"spese-rata", c.spesePerRata},
            {"rata", c.rata}};
}
// The usury check's fields and its results, present only when the check is asked for.
Campi campiUsura() {
    const auto& c = cu();
    return {{"data-contratto", c.dataContratto},
            {"spese-istruttoria", c.speseIstruttoria},
            {"perizia", c.perizia},
            {"assicurazione", c.assicurazione},
            {"mediazione", c.mediazione},
            {"tasso-mora", c.tassoMora}};
}
std::vector<int> risultatiUsura() {
    const auto& c = cu();
    return {c.tegUsura, c.soglia, c.esito, c.sogliaMora, c.esitoMora};
}
std::vector<int> risultati() {
    const auto& c = cm();
    return {c.importo,       c.dataErogazione, c.anni, c.numeroRate,      c.tassoAnnuo,  c.rata,
            c.speseIniziali, c.spesePerRata,   c.taeg, c.totaleInteressi, c.costoTotale, c.totaleSpese};
}

/// One loan as the user enters it: the frequency (-1: the one the window starts with) and the
/// texts of the fields, by control.
struct Mutuo {
    int scadenza = -1;
    std::map<int, std::string> valori;
};

/// What the command was asked.
struct Richiesta {
    OpzioniComuni comuni;
    std::string formato = "testo";
    std::optional<std::string> csv, xlsx;
    Mutuo mutuo; // from the options, when there is no --csv
};

struct Esito {
    bool rifiutato = false; // a message box, or a usury check that could not be made: bad input
    std::map<std::string, std::string> campi;
    std::vector<std::string> messaggi, piano, usura;
    CartellaLavoro cartella; // the plan as a workbook
};

/// The kind of operation whose name starts with `testo`, letter case aside; -1 when none.
int indiceTipo(const std::string& testo) {
    auto minuscolo = [](std::string s) {
        for (auto& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const auto& tipi = VerificaUsura::tipiOperazione();
    for (std::size_t k = 0; k < tipi.size(); ++k)
        if (!testo.empty() && minuscolo(tipi[k]).rfind(minuscolo(testo), 0) == 0) return static_cast<int>(k);
    return -1;
}

int indiceScadenza(const std::string& s) {
    for (int k = 0; k < 6; ++k)
        if (s == kScadenze[k]) return k;
    return -1;
}

// Reading: the options, then the file of loans.

/// Fills `r` from the options; false with a message when one is unknown or malformed.
bool leggiOpzioni(std::vector<std::string>& args, Richiesta& r, std::ostream& err) {
    std::optional<std::string> formato, scadenza, tipo, intermediario;
    bool valori = prendiValore(args, "--formato", formato) && prendiValore(args, "--csv", r.csv) &&
                  prendiValore(args, "--xlsx", r.xlsx) && prendiValore(args, "--scadenza", scadenza) &&
                  prendiValore(args, "--tipo", tipo) && prendiValore(args, "--intermediario", intermediario);
    for (const Campi& elenco : {campi(), campiUsura()})
        for (const auto& [opzione, controllo] : elenco) {
            std::optional<std::string> v;
            valori = valori && prendiValore(args, std::string("--") + opzione, v);
            if (v) r.mutuo.valori[controllo] = *v;
        }
    if (!valori) {
        err << "vantrel-cli mutuo: manca il valore di un'opzione\n";
        return false;
    }
    if (prendiFlag(args, "--mora-sommata")) r.mutuo.valori[cu().moraSommata] = "1";
    if (!leggiOpzioniComuni(args, r.comuni, err)) return false;
    if (!args.empty()) {
        err << "vantrel-cli mutuo: opzione sconosciuta: " << args.front() << '\n';
        return false;
    }
    if (tipo) r.mutuo.valori[cu().tipoOperazione] = *tipo;
    if (intermediario) {
        if (*intermediario != "banca" && *intermediario != "non-bancario") {
            err << "vantrel-cli mutuo: intermediario sconosciuto: " << *intermediario << " (banca o non-bancario)\n";
            return false;
        }
        r.mutuo.valori[cu().intermediario] = *intermediario == "banca" ? "0" : "1";
    }
    if (scadenza) {
        r.mutuo.scadenza = indiceScadenza(*scadenza);
        if (r.mutuo.scadenza < 0) {
            err << "vantrel-cli mutuo: scadenza sconosciuta: " << *scadenza << '\n';
            return false;
        }
    }
    r.formato = formato.value_or("testo");
    if (r.formato != "testo" && r.formato != "json") {
        err << "vantrel-cli mutuo: formato sconosciuto: " << r.formato << '\n';
        return false;
    }
    if (r.csv && r.xlsx) {
        err << "vantrel-cli mutuo: --xlsx vale per un solo mutuo, non con --csv\n";
        return false;
    }
    return true;
}

/// The loans of a file, one a row, every row checked before any is worked out; throws ErroreCsv.
std::vector<Mutuo> leggiMutui(const std::string& file, int scadenza) {
    std::vector<std::string> colonne = {"scadenza"};
    for (const auto& [opzione, controllo] : campi())
        colonne.push_back(nome(controllo));
    const TabellaCsv t = leggiCsv(file, colonne);
    std::vector<Mutuo> mutui;
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        Mutuo m{scadenza, {}};
        for (std::size_t c = 0; c < t.colonne.size(); ++c) {
            const std::string& v = t.righe[r][c];
            if (v.empty()) continue;
            if (t.colonne[c] != "scadenza") {
                m.valori[schema().id(t.colonne[c])] = v;
                continue;
            }
            m.scadenza = indiceScadenza(v);
            if (m.scadenza < 0)
                throw ErroreCsv{erroreInput(file, t.numeriRiga[r], static_cast<int>(c) + 1,
                                            "scadenza sconosciuta " + citazione(v))};
        }
        mutui.push_back(std::move(m));
    }
    return mutui;
}

// Running: one loan through the calculation window.

/// Sets the frequency and the fields in order, as the user would, then clicks Calcola.
void inserisci(Taeg& t, const Mutuo& m) {
    // Clicking an option also fills the count from the years (0 when none): only a chosen frequency
    // is clicked, Mensile being selected already when the window opens.
    const auto& c = cm();
    const int scadenze[6] = {c.mensile, c.bimestrale, c.trimestrale, c.quadrimestrale, c.semestrale, c.annuale};
    if (m.scadenza >= 0) t.clicca(scadenze[m.scadenza]);
    for (const auto& [opzione, campo] : campi()) {
        const auto it = m.valori.find(campo);
        if (it == m.valori.end()) continue;
        if (campo == c.rata)
            t.imposta(campo, it->second); // the user cannot type it: an earlier calculation left it
        else
            t.incolla(campo, it->second);
        t.esci(campo);
    }
    t.clicca(c.calcola);
}

/// The usury check, when one of its fields was given; true when it ran.
bool verificaUsura(Taeg& t, const Mutuo& m) {
    const auto& c = cu();
    bool usura = m.valori.count(c.tipoOperazione) > 0 || m.valori.count(c.moraSommata) > 0 ||
                 m.valori.count(c.intermediario) > 0;
    for (const auto& [opzione, campo] : campiUsura())
        if (const auto it = m.valori.find(campo); it != m.valori.end()) {
            t.incolla(campo, it->second);
            t.esci(campo);
            usura = true;
        }
    if (!usura) return false;
    // A kind of the list by the start of its name, else an official category name written in its place.
    if (const auto it = m.valori.find(c.tipoOperazione); it != m.valori.end()) {
        if (const int k = indiceTipo(it->second); k >= 0)
            t.seleziona(c.tipoOperazione, k);
        else
            t.incolla(c.tipoOperazione, it->second);
    }
    if (const auto it = m.valori.find(c.intermediario); it != m.valori.end())
        t.seleziona(c.intermediario, std::stoi(it->second));
    if (m.valori.count(c.moraSommata)) t.clicca(c.moraSommata);
    t.clicca(c.verifica);
    return true;
}

Esito calcola(const std::string& cartella, Data oggi, const Mutuo& m) {
    RisposteProgrammate risposte;
    OrologioFisso orologio(oggi);
    Contesto ctx;
    ctx.servizi.messaggi = &risposte;
    ctx.servizi.orologio = &orologio;
    ctx.stato.cartellaDati = ctx.stato.cartellaReport = cartella;
    Taeg t(ctx);
    risposte.dimentica(); // what the window says while loading (rate files) is not about the loan
    inserisci(t, m);
    Esito e;
    for (int id : risultati())
        e.campi[nome(id)] = t.testo(id);
    if (verificaUsura(t, m)) {
        for (int id : risultatiUsura())
            e.campi[nome(id)] = t.testo(id);
        e.usura = t[cu().fonteSoglia].voci;
        e.rifiutato = !t.usura().esito().errore.empty();
    }
    for (const auto& messaggio : risposte.mostrati())
        e.messaggi.push_back(messaggio.testo);
    e.rifiutato = e.rifiutato || !e.messaggi.empty();
    e.piano = t[cm().piano].voci;
    if (!t.mutuo().piano().rate.empty()) {
        const auto& c = cm();
        DatiMutuo dati;
        for (int id : {c.importo, c.dataErogazione, -1, c.numeroRate, c.tassoAnnuo, c.rata, c.speseIniziali,
                       c.spesePerRata, c.taeg, c.totaleInteressi, c.costoTotale, c.totaleSpese})
            dati.push_back(id >= 0 ? t.testo(id) : kScadenze[m.scadenza < 0 ? 0 : m.scadenza]);
        e.cartella = cartellaPiano(t.mutuo().piano(), dati);
    }
    return e;
}

// Writing: text or JSON, and the workbook.

nlohmann::json comeJson(const Esito& e) {
    nlohmann::json j = {{"campi", e.campi}, {"messaggi", e.messaggi}, {"piano", e.piano}};
    if (!e.usura.empty()) j["usura"] = e.usura;
    return j;
}

void comeTesto(const Esito& e, std::ostream& out) {
    for (const auto& r : e.piano)
        out << r << '\n';
    for (int id : risultati())
        out << nome(id) << ": " << e.campi.at(nome(id)) << '\n';
    for (int id : risultatiUsura())
        if (const auto it = e.campi.find(nome(id)); it != e.campi.end()) out << it->first << ": " << it->second << '\n';
    for (const auto& r : e.usura)
        out << "usura: " << r << '\n';
    for (const auto& m : e.messaggi) {
        std::string riga = m;
        for (auto p = riga.find("\r\n"); p != std::string::npos; p = riga.find("\r\n"))
            riga.replace(p, 2, " | ");
        out << "messaggio: " << riga << '\n';
    }
}

/// One loan as an object; the loans of a file as an array, in text separated by an empty line.
void scrivi(const std::vector<Esito>& esiti, bool elenco, const std::string& formato, std::ostream& out) {
    if (formato == "json") {
        nlohmann::json a = nlohmann::json::array();
        for (const auto& e : esiti)
            a.push_back(comeJson(e));
        out << (elenco ? a : a.front()).dump(2) << '\n';
        return;
    }
    for (std::size_t k = 0; k < esiti.size(); ++k) {
        if (k > 0) out << '\n';
        comeTesto(esiti[k], out);
    }
}

} // namespace

int comandoMutuo(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << kAiuto;
        return kOk;
    }
    Richiesta r;
    if (!leggiOpzioni(args, r, err)) return kUso;
    std::vector<Mutuo> mutui{r.mutuo};
    if (r.csv) {
        std::error_code ec;
        if (!std::filesystem::exists(*r.csv, ec)) {
            err << "vantrel-cli mutuo: il file non esiste: " << *r.csv << '\n';
            return kUso;
        }
        try {
            mutui = leggiMutui(*r.csv, r.mutuo.scadenza);
        } catch (const ErroreCsv& e) {
            err << "vantrel-cli mutuo: " << e.messaggio << '\n';
            return kInputErrato;
        }
    }

    // The rate window loads with the calculation window: it reads the program folder, never the
    // current one (where it would leave empty rate files).
    std::string cartella = r.comuni.cartella;
    if (!cartella.empty() && cartella.back() != '/' && cartella.back() != '\\') cartella += '/';
    const Data oggi = r.comuni.oggi.value_or(OrologioDiSistema().oggi());
    // Everything is computed before anything is written, so bad data leaves no half output.
    std::vector<Esito> esiti;
    for (const Mutuo& m : mutui)
        esiti.push_back(calcola(cartella, oggi, m));

    if (r.xlsx) {
        if (esiti.front().cartella.fogli.empty()) {
            err << "vantrel-cli mutuo: nessun piano da salvare in " << *r.xlsx << '\n';
            return kInputErrato;
        }
        if (const std::string errore = ScrittoreXlsxFile().scrivi(esiti.front().cartella, *r.xlsx); !errore.empty()) {
            err << "vantrel-cli mutuo: " << errore << '\n';
            return kInputErrato;
        }
    }
    scrivi(esiti, r.csv.has_value(), r.formato, out);
    const bool rifiutato = std::any_of(esiti.begin(), esiti.end(), [](const Esito& e) { return e.rifiutato; });
    return rifiutato ? kInputErrato : kOk;
}

} // namespace vantrel::cli
