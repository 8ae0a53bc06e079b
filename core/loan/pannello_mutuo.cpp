#include "loan/pannello_mutuo.h"

#include "common/file_sicuro.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "loan/fogli_piano.h"
#include "loan/formule_mutuo.h"
#include "loan/piano_ammortamento.h"
#include "loan/ricerche_mutuo.h"

#include <cmath>

namespace vantrel {
namespace {

constexpr const char* kImpossibile = "Calcolo impossibile, riprova con altri dati.";
constexpr const char* kTassoZero = "Il tasso annuo deve essere diverso da zero.";
constexpr const char* kRateZero = "Il numero delle rate deve essere diverso da zero.";
constexpr const char* kDataNonValida = "Il campo \"Data erogazione\" non contiene una data valida (gg/mm/aaaa).";
// Beyond this a rate is a typing mistake, not a loan (the field holds six characters: 999,99).
constexpr double kTassoMassimo = 1000;

// The four figures of a loan, any three of which give the fourth.
enum Dato { kImporto, kNumeroRate, kTasso, kRata };
constexpr const char* kNomiDati[4] = {"Importo Mutuo", "Numero Rate", "Tasso Annuo", "Importo Rata"};

bool carattereImporto(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

} // namespace

PannelloMutuo::PannelloMutuo(Finestra& f, Contesto& ctx)
    : f_(f), ctx_(ctx), c_(controlli<ControlliMutuo>(f.schema())) {}

void PannelloMutuo::carica() {
    stato_ = StatoMutuo{};
    stato_.mesiPeriodo = {1, 2, 3, 4, 6, 12};
    piano_ = {};
    bip_ = 0;
    dataNonValida_ = false;
    f_.imposta(c_.dataErogazione, ctx_.oggi().testo());
}

double PannelloMutuo::numero(int id) const {
    return leggiNumero(f_.testo(id)).value_or(0);
}

std::array<int, 6> PannelloMutuo::scadenze() const {
    return {c_.mensile, c_.bimestrale, c_.trimestrale, c_.quadrimestrale, c_.semestrale, c_.annuale};
}

int PannelloMutuo::opzioneScelta() const {
    const auto opzioni = scadenze();
    for (int k = 0; k < 6; ++k)
        if (f_[opzioni[static_cast<std::size_t>(k)]].selezionato) return k;
    return 0;
}

void PannelloMutuo::avviso(const std::string& testo) {
    ctx_.messaggio(Messaggio{"ATTENZIONE", testo, Icona::Critica, Pulsanti::Ok, Risposta::Ok});
}

void PannelloMutuo::selezionaTesto(int id) {
    Controllo& c = modifica(f_, id);
    c.selezionaTesto(0, static_cast<int>(lunghezza(c.testo)));
    if (c.visibile && c.abilitato) f_.daiFuoco(id);
}

void PannelloMutuo::successivo(int da) {
    // The tab order of the tab; the selected frequency option is one stop among the fields.
    const auto o = scadenze();
    const int ordine[] = {
        c_.importo,     c_.dataErogazione, o[5], c_.anni,         o[4], c_.numeroRate, o[3],    c_.tassoAnnuo,
        o[2],           c_.speseIniziali,  o[1], c_.spesePerRata, o[0], c_.rata,       c_.taeg, c_.totaleInteressi,
        c_.costoTotale, c_.totaleSpese};
    const int n = static_cast<int>(std::size(ordine));
    int pos = 0;
    for (int k = 0; k < n; ++k)
        if (ordine[k] == da) pos = k;
    for (int passo = 1; passo <= n; ++passo) {
        const int id = ordine[(pos + passo) % n];
        const Controllo& c = f_[id];
        const bool opzione = f_.schema().definizione(id).tipo == Tipo::Opzione;
        if (c.visibile && c.abilitato && (!opzione || c.selezionato)) {
            f_.daiFuoco(id);
            return;
        }
    }
}

bool PannelloMutuo::tasto(int id, const Battuta& b, std::optional<std::string>& risultato) {
    const std::string_view t = b.tasto;
    const bool invio = t == "\r";
    risultato = std::nullopt;
    if (id == c_.importo) {
        if (invio) {
            selezionaTesto(c_.dataErogazione);
        } else if (t == "\b") {
            risultato = std::string(t);
        } else if (t.size() == 1 && carattereImporto(t[0])) {
            risultato = filtroNumerico(f_, id, b); // 1.850,50 typed reads 1.850,50, as in every amount
            if (!risultato) ++bip_;
        } else {
            ++bip_;
        }
        return true;
    }
    if (id == c_.tassoAnnuo) {
        if (invio)
            successivo(id);
        else
            risultato = filtroNumerico(f_, id, b);
        return true;
    }
    if (id == c_.anni) {
        if (invio)
            f_.daiFuoco(c_.tassoAnnuo);
        else
            risultato = std::string(t);
        return true;
    }
    if (id == c_.rata) {
        if (invio) f_.daiFuoco(c_.calcola);
        return true;
    }
    if (id == c_.dataErogazione || id == c_.speseIniziali || id == c_.spesePerRata) {
        if (invio)
            successivo(id);
        else
            risultato = std::string(t);
        return true;
    }
    for (int o : scadenze())
        if (id == o) {
            if (invio) selezionaTesto(c_.rata);
            return true;
        }
    return false;
}

bool PannelloMutuo::uscito(int id) {
    if (id == c_.importo || id == c_.rata || id == c_.speseIniziali || id == c_.spesePerRata) {
        f_.imposta(id, formattaTesto(f_.testo(id), maschere::importoCampo));
        return true;
    }
    if (id == c_.anni) {
        anniInRate();
        return true;
    }
    return id == c_.dataErogazione;
}

bool PannelloMutuo::cliccato(int id) {
    if (id == c_.calcola) {
        calcola();
        return true;
    }
    if (id == c_.stampa) {
        stampaPiano();
        return true;
    }
    if (id == c_.esportaExcel || id == c_.esportaCsv) {
        esportaPiano(id == c_.esportaExcel);
        return true;
    }
    for (int o : scadenze())
        if (id == o) {
            anniInRate();
            return true;
        }
    return false;
}

void PannelloMutuo::anniInRate() {
    const int mesi = stato_.mesiPeriodo[static_cast<std::size_t>(opzioneScelta())];
    const double anni = valNumero(f_.testo(c_.anni));
    const int ratePerAnno = 12 / mesi;                      // the months of a period divide the year
    double rate = std::nearbyint(anni * ratePerAnno) + 0.0; // + 0.0 turns -0 into 0
    if (!std::isfinite(rate)) rate = 0;
    f_.cambia(c_.numeroRate, testoNumero(rate));
}

void PannelloMutuo::rataDelTasso() {
    stato_.tassoPeriodo = stato_.tasso / 100 / stato_.ratePerAnno;
    const double importo = numero(c_.importo);
    stato_.rata = formulaRata(importo, stato_.tasso, stato_.ratePerAnno, numero(c_.numeroRate));
    stato_.quotaInteressi = (importo - stato_.capitaleRimborsato) * stato_.tassoPeriodo;
    stato_.quotaCapitale = stato_.rata - stato_.quotaInteressi;
}

void PannelloMutuo::costruisciPiano() {
    const auto d0 = leggiDataErogazione(f_.testo(c_.dataErogazione));
    if (!d0) {
        dataNonValida_ = true;
        return;
    }
    CampiPiano campi{f_.testo(c_.importo),      f_.testo(c_.numeroRate),    f_.testo(c_.tassoAnnuo),
                     f_.testo(c_.spesePerRata), f_.testo(c_.speseIniziali), *d0};
    Piano piano = pianoAmmortamento(campi, stato_);
    modifica(f_, c_.piano).voci = std::move(piano.righe);
    piano_ = piano;
    f_.imposta(c_.rata, piano.rata);
    if (!piano.totaleInteressi.empty()) f_.imposta(c_.totaleInteressi, piano.totaleInteressi);
    if (!piano.totaleMutuo.empty()) f_.imposta(c_.costoTotale, piano.totaleMutuo);
    f_.imposta(c_.totaleSpese, piano.totaleSpese);
}

std::string PannelloMutuo::datiMancanti(const bool dato[4]) const {
    static constexpr const char* kIntestazioni[3] = {
        "Ho bisogno di almeno 3 dei seguenti dati:", "Ho bisogno di almeno 2 dei seguenti dati:",
        "Ho bisogno di uno dei seguenti dati:"};
    int quanti = 0;
    for (int k = 0; k < 4; ++k)
        quanti += dato[k] ? 1 : 0;
    std::string messaggio = std::string(kIntestazioni[quanti]) + "\r\n";
    for (int k = 0; k < 4; ++k)
        if (!dato[k]) messaggio += std::string("\r\n") + kNomiDati[k];
    return messaggio;
}

// A given figure that is not a number stops the calculation with its own message instead of
// writing a meaningless figure.
std::string PannelloMutuo::nonNumerico(std::initializer_list<int> dati) const {
    const int campi[4] = {c_.importo, c_.numeroRate, c_.tassoAnnuo, c_.rata};
    for (int k : dati)
        if (!leggiNumero(f_.testo(campi[k])))
            return std::string("Il campo \"") + kNomiDati[k] + "\" non contiene un numero valido.";
    return {};
}

// A figure no loan can have stops the calculation with a message naming its field, before any plan.
std::string PannelloMutuo::valoriNonAmmessi() const {
    const auto campo = [](const char* nome, const char* perche) {
        return std::string("Il campo \"") + nome + "\" " + perche;
    };
    const auto valore = [&](int id) { return leggiNumero(f_.testo(id)); };
    if (const auto v = valore(c_.importo); v && *v <= 0) return campo("Importo Mutuo", "deve essere maggiore di zero.");
    if (const auto v = valore(c_.numeroRate); v && *v < 0) return campo("Numero Rate", "non può essere negativo.");
    if (const auto v = valore(c_.tassoAnnuo); v && (*v < 0 || *v >= kTassoMassimo))
        return campo("Tasso Annuo", "deve essere compreso tra 0 e 999,99.");
    for (const auto& [id, nome] :
         {std::pair{c_.speseIniziali, "Spese iniziali"}, {c_.spesePerRata, "Spese per rata"}}) {
        const std::string& t = f_.testo(id);
        if (t.empty()) continue;
        if (!valore(id)) return campo(nome, "non contiene un numero valido.");
        if (*valore(id) < 0) return campo(nome, "non può essere negativo.");
    }
    // Nothing would be disbursed: no TAEG and no usury rate can be worked out.
    if (const auto v = valore(c_.importo); v && numero(c_.speseIniziali) >= *v)
        return campo("Spese iniziali", "non può raggiungere l'importo del mutuo: il netto erogato sarebbe nullo.");
    return {};
}

std::string PannelloMutuo::trovaRata() {
    if (auto m = nonNumerico({kImporto, kNumeroRate, kTasso}); !m.empty()) return m;
    if (numero(c_.tassoAnnuo) == 0) return kTassoZero;
    if (numero(c_.numeroRate) == 0) return kRateZero;
    stato_.tasso = numero(c_.tassoAnnuo);
    rataDelTasso();
    if (!std::isfinite(stato_.rata)) return kImpossibile;
    f_.imposta(c_.rata, formatta(stato_.rata, maschere::importoMutuo));
    costruisciPiano();
    return {};
}

std::string PannelloMutuo::trovaTasso() {
    if (auto m = nonNumerico({kImporto, kNumeroRate, kRata}); !m.empty()) return m;
    if (numero(c_.numeroRate) == 0) return kRateZero;
    const auto t = cercaTassoAnnuo(numero(c_.importo), numero(c_.numeroRate), stato_.ratePerAnno, numero(c_.rata));
    if (!t) return kImpossibile;
    stato_.tasso = *t;
    rataDelTasso();
    if (!std::isfinite(stato_.tasso)) return kImpossibile;
    f_.imposta(c_.tassoAnnuo, testoNumero(std::trunc(stato_.tasso * 1000) / 1000));
    costruisciPiano();
    return {};
}

std::string PannelloMutuo::trovaNumeroRate() {
    if (auto m = nonNumerico({kImporto, kTasso, kRata}); !m.empty()) return m;
    const double tasso = numero(c_.tassoAnnuo);
    stato_.tassoPeriodo = tasso / 100 / stato_.ratePerAnno;
    const auto n = formulaNumeroRate(numero(c_.rata), numero(c_.importo), tasso, stato_.ratePerAnno);
    if (!n) return kImpossibile;
    stato_.numRate = *n;
    f_.imposta(c_.numeroRate, testoNumero(stato_.numRate));
    costruisciPiano();
    return {};
}

std::string PannelloMutuo::trovaImporto() {
    if (auto m = nonNumerico({kNumeroRate, kTasso, kRata}); !m.empty()) return m;
    if (numero(c_.tassoAnnuo) == 0) return kTassoZero;
    if (numero(c_.numeroRate) == 0) return kRateZero;
    const double tasso = numero(c_.tassoAnnuo);
    stato_.tassoPeriodo = tasso / 100 / stato_.ratePerAnno;
    stato_.importo = formulaImporto(numero(c_.rata), tasso, stato_.ratePerAnno, numero(c_.numeroRate));
    if (!std::isfinite(stato_.importo)) return kImpossibile;
    f_.imposta(c_.importo, formatta(stato_.importo, maschere::importoMutuo));
    costruisciPiano();
    return {};
}

// The solver of the missing figure; with all four given the instalment is worked out again from the
// other three.
std::string PannelloMutuo::risolvi(const bool dato[4], int quanti) {
    if (quanti < 3) return datiMancanti(dato);
    if (dato[kImporto] && dato[kNumeroRate] && dato[kTasso]) return trovaRata();
    if (!dato[kTasso]) return trovaTasso();
    if (!dato[kNumeroRate]) return trovaNumeroRate();
    return trovaImporto();
}

void PannelloMutuo::calcola() {
    if (f_.testo(c_.dataErogazione).empty()) f_.imposta(c_.dataErogazione, ctx_.oggi().testo());
    stato_.mesiRata = stato_.mesiPeriodo[static_cast<std::size_t>(opzioneScelta())];
    stato_.ratePerAnno = static_cast<std::int16_t>(std::lround(12.0 / stato_.mesiRata));

    const int campi[4] = {c_.importo, c_.numeroRate, c_.tassoAnnuo, c_.rata};
    bool dato[4];
    int quanti = 0;
    for (int k = 0; k < 4; ++k)
        quanti += (dato[k] = !f_.testo(campi[k]).empty()) ? 1 : 0;
    modifica(f_, c_.piano).voci.clear();
    modifica(f_, c_.piano).selezione = -1;
    piano_ = {};
    dataNonValida_ = !leggiDataErogazione(f_.testo(c_.dataErogazione));
    std::string messaggio = dataNonValida_ ? kDataNonValida : valoriNonAmmessi();
    if (messaggio.empty()) messaggio = risolvi(dato, quanti);
    if (!messaggio.empty()) {
        // No figure of a refused loan stays on screen as if it were its result.
        for (int id : {c_.taeg, c_.totaleInteressi, c_.costoTotale, c_.totaleSpese})
            f_.imposta(id, "");
        avviso(messaggio);
    }
    f_.daiFuoco(dataNonValida_ ? c_.dataErogazione : c_.importo);
    if (messaggio.empty()) calcolaTaeg();
}

void PannelloMutuo::calcolaTaeg() {
    const double netto = arrotonda4(numero(c_.importo) - numero(c_.speseIniziali));
    if (!(netto > 0)) {
        // No search: with nothing disbursed the present value of the instalments never falls to it.
        f_.imposta(c_.taeg, "non calcolabile: netto erogato nullo");
        return;
    }
    const double rata = numero(c_.rata);
    const double j = numero(c_.tassoAnnuo) / 100;
    const std::int16_t m =
        static_cast<std::int16_t>(12 / stato_.mesiPeriodo[static_cast<std::size_t>(opzioneScelta())]);
    const int n = leggiIntero16(f_.testo(c_.numeroRate)).value_or(0);
    const auto taeg = cercaTaeg(netto, rata, j, m, n);
    if (taeg && std::isfinite(*taeg))
        f_.imposta(c_.taeg, formatta(*taeg, maschere::taeg));
    else
        f_.imposta(c_.taeg, "non calcolabile");
}

void PannelloMutuo::stampaPiano() {
    const auto& righe = f_[c_.piano].voci;
    if (righe.size() <= 1) return;
    const Messaggio domanda{"ATTENZIONE", "Accendi la Stampante, Inserisci la carta e clicca su OK.", Icona::Avviso,
                            Pulsanti::OkAnnulla, Risposta::Ok};
    if (ctx_.messaggio(domanda) != Risposta::Ok) return;
    Stampante* p = ctx_.servizi.stampante;
    if (!p) return;
    p->documento("piano-ammortamento");
    p->orientamento(Orientamento::Verticale); // whatever the previous document used
    p->font("Courier New");
    p->grassetto(true);
    p->dimensione(12);
    const std::string margine(5, ' ');
    int c = 0;
    for (const auto& r : righe) {
        p->riga(margine + r);
        if (++c == 52) {
            p->nuovaPagina();
            p->riga(" ");
            p->riga(margine + righe[9]);
            p->riga(margine + righe[10]);
            c = 3;
        }
    }
    if (bloccoStampa_ && !bloccoStampa_->empty()) {
        p->riga("");
        for (const auto& r : *bloccoStampa_)
            p->riga(margine + r);
    }
    const std::string errore = p->fine();
    if (!errore.empty()) ctx_.messaggio(Messaggio{"", errore, Icona::Critica, Pulsanti::Ok, Risposta::Ok});
}

void PannelloMutuo::esportaPiano(bool excel) {
    if (piano_.rate.empty()) {
        avviso("Calcolare prima il piano d'ammortamento.");
        return;
    }
    if (!ctx_.servizi.file) return;
    const auto path = ctx_.servizi.file->salva(excel ? "piano.xlsx" : "piano.csv", ctx_.stato.cartellaReport);
    if (!path || path->empty()) return;
    const int scadenza = scadenze()[static_cast<std::size_t>(opzioneScelta())];
    DatiMutuo dati;
    for (int id : {c_.importo, c_.dataErogazione, scadenza, c_.numeroRate, c_.tassoAnnuo, c_.rata, c_.speseIniziali,
                   c_.spesePerRata, c_.taeg, c_.totaleInteressi, c_.costoTotale, c_.totaleSpese})
        dati.push_back(f_.testo(id));
    const CartellaLavoro c = cartellaPiano(piano_, dati);
    std::string errore;
    if (!excel)
        errore = sostituisciFile(*path, csvFoglio(c.fogli.front()));
    else if (ctx_.servizi.xlsx)
        errore = ctx_.servizi.xlsx->scrivi(c, *path);
    else
        errore = "la scrittura dei file Excel non è disponibile";
    if (!errore.empty())
        ctx_.messaggio({kTitoloProgramma, "Impossibile salvare " + *path + ": " + errore, Icona::Critica});
}

} // namespace vantrel
