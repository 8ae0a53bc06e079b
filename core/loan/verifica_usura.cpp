#include "loan/verifica_usura.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "loan/formule_mutuo.h"
#include "loan/pannello_mutuo.h"
#include "loan/teg_usura.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"
#include "rates/soglia_ufficiale.h"
#include "rates/tipi_operazione.h"

#include <cmath>

namespace vantrel {
namespace {

std::string percento(double x) {
    return formatta(x, "#,##0.0000");
}

// The loan's TEG as shown, four decimals, in exact decimals: what the verdict compares.
TassoEsatto tegEsatto(double teg) {
    TassoEsatto t = TassoEsatto::leggi(formatta(std::fabs(teg), "0.0000")).value_or(TassoEsatto{});
    if (teg < 0) t.unita = -t.unita;
    return t;
}

// A rate on the threshold is within it.
std::string verdetto(const TassoEsatto& tasso, const TassoEsatto& soglia) {
    if (tasso <= soglia) return "entro la soglia";
    return "oltre la soglia di " + TassoEsatto::esatto(tasso.unita - soglia.unita).testoAlmeno(4) + " punti";
}

std::string euro(double x) {
    return formatta(x, maschere::euro);
}

} // namespace

const std::vector<std::string>& VerificaUsura::tipiOperazione() {
    static const std::vector<std::string> nomi = [] {
        std::vector<std::string> v;
        for (const TipoOperazione* t : tipiMutuo())
            v.push_back(t->nomeMutuo);
        return v;
    }();
    return nomi;
}

const std::vector<std::string>& VerificaUsura::intermediari() {
    static const std::vector<std::string> nomi = {"banca", "intermediario non bancario"};
    return nomi;
}

VerificaUsura::VerificaUsura(Finestra& f, Contesto& ctx, const PannelloMutuo& mutuo)
    : f_(f), ctx_(ctx), mutuo_(mutuo), c_(controlli<ControlliVerificaUsura>(f.schema())),
      m_(controlli<ControlliMutuo>(f.schema())) {}

double VerificaUsura::numero(int id) const {
    return leggiNumero(f_.testo(id)).value_or(0);
}

void VerificaUsura::carica() {
    esito_ = {};
    modifica(f_, c_.tipoOperazione).voci = tipiOperazione();
    f_.selezionaVoce(c_.tipoOperazione, 0);
    modifica(f_, c_.intermediario).voci = intermediari();
    f_.selezionaVoce(c_.intermediario, 0);
    for (int id : {c_.perizia, c_.assicurazione, c_.mediazione})
        f_.imposta(id, "0");
}

bool VerificaUsura::tasto(int id, const Battuta& t, std::optional<std::string>& risultato) {
    for (int n : {c_.speseIstruttoria, c_.perizia, c_.assicurazione, c_.mediazione, c_.tassoMora})
        if (id == n) {
            risultato = filtroNumerico(f_, id, t);
            return true;
        }
    return false;
}

bool VerificaUsura::uscito(int id) {
    // The costs are amounts and read as the loan's own expense fields do: two decimals, grouped.
    for (int n : {c_.speseIstruttoria, c_.perizia, c_.assicurazione, c_.mediazione})
        if (id == n) {
            if (const auto v = leggiNumero(f_.testo(id))) f_.imposta(id, euro(*v));
            return true;
        }
    return false;
}

bool VerificaUsura::cliccato(int id) {
    if (id != c_.verifica) return false;
    verifica();
    return true;
}

const SerieUfficiale* VerificaUsura::serie() {
    std::string errore;
    serie_ = serieDellaCartella(ctx_.stato.cartellaDati, errore);
    if (!serie_)
        erroreSerie_ = "Serie ufficiale dei tassi non disponibile (" + errore +
                       "): importarla dalla finestra dei tassi con \"Importa serie ufficiale...\".";
    return serie_.get();
}

// The kind chosen in the list, for the intermediary chosen; or an official category name of the
// contract date written in its place (as the thresholds window lists them).
VerificaUsura::Categoria VerificaUsura::categoria(const SerieUfficiale& s, const Data& contratto, double anni) {
    Categoria k;
    const double importo = numero(m_.importo);
    const Controllo& scelta = f_[c_.tipoOperazione];
    const auto tipi = tipiMutuo();
    const auto voce = static_cast<std::size_t>(scelta.selezione);
    if (scelta.selezione >= 0 && voce < tipi.size() && scelta.testo == scelta.voci[voce]) {
        const TipoOperazione& tipo = *tipi[voce];
        const Intermediario chi =
            f_[c_.intermediario].selezione == 1 ? Intermediario::NonBancario : Intermediario::Banca;
        k.ricerca = cercaTipo(s, contratto, tipo, chi, importo);
        k.nome = tipo.nomeMutuo;
        k.mora = tipo.mora;
    } else {
        k.ricerca = s.cerca(contratto, scelta.testo, importo);
        k.nome = scelta.testo;
        if (k.ricerca.riga) k.mora = tipoMoraDiCategoria(k.ricerca.riga->categoria);
    }
    // The surcharge of mortgage loans is for those over five years.
    if (k.mora == TipoMora::MutuoOltreCinqueAnni && anni <= 5) k.mora = TipoMora::AltriFinanziamenti;
    return k;
}

// A cost or a default rate no contract can have, refused with the name of its field.
std::string VerificaUsura::valoriNonAmmessi() const {
    const auto campo = [](const char* nome, const char* perche) {
        return std::string("Il campo \"") + nome + "\" " + perche;
    };
    for (const auto& [id, nome] : {std::pair{c_.speseIstruttoria, "Spese di istruttoria nel TEG"},
                                   {c_.perizia, "Perizia"},
                                   {c_.assicurazione, "Assicurazione"},
                                   {c_.mediazione, "Mediazione"},
                                   {c_.tassoMora, "Tasso di mora"}}) {
        if (f_.testo(id).empty()) continue;
        const auto v = leggiNumero(f_.testo(id));
        if (!v) return campo(nome, "non contiene un numero valido.");
        if (*v < 0) return campo(nome, "non può essere negativo.");
    }
    const std::string& mora = f_.testo(c_.tassoMora);
    if (!mora.empty() && (!TassoEsatto::leggi(mora) || TassoEsatto::leggi(mora)->valore() >= 1000))
        return campo("Tasso di mora", "deve essere un tasso tra 0 e 999,99.");
    return {};
}

CostiMutuo VerificaUsura::costi() const {
    // The inquiry expenses replace the loan's initial expenses in the TEG: they are not added to them.
    // Read afresh at every check, so that a change of the loan's expenses is never missed.
    const int iniziali = istruttoriaScritta() ? c_.speseIstruttoria : m_.speseIniziali;
    return {numero(iniziali), numero(c_.perizia), numero(c_.assicurazione), numero(c_.mediazione)};
}

bool VerificaUsura::istruttoriaScritta() const {
    return !trim(f_.testo(c_.speseIstruttoria)).empty();
}

void VerificaUsura::verifica() {
    esito_ = {};
    auto fine = [&](std::string errore) {
        esito_.errore = std::move(errore);
        mostra();
    };

    std::string data = f_.testo(c_.dataContratto);
    if (data.empty()) data = f_.testo(m_.dataErogazione);
    const auto contratto = leggiDataErogazione(data);
    if (!contratto) return fine("Data del contratto non valida: scriverla come gg/mm/aaaa.");
    if (std::string m = valoriNonAmmessi(); !m.empty()) return fine(std::move(m));
    const auto rata = leggiNumero(f_.testo(m_.rata));
    const auto numRate = leggiNumero(f_.testo(m_.numeroRate));
    if (!rata || !numRate || *rata <= 0 || *numRate < 1)
        return fine("Calcolare prima il mutuo: servono la rata e il numero delle rate.");
    const SerieUfficiale* s = serie();
    if (!s) return fine(erroreSerie_);

    const int perAnno = mutuo_.ratePerAnnoScelte();
    const Categoria k = categoria(*s, *contratto, *numRate / perAnno);
    if (!k.ricerca.riga) return fine("Soglia non trovata per \"" + k.nome + "\": " + k.ricerca.errore);
    const RigaSerie& r = *k.ricerca.riga;
    const SogliaUfficiale su = sogliaUfficiale(r, k.mora);
    const CostiMutuo c = costi();
    // The instalment shown already holds the expense of each instalment: it is counted there, once.
    const auto teg = tegUsuraMutuo(numero(m_.importo), *rata, static_cast<int>(std::lround(*numRate)), perAnno, c);
    if (!teg) return fine("TEG non calcolabile: l'importo al netto dei costi iniziali non è positivo.");

    esito_.tegUsura = percento(*teg);
    esito_.soglia = su.sogliaRegola.testoAlmeno(4);
    esito_.sogliaPubblicata = r.soglia.testo();
    esito_.esito = verdetto(tegEsatto(*teg), su.sogliaRegola);
    const std::string chi = f_[c_.intermediario].testo;
    esito_.righe = {
        "VERIFICA USURA",
        "Data del contratto: " + contratto->testo() + "  -  trimestre " + r.inizio.testo() + " - " + r.fine.testo(),
        "Tipo di operazione: " + k.nome + "  -  intermediario: " + (chi.empty() ? intermediari().front() : chi),
        "Categoria: " + r.categoria,
        "Classe: " + r.classe,
        "TEGM: " + r.tegm.testo() + "  -  " + nomeNorma(su.regola) + ": " + formulaNorma(su.regola),
        "Soglia: " + esito_.soglia + " (pubblicata: " + esito_.sogliaPubblicata + ")",
        "Fonte: " + descrizioneFonte(r.fonte),
        "Costi iniziali nel TEG: " +
            (istruttoriaScritta()
                 ? "spese di istruttoria " + euro(c.speseIniziali) +
                       " (al posto delle spese iniziali del mutuo, non in aggiunta)"
                 : "spese iniziali del mutuo " + euro(c.speseIniziali) + " (spese di istruttoria non indicate)") +
            ", perizia " + euro(c.perizia) + ", assicurazione " + euro(c.assicurazione) + ", mediazione " +
            euro(c.mediazione),
        "Rata pagata: " + euro(*rata) + ", comprese le spese per rata di " + euro(numero(m_.spesePerRata)) +
            " (contate una volta)",
        "Annualizzazione: anno di 12 mesi uguali, la rata k-esima a k/" + std::to_string(perAnno) +
            " di anno dall'erogazione",
        "TEG del mutuo: " + esito_.tegUsura + "  -  " + esito_.esito};
    if (const auto mora = TassoEsatto::leggi(f_.testo(c_.tassoMora))) verificaMora(*mora, su);
    mostra();
}

void VerificaUsura::verificaMora(const TassoEsatto& mora, const SogliaUfficiale& su) {
    const TassoEsatto& soglia = su.sogliaMora ? *su.sogliaMora : su.sogliaRegola;
    esito_.sogliaMora = soglia.testoAlmeno(4);
    esito_.esitoMora = "mora " + verdetto(mora, soglia);
    if (f_[c_.moraSommata].selezionato) {
        const TassoEsatto contratto = TassoEsatto::leggi(f_.testo(m_.tassoAnnuo)).value_or(TassoEsatto{});
        const TassoEsatto somma = TassoEsatto::esatto(mora.unita + contratto.unita);
        esito_.esitoMora += "; mora + tasso del contratto (" + somma.testoAlmeno(4) + ") " + verdetto(somma, soglia);
    }
    auto& righe = esito_.righe;
    if (su.mora)
        righe.push_back("Maggiorazione di mora: " + su.mora->punti.testo() + " punti (" + nomeTipoMora(su.tipoMora) +
                        "; " + su.mora->fonte + ")");
    else
        righe.push_back(std::string("Maggiorazione di mora ") + kMoraNonPubblicata + ": soglia ordinaria");
    righe.push_back("Soglia di mora: " + esito_.sogliaMora + "  -  tasso di mora " + mora.testoAlmeno(4) + ": " +
                    esito_.esitoMora);
}

void VerificaUsura::mostra() {
    const bool ok = esito_.errore.empty();
    f_.imposta(c_.tegUsura, esito_.tegUsura);
    f_.imposta(c_.soglia, esito_.soglia);
    f_.imposta(c_.esito, ok ? esito_.esito : esito_.errore);
    f_.imposta(c_.sogliaMora, esito_.sogliaMora);
    f_.imposta(c_.esitoMora, esito_.esitoMora);
    modifica(f_, c_.fonteSoglia).voci = ok ? esito_.righe : std::vector<std::string>{esito_.errore};
}

} // namespace vantrel
