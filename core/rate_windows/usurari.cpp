#include "rate_windows/usurari.h"

#include "common/file_esiste.h"
#include "common/file_sicuro.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/avvisi_tassi.h"
#include "rates/categoria_conto.h"
#include "rates/fonti_tassi.h"
#include "rates/importa_serie.h"
#include "rates/norma_soglia.h"
#include "rates/set_tassi.h"
#include "rates/tipi_operazione.h"
#include "rates/verifica_set.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>

namespace vantrel {
namespace {

constexpr int kPrimoAnno = 1997;        // the first quarter with official average rates
constexpr Data kInizioEuro{2002, 1, 1}; // the published classes went over from lire to euro

// The window's categories by their index in the class rules: current account, overdraft, advances.
constexpr int kConto = 0, kScoperti = 1, kAnticipi = 2;

const TipoOperazione& tipo(std::string_view nome) {
    for (const TipoOperazione& t : tipiOperazione())
        if (t.nome == nome) return t;
    throw std::out_of_range(std::string(nome));
}

const char* const kTitoloAttenzione = "ATTENZIONE!";

std::string f(double x) {
    return allineaDestra(formatta(x, maschere::tasso2), 5);
}
std::string f(float x) {
    return allineaDestra(formatta(x, maschere::tasso2), 5);
}

// A threshold field: the rule on the average as the field writes it, every decimal kept (8 gives 12,00,
// 9,87 gives 14,805); an empty or unreadable average gives 0,00.
std::string testoSoglia(std::string_view media, Norma norma) {
    return sogliaDelTesto(media, norma).value_or(TassoEsatto{}).testoAlmeno(2);
}

std::string unisci(std::initializer_list<std::string> valori) {
    std::string out;
    bool primo = true;
    for (const auto& v : valori) {
        if (!primo) out += "  ";
        out += v;
        primo = false;
    }
    return out;
}

Schema creaSchema() {
    Schema s("usurari", "interessi usurari");
    aggiungi(s, ControlliTassi::kRighe);
    s.ordineTab(ordineTab(ControlliTassi::kRighe));
    return s;
}

} // namespace

std::string voceRichiamo(const RecordTassi& r) {
    const std::string q(primiCaratteri(r.periodo, 1));
    const std::string y(primiCaratteri(daCarattere(r.periodo, 1), 4));
    return y + " " + q + "° trim. ";
}

std::vector<std::string> righeElencoTassi(const TabellaTassi& t) {
    std::vector<std::string> righe;
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        const std::string q(primiCaratteri(r.periodo, 1));
        const std::string y(primiCaratteri(daCarattere(r.periodo, 1), 4));
        const std::string s = y + q;
        const auto& m = r.TM;
        const auto& u = r.TU;
        // The overdraft thresholds are not stored: the period's rule gives them.
        const Norma n = normaDellaChiave(r.periodo);
        const auto soglia = [&](float media) {
            return f(sogliaDelTesto(testoNumero(media), n).value_or(TassoEsatto{}).valore());
        };
        righe.push_back(s + "A" + " " + q + "° trim. " + y + "  1° S. " +
                        unisci({f(m[1]), f(u[1]), f(m[7]), soglia(m[7]), f(m[3]), f(u[3]), f(u[5])}));
        righe.push_back(s + "B" + "                2° S. " +
                        unisci({f(m[2]), f(u[2]), f(m[8]), soglia(m[8]), f(m[4]), f(u[4])}));
        righe.push_back(s + "C" + "                3° S.                             " + f(m[6]) + "  " + f(u[6]));
        righe.push_back(s + "D" + std::string(100, '-'));
    }
    std::stable_sort(righe.begin(), righe.end());
    return righe;
}

std::string testoVisibile(std::string_view riga) {
    return std::string(daCarattere(riga, kChiaveRigaTassi));
}

const Schema& Usurari::schemaUsurari() {
    static const Schema s = creaSchema();
    return s;
}

Usurari::Usurari(Contesto& ctx, std::optional<ServerTassi> server)
    : Finestra(schemaUsurari()), ctx_(ctx), c_(controlli<ControlliTassi>(schema())), server_(std::move(server)) {
    // The official series' zip fetched over HTTPS becomes a whole rate set, checked like any other.
    convertitore = [this](const std::vector<std::uint8_t>& zip, TabellaTassi& t, std::string& errore) {
        return tabellaDaSerie(zip, ctx_.servizi.zip, t, errore);
    };
    caricaSetTassi(ctx_.stato.tassi, ctx_.stato.cartellaDati, ctx_.servizi.disco);
    imposta(c_.stato, avvisoTabellaTassi(ctx_.stato.tassi)); // a missing or damaged table is said at once
    righeTassi();
    riempiAnni();
    modifica(c_.trimestre).voci = {"1", "2", "3", "4"};
    etichetteDelTrimestre();
}

// The quarter chosen, else today's: the one whose categories and classes the labels name.
Data Usurari::inizioTrimestre() const {
    const auto q = leggiNumero(testo(c_.trimestre));
    const auto a = leggiNumero(testo(c_.anno));
    if (q && a && *q >= 1 && *q <= 4) return Data{static_cast<int>(*a), static_cast<int>(*q) * 3 - 2, 1};
    const Data oggi = ctx_.oggi();
    return Data{oggi.anno, oggi.trimestre() * 3 - 2, 1};
}

void Usurari::etichetteDelTrimestre() {
    const Data d = inizioTrimestre();
    const bool lire = d < kInizioEuro;
    const auto classe = [&](int categoria, int k) {
        const auto classi = categoriaConto(categoria).classi(d, lire ? Valuta::Lire : Valuta::Euro);
        return k > static_cast<int>(classi.size()) ? std::string("non prevista")
                                                   : classi[static_cast<std::size_t>(k - 1)].descrizione();
    };
    imposta(c_.classiDiImporto, schema().definizione(c_.classiDiImporto).testo + "   in " + (lire ? "lire" : "euro"));
    imposta(c_.etichettaConto, nomeInVigore(tipo("Aperture di credito in conto corrente"), d));
    imposta(c_.etichettaContoFino, classe(kConto, 1));
    imposta(c_.etichettaContoOltre, classe(kConto, 2));
    const std::string scoperti = nomeInVigore(tipo("Scoperti senza affidamento"), d);
    imposta(c_.etichettaScoperti,
            scoperti.empty() ? "Scoperti senza affidamento: non rilevati prima del 2010" : scoperti);
    imposta(c_.etichettaScopertiFino, scoperti.empty() ? "" : classe(kScoperti, 1));
    imposta(c_.etichettaScopertiOltre, scoperti.empty() ? "" : classe(kScoperti, 2));
    imposta(c_.etichettaAnticipi, nomeInVigore(tipo("Anticipi, sconti commerciali e finanziamenti alle imprese"), d));
    imposta(c_.etichettaAnticipiFino, classe(kAnticipi, 1));
    imposta(c_.etichettaAnticipiMedi, classe(kAnticipi, 2));
    imposta(c_.etichettaAnticipiOltre, classe(kAnticipi, 3));
}

void Usurari::riempiAnni() {
    const auto [primo, ultimo] = anniElenco(ctx_.stato.tassi, kPrimoAnno, ctx_.oggi().anno);
    Controllo& c = modifica(c_.anno);
    const std::string scelto = c.selezione >= 0 ? c.voci[static_cast<std::size_t>(c.selezione)] : std::string();
    c.voci.clear();
    c.selezione = -1;
    for (int a = primo; a <= ultimo; ++a) {
        c.voci.push_back(std::to_string(a));
        if (c.voci.back() == scelto) c.selezione = static_cast<int>(c.voci.size()) - 1;
    }
}

void Usurari::righeTassi() {
    const TabellaTassi& t = ctx_.stato.tassi;
    Controllo& combo = modifica(c_.richiama);
    combo.voci.clear();
    combo.selezione = -1;
    for (int i = 1; i <= t.validi(); ++i)
        combo.voci.push_back(voceRichiamo(t.slot(i)));
    std::stable_sort(combo.voci.begin(), combo.voci.end());
    Controllo& lista = modifica(c_.elenco);
    lista.voci = righeElencoTassi(t);
    lista.selezione = -1;
}

std::array<int, 14> Usurari::campiSalvati() const {
    return {
        c_.medioContoFino,     c_.medioContoOltre,    c_.medioAnticipiFino,  c_.medioAnticipiMedi,  c_.cms,
        c_.medioAnticipiOltre, c_.medioScopertiFino,  c_.medioScopertiOltre, c_.sogliaContoFino,    c_.sogliaContoOltre,
        c_.sogliaAnticipiFino, c_.sogliaAnticipiMedi, c_.sogliaCms,          c_.sogliaAnticipiOltre};
}

int Usurari::sogliaDi(int medio) const {
    const std::pair<int, int> righe[] = {
        {c_.medioContoFino, c_.sogliaContoFino},         {c_.medioContoOltre, c_.sogliaContoOltre},
        {c_.medioScopertiFino, c_.sogliaScopertiFino},   {c_.medioScopertiOltre, c_.sogliaScopertiOltre},
        {c_.medioAnticipiFino, c_.sogliaAnticipiFino},   {c_.medioAnticipiMedi, c_.sogliaAnticipiMedi},
        {c_.medioAnticipiOltre, c_.sogliaAnticipiOltre}, {c_.cms, c_.sogliaCms}};
    for (const auto& [m, soglia] : righe)
        if (m == medio) return soglia;
    return -1;
}

bool Usurari::campoTasso(int i) const {
    const auto salvati = campiSalvati();
    return sogliaDi(i) >= 0 || i == c_.sogliaScopertiFino || i == c_.sogliaScopertiOltre ||
           std::find(salvati.begin(), salvati.end(), i) != salvati.end();
}

std::optional<std::string> Usurari::tasto(int i, const Battuta& b) {
    if (campoTasso(i)) return filtroNumerico(*this, i, b);
    return Finestra::tasto(i, b);
}

void Usurari::sogliaRiga(int medio) {
    const int soglia = sogliaDi(medio);
    // A pasted text that is not a number counts as an empty field.
    if (!testo(medio).empty() && !leggiNumero(testo(medio))) imposta(medio, "");
    imposta(medio, formattaTesto(testo(medio), maschere::tasso2));
    if (testo(medio).empty()) {
        if (medio == c_.cms) return;
        imposta(medio, "0");
    }
    imposta(soglia, testoSoglia(testo(medio), normaDellaChiave(chiaveScelta())));
}

void Usurari::uscito(int i) {
    if (!campoTasso(i)) return;
    if (sogliaDi(i) >= 0) {
        sogliaRiga(i);
        return;
    }
    if (!testo(i).empty() && !leggiNumero(testo(i))) imposta(i, "");
    imposta(i, formattaTesto(testo(i), maschere::tasso2));
}

void Usurari::cliccato(int i) {
    if (i == c_.conferma)
        salva();
    else if (i == c_.pulisci)
        pulisci();
    else if (i == c_.esci)
        uscita();
    else if (i == c_.scarica)
        scaricaTassi();
    else if (i == c_.importaSerie)
        importaSerie();
}

void Usurari::selezionato(int i) {
    if (i == c_.richiama) {
        const Controllo& c = (*this)[i];
        if (c.selezione >= 0) richiama(c.voci[static_cast<std::size_t>(c.selezione)]);
    }
    if (i == c_.richiama || i == c_.trimestre || i == c_.anno) etichetteDelTrimestre();
}

std::string Usurari::chiaveScelta() const {
    return std::string(trim(testo(c_.trimestre))) + std::string(trim(testo(c_.anno)));
}

void Usurari::leggiCampi(RecordTassi& r) const {
    for (int i : campiSalvati())
        vantrel::campoTasso(r, schema().definizione(i).nome) = static_cast<float>(leggiNumero(testo(i)).value_or(0.0));
}

void Usurari::salva() {
    TabellaTassi& t = ctx_.stato.tassi;
    const std::string chiave = chiaveScelta();
    const int k = t.cercaPeriodo(chiave);
    if (k > 0) {
        const Risposta r =
            ctx_.messaggio({kTitoloAttenzione, "Il periodo che stai salvando esiste già. Vuoi sovrascrivere i dati?",
                            Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        if (r != Risposta::Ok) return;
    }
    RecordTassi campi;
    leggiCampi(campi);
    // On the set as it is on disk now, under the lock: a period saved meanwhile elsewhere stays.
    bool piena = false;
    std::string errore;
    const auto scritta = modificaSetTassi(
        ctx_.stato.cartellaDati, ctx_.servizi.disco,
        [&](TabellaTassi& set) {
            int n = set.cercaPeriodo(chiave);
            if (n == 0) {
                if (set.validi() >= TabellaTassi::kMassimo) {
                    piena = true;
                    return false;
                }
                n = set.validi() + 1;
                set.slot(n) = RecordTassi{};
                set.numPeriodi = static_cast<std::int16_t>(n);
            }
            RecordTassi& r = set.slot(n);
            const auto riserva = r.riserva;
            r = campi;
            r.numRec = static_cast<std::int16_t>(n);
            r.periodo = chiave;
            r.riserva = riserva;
            return true;
        },
        errore);
    if (piena) {
        ctx_.messaggio({kTitoloAttenzione,
                        "La tabella dei tassi è piena: contiene già 200 periodi, il massimo consentito. Il periodo " +
                            chiave + " non è stato salvato.",
                        Icona::Avviso, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    if (!scritta) {
        ctx_.messaggio({kTitoloAttenzione,
                        "Impossibile scrivere i file dei tassi nella cartella del programma: il periodo non è stato "
                        "salvato.",
                        Icona::Critica, Pulsanti::Ok, Risposta::Ok, errore});
        return;
    }
    registraFontiTassi(ctx_.stato.cartellaDati, {{chiave, fonti::utente}}); // the rates are kept even without it
    t = *scritta;
    if (k > 0)
        dopoSovrascrittura();
    else
        dopoNuovoPeriodo();
    t.periodoScelto = 0;
}

void Usurari::dopoNuovoPeriodo() {
    righeTassi();
    riempiAnni();
    selezionaVoce(c_.trimestre, 0);
    if (!(*this)[c_.anno].voci.empty()) selezionaVoce(c_.anno, 0);
    for (int i : campiSalvati())
        imposta(i, "");
}

// What the screen does after an existing period was overwritten.
void Usurari::dopoSovrascrittura() {
    selezionaVoce(c_.trimestre, 0);
    if (!(*this)[c_.anno].voci.empty()) selezionaVoce(c_.anno, 0);
    for (int i : campiSalvati())
        if (i != c_.medioScopertiFino && i != c_.medioScopertiOltre) imposta(i, "");
    righeTassi();
}

void Usurari::richiama(const std::string& voce) {
    TabellaTassi& t = ctx_.stato.tassi;
    const std::string s(trim(voce));
    const std::string chiave(
        trim(std::string(primiCaratteri(daCarattere(s, 5), 1)) + std::string(primiCaratteri(s, 4))));
    const int k = t.cercaPeriodo(chiave);
    if (k == 0) return;
    t.periodoScelto = static_cast<std::int16_t>(k);
    const RecordTassi& r = t.slot(k);
    for (int i : campiSalvati())
        imposta(i, formatta(vantrel::campoTasso(r, schema().definizione(i).nome), maschere::tasso2));
    // The overdraft thresholds are not stored: the period's rule gives them.
    for (int medio : {c_.medioScopertiFino, c_.medioScopertiOltre})
        imposta(sogliaDi(medio), testoSoglia(testo(medio), normaDellaChiave(chiave)));
    scegliVoce(c_.trimestre, primiCaratteri(chiave, 1));
    scegliVoce(c_.anno,
               chiave.size() >= 4 ? std::string_view(chiave).substr(chiave.size() - 4) : std::string_view(chiave));
}

void Usurari::scegliVoce(int combo, std::string_view valore) {
    const Controllo& c = (*this)[combo];
    for (std::size_t j = 0; j < c.voci.size(); ++j)
        if (trim(c.voci[j]) == valore) {
            selezionaVoce(combo, static_cast<int>(j));
            return;
        }
}

void Usurari::pulisci() {
    for (int combo : {c_.trimestre, c_.anno, c_.richiama})
        if (!(*this)[combo].voci.empty()) selezionaVoce(combo, 0);
    for (int i : campiSalvati())
        imposta(i, "");
}

void Usurari::passo(const std::string& stato, bool attesa) {
    imposta(c_.stato, stato);
    inAttesa_ = attesa;
    // While the server is awaited only "Esci" takes a click: it cancels the download first.
    for (int id : {c_.conferma, c_.pulisci, c_.scarica, c_.importaSerie})
        modifica(id).abilitato = !attesa;
    if (avanzamento) avanzamento();
}

void Usurari::scaricaTassi() {
    if (scaricando_) return; // a click that reached the window while it waited
    scaricando_ = true;
    const bool fatto = scarica();
    scaricando_ = false;
    if (!fatto) passo(avvisoTabellaTassi(ctx_.stato.tassi), false); // back to what the table needs
    if (chiudiDopo_) chiudi();
}

void Usurari::uscita() {
    if (!inAttesa_) {
        chiudi();
        return;
    }
    chiudiDopo_ = true;
    annullaScaricamento();
}

void Usurari::annullaScaricamento() {
    if (ctx_.servizi.rete != nullptr) ctx_.servizi.rete->annulla();
}

ServerTassi Usurari::server() const {
    return server_ ? *server_ : leggiServerTassi(ctx_.stato.cartellaDati);
}

void Usurari::tabellaCambiata(const TabellaTassi& t) {
    ctx_.stato.tassi = t;
    ctx_.stato.tassi.periodoScelto = 0;
    righeTassi();
    riempiAnni();
}

// The public rate files that came with an accepted set replace those of the folder that differ; what
// changed, or what the server sent that did not read, is said after the set's own message.
std::string Usurari::aggiornaDatiPubblici(const EsitoScaricamento& arrivato) {
    std::string aggiornati, nota;
    for (const auto& [nome, testo] : arrivato.datiPubblici) {
        const std::string file = percorso(ctx_.stato.cartellaDati, nome);
        std::ifstream in(file, std::ios::binary);
        const std::string presente{std::istreambuf_iterator<char>(in), {}};
        if (presente == testo) continue;
        if (const std::string errore = sostituisciFile(file, testo, ctx_.servizi.disco); !errore.empty())
            nota += " " + errore + ".";
        else
            aggiornati += (aggiornati.empty() ? "" : ", ") + nome;
    }
    for (const std::string& a : arrivato.avvisi)
        nota += " " + a;
    return (aggiornati.empty() ? "" : " Aggiornati anche: " + aggiornati + ".") + nota;
}

// The download proper; false when it stopped with nothing to report (no client).
bool Usurari::scarica() {
    ClientRete* rete = ctx_.servizi.rete;
    if (rete == nullptr) return false;
    passo("Verifica del collegamento a internet...", true);
    rete->azzera();
    if (ctx_.servizi.connessione == nullptr || !ctx_.servizi.connessione->connessioneAttiva()) {
        passo("Collegamento a internet non attivo.", false);
        ctx_.messaggio({"Stato della connessione Internet",
                        "Attenzione, il collegamento ad internet non è attivo, attiva il collegamento e riprova",
                        Icona::Nessuna, Pulsanti::Ok, Risposta::Ok});
        return true;
    }
    const ServerTassi s = server();
    const std::string conservati = "I tassi già presenti non sono stati modificati.";
    const auto fallito = [&](const std::string& testo, const std::string& dettagli) {
        passo("Scaricamento non riuscito: i tassi già presenti non sono stati modificati.", false);
        ctx_.messaggio({"", testo + "\n" + conservati, Icona::Critica, Pulsanti::Ok, Risposta::Ok, dettagli});
        return true;
    };
    if (trim(s.indirizzo).empty())
        return fallito("L'indirizzo del server dei tassi non è impostato: indicarlo nelle Impostazioni.", "");
    EsitoScaricamento arrivato = scaricaSetTassi(
        *rete, s, convertitore, [this](const std::string& stato) { passo(stato, true); }, ctx_.servizi.datiPubblici);
    if (arrivato.stato == EsitoScaricamento::Stato::Annullato) {
        passo("Scaricamento annullato: i tassi già presenti non sono stati modificati.", false);
        return true;
    }
    if (arrivato.stato != EsitoScaricamento::Stato::Ok) return fallito(arrivato.errore, arrivato.dettagli);

    passo("In attesa di conferma...", false);
    const EsitoInstallazione e = installaSetTassi(
        ctx_.stato.cartellaDati, arrivato.tabella, [this](const Messaggio& m) { return ctx_.messaggio(m); },
        ctx_.servizi.disco);
    using Stato = EsitoInstallazione::Stato;
    switch (e.stato) {
    case Stato::Installato: {
        tabellaCambiata(e.tabella);
        std::map<std::string, std::string> scaricati; // the periods kept have the sources they had
        for (int i = 1; i <= arrivato.tabella.validi(); ++i)
            scaricati[std::string(trim(arrivato.tabella.slot(i).periodo))] = fonti::server;
        registraFontiTassi(ctx_.stato.cartellaDati, scaricati);
        passo(e.messaggio + aggiornaDatiPubblici(arrivato), false);
        break;
    }
    case Stato::Invariato:
        passo(e.messaggio + aggiornaDatiPubblici(arrivato), false);
        break;
    case Stato::Annullato:
        passo(e.messaggio, false);
        break;
    case Stato::Rifiutato:
    case Stato::Errore:
        passo("Scaricamento non riuscito: i tassi già presenti non sono stati modificati.", false);
        ctx_.messaggio({"", e.messaggio, Icona::Critica, Pulsanti::Ok, Risposta::Ok});
        break;
    }
    return true;
}

} // namespace vantrel
