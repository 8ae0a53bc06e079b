#include "teg/teg_calcolo.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/avvisi_tassi.h"
#include "rates/fonti_tassi.h"
#include "rates/set_tassi.h"
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

const char* const kTitoloAttenzione = "ATTENZIONE!";

const char* const kAccordatoZero =
    "Attenzione il valore dell'accordato non può essere zero, inserisci un valore valido";
const char* const kAccordatoVuoto =
    "Attenzione il valore dell'accordato non può essere vuoto, inserisci un valore valido";

const char* const kNessunCalcolo = "Non c'è nessun calcolo da aggiungere al report: esegui prima il calcolo del "
                                   "T.E.G. con \"Formula Banca d'Italia\" o \"Formula globale\".";

// The amount fields of the period, with the name each has on screen.
struct CampoImporto {
    int TegIds::*campo;
    const char* nome;
};
constexpr CampoImporto kImporti[] = {
    {&TegIds::intDare, "Interessi Dare"},    {&TegIds::ComMS, "C.M.S. (interessi)"},
    {&TegIds::extrafido, "altri interessi"}, {&TegIds::speseN, "spese"},
    {&TegIds::ComMS2, "C.M.S. (spese)"},     {&TegIds::ASpese, "altri oneri"},
};

} // namespace

TegCalcolo::TegCalcolo(Finestra& f, Contesto& ctx, ListaReport& lista)
    : f_(f), ctx_(ctx), lista_(lista), c_(tegIds(f.schema())) {}

std::optional<double> TegCalcolo::valore(int id) const {
    return leggiNumero(f_.testo(id));
}

std::optional<Norma> TegCalcolo::normaScelta() const {
    const auto& c = c_;
    if (f_[c.Option3].selezionato) return Norma::Vecchia;
    if (f_[c.Option4].selezionato) return Norma::Nuova;
    return std::nullopt;
}

// The rule of one quarter of the grid: the one chosen, or the one in force. The quarter of the
// change shows the thresholds of the period's own rule.
Norma TegCalcolo::normaDelTrimestre(int trimestre, int anno) const {
    if (const auto n = normaScelta()) return *n;
    const auto dal = leggiData(f_.testo(c_.dal));
    if (dal && anno == kInizioNuovaNorma.anno && trimestre == kInizioNuovaNorma.trimestre())
        return normaDelPeriodo(*dal);
    return vantrel::normaDelTrimestre(trimestre, anno);
}

void TegCalcolo::carica(bool caricaTassi) {
    const auto& c = c_;
    const Data oggi = ctx_.oggi();
    catena_ = {};
    avvisi_.clear();
    f_.imposta(c.dal, oggi.testo());
    f_.imposta(c.al, oggi.testo());
    const TabellaTassi& tassi = ctx_.stato.Tassi;
    if (caricaTassi) {
        caricaSetTassi(ctx_.stato.Tassi, ctx_.stato.CartellaDati, ctx_.servizi.disco);
        // Said in the help box, where it stays until the pointer moves; the start-up and every
        // calculation without rates say it in a box.
        const int help = f_.schema().trova("HELP");
        if (const std::string a = avvisoTabellaTassi(tassi); !a.empty() && help >= 0) f_.imposta(help, a);
    }
    auto& anni = f_[c.Combo1].voci;
    anni.clear();
    const auto [primo, ultimo] = anniElenco(tassi, oggi.anno - 19, oggi.anno);
    for (int y = primo; y <= ultimo; ++y)
        anni.push_back(std::to_string(y));
    f_.selezionaVoce(c.Combo1, 0);
    annoDelPeriodo();
    lista_.accodaTestata();
    f_[c.Combo2].voci = {"Conto Corrente", "Conto senza affidamento", "Conto anticipi"};
    f_.selezionaVoce(c.Combo2, 0);
    f_[c.SSTab1].voci = {"calcolo T.E.G. ", "Report", "Mutuo"};
    f_[c.SSTab1].selezione = 0;
}

void TegCalcolo::annoDelPeriodo() {
    const auto& c = c_;
    const auto dal = leggiData(f_.testo(c.dal));
    if (!dal) return;
    const std::string anno = std::to_string(dal->anno);
    const auto& voci = f_[c.Combo1].voci;
    for (std::size_t k = 0; k < voci.size(); ++k)
        if (voci[k] == anno) {
            if (f_[c.Combo1].selezione != static_cast<int>(k)) f_.selezionaVoce(c.Combo1, static_cast<int>(k));
            return;
        }
    f_.imposta(c.ga, bisestile(dal->anno) ? "36600" : "36500"); // a year the list does not offer
}

void TegCalcolo::azzeraVuoti() {
    std::string azzerati;
    for (const CampoImporto& k : kImporti) {
        const int id = c_.*k.campo;
        if (!trim(f_.testo(id)).empty()) continue;
        f_.imposta(id, "0");
        azzerati += (azzerati.empty() ? "" : ", ") + std::string(k.nome);
    }
    const int help = f_.schema().trova("HELP");
    if (!azzerati.empty() && help >= 0)
        f_.imposta(help, "Campi vuoti impostati a 0 prima del calcolo: " + azzerati + ".");
}

void TegCalcolo::sogliaNonDisponibile(const std::string& avviso) {
    const auto& c = c_;
    f_.imposta(c.soglia, kSogliaNonDisponibile);
    f_.imposta(c.Diff, "");
    ctx_.messaggio({.titolo = kTitoloAttenzione, .testo = avviso, .icona = Icona::Avviso});
}

void TegCalcolo::riformatta(int id) {
    f_.imposta(id, formattaTesto(f_.testo(id), maschera()));
}

void TegCalcolo::periodo(const char* dal, const char* al) {
    const auto& c = c_;
    const std::string anno(trim(f_.testo(c.Combo1)));
    if (anno.empty()) return;
    const auto d1 = leggiData(dal + anno);
    const auto d2 = leggiData(al + anno);
    if (!d1 || !d2) return;
    f_.imposta(c.dal, d1->testo());
    f_.imposta(c.al, d2->testo());
}

void TegCalcolo::giorni() {
    const auto& c = c_;
    const auto d1 = leggiData(f_.testo(c.dal));
    const auto d2 = leggiData(f_.testo(c.al));
    if (d1 && d2) {
        const long n = d2->numero() - d1->numero() + 1;
        if (n >= -32768 && n <= 32767) f_.imposta(c.Giorni, std::to_string(n));
    }
    if (trim(f_.testo(c.NumeriD)).empty()) return;
    if (const auto m = dividi(valore(c.NumeriD), valore(c.Giorni))) f_.imposta(c.IndMedio, formatta(*m, maschera()));
    if (f_[c.Option2].selezionato) {
        f_.imposta(c.fido, f_.testo(c.IndMedio));
        f_.imposta(c.Acc, f_.testo(c.IndMedio));
    }
}

void TegCalcolo::striscia(bool bancaItalia) {
    const auto& c = c_;
    for (int id : {c.LblPiu, c.TotalSpese, c.LblTotaleSpese, c.LineaSpese, c.LblAccordato, c.fido, c.LblPer2, c.cento})
        f_[id].visibile = bancaItalia;
    f_[c.Line28].visibile = !bancaItalia;
    f_[c.LblRisultato].testo = bancaItalia ? "T.E.G." : "T.A.E.G.";
    f_[c.LblUguale].sinistra = bancaItalia ? 5520 : 2580;
    f_[c.LblRisultato].sinistra = bancaItalia ? 5880 : 2880;
}

void TegCalcolo::TassiPeriodo() {
    const auto& c = c_;
    const std::string& dal = f_.testo(c.dal);
    const std::string anno = dal.size() >= 4 ? dal.substr(dal.size() - 4) : dal;
    const std::string categoria(trim(f_.testo(c.Combo2)));
    const bool perData = !normaScelta();
    const int annoGriglia = static_cast<int>(valNumero(anno));
    const TabellaTassi& t = ctx_.stato.Tassi;
    trovati_ = {};
    catena_ = {};
    avvisi_.clear();
    f_.imposta(c.ClasseSoglia, "");

    // One pass over the table: each slot belongs to at most one quarter of the year, and for a
    // quarter stored twice the later slot wins.
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        const std::string_view chiave = trim(r.Periodo);
        if (chiave.size() != anno.size() + 1 || chiave.substr(1) != anno || chiave[0] < '1' || chiave[0] > '4')
            continue;
        const int q = chiave[0] - '1';
        const Norma n = normaDelTrimestre(q + 1, annoGriglia);
        int m1 = 0, m2 = 0, m3 = 0;
        if (categoria == "Conto Corrente") {
            m1 = 1, m2 = 2;
        } else if (categoria == "Conto senza affidamento") {
            m1 = 7, m2 = 8;
        } else if (categoria == "Conto anticipi") {
            m1 = 3, m2 = 4, m3 = 6;
        } else {
            continue;
        }
        trovati_[static_cast<std::size_t>(q)] = true;
        const auto scrivi = [&](int ts, int tu, int slot) {
            const float media = r.TM[static_cast<std::size_t>(slot)];
            const double m = static_cast<double>(media);
            f_.imposta(ts, testoNumero(media));
            f_.imposta(tu, testoNumero(perData ? sogliaEsatta(m, n) : usura(m, n)));
        };
        scrivi(c.TS[q], c.TU[q], m1);
        scrivi(c.TSb[q], c.TUb[q], m2);
        if (m3) {
            scrivi(c.TSc[q], c.TUc[q], m3);
        } else {
            f_.imposta(c.TSc[q], "NN");
            f_.imposta(c.TUc[q], "NN");
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
            if (f_.testo(id) != "0") ++k;
        return k == 0 ? 1 : k;
    };
    const int k1 = conta(c.TS);
    const int k2 = conta(c.TSb);
    media(c.TS, k1, c.TSM);
    media(c.TU, k1, c.TUM);
    media(c.TSb, k2, c.TSM2);
    media(c.TUb, k2, c.TUM2);
}

void TegCalcolo::SogliaPeriodo() {
    const auto& c = c_;
    const std::string& dal = f_.testo(c.dal);
    const int mese = dal.size() >= 5 ? static_cast<int>(valNumero(dal.substr(3, 2))) : 0;
    if (mese < 1 || mese > 12) return;
    const int q = (mese - 1) / 3;
    const auto inizio = leggiData(dal);
    if (!inizio) return;
    // No threshold of 0 from a quarter, or a class, that the table does not hold: the TEG would
    // show whole as excess.
    const std::string anno = dal.substr(dal.size() - 4);
    if (ctx_.stato.Tassi.CercaPeriodo(std::to_string(q + 1) + anno) == 0)
        return sogliaNonDisponibile(avvisoTrimestreSenzaTassi(ctx_.stato.Tassi, q + 1, anno));
    const double accordato = valore(c.Acc).value_or(0.0);
    const int categoria = f_[c.Combo2].selezione;
    const bool lire = f_[c.Lira].selezionato;
    const int classe = classeImporto(categoria, accordato, *inizio, lire);
    const int campo = classe == 1 ? c.TU[q] : classe == 2 ? c.TUb[q] : c.TUc[q];
    const int media = classe == 1 ? c.TS[q] : classe == 2 ? c.TSb[q] : c.TSc[q];
    if (valore(media) == 0.0)
        return sogliaNonDisponibile(avvisoCategoriaSenzaTasso(q + 1, anno, trim(f_.testo(c.Combo2))));
    const auto t = valore(campo);
    if (t) f_.imposta(c.soglia, testoNumero(*t));
    const auto teg = valore(c.TegTXT);
    const double soglia = t.value_or(0.0);
    if (teg && *teg > soglia) f_.imposta(c.Diff, testoNumero(*teg - soglia));

    // What the summary's audit block and the screen tell of the threshold.
    CatenaSoglia& k = catena_;
    k = {};
    k.calcolata = true;
    k.trimestre = q + 1;
    k.anno = inizio->anno;
    k.categoria = std::string(trim(f_.testo(c.Combo2)));
    k.accordato = std::string(trim(f_.testo(c.Acc)));
    k.classe = classe;
    k.classeTesto = descrizioneClasse(categoria, classe, *inizio, lire);
    k.classi = categoria == 2 ? 3 : 2;
    for (int id : {c.TS[q], c.TSb[q], c.TSc[q]})
        if (static_cast<int>(k.medie.size()) < k.classi) k.medie.push_back(f_.testo(id));
    k.trovato = trovati_[static_cast<std::size_t>(q)];
    k.perData = !normaScelta();
    k.norma = normaDelTrimestre(q + 1, inizio->anno);
    const auto al = leggiData(f_.testo(c.al));
    k.aCavallo = al && periodoACavallo(*inizio, *al);
    k.soglia = f_.testo(c.soglia);
    f_.imposta(c.ClasseSoglia, k.categoria + ", " + k.classeTesto);
    if (k.perData && k.aCavallo) {
        avvisi_.push_back(avvisoACavallo(*inizio, al->testo()));
        if (const int help = f_.schema().trova("HELP"); help >= 0) f_.imposta(help, avvisi_.back());
    }
}

std::vector<std::string> TegCalcolo::righeCatenaSoglia() const {
    const std::string fonte =
        catena_.calcolata ? fonteTassi(ctx_.stato.CartellaDati, chiavePeriodo(catena_.trimestre, catena_.anno)) : "";
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
    const bool cms2 = f_.testo(c.ComMS2) != "0";
    const bool cms1 = f_.testo(c.ComMS) != "0";
    if (primo && cms2) {
        f_[c.Line27].visibile = true;
        f_[c.Line22].visibile = false;
        scrivi(c.TInt, {c.IntSc, c.ECCSC});
        scrivi(c.TSpes, {c.CMSc, c.SpeseSc, c.OneriSc});
    }
    if (secondo && cms1) {
        f_[c.Line22].visibile = true;
        f_[c.Line27].visibile = false;
        scrivi(c.TInt, {c.IntSc, c.CMSc, c.ECCSC});
        scrivi(c.TSpes, {c.SpeseSc, c.OneriSc});
    }
    if (primo && secondo && !cms1 && !cms2) {
        scrivi(c.TInt, {c.IntSc, c.CMSc, c.ECCSC});
        scrivi(c.TSpes, {c.SpeseSc, c.OneriSc});
    }
}

void TegCalcolo::TegBancaItalia() {
    const auto& c = c_;
    striscia(true);
    f_.imposta(c.soglia, "");
    f_.imposta(c.Diff, "");
    f_.imposta(c.TotalSpese, "0");
    for (int q = 0; q < 4; ++q)
        for (int id : {c.TS[q], c.TU[q], c.TSb[q], c.TUb[q]})
            f_.imposta(id, "0");
    for (int id : {c.TSM, c.TUM, c.TSM2, c.TUM2})
        f_.imposta(id, "0");

    TassiPeriodo();

    const std::string_view fido = trim(f_.testo(c.fido));
    if (fido == "0") {
        ctx_.messaggio({.titolo = "", .testo = kAccordatoZero});
        return;
    }
    if (fido.empty()) {
        ctx_.messaggio({.titolo = "", .testo = kAccordatoVuoto});
        return;
    }
    if (f_.testo(c.ASpese).empty()) f_.imposta(c.ASpese, "0");
    if (f_.testo(c.TotalSpese).empty()) f_.imposta(c.TotalSpese, "0");

    const auto I = valore(c.intDare), C1 = valore(c.ComMS), C2 = valore(c.ComMS2), E = valore(c.extrafido),
               S = valore(c.speseN), A = valore(c.ASpese), N = valore(c.indMed2), K = valore(c.ga), F = valore(c.fido);
    const auto tInt = somma({I, C1, E});
    const auto tSp = somma({S, A, C2});
    if (tSp) f_.imposta(c.TotalSpese, formatta(*tSp, maschera()));
    if (tInt) f_.imposta(c.totInt, formatta(*tInt, maschera()));
    if (tSp) f_.imposta(c.tspe, formatta(*tSp, maschera()));
    f_.imposta(c.totint2, f_.testo(c.totInt));
    if (const auto si = somma({valore(c.tspe), tInt.value_or(0.0)})) f_.imposta(c.SpeInt, formatta(*si, maschera()));

    const double rInt = dividi(per(valore(c.totint2), K), N).value_or(0.0);
    double rSp = 0;
    if (F && *F != 0 && !trim(f_.testo(c.speseN)).empty()) rSp = dividi(per(tSp.value_or(0.0), 100.0), F).value_or(0.0);
    f_.imposta(c.TegTXT, formatta(rInt + rSp, maschere::tasso3));

    const auto parziale = [&](std::optional<double> v, int campo) {
        if (v) f_.imposta(campo, formatta(*v, maschere::tasso3));
        return v.value_or(0.0);
    };
    const double pInt = parziale(dividi(per(I, K), N), c.IntSc);
    double pCms = 0;
    if (valNumero(f_.testo(c.ComMS)) != 0) pCms = parziale(dividi(per(C1, K), N), c.CMSc);
    if (valNumero(f_.testo(c.ComMS2)) != 0 && f_.testo(c.ComMS2) != "0") {
        const auto v = dividi(per(C2, 100.0), F);
        if (v) pCms = parziale(v, c.CMSc);
    }
    const double pExt = parziale(dividi(per(E, K), N), c.ECCSC);
    const double pSp = parziale(dividi(per(S, 100.0), F), c.SpeseSc);
    const double pOn = parziale(dividi(per(A, 100.0), F), c.OneriSc);
    f_.imposta(c.SommaParziali, formatta(pInt + pCms + pExt + pSp + pOn, maschere::tasso3));

    raggruppaCms(true, true);
    SogliaPeriodo();
}

void TegCalcolo::TegGlobale() {
    const auto& c = c_;
    striscia(false);
    for (int id : {c.soglia, c.Diff, c.tspe, c.TInt})
        f_.imposta(id, "");

    TassiPeriodo();

    if (f_.testo(c.ASpese).empty()) f_.imposta(c.ASpese, "0");
    if (f_.testo(c.TotalSpese).empty()) f_.imposta(c.TotalSpese, "0");

    const auto I = valore(c.intDare), C1 = valore(c.ComMS), C2 = valore(c.ComMS2), E = valore(c.extrafido),
               S = valore(c.speseN), A = valore(c.ASpese), N = valore(c.indMed2), K = valore(c.ga);
    const auto tInt = somma({I, C1, E});
    const auto tSp = somma({S, A, C2});
    if (tInt) f_.imposta(c.totInt, formatta(*tInt, maschera()));
    if (tSp) f_.imposta(c.tspe, formatta(*tSp, maschera()));
    if (const auto t2 = somma({tSp.value_or(0.0), valore(c.totInt)})) f_.imposta(c.totint2, testoNumero(*t2));
    if (const auto si = somma({valore(c.tspe), tInt.value_or(0.0)})) f_.imposta(c.SpeInt, formatta(*si, maschera()));

    const double teg = dividi(per(valore(c.totint2), K), N).value_or(0.0);
    f_.imposta(c.TegTXT, formatta(teg, maschere::tasso3));

    const auto parziale = [&](std::optional<double> v, int campo) {
        if (v) f_.imposta(campo, formatta(*v, maschere::tasso3));
        return v.value_or(0.0);
    };
    const double pInt = parziale(dividi(per(I, K), N), c.IntSc);
    const double pCms = parziale(dividi(per(f_.testo(c.ComMS) != "0" ? C1 : C2, K), N), c.CMSc);
    const double pExt = parziale(dividi(per(E, K), N), c.ECCSC);
    const double pSp = parziale(dividi(per(S, K), N), c.SpeseSc);
    const double pOn = parziale(dividi(per(A, K), N), c.OneriSc);
    f_.imposta(c.SommaParziali, formatta(pInt + pCms + pExt + pSp + pOn, maschere::tasso3));

    raggruppaCms(true, true);
    SogliaPeriodo();
}

void TegCalcolo::RigaReport() {
    const auto& c = c_;
    if (trim(f_.testo(c.TegTXT)).empty()) {
        ctx_.messaggio({.titolo = "", .testo = kNessunCalcolo, .icona = Icona::Informazione});
        return;
    }
    DatiRiga d;
    d.dal = f_.testo(c.dal);
    d.IndMedio = f_.testo(c.IndMedio);
    d.TegTXT = f_.testo(c.TegTXT);
    d.soglia = f_.testo(c.soglia);
    d.Diff = f_.testo(c.Diff);
    d.intDare = f_.testo(c.intDare);
    d.IntSc = f_.testo(c.IntSc);
    d.ComMS = f_.testo(c.ComMS);
    d.ComMS2 = f_.testo(c.ComMS2);
    d.CMSc = f_.testo(c.CMSc);
    d.extrafido = f_.testo(c.extrafido);
    d.ECCSC = f_.testo(c.ECCSC);
    d.speseN = f_.testo(c.speseN);
    d.SpeseSc = f_.testo(c.SpeseSc);
    d.ASpese = f_.testo(c.ASpese);
    d.OneriSc = f_.testo(c.OneriSc);
    lista_.accoda(vantrel::RigaReport(d, maschera()));
}

bool TegCalcolo::tasto(int id, const Battuta& b, std::optional<std::string>& r) {
    const auto& c = c_;
    for (int k : {c.Acc, c.ASpese, c.ComMS, c.ComMS2, c.extrafido, c.fido, c.intDare, c.NumeriD, c.speseN})
        if (k == id) {
            r = filtroNumerico(f_, id, b);
            return true;
        }
    if (id == c.Giorni && b.tasto == "\r") {
        f_.fuocoSuccessivo(id);
        r.reset();
        return true;
    }
    return false;
}

bool TegCalcolo::cambiato(int id) {
    const auto& c = c_;
    if (id == c.ComMS2)
        raggruppaCms(true, false);
    else if (id == c.ComMS)
        raggruppaCms(false, true);
    else if (id == c.dal)
        annoDelPeriodo(); // the days-per-year factor follows the dates
    else
        return false;
    return true;
}

bool TegCalcolo::uscito(int id) {
    const auto& c = c_;
    if (id == c.Giorni) {
        const std::string& g = f_.testo(c.Giorni);
        if (g != "0" && !trim(f_.testo(c.NumeriD)).empty()) {
            const auto n = leggiIntero16(g);
            if (const auto m = dividi(valore(c.NumeriD), n ? std::optional<double>(*n) : std::nullopt))
                f_.imposta(c.IndMedio, formatta(*m, maschera()));
            if (f_[c.Option2].selezionato) f_.imposta(c.fido, f_.testo(c.IndMedio));
        }
    } else if (id == c.fido) {
        riformatta(c.fido);
        f_.imposta(c.Acc, f_.testo(c.fido));
    } else if (id == c.Acc) {
        riformatta(c.Acc);
        f_.imposta(c.fido, f_.testo(c.Acc));
    } else if (id == c.NumeriD) {
        riformatta(c.NumeriD);
        f_.imposta(c.indMed2, f_.testo(c.NumeriD));
    } else if (id == c.ComMS || id == c.ComMS2) {
        f_.cambia(id, formattaTesto(f_.testo(id), maschera()));
    } else if (id == c.ASpese || id == c.extrafido || id == c.intDare || id == c.speseN || id == c.totInt ||
               id == c.tspe || id == c.SpeInt) {
        riformatta(id);
    } else {
        return false;
    }
    return true;
}

bool TegCalcolo::cliccato(int id) {
    const auto& c = c_;
    if (id == c.Command2)
        periodo("01/01/", "31/03/");
    else if (id == c.Command3)
        periodo("01/04/", "30/06/");
    else if (id == c.Command4)
        periodo("01/07/", "30/09/");
    else if (id == c.Command5)
        periodo("01/10/", "31/12/");
    else if (id == c.Command7)
        periodo("01/01/", "30/06/");
    else if (id == c.Command10)
        periodo("01/07/", "31/12/");
    else if (id == c.Command6)
        periodo("01/01/", "31/12/");
    else if (id == c.Command8)
        giorni();
    else if (id == c.Option2) {
        f_.imposta(c.fido, f_.testo(c.IndMedio));
        f_.imposta(c.Acc, f_.testo(c.IndMedio));
    } else if (id == c.euro || id == c.Lira) {
        ctx_.stato.ImportiInLire = id == c.Lira;
        ctx_.stato.MascheraImporti = std::string(ctx_.stato.ImportiInLire ? maschere::lire : maschere::euro);
    } else if (id == c.OK || id == c.Command9) {
        if (vuotiAZero_) azzeraVuoti();
        id == c.OK ? TegBancaItalia() : TegGlobale();
    } else if (id == c.via)
        RigaReport();
    else
        return id == c.Option1a || id == c.Option3 || id == c.Option4 || id == c.Option5;
    return true;
}

bool TegCalcolo::selezionato(int id) {
    const auto& c = c_;
    if (id == c.Combo1) {
        const auto anno = leggiNumero(f_.testo(c.Combo1));
        f_.imposta(c.ga, anno && bisestile(static_cast<int>(*anno)) ? "36600" : "36500");
    } else if (id == c.Combo2) {
        if (f_[c.Combo2].selezione == 1) f_.scegliOpzione(c.Option2);
    } else {
        return false;
    }
    return true;
}

} // namespace vantrel
