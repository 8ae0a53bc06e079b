#include "shell/guida.h"

#include <map>
#include <string_view>

namespace vantrel {
namespace {

// What each window is for, in the words of its help page.
const std::map<std::string_view, std::string_view>& introduzioni() {
    static const std::map<std::string_view, std::string_view> testi = {
        {"MDIForm1",
         "La finestra principale raccoglie le altre. Il menu File imposta la stampante e le preferenze e chiude il "
         "programma; il menu Utilità apre la calcolatrice, il calendario e i tassi soglia ufficiali; il menu "
         "Finestra dispone le finestre aperte. I pulsanti della barra aprono le finestre di lavoro."},
        {"Taeg",
         "La finestra di calcolo verifica un periodo di conto corrente: si indicano le date (o si sceglie anno e "
         "trimestre), i numeri debitori, gli interessi, le commissioni, le spese e l'accordato, poi si preme "
         "\"Formula Banca d'Italia\" o \"Formula globale\". Il T.E.G. e i suoi tassi parziali sono confrontati con "
         "il tasso soglia del trimestre, della categoria e della classe d'importo. I campi lasciati vuoti valgono 0 "
         "e la riga di stato sotto le schede lo dice fino al calcolo successivo. La scheda Report raccoglie le righe "
         "dei risultati, la scheda Mutuo calcola un mutuo a rata costante con il piano d'ammortamento e il T.A.E.G., "
         "la scheda Riepilogo pratica importa e controlla tutti i trimestri di un conto."},
        {"usurari",
         "La tabella dei tassi medi trimestrali: si sceglie trimestre e anno, si scrivono i tassi medi pubblicati e "
         "la finestra calcola le soglie con la norma in vigore nel trimestre; \"Conferma\" salva il trimestre. Le "
         "categorie e le classi d'importo indicate sono quelle in vigore nel trimestre scelto. I tassi si possono "
         "anche scaricare dal server o importare dalla serie ufficiale della Banca d'Italia."},
        {"SoglieUfficiali",
         "Le soglie in vigore in una data per un tipo di operazione e un importo, accanto ai valori pubblicati, con "
         "la soglia degli interessi moratori e l'andamento del tipo di operazione negli anni."},
        {"STP2",
         "Il gestore dei report apre, modifica, salva e stampa i file di report (*.RKT): le righe si spostano, si "
         "tolgono con un doppio clic e si reinseriscono, e si aggiungono righe di testo."},
        {"STP1",
         "Il riepilogo del calcolo, con le formule e i valori usati, pronto per la stampa; vi si possono aggiungere "
         "righe di testo."},
        {"Form23", "Le preferenze: i decimali degli importi, l'accesso con nome e password e le opzioni di stampa."},
        {"Calendario", "Un calendario per consultare le date."},
        {"passWord", "L'accesso al programma con nome e password, se richiesto nelle preferenze."},
    };
    return testi;
}

std::string senzaScorciatoia(std::string t) {
    std::erase(t, '&');
    return t;
}

// The caption a control shows: only buttons, options, boxes and frames carry one; a field's text is
// its content.
std::string didascalia(const DefinizioneControllo& d) {
    switch (d.tipo) {
    case Tipo::Pulsante:
    case Tipo::Opzione:
    case Tipo::Casella:
    case Tipo::Cornice:
        return senzaScorciatoia(d.testo);
    default:
        return {};
    }
}

std::string pulito(std::string_view t) {
    const auto inizio = t.find_first_not_of(" \n");
    if (inizio == std::string_view::npos) return {};
    return std::string(t.substr(inizio, t.find_last_not_of(" \n") - inizio + 1));
}

std::string riga(const DefinizioneControllo& d) {
    const std::string nome = pulito(didascalia(d));
    const std::string spiegazione = pulito(!d.aiuto.empty() ? d.aiuto : d.tooltip);
    if (spiegazione.empty() || spiegazione == nome) return nome.empty() ? std::string() : "- **" + nome + "**\n";
    if (nome.empty()) return "- " + spiegazione + "\n";
    return "- **" + nome + "**: " + spiegazione + "\n";
}

} // namespace

std::string guidaFinestra(const Schema& s) {
    std::string t = "## " + s.titolo() + "\n\n";
    if (const auto it = introduzioni().find(s.finestra()); it != introduzioni().end())
        t += std::string(it->second) + "\n\n";
    std::string righe;
    for (std::size_t i = 0; i < s.dimensione(); ++i)
        righe += riga(s.definizione(static_cast<int>(i)));
    if (!righe.empty()) t += righe + "\n";
    return t;
}

std::string guidaProgramma(const std::vector<const Schema*>& finestre) {
    std::string t = "# Guida di Vantrel\n\n"
                    "Vantrel verifica i costi bancari secondo la normativa antiusura (legge 108/1996): calcola il "
                    "T.E.G. di un periodo di conto corrente e lo confronta con il tasso soglia del trimestre, "
                    "controlla in una volta tutti i trimestri di un conto, calcola i mutui a rata costante con il "
                    "piano d'ammortamento e il T.A.E.G., e conserva i risultati in report da salvare e stampare.\n\n"
                    "In ogni finestra il tasto F1 apre la guida di quella finestra.\n\n";
    for (const Schema* s : finestre)
        t += guidaFinestra(*s);
    return t;
}

std::string informazioniProgramma(const std::string& versione) {
    return "Vantrel " + versione +
           "\nVerifica dei costi bancari secondo la normativa antiusura.\n\n"
           "Licenza: GNU General Public License, versione 3 o successiva. Il programma è distribuito senza alcuna "
           "garanzia.\n\n"
           "Fonti dei tassi: i tassi effettivi globali medi e i tassi soglia pubblicati ai sensi della legge "
           "108/1996 dalla Banca d'Italia (serie storica dei TEGM e comunicati stampa trimestrali) e dal Ministero "
           "dell'Economia e delle Finanze (decreti trimestrali nella Gazzetta Ufficiale). Sono dati di atti "
           "ufficiali dello Stato, esclusi dalla protezione del diritto d'autore (art. 5, legge 633/1941).";
}

} // namespace vantrel
