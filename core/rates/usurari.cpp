#include "rates/usurari.h"

#include "common/file_esiste.h"
#include "common/format_mask.h"
#include "common/numbers.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

namespace vantrel {
namespace {

// Average field, its threshold field, and whether the threshold is stored.
struct Riga {
    const char* medio;
    const char* soglia;
};
constexpr std::array<Riga, 8> kRighe = {{{"TM1", "TU1"},
                                         {"TM2", "TU2"},
                                         {"TM7", "TU7"},
                                         {"TM8", "TU8"},
                                         {"TM3", "TU3"},
                                         {"TM4", "TU4"},
                                         {"TM6", "TU6"},
                                         {"TM5", "TU5"}}};

// The fields stored in a record, in the order the save reads them.
constexpr std::array<const char*, 14> kCampiSalvati = {"TM1", "TM2", "TM3", "TM4", "TM5", "TM6", "TM7",
                                                       "TM8", "TU1", "TU2", "TU3", "TU4", "TU5", "TU6"};

constexpr int kPrimoAnno = 1997; // the first quarter with official average rates

const char* const kTitoloAttenzione = "ATTENZIONE!";

std::string f(double x) {
    return allineaDestra(formatta(x, maschere::tasso2), 5);
}
std::string f(float x) {
    return allineaDestra(formatta(x, maschere::tasso2), 5);
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

// The year of a stored key: characters 2 to 5, or the four digits alone of a key without quarter.
std::optional<int> annoDelPeriodo(std::string_view periodo) {
    const std::string_view k = trim(periodo);
    std::string_view a;
    if (k.size() == 5)
        a = k.substr(1);
    else if (k.size() == 4)
        a = k;
    else
        return std::nullopt;
    int anno = 0;
    for (char c : a) {
        if (c < '0' || c > '9') return std::nullopt;
        anno = anno * 10 + (c - '0');
    }
    return anno >= 1000 ? std::optional<int>(anno) : std::nullopt;
}

// Puts the two new files in place of the old ones; when the second cannot be moved the old data
// file comes back, so the folder never holds a mixed set.
bool sostituisci(const std::string& datiNuovi, const std::string& dati, const std::string& numeroNuovo,
                 const std::string& numero) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string salvati = dati + ".precedente";
    const bool cera = fs::exists(dati, ec);
    if (cera) {
        fs::rename(dati, salvati, ec);
        if (ec) return false;
    }
    fs::rename(datiNuovi, dati, ec);
    if (!ec) fs::rename(numeroNuovo, numero, ec);
    if (ec) {
        std::error_code ignorato;
        if (cera)
            fs::rename(salvati, dati, ignorato);
        else
            fs::remove(dati, ignorato);
        return false;
    }
    fs::remove(salvati, ec);
    return true;
}

void etichetta(Schema& s, const char* nome, const char* caption) {
    s.aggiungi(nome, Tipo::Etichetta, caption);
}

Schema creaSchema() {
    Schema s("usurari", "interessi usurari");
    etichetta(s, "SSPanel1", "Tassi Soglia");
    etichetta(s, "LblPeriodo", "periodo di rilevamento");
    etichetta(s, "LblTrimestre", "trimestre");
    s.aggiungi("Combo1", Tipo::Combo);
    etichetta(s, "LblAnno", "anno");
    s.aggiungi("Combo2", Tipo::Combo);
    etichetta(s, "LblRichiama", "richiama tassi del:");
    s.aggiungi("Combo3", Tipo::Combo);
    etichetta(s, "LblCategoria", "categoria di operazioni");
    etichetta(s, "Label2", " classi di importo");
    etichetta(s, "LblMedi", " Tassi medi");
    etichetta(s, "LblSoglia", " Tassi soglia");
    etichetta(s, "LblConto", "Aperture di credito in conto corrente");
    etichetta(s, "LblConto1", "fino a lire 10.000.000/  € 5.000");
    etichetta(s, "LblConto2", "oltre");
    etichetta(s, "LblScoperti", "Scoperti senza affidamento");
    etichetta(s, "LblScoperti1", "fino a lire 2.904.405 / € 1.500");
    etichetta(s, "LblScoperti2", "oltre");
    etichetta(s, "LblAnticipi",
              "Anticipi, sconti commerciali e altri finanziamenti alle imprese effettuati dalle banche.");
    etichetta(s, "LblAnticipi1", "fino a lire 10.000.000/€ 5.000");
    etichetta(s, "LblAnticipi2", "fino a lire 193.627.000");
    etichetta(s, "LblAnticipi2b", "€100.000,00");
    etichetta(s, "LblAnticipi3", "oltre");
    etichetta(s, "LblCms", "Commissione di massimo scoperto Rilevamento medio del periodo");
    for (const auto& r : kRighe) {
        s.aggiungi(r.medio, Tipo::Testo, "0");
        s.aggiungi(r.soglia, Tipo::Testo, "0");
    }
    etichetta(s, "LblIntestazione1", std::string(kIntestazioneTassi1).c_str());
    etichetta(s, "LblIntestazione2", std::string(kIntestazioneTassi2).c_str());
    s.aggiungi("pannello", Tipo::Cornice);
    s.aggiungi("List1", Tipo::Lista).sinistra = -720;
    s.aggiungi("OK", Tipo::Pulsante, " Conferma ").tooltip = "Conferma";
    s.aggiungi("Pulisci", Tipo::Pulsante).tooltip = " Cancella immissione ";
    s.aggiungi("Esc", Tipo::Pulsante);
    s.aggiungi("SSCommand6", Tipo::Pulsante).tooltip = "scarica tassi dal server";
    etichetta(s, "LblStato", ""); // what the download is doing
    s.ordineTab({"Combo3", "Combo1", "Combo2", "TM1", "TU1", "TM2", "TU2", "TM7", "TU7", "TM8", "TU8", "TM3", "TU3",
                 "TM4", "TU4", "TM6", "TU6", "TM5", "TU5"});
    return s;
}

} // namespace

std::string voceRichiamo(const RecordTassi& r) {
    const std::string q(primiCaratteri(r.Periodo, 1));
    const std::string y(primiCaratteri(daCarattere(r.Periodo, 1), 4));
    return y + " " + q + "° trim. ";
}

std::vector<std::string> righeElencoTassi(const TabellaTassi& t) {
    std::vector<std::string> righe;
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        const std::string q(primiCaratteri(r.Periodo, 1));
        const std::string y(primiCaratteri(daCarattere(r.Periodo, 1), 4));
        const std::string s = y + q;
        const auto& m = r.TM;
        const auto& u = r.TU;
        righe.push_back(
            s + "A" + " " + q + "° trim. " + y + "  1° S. " +
            unisci({f(m[1]), f(u[1]), f(m[7]), f(1.5 * static_cast<double>(m[7])), f(m[3]), f(u[3]), f(u[5])}));
        righe.push_back(s + "B" + "                2° S. " +
                        unisci({f(m[2]), f(u[2]), f(m[8]), f(1.5 * static_cast<double>(m[8])), f(m[4]), f(u[4])}));
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

Usurari::Usurari(Contesto& ctx, ServerTassi server) : Finestra(schemaUsurari()), ctx_(ctx), server_(std::move(server)) {
    ctx_.stato.Tassi.CaricaTassi(ctx_.stato.CartellaDati);
    RigheTassi();
    imposta(id("Label2"),
            schema().definizione(id("Label2")).testo + "   in " + (ctx_.stato.ImportiInLire ? "Lire" : "Euro"));
    riempiAnni();
    (*this)["Combo1"].voci = {"1", "2", "3", "4"};
}

void Usurari::riempiAnni() {
    const TabellaTassi& t = ctx_.stato.Tassi;
    int primo = kPrimoAnno;
    int ultimo = ctx_.oggi().anno;
    for (int i = 1; i <= t.validi(); ++i)
        if (const auto a = annoDelPeriodo(t.slot(i).Periodo)) {
            primo = std::min(primo, *a);
            ultimo = std::max(ultimo, *a);
        }
    Controllo& c = (*this)["Combo2"];
    const std::string scelto = c.selezione >= 0 ? c.voci[static_cast<std::size_t>(c.selezione)] : std::string();
    c.voci.clear();
    c.selezione = -1;
    for (int a = primo; a <= ultimo; ++a) {
        c.voci.push_back(std::to_string(a));
        if (c.voci.back() == scelto) c.selezione = static_cast<int>(c.voci.size()) - 1;
    }
}

void Usurari::RigheTassi() {
    const TabellaTassi& t = ctx_.stato.Tassi;
    Controllo& combo = (*this)["Combo3"];
    combo.voci.clear();
    combo.selezione = -1;
    for (int i = 1; i <= t.validi(); ++i)
        combo.voci.push_back(voceRichiamo(t.slot(i)));
    std::stable_sort(combo.voci.begin(), combo.voci.end());
    Controllo& lista = (*this)["List1"];
    lista.voci = righeElencoTassi(t);
    lista.selezione = -1;
}

bool Usurari::campoTasso(int i) const {
    const std::string& n = schema().definizione(i).nome;
    return n.size() == 3 && (n.starts_with("TM") || n.starts_with("TU")) && n[2] >= '1' && n[2] <= '8';
}

std::optional<std::string> Usurari::tasto(int i, const Battuta& b) {
    if (campoTasso(i)) return filtroNumerico(*this, i, b);
    return Finestra::tasto(i, b);
}

void Usurari::sogliaRiga(int medio) {
    const std::string& nome = schema().definizione(medio).nome;
    const int soglia = id("TU" + nome.substr(2));
    // A pasted text that is not a number counts as an empty field.
    if (!testo(medio).empty() && !leggiNumero(testo(medio))) imposta(medio, "");
    imposta(medio, formattaTesto(testo(medio), maschere::tasso2));
    const bool cms = nome == "TM5";
    if (testo(medio).empty()) {
        if (cms) return;
        imposta(medio, "0");
    }
    imposta(soglia, formatta(leggiNumero(testo(medio)).value_or(0.0) * 1.5, maschere::tasso2));
}

void Usurari::uscito(int i) {
    if (!campoTasso(i)) return;
    if (schema().definizione(i).nome.starts_with("TM")) {
        sogliaRiga(i);
        return;
    }
    if (!testo(i).empty() && !leggiNumero(testo(i))) imposta(i, "");
    imposta(i, formattaTesto(testo(i), maschere::tasso2));
}

void Usurari::cliccato(int i) {
    const std::string& n = schema().definizione(i).nome;
    if (n == "OK")
        salva();
    else if (n == "Pulisci")
        pulisci();
    else if (n == "Esc")
        chiudi();
    else if (n == "SSCommand6")
        ScaricaTassi();
}

void Usurari::selezionato(int i) {
    if (schema().definizione(i).nome != "Combo3") return;
    const Controllo& c = (*this)[i];
    if (c.selezione >= 0) richiama(c.voci[static_cast<std::size_t>(c.selezione)]);
}

std::string Usurari::chiaveScelta() const {
    return std::string(trim(testo(id("Combo1")))) + std::string(trim(testo(id("Combo2"))));
}

void Usurari::leggiCampi(RecordTassi& r) const {
    for (const char* n : kCampiSalvati)
        vantrel::campoTasso(r, n) = static_cast<float>(leggiNumero(testo(id(n))).value_or(0.0));
}

void Usurari::salva() {
    TabellaTassi& t = ctx_.stato.Tassi;
    const std::string chiave = chiaveScelta();
    const int k = t.CercaPeriodo(chiave);
    if (k > 0) {
        const Risposta r =
            ctx_.messaggio({kTitoloAttenzione, "il periodo che stai salvando esiste già. vuoi sovrascrivere i dati?",
                            Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        if (r != Risposta::Ok) return;
        t.PeriodoScelto = static_cast<std::int16_t>(k);
        ModifRecord();
        return;
    }
    if (t.validi() >= TabellaTassi::kMassimo) {
        ctx_.messaggio({kTitoloAttenzione,
                        "La tabella dei tassi è piena: contiene già 200 periodi, il massimo consentito. Il periodo " +
                            chiave + " non è stato salvato.",
                        Icona::Avviso, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    const int n = t.validi() + 1;
    RecordTassi r;
    r.NumRec = static_cast<std::int16_t>(n);
    r.Periodo = chiave;
    leggiCampi(r);
    const RecordTassi prima = t.slot(n);
    const std::int16_t numeroPrima = t.NumPeriodi;
    t.slot(n) = r;
    t.NumPeriodi = static_cast<std::int16_t>(n);
    if (!t.Accoda(ctx_.stato.CartellaDati, n)) {
        t.slot(n) = prima;
        t.NumPeriodi = numeroPrima;
        ctx_.messaggio({kTitoloAttenzione,
                        "Impossibile scrivere i file dei tassi nella cartella del programma: il periodo non è stato "
                        "salvato.",
                        Icona::Critica, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    NewRecord(n);
    t.PeriodoScelto = 0;
}

void Usurari::NewRecord(int /*n*/) {
    RigheTassi();
    riempiAnni();
    selezionaVoce(id("Combo1"), 0);
    if (!(*this)["Combo2"].voci.empty()) selezionaVoce(id("Combo2"), 0);
    for (const char* n : kCampiSalvati)
        imposta(id(n), "");
}

void Usurari::ModifRecord() {
    TabellaTassi& t = ctx_.stato.Tassi;
    const int k = t.PeriodoScelto;
    const RecordTassi prima = t.slot(k);
    RecordTassi& r = t.slot(k);
    r.NumRec = static_cast<std::int16_t>(k);
    r.Periodo = chiaveScelta();
    leggiCampi(r);
    if (!t.Sovrascrivi(ctx_.stato.CartellaDati, k)) {
        t.slot(k) = prima;
        ctx_.messaggio({kTitoloAttenzione,
                        "Impossibile scrivere il file dei tassi nella cartella del programma: i dati del periodo non "
                        "sono stati modificati.",
                        Icona::Critica, Pulsanti::Ok, Risposta::Ok});
        return;
    }
    selezionaVoce(id("Combo1"), 0);
    if (!(*this)["Combo2"].voci.empty()) selezionaVoce(id("Combo2"), 0);
    t.PeriodoScelto = 0;
    for (const char* n : kCampiSalvati)
        if (std::string_view(n) != "TM7" && std::string_view(n) != "TM8") imposta(id(n), "");
    RigheTassi();
}

void Usurari::richiama(const std::string& voce) {
    TabellaTassi& t = ctx_.stato.Tassi;
    const std::string s(trim(voce));
    const std::string chiave(
        trim(std::string(primiCaratteri(daCarattere(s, 5), 1)) + std::string(primiCaratteri(s, 4))));
    const int k = t.CercaPeriodo(chiave);
    if (k == 0) return;
    t.PeriodoScelto = static_cast<std::int16_t>(k);
    const RecordTassi& r = t.slot(k);
    for (const char* n : kCampiSalvati)
        imposta(id(n), formatta(vantrel::campoTasso(r, n), maschere::tasso2));
    imposta(id("TU7"), formatta(leggiNumero(testo(id("TM7"))).value_or(0.0) * 1.5, maschere::tasso2));
    imposta(id("TU8"), formatta(leggiNumero(testo(id("TM8"))).value_or(0.0) * 1.5, maschere::tasso2));

    const auto scegli = [this](const char* combo, std::string_view valore) {
        const Controllo& c = (*this)[combo];
        for (std::size_t j = 0; j < c.voci.size(); ++j)
            if (trim(c.voci[j]) == valore) {
                selezionaVoce(id(combo), static_cast<int>(j));
                return;
            }
    };
    scegli("Combo1", primiCaratteri(chiave, 1));
    scegli("Combo2",
           chiave.size() >= 4 ? std::string_view(chiave).substr(chiave.size() - 4) : std::string_view(chiave));
}

void Usurari::pulisci() {
    for (const char* combo : {"Combo1", "Combo2", "Combo3"})
        if (!(*this)[combo].voci.empty()) selezionaVoce(id(combo), 0);
    for (const char* n : kCampiSalvati)
        imposta(id(n), "");
}

void Usurari::passo(const std::string& stato, bool attesa) {
    imposta(id("LblStato"), stato);
    inAttesa_ = attesa;
    if (avanzamento) avanzamento();
}

void Usurari::ScaricaTassi() {
    if (scaricando_) return; // a click that reached the window while it waited
    scaricando_ = true;
    const bool fatto = scarica();
    scaricando_ = false;
    if (!fatto) passo("", false);
}

// The download proper; false when it stopped with nothing to report (no client, a cancel).
bool Usurari::scarica() {
    ClientFtp* ftp = ctx_.servizi.ftp;
    if (ftp == nullptr) return false;
    passo("Verifica del collegamento a internet...", true);
    ftp->azzera();
    if (ctx_.servizi.connessione == nullptr || !ctx_.servizi.connessione->connessioneAttiva()) {
        passo("Collegamento a internet non attivo.", false);
        ctx_.messaggio({"Stato della connessione Internet",
                        "Attenzione, il collegamento ad internet non è attivo, attiva il collegamento e riprova",
                        Icona::Nessuna, Pulsanti::Ok, Risposta::Ok});
        return true;
    }
    ftp->host(server_.host, server_.porta);
    ftp->utente(server_.utente);
    ftp->password(server_.password);
    passo("Collegamento al server dei tassi " + server_.host + "...", true);
    if (!ftp->connetti()) {
        passo("Collegamento al server dei tassi non riuscito.", false);
        ctx_.messaggio({"", "connessione - " + ftp->ultimoErrore(), Icona::Nessuna, Pulsanti::Ok, Risposta::Ok});
        return true;
    }
    const std::string& cartella = ctx_.stato.CartellaDati;
    const std::string dati = percorso(cartella, kFileTassi);
    const std::string numero = percorso(cartella, kFileNumeroTassi);
    bool confermato = false;
    if (FileEsiste(dati)) {
        passo("In attesa di conferma...", false);
        const Risposta r =
            ctx_.messaggio({std::string("AVVERTIMENTO!  ") + "\\" + kFileTassi,
                            "Attenzione, il set di tassi che stai scaricando già esiste, vuoi sovrascriverlo?",
                            Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        if (r != Risposta::Ok) return false;
        confermato = true;
    }
    // Both files arrive under temporary names and replace the old set only when both are whole.
    const std::string datiNuovi = percorso(cartella, std::string(kFileTassi) + ".scaricato");
    const std::string numeroNuovo = percorso(cartella, std::string(kFileNumeroTassi) + ".scaricato");
    const auto togli = [&] {
        std::error_code ec;
        std::filesystem::remove(datiNuovi, ec);
        std::filesystem::remove(numeroNuovo, ec);
    };
    const std::string conservati = "\nI tassi già presenti non sono stati modificati.";
    const auto fallito = [&](const std::string& testo, Icona icona) {
        togli();
        passo("Scaricamento non riuscito: i tassi già presenti non sono stati modificati.", false);
        ctx_.messaggio({"", testo + conservati, icona, Pulsanti::Ok, Risposta::Ok});
        return true;
    };
    passo(std::string("Scaricamento di ") + kFileTassi + "...", true);
    if (!ftp->scarica(kFileTassi, datiNuovi)) return fallito(ftp->ultimoErrore(), Icona::Nessuna);
    passo(std::string("Scaricamento di ") + kFileNumeroTassi + "...", true);
    if (!ftp->scarica(kFileNumeroTassi, numeroNuovo))
        return fallito((confermato ? "Tassi Usura - " : "") + ftp->ultimoErrore(), Icona::Nessuna);
    if (!sostituisci(datiNuovi, dati, numeroNuovo, numero))
        return fallito("Tassi Usura - impossibile sostituire i file dei tassi nella cartella del programma.",
                       Icona::Critica);
    TabellaTassi& t = ctx_.stato.Tassi;
    t.CaricaTassi(cartella);
    t.PeriodoScelto = 0;
    RigheTassi();
    riempiAnni();
    passo("Set di tassi scaricato: " + std::to_string(t.validi()) + " periodi.", false);
    return true;
}

} // namespace vantrel
