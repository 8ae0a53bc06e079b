#include "teg/teg_calcolo.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/avvisi_tassi.h"
#include "rates/fonti_tassi.h"
#include "rates/riferimento_serie.h"
#include "rates/set_tassi.h"
#include "teg/cms_del_periodo.h"
#include "teg/lista_report.h"
#include "teg/riga_report.h"
#include "teg/teg_controlli.h"

#include <cmath>

namespace vantrel {
namespace {

// A division that the screen would refuse: a zero divisor or a result that is not finite.
std::optional<double> dividi(std::optional<double> a, std::optional<double> b) {
    if (!a || !b || *b == 0) return std::nullopt;
    const double r = *a / *b;
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

std::optional<double> per(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) return std::nullopt;
    const double r = *a * *b;
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

std::optional<double> somma(std::initializer_list<std::optional<double>> xs) {
    double s = 0;
    for (const auto& x : xs) {
        if (!x) return std::nullopt;
        s += *x;
    }
    if (!std::isfinite(s)) return std::nullopt;
    return s;
}

// The excess of a TEG over the threshold, from the two texts in exact decimals ("0,0535"); empty when
// the TEG does not exceed it. A TEG too large for a rate is compared in double.
std::string supero(const std::string& teg, const std::string& soglia) {
    const auto s = TassoEsatto::leggi(soglia);
    if (!s) return {};
    if (const auto t = TassoEsatto::leggi(teg)) return *t > *s ? TassoEsatto::esatto(t->unita - s->unita).testo() : "";
    const auto t = leggiNumero(teg);
    return t && *t > s->valore() ? testoNumero(*t - s->valore()) : "";
}

const char* const kTitoloAttenzione = "ATTENZIONE!";

const char* const kAccordatoZero =
    "Attenzione il valore dell'accordato non può essere zero, inserisci un valore valido";
const char* const kAccordatoVuoto =
    "Attenzione il valore dell'accordato non può essere vuoto, inserisci un valore valido";
const char* const kNumeriMancanti = "Attenzione i numeri debitori non possono essere zero o vuoti se il periodo ha "
                                    "interessi o oneri da rapportare, inserisci un valore valido";
const char* const kAccordatoNonNumerico =
    "Attenzione il valore dell'accordato non è un numero, inserisci un valore valido";

const char* const kNessunCalcolo = "Non c'è nessun calcolo da aggiungere al report: esegui prima il calcolo del "
                                   "T.E.G. con \"Formula Banca d'Italia\" o \"Formula globale\".";

// The amount fields of the period, with the name each has on screen.
struct CampoImporto {
    int ControlliTeg::*campo;
    const char* nome;
};
constexpr CampoImporto kImporti[] = {
    {&ControlliTeg::interessiDare, "Interessi Dare"},   {&ControlliTeg::cmsInteressi, "C.M.S. (interessi)"},
    {&ControlliTeg::altriInteressi, "altri interessi"}, {&ControlliTeg::spese, "spese"},
    {&ControlliTeg::cmsSpese, "C.M.S. (spese)"},        {&ControlliTeg::altriOneri, "altri oneri"},
};

} // namespace

TegCalcolo::TegCalcolo(Finestra& f, Contesto& ctx, ListaReport& lista)
    : f_(f), ctx_(ctx), lista_(lista), c_(controlli<ControlliTeg>(f.schema())),
      g_(controlli<GrigliaTassi>(f.schema())) {}

std::optional<double> TegCalcolo::valore(int id) const {
    return leggiNumero(f_.testo(id));
}

const CategoriaConto& TegCalcolo::categoriaScelta() const {
    return categoriaConto(f_[c_.categoria].selezione);
}

Valuta TegCalcolo::valuta() const {
    return f_[c_.lire].selezionato ? Valuta::Lire : Valuta::Euro;
}

std::optional<Norma> TegCalcolo::normaScelta() const {
    if (f_[c_.vecchiaNorma].selezionato) return Norma::Vecchia;
    if (f_[c_.nuovaNorma].selezionato) return Norma::Nuova;
    return std::nullopt;
}

// The rule of one quarter of the grid: the one chosen, or the one in force. The quarter of the
// change shows the thresholds of the period's own rule.
Norma TegCalcolo::normaDelTrimestre(int trimestre, int anno) const {
    if (const auto n = normaScelta()) return *n;
    const auto dal = leggiData(f_.testo(c_.dataInizio));
    if (dal && anno == kInizioNuovaNorma.anno && trimestre == kInizioNuovaNorma.trimestre())
        return normaDelPeriodo(*dal);
    return vantrel::normaDelTrimestre(trimestre, anno);
}

void TegCalcolo::carica(bool caricaTassi) {
    const auto& c = c_;
    const Data oggi = ctx_.oggi();
    catena_ = {};
    avvisi_.clear();
    f_.imposta(c.dataInizio, oggi.testo());
    f_.imposta(c.dataFine, oggi.testo());
    const TabellaTassi& tassi = ctx_.stato.tassi;
    if (caricaTassi) {
        caricaSetTassi(ctx_.stato.tassi, ctx_.stato.cartellaDati, ctx_.servizi.disco);
        // Said in the status line until the first calculation; the start-up and every calculation
        // without rates say it in a box.
        f_.imposta(c.statoCalcolo, avvisoTabellaTassi(tassi));
    }
    auto& anni = modifica(f_, c.anno).voci;
    anni.clear();
    const auto [primo, ultimo] = anniElenco(tassi, oggi.anno - 19, oggi.anno);
    for (int y = primo; y <= ultimo; ++y)
        anni.push_back(std::to_string(y));
    f_.selezionaVoce(c.anno, 0);
    annoDelPeriodo();
    lista_.accodaTestata();
    auto& categorie = modifica(f_, c.categoria).voci;
    categorie.clear();
    for (const CategoriaConto& k : categorieConto())
        categorie.push_back(k.nome);
    f_.selezionaVoce(c.categoria, 0);
    modifica(f_, c.schede).voci = {"calcolo T.E.G.", "Report", "Mutuo"};
    modifica(f_, c.schede).selezione = 0;
}

void TegCalcolo::annoDelPeriodo() {
    const auto& c = c_;
    const auto dal = leggiData(f_.testo(c.dataInizio));
    if (!dal) return;
    const std::string anno = std::to_string(dal->anno);
    auto& voci = modifica(f_, c.anno).voci;
    // A date after the last year listed brings its year into the list, with those between; a
    // mistyped far year does not fill it.
    constexpr int kAnniAggiunti = 100;
    const int ultimo = voci.empty() ? 0 : static_cast<int>(valNumero(voci.back()));
    if (ultimo > 0 && dal->anno > ultimo && dal->anno - ultimo <= kAnniAggiunti)
        for (int y = ultimo + 1; y <= dal->anno; ++y)
            voci.push_back(std::to_string(y));
    for (std::size_t k = 0; k < voci.size(); ++k)
        if (voci[k] == anno && f_[c.anno].selezione != static_cast<int>(k))
            f_.selezionaVoce(c.anno, static_cast<int>(k));
    // Also for a year the list does not offer, and after a change of the setting.
    f_.imposta(c.formulaGiorniAnno, giorniAnno(dal->anno));
}

// The days of the year x 100 of the formulas for a period that begins in `anno`: 36.600 in a leap
// year, unless the settings ask for 36.500 always.
std::string TegCalcolo::giorniAnno(int anno) const {
    return bisestile(anno) && !ctx_.stato.imposta.divisoreSempre365() ? "36600" : "36500";
}

std::string TegCalcolo::azzeraVuoti() {
    std::string azzerati;
    for (const CampoImporto& k : kImporti) {
        const int id = c_.*k.campo;
        if (!trim(f_.testo(id)).empty()) continue;
        f_.imposta(id, "0");
        azzerati += (azzerati.empty() ? "" : ", ") + std::string(k.nome);
    }
    if (azzerati.empty()) return {};
    const std::string avviso = "Campi vuoti impostati a 0 prima del calcolo: " + azzerati + ".";
    nota(avviso);
    return avviso;
}

// A note of the calculation in the status line, where it stays until the next calculation.
void TegCalcolo::nota(const std::string& testo) {
    const std::string& prima = f_.testo(c_.statoCalcolo);
    f_.imposta(c_.statoCalcolo, prima.empty() ? testo : prima + " " + testo);
}

// A charge the formula cannot turn into a rate stops it with a message: never a TEG that leaves it out.
bool TegCalcolo::importiValidi(bool globale) {
    std::string errore;
    bool suNumeri = false; // a charge to be divided by the debit numbers
    for (const CampoImporto& k : kImporti) {
        const std::string_view t = trim(f_.testo(c_.*k.campo));
        if (!t.empty() && !leggiNumero(t) && errore.empty())
            errore =
                std::string("Attenzione il valore di \"") + k.nome + "\" non è un numero, inserisci un valore valido";
        const bool interessi = k.campo == &ControlliTeg::interessiDare || k.campo == &ControlliTeg::cmsInteressi ||
                               k.campo == &ControlliTeg::altriInteressi;
        suNumeri = suNumeri || ((globale || interessi) && importoDiversoDaZero(t));
    }
    if (errore.empty() && suNumeri && !importoDiversoDaZero(f_.testo(c_.formulaNumeri))) errore = kNumeriMancanti;
    if (!errore.empty()) ctx_.messaggio({.titolo = "", .testo = errore});
    return errore.empty();
}

void TegCalcolo::sogliaNonDisponibile(const std::string& avviso) {
    f_.imposta(c_.soglia, kSogliaNonDisponibile);
    f_.imposta(c_.supero, "");
    ctx_.messaggio({.titolo = kTitoloAttenzione, .testo = avviso, .icona = Icona::Avviso});
}

void TegCalcolo::riformatta(int id) {
    f_.imposta(id, formattaTesto(f_.testo(id), maschera()));
}

void TegCalcolo::periodo(const char* dal, const char* al) {
    const auto& c = c_;
    const std::string anno(trim(f_.testo(c.anno)));
    if (anno.empty()) return;
    const auto d1 = leggiData(dal + anno);
    const auto d2 = leggiData(al + anno);
    if (!d1 || !d2) return;
    f_.imposta(c.dataInizio, d1->testo());
    f_.imposta(c.dataFine, d2->testo());
}

void TegCalcolo::giorni() {
    const auto& c = c_;
    const auto d1 = leggiData(f_.testo(c.dataInizio));
    const auto d2 = leggiData(f_.testo(c.dataFine));
    if (d1 && d2) {
        const long n = d2->numero() - d1->numero() + 1;
        if (n >= -32768 && n <= 32767) f_.imposta(c.giorni, std::to_string(n));
    }
    if (trim(f_.testo(c.numeriDebitori)).empty()) return;
    if (const auto m = dividi(valore(c.numeriDebitori), valore(c.giorni)))
        f_.imposta(c.indebitamentoMedio, formatta(*m, maschera()));
    if (f_[c.accordatoIndebitamento].selezionato) {
        f_.imposta(c.fido, f_.testo(c.indebitamentoMedio));
        f_.imposta(c.accordato, f_.testo(c.indebitamentoMedio));
    }
}

void TegCalcolo::striscia(bool bancaItalia) {
    const auto& c = c_;
    for (int id : {c.formulaPiu, c.formulaSpese, c.formulaEtichettaSpese, c.formulaLineaSpese,
                   c.formulaEtichettaAccordato, c.fido, c.formulaPer, c.formulaCento})
        modifica(f_, id).visibile = bancaItalia;
    modifica(f_, c.formulaLineaGlobale).visibile = !bancaItalia;
    modifica(f_, c.formulaRisultato).testo = bancaItalia ? "T.E.G." : "T.A.E.G.";
    modifica(f_, c.formulaUguale).sinistra = bancaItalia ? 5520 : 2580;
    modifica(f_, c.formulaRisultato).sinistra = bancaItalia ? 5880 : 2880;
}

void TegCalcolo::scriviTassi(int classe, int trimestre, float media, Norma n) {
    const std::string testo = testoNumero(media);
    f_.imposta(g_.tassiMedi[classe][trimestre], testo);
    // The rule on the average as the grid writes it, in exact decimals, under any rule.
    auto s = sogliaDelTesto(testo, n);
    if (!s) s = sogliaDelTesto(formatta(static_cast<double>(media), "#0.000000"), n);
    f_.imposta(g_.soglie[classe][trimestre], s ? s->testo() : "");
}

void TegCalcolo::tassiPeriodo() {
    const std::string& dal = f_.testo(c_.dataInizio);
    const std::string anno = dal.size() >= 4 ? dal.substr(dal.size() - 4) : dal;
    const CategoriaConto& categoria = categoriaScelta();
    const int annoGriglia = static_cast<int>(valNumero(anno));
    const TabellaTassi& t = ctx_.stato.tassi;
    trovati_ = {};
    catena_ = {};
    avvisi_.clear();
    f_.imposta(c_.classeSoglia, "");
    esitoCms_ = {};
    azzeraVerificaCms(f_);

    // One pass over the table: each slot belongs to at most one quarter of the year, and for a
    // quarter stored twice the later slot wins.
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        const std::string_view chiave = trim(r.periodo);
        if (chiave.size() != anno.size() + 1 || chiave.substr(1) != anno || chiave[0] < '1' || chiave[0] > '4')
            continue;
        const int q = chiave[0] - '1';
        const Norma n = normaDelTrimestre(q + 1, annoGriglia);
        trovati_[static_cast<std::size_t>(q)] = true;
        for (int classe = 0; classe < 3; ++classe) {
            if (const int voce = categoria.voci[static_cast<std::size_t>(classe)])
                scriviTassi(classe, q, r.TM[static_cast<std::size_t>(voce)], n);
            else {
                f_.imposta(g_.tassiMedi[classe][q], "NN");
                f_.imposta(g_.soglie[classe][q], "NN");
            }
        }
    }
    medie();
}

void TegCalcolo::medie() {
    const auto& c = c_;
    const auto media = [&](const int(&campi)[4], int conteggio, int destinazione) {
        // Summed and divided in double, kept as a single-precision mean: one rounding, at the end.
        double s = 0;
        for (int id : campi) {
            const auto v = valore(id);
            if (!v) return;
            s += *v;
        }
        f_.imposta(destinazione, formatta(static_cast<float>(s / conteggio), maschere::tassoMedia));
    };
    const auto conta = [&](const int(&campi)[4]) {
        int k = 0;
        for (int id : campi)
            if (importoDiversoDaZero(f_.testo(id))) ++k;
        return k;
    };
    for (int classe = 0; classe < 2; ++classe) {
        const int k = conta(g_.tassiMedi[classe]);
        const int medio = classe == 0 ? c.mediaTassiMediClasse1 : c.mediaTassiMediClasse2;
        const int soglia = classe == 0 ? c.mediaSoglieClasse1 : c.mediaSoglieClasse2;
        if (k == 0) { // no quarter of the year has a rate: a mean of 0 would read as a rate
            f_.imposta(medio, kSogliaNonDisponibile);
            f_.imposta(soglia, kSogliaNonDisponibile);
            continue;
        }
        media(g_.tassiMedi[classe], k, medio);
        media(g_.soglie[classe], k, soglia);
    }
}

void TegCalcolo::sogliaPeriodo() {
    const auto& c = c_;
    const std::string& dal = f_.testo(c.dataInizio);
    const int mese = dal.size() >= 5 ? static_cast<int>(valNumero(dal.substr(3, 2))) : 0;
    if (mese < 1 || mese > 12) return;
    const int q = (mese - 1) / 3;
    const auto inizio = leggiData(dal);
    if (!inizio) return;
    // No threshold of 0 from a quarter, or a class, that the table does not hold: the TEG would
    // show whole as excess.
    const std::string anno = dal.substr(dal.size() - 4);
    if (ctx_.stato.tassi.cercaPeriodo(std::to_string(q + 1) + anno) == 0)
        return sogliaNonDisponibile(avvisoTrimestreSenzaTassi(ctx_.stato.tassi, q + 1, anno));
    const double accordato = valore(c.accordato).value_or(0.0);
    const int classe = categoriaScelta().classe(accordato, *inizio, valuta());
    if (valore(g_.tassiMedi[classe - 1][q]) == 0.0)
        return sogliaNonDisponibile(avvisoCategoriaSenzaTasso(q + 1, anno, categoriaScelta().nome));
    const std::string& soglia = f_.testo(g_.soglie[classe - 1][q]);
    if (valore(g_.soglie[classe - 1][q])) f_.imposta(c.soglia, soglia);
    f_.imposta(c.supero, supero(f_.testo(c.teg), soglia));
    registraCatena(q, *inizio, classe);
}

// What the summary's audit block and the screen tell of the threshold.
void TegCalcolo::registraCatena(int q, const Data& inizio, int classe) {
    const auto& c = c_;
    const CategoriaConto& categoria = categoriaScelta();
    CatenaSoglia& k = catena_;
    k = {};
    k.calcolata = true;
    k.trimestre = q + 1;
    k.anno = inizio.anno;
    k.categoria = categoria.nome;
    k.accordato = std::string(trim(f_.testo(c.accordato)));
    k.classe = classe;
    k.classeTesto = categoria.classi(inizio, valuta())[static_cast<std::size_t>(classe - 1)].descrizione();
    k.classi = categoria.classiGriglia();
    for (int classeGriglia = 0; classeGriglia < k.classi; ++classeGriglia)
        k.medie.push_back(f_.testo(g_.tassiMedi[classeGriglia][q]));
    k.trovato = trovati_[static_cast<std::size_t>(q)];
    k.perData = !normaScelta();
    k.norma = normaDelTrimestre(q + 1, inizio.anno);
    const auto al = leggiData(f_.testo(c.dataFine));
    k.aCavallo = al && periodoACavallo(inizio, *al);
    k.soglia = f_.testo(c.soglia);
    k.giorniAnno = f_.testo(c.formulaGiorniAnno);
    k.sempre365 = ctx_.stato.imposta.divisoreSempre365();
    pubblicata(k, inizio, classe);
    f_.imposta(c.classeSoglia, k.categoria + ", " + k.classeTesto);
    if (k.perData && k.aCavallo) {
        avvisi_.push_back(avvisoACavallo(inizio, al->testo()));
        nota(avvisi_.back());
    }
}

// The official category of the period and the threshold published for the class, when the folder
// holds the official series: beside the program's own.
void TegCalcolo::pubblicata(CatenaSoglia& k, const Data& inizio, int classe) const {
    std::string errore;
    const auto serie = serieDellaCartella(ctx_.stato.cartellaDati, errore);
    if (!serie) return;
    k.categoriaUfficiale = categoriaScelta().categoriaUfficiale(*serie, inizio);
    for (const CategoriaInVigore& c : serie->categorie(inizio))
        if (c.nome == k.categoriaUfficiale && static_cast<std::size_t>(classe) <= c.classi.size()) {
            const RigaSerie& r = *c.classi[static_cast<std::size_t>(classe - 1)];
            k.classeUfficiale = r.classe;
            k.sogliaPubblicata = r.soglia.testo();
        }
}

std::vector<std::string> TegCalcolo::righeCatenaSoglia() const {
    const std::string fonte =
        catena_.calcolata ? fonteTassi(ctx_.stato.cartellaDati, chiavePeriodo(catena_.trimestre, catena_.anno)) : "";
    return vantrel::righeCatenaSoglia(catena_, fonte);
}

void TegCalcolo::raggruppaCms(bool primo, bool secondo) {
    const auto& c = c_;
    const auto scrivi = [&](int id, std::initializer_list<int> campi) {
        double s = 0;
        for (int k : campi) {
            const auto v = valore(k);
            if (!v) return;
            s += *v;
        }
        f_.imposta(id, testoNumero(s));
    };
    const bool cmsSpese = importoDiversoDaZero(f_.testo(c.cmsSpese));
    const bool cmsInteressi = importoDiversoDaZero(f_.testo(c.cmsInteressi));
    if (primo && cmsSpese) {
        modifica(f_, c.lineaCmsSpese).visibile = true;
        modifica(f_, c.lineaCmsInteressi).visibile = false;
        scrivi(c.tegVociInteressi, {c.tegInteressi, c.tegAltriInteressi});
        scrivi(c.tegVociSpese, {c.tegCms, c.tegSpese, c.tegAltriOneri});
    }
    if (secondo && cmsInteressi) {
        modifica(f_, c.lineaCmsInteressi).visibile = true;
        modifica(f_, c.lineaCmsSpese).visibile = false;
        scrivi(c.tegVociInteressi, {c.tegInteressi, c.tegCms, c.tegAltriInteressi});
        scrivi(c.tegVociSpese, {c.tegSpese, c.tegAltriOneri});
    }
    if (primo && secondo && !cmsInteressi && !cmsSpese) { // no CMS: its partial rate is 0, whatever CMSc shows
        scrivi(c.tegVociInteressi, {c.tegInteressi, c.tegAltriInteressi});
        scrivi(c.tegVociSpese, {c.tegSpese, c.tegAltriOneri});
    }
}

std::optional<double> TegCalcolo::Cifre::suNumeri(std::optional<double> x) const {
    return dividi(per(x, giorniAnno), numeri);
}

std::optional<double> TegCalcolo::Cifre::suAccordato(std::optional<double> x) const {
    return dividi(per(x, 100.0), fido);
}

// The fields both formulas read, an empty "altri oneri" counting as 0.
TegCalcolo::Cifre TegCalcolo::cifre() {
    const auto& c = c_;
    if (f_.testo(c.altriOneri).empty()) f_.imposta(c.altriOneri, "0");
    if (f_.testo(c.formulaSpese).empty()) f_.imposta(c.formulaSpese, "0");
    return {.interessi = valore(c.interessiDare),
            .cmsInteressi = valore(c.cmsInteressi),
            .cmsSpese = valore(c.cmsSpese),
            .altriInteressi = valore(c.altriInteressi),
            .spese = valore(c.spese),
            .altriOneri = valore(c.altriOneri),
            .numeri = valore(c.formulaNumeri),
            .giorniAnno = valore(c.formulaGiorniAnno),
            .fido = valore(c.fido)};
}

// The interest with its CMS and the expenses with theirs, into their total fields.
TegCalcolo::Totali TegCalcolo::totali(const Cifre& x) {
    const auto& c = c_;
    const Totali t{somma({x.interessi, x.cmsInteressi, x.altriInteressi}), somma({x.spese, x.altriOneri, x.cmsSpese})};
    if (t.interessi) f_.imposta(c.totaleInteressi, formatta(*t.interessi, maschera()));
    if (t.spese) f_.imposta(c.totaleSpese, formatta(*t.spese, maschera()));
    if (const auto si = somma({valore(c.totaleSpese), t.interessi.value_or(0.0)}))
        f_.imposta(c.totaleInteressiSpese, formatta(*si, maschera()));
    return t;
}

double TegCalcolo::parziale(std::optional<double> v, int campo) {
    if (v) f_.imposta(campo, formatta(*v, maschere::tasso3));
    return v.value_or(0.0);
}

// The Bank of Italy formula puts the CMS as interest over the debit numbers, as expenses over the
// accordato; the global one puts either over the debit numbers.
double TegCalcolo::parzialeCms(const Cifre& x, bool bancaItalia) {
    const auto& c = c_;
    if (!bancaItalia)
        return parziale(x.suNumeri(importoDiversoDaZero(f_.testo(c.cmsInteressi)) ? x.cmsInteressi : x.cmsSpese),
                        c.tegCms);
    double p = 0;
    if (importoDiversoDaZero(f_.testo(c.cmsInteressi))) p = parziale(x.suNumeri(x.cmsInteressi), c.tegCms);
    if (importoDiversoDaZero(f_.testo(c.cmsSpese))) {
        if (const auto v = x.suAccordato(x.cmsSpese)) p = parziale(v, c.tegCms);
    }
    return p;
}

// Each charge as a rate of its own, and their sum.
void TegCalcolo::parziali(const Cifre& x, bool bancaItalia) {
    const auto& c = c_;
    const auto spesa = [&](std::optional<double> v) { return bancaItalia ? x.suAccordato(v) : x.suNumeri(v); };
    const double pInt = parziale(x.suNumeri(x.interessi), c.tegInteressi);
    const double pCms = parzialeCms(x, bancaItalia);
    const double pExt = parziale(x.suNumeri(x.altriInteressi), c.tegAltriInteressi);
    const double pSp = parziale(spesa(x.spese), c.tegSpese);
    const double pOn = parziale(spesa(x.altriOneri), c.tegAltriOneri);
    f_.imposta(c.sommaParziali, formatta(pInt + pCms + pExt + pSp + pOn, maschere::tasso3));
}

void TegCalcolo::concludi(const Cifre& x, std::optional<double> rapportoSpese) {
    const double interessi = x.suNumeri(valore(c_.formulaInteressi)).value_or(0.0);
    f_.imposta(c_.teg, formatta(rapportoSpese ? interessi + *rapportoSpese : interessi, maschere::tasso3));
    parziali(x, rapportoSpese.has_value());
    raggruppaCms(true, true);
    sogliaPeriodo();
    verificaCms(rapportoSpese.has_value());
}

void TegCalcolo::verificaCms(bool bancaItalia) {
    const auto dal = leggiData(f_.testo(c_.dataInizio));
    const Norma norma = dal ? normaDelTrimestre(dal->trimestre(), dal->anno) : Norma::Vecchia;
    const LetturaCms lettura = ctx_.stato.imposta.cmsNelTeg() ? LetturaCms::NelTeg : LetturaCms::Separata;
    datiCms_ = datiCmsDelPeriodo(f_, ctx_.stato.tassi, bancaItalia, norma, lettura);
    esitoCms_ = vantrel::verificaCms(datiCms_);
    for (std::string& a : mostraVerificaCms(f_, datiCms_, esitoCms_)) {
        if (f_.aiuto() >= 0) f_.imposta(f_.aiuto(), a);
        avvisi_.push_back(std::move(a));
    }
}

std::vector<std::string> TegCalcolo::righeVerificaCms() const {
    // Only where the reading matters: a period up to 2009 with a CMS (the summary of any other is as it was).
    if (!esitoCms_.applicata() && esitoCms_.caso != EsitoCms::Caso::LetturaNelTeg) return {};
    return vantrel::righeVerificaCms(datiCms_, esitoCms_, maschera());
}

// The grid starts from 0 for either formula: a quarter the table lacks shows 0, never the rates of
// the year calculated before.
void TegCalcolo::azzeraGriglia() {
    const auto& c = c_;
    for (int classe = 0; classe < 2; ++classe)
        for (int q = 0; q < 4; ++q) {
            f_.imposta(g_.tassiMedi[classe][q], "0");
            f_.imposta(g_.soglie[classe][q], "0");
        }
    for (int id : {c.mediaTassiMediClasse1, c.mediaSoglieClasse1, c.mediaTassiMediClasse2, c.mediaSoglieClasse2})
        f_.imposta(id, "0");
}

void TegCalcolo::preparaBancaItalia() {
    const auto& c = c_;
    striscia(true);
    f_.imposta(c.soglia, "");
    f_.imposta(c.supero, "");
    f_.imposta(c.formulaSpese, "0");
    azzeraGriglia();
}

// By its value: "0", "0,00" and "0.000" are all a zero accordato, over which no expense is a rate.
bool TegCalcolo::accordatoValido() {
    const std::string_view fido = trim(f_.testo(c_.fido));
    const char* errore = fido.empty()                  ? kAccordatoVuoto
                         : !leggiNumero(fido)          ? kAccordatoNonNumerico
                         : !importoDiversoDaZero(fido) ? kAccordatoZero
                                                       : nullptr;
    if (errore) ctx_.messaggio({.titolo = "", .testo = errore});
    return errore == nullptr;
}

// Interest over the debit numbers plus expenses over the accordato.
void TegCalcolo::tegBancaItalia() {
    const auto& c = c_;
    preparaBancaItalia();
    tassiPeriodo();
    if (!importiValidi(false) || !accordatoValido()) return;
    const Cifre x = cifre();
    const Totali t = totali(x);
    if (t.spese) f_.imposta(c.formulaSpese, formatta(*t.spese, maschera()));
    f_.imposta(c.formulaInteressi, f_.testo(c.totaleInteressi));
    const double rapportoSpese = x.suAccordato(t.spese.value_or(0.0)).value_or(0.0);
    concludi(x, rapportoSpese);
}

// Interest and expenses together over the debit numbers.
void TegCalcolo::tegGlobale() {
    const auto& c = c_;
    striscia(false);
    for (int id : {c.soglia, c.supero, c.totaleSpese, c.tegVociInteressi})
        f_.imposta(id, "");
    azzeraGriglia();
    tassiPeriodo();
    if (!importiValidi(true)) return;
    const Cifre x = cifre();
    const Totali t = totali(x);
    if (const auto tutto = somma({t.spese.value_or(0.0), valore(c.totaleInteressi)}))
        f_.imposta(c.formulaInteressi, testoNumero(*tutto));
    concludi(x, std::nullopt);
}

void TegCalcolo::creaReport() {
    const auto& c = c_;
    if (trim(f_.testo(c.teg)).empty()) {
        ctx_.messaggio({.titolo = "", .testo = kNessunCalcolo, .icona = Icona::Informazione});
        return;
    }
    DatiRiga d;
    d.dal = f_.testo(c.dataInizio);
    d.indebitamentoMedio = f_.testo(c.indebitamentoMedio);
    d.teg = f_.testo(c.teg);
    d.soglia = f_.testo(c.soglia);
    d.supero = f_.testo(c.supero);
    d.interessiDare = f_.testo(c.interessiDare);
    d.tegInteressi = f_.testo(c.tegInteressi);
    d.cmsInteressi = f_.testo(c.cmsInteressi);
    d.cmsSpese = f_.testo(c.cmsSpese);
    d.tegCms = f_.testo(c.tegCms);
    d.altriInteressi = f_.testo(c.altriInteressi);
    d.tegAltriInteressi = f_.testo(c.tegAltriInteressi);
    d.spese = f_.testo(c.spese);
    d.tegSpese = f_.testo(c.tegSpese);
    d.altriOneri = f_.testo(c.altriOneri);
    d.tegAltriOneri = f_.testo(c.tegAltriOneri);
    if (esitoCms_.applicata()) d.esitoCms = esitoCms_.esito;
    lista_.accoda(rigaReport(d, maschera()));
}

bool TegCalcolo::tasto(int id, const Battuta& b, std::optional<std::string>& r) {
    const auto& c = c_;
    for (int k : {c.accordato, c.altriOneri, c.cmsInteressi, c.cmsSpese, c.altriInteressi, c.fido, c.interessiDare,
                  c.numeriDebitori, c.spese})
        if (k == id) {
            r = filtroNumerico(f_, id, b);
            return true;
        }
    if (id == c.giorni && b.tasto == "\r") {
        f_.fuocoSuccessivo(id);
        r.reset();
        return true;
    }
    return false;
}

bool TegCalcolo::cambiato(int id) {
    const auto& c = c_;
    if (id == c.cmsSpese)
        raggruppaCms(true, false);
    else if (id == c.cmsInteressi)
        raggruppaCms(false, true);
    else if (id == c.dataInizio)
        annoDelPeriodo(); // the days-per-year factor follows the dates
    else
        return false;
    return true;
}

bool TegCalcolo::uscito(int id) {
    const auto& c = c_;
    if (id == c.giorni) {
        const std::string& g = f_.testo(c.giorni);
        if (importoDiversoDaZero(g) && !trim(f_.testo(c.numeriDebitori)).empty()) {
            const auto n = leggiIntero16(g);
            if (const auto m = dividi(valore(c.numeriDebitori), n ? std::optional<double>(*n) : std::nullopt))
                f_.imposta(c.indebitamentoMedio, formatta(*m, maschera()));
            if (f_[c.accordatoIndebitamento].selezionato) f_.imposta(c.fido, f_.testo(c.indebitamentoMedio));
        }
    } else if (id == c.fido) {
        riformatta(c.fido);
        f_.imposta(c.accordato, f_.testo(c.fido));
    } else if (id == c.accordato) {
        riformatta(c.accordato);
        f_.imposta(c.fido, f_.testo(c.accordato));
    } else if (id == c.numeriDebitori) {
        riformatta(c.numeriDebitori);
        f_.imposta(c.formulaNumeri, f_.testo(c.numeriDebitori));
    } else if (id == c.cmsInteressi || id == c.cmsSpese) {
        f_.cambia(id, formattaTesto(f_.testo(id), maschera()));
    } else if (id == c.altriOneri || id == c.altriInteressi || id == c.interessiDare || id == c.spese ||
               id == c.totaleInteressi || id == c.totaleSpese || id == c.totaleInteressiSpese) {
        riformatta(id);
    } else {
        return false;
    }
    return true;
}

bool TegCalcolo::cliccato(int id) {
    const auto& c = c_;
    if (id == c.primoTrimestre)
        periodo("01/01/", "31/03/");
    else if (id == c.secondoTrimestre)
        periodo("01/04/", "30/06/");
    else if (id == c.terzoTrimestre)
        periodo("01/07/", "30/09/");
    else if (id == c.quartoTrimestre)
        periodo("01/10/", "31/12/");
    else if (id == c.primoSemestre)
        periodo("01/01/", "30/06/");
    else if (id == c.secondoSemestre)
        periodo("01/07/", "31/12/");
    else if (id == c.annoIntero)
        periodo("01/01/", "31/12/");
    else if (id == c.calcolaGiorni)
        giorni();
    else if (id == c.accordatoIndebitamento) {
        f_.imposta(c.fido, f_.testo(c.indebitamentoMedio));
        f_.imposta(c.accordato, f_.testo(c.indebitamentoMedio));
    } else if (id == c.euro || id == c.lire) {
        ctx_.stato.importiInLire = id == c.lire;
        ctx_.stato.mascheraImporti = std::string(ctx_.stato.importiInLire ? maschere::lire : maschere::euro);
    } else if (id == c.calcolaBancaItalia || id == c.calcolaGlobale) {
        f_.imposta(c.statoCalcolo, "");
        const std::string azzerati = azzeraVuoti();
        annoDelPeriodo(); // the days of the year as the settings say now
        id == c.calcolaBancaItalia ? tegBancaItalia() : tegGlobale();
        if (!azzerati.empty()) avvisi_.insert(avvisi_.begin(), azzerati); // a batch tells it with the result
    } else if (id == c.creaReport)
        creaReport();
    else
        return id == c.accordatoFido || id == c.vecchiaNorma || id == c.nuovaNorma || id == c.normaPerData;
    return true;
}

bool TegCalcolo::selezionato(int id) {
    const auto& c = c_;
    if (id == c.anno) {
        const auto anno = leggiNumero(f_.testo(c.anno));
        f_.imposta(c.formulaGiorniAnno, giorniAnno(anno ? static_cast<int>(*anno) : 1));
    } else if (id == c.categoria) {
        if (categoriaScelta().accordatoIndebitamento) f_.scegliOpzione(c.accordatoIndebitamento);
    } else {
        return false;
    }
    return true;
}

} // namespace vantrel
