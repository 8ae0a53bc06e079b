#include "teg/verifica_cms.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "teg/catena_soglia.h"

#include <cmath>

namespace vantrel {
namespace {

const std::string kNd = "n.d.";

// A rate as the screen shows it (three decimals, half away from zero) and as the comparison reads it.
std::optional<TassoEsatto> tassoMostrato(std::optional<double> x) {
    if (!x || !std::isfinite(*x) || *x < 0) return std::nullopt;
    return TassoEsatto::leggi(formatta(*x, maschere::tasso3));
}

std::optional<double> tegSenzaCms(const DatiCms& d) {
    if (!d.numeri || *d.numeri == 0 || !d.divisore || !d.interessi || !d.altriInteressi || !d.spese || !d.altriOneri)
        return std::nullopt;
    const double k = *d.divisore / *d.numeri;
    if (!d.bancaItalia) return (*d.interessi + *d.altriInteressi + *d.spese + *d.altriOneri) * k;
    if (!d.fido || *d.fido == 0) return std::nullopt;
    return (*d.interessi + *d.altriInteressi) * k + (*d.spese + *d.altriOneri) * 100 / *d.fido;
}

// Amounts to the unit the currency is written in: cents of euro, whole lire.
struct Importi {
    Valuta valuta;
    int decimali() const { return valuta == Valuta::Lire ? 0 : 2; }
    double arrotondato(double x) const { return arrotonda(x, decimali()); }
    std::string testo(double x) const {
        const double a = arrotondato(x);
        return formatta(a == 0 ? 0.0 : a, valuta == Valuta::Lire ? maschere::lire : maschere::euro);
    }
    const char* nome() const { return valuta == Valuta::Lire ? "lire" : "euro"; }
};

void nonApplicata(EsitoCms& e, EsitoCms::Caso caso, std::string esito) {
    e.caso = caso;
    e.esito = std::move(esito);
}

// The figures of the test as they are compared: rates as shown, amounts rounded to their unit.
struct Figure {
    std::optional<TassoEsatto> teg, tassoCms, sogliaCms;
    std::optional<double> margine, eccedenza;
};

Figure figure(const DatiCms& d, double cms, const Importi& importi, const EsitoCms& e) {
    Figure x;
    x.teg = tassoMostrato(tegSenzaCms(d));
    if (!e.massimoScopertoMancante) x.tassoCms = tassoMostrato(cms * 100 / *d.massimoScoperto);
    if (!e.cmsMediaMancante) x.sogliaCms = sogliaSecondoRegola(*d.cmsMedia, d.norma);
    if (x.teg && d.soglia)
        x.margine = importi.arrotondato(static_cast<double>(d.soglia->unita - x.teg->unita) /
                                        static_cast<double>(TassoEsatto::kPunto) * *d.numeri / *d.divisore);
    // An excess only where the CMS rate is over its threshold: never a negative one.
    if (x.tassoCms && x.sogliaCms)
        x.eccedenza = *x.tassoCms > *x.sogliaCms
                          ? importi.arrotondato(cms - x.sogliaCms->valore() * *d.massimoScoperto / 100)
                          : 0.0;
    return x;
}

void giudica(const Figure& x, const DatiCms& d, const Importi& importi, EsitoCms& e) {
    if (x.teg && d.soglia && *x.teg > *d.soglia) {
        e.caso = EsitoCms::Caso::OltreInteressi;
        e.esito = "oltre la soglia (interessi)";
    } else if (!x.margine || !x.eccedenza) {
        e.caso = EsitoCms::Caso::DaVerificare;
        e.esito = "CMS da verificare";
    } else if (std::llround(*x.eccedenza * 100) > std::llround(*x.margine * 100)) {
        e.caso = EsitoCms::Caso::OltreCms;
        e.esito = "oltre la soglia (CMS non compensata: eccedenza " + e.eccedenza + " " + importi.nome() +
                  ", margine " + e.margine + " " + importi.nome() + ")";
    } else {
        e.caso = EsitoCms::Caso::Entro;
        e.esito = kCmsEntroSoglia;
    }
}

std::string lettura(LetturaCms l) {
    return l == LetturaCms::Separata ? "verifica CMS separata (Cass. SS.UU. 16303/2018)" : "CMS nel TEG";
}

} // namespace

EsitoCms verificaCms(const DatiCms& d) {
    EsitoCms e;
    const double cms = d.cmsInteressi.value_or(0.0) + d.cmsSpese.value_or(0.0);
    if (!(cms > 0)) {
        nonApplicata(e, EsitoCms::Caso::SenzaCms, "nessuna CMS nel periodo");
        return e;
    }
    if (!d.fine) {
        nonApplicata(e, EsitoCms::Caso::DaVerificare, "CMS da verificare");
        e.tegSenzaCms = e.tassoCms = e.sogliaCms = e.eccedenza = e.margine = kNd;
        return e;
    }
    if (*d.fine > kFineCmsSeparata) {
        nonApplicata(e, EsitoCms::Caso::CmsNelTeg, "CMS compresa nel TEG (periodi dal 01/01/2010)");
        return e;
    }
    if (d.lettura == LetturaCms::NelTeg) {
        nonApplicata(e, EsitoCms::Caso::LetturaNelTeg, "CMS nel TEG (lettura scelta nelle impostazioni)");
        return e;
    }
    const Importi importi{d.valuta};
    e.massimoScopertoMancante = !d.massimoScoperto || !(*d.massimoScoperto > 0);
    e.cmsMediaMancante = !d.cmsMedia || d.cmsMedia->unita == 0;
    const Figure x = figure(d, cms, importi, e);
    e.tegSenzaCms = x.teg ? x.teg->testo(3) : kNd;
    e.tassoCms = x.tassoCms ? x.tassoCms->testo(3) : kNd;
    e.sogliaCms = x.sogliaCms ? x.sogliaCms->testo() : kNd;
    e.eccedenza = x.eccedenza ? importi.testo(*x.eccedenza) : kNd;
    e.margine = x.margine ? importi.testo(*x.margine) : kNd;
    giudica(x, d, importi, e);
    return e;
}

std::vector<std::string> righeVerificaCms(const DatiCms& d, const EsitoCms& e, std::string_view maschera) {
    const auto importo = [&](std::optional<double> x) { return x ? formatta(*x, maschera) : kNd; };
    const auto numero = [&](std::optional<double> x) { return x ? formatta(*x, "#,###,###,###,##0") : kNd; };
    std::vector<std::string> r = {"   VERIFICA DELLA CMS NEI PERIODI FINO AL 31/12/2009", "  "};
    voce(r, "Lettura", lettura(d.lettura) + ", dalle impostazioni");
    if (!e.applicata() || !d.fine) {
        voce(r, "Esito CMS", e.esito);
        if (e.caso == EsitoCms::Caso::CmsNelTeg || e.caso == EsitoCms::Caso::LetturaNelTeg)
            voce(r, "", "la CMS è nel T.E.G. confrontato con la soglia qui sopra");
        r.insert(r.end(), {"  ", "   ------------------------------------------------------------------------", "  "});
        return r;
    }
    const std::string cms = importo(d.cmsInteressi.value_or(0.0) + d.cmsSpese.value_or(0.0));
    const std::string massimo = importo(d.massimoScoperto);
    const std::string divisore = numero(d.divisore);
    const std::string soglia = d.soglia ? d.soglia->testo() : kNd;
    voce(r, "CMS addebitata",
         cms + " (lato interessi " + importo(d.cmsInteressi) + ", lato spese " + importo(d.cmsSpese) + ")");
    voce(r, "Massimo scoperto", massimo);
    if (d.bancaItalia)
        voce(r, "T.E.G. senza CMS",
             "(" + importo(d.interessi) + " + " + importo(d.altriInteressi) + ") x " + divisore + " / " +
                 importo(d.numeri) + " + (" + importo(d.spese) + " + " + importo(d.altriOneri) + ") x 100 / " +
                 importo(d.fido) + " = " + e.tegSenzaCms);
    else
        voce(r, "T.E.G. senza CMS",
             "(" + importo(d.interessi) + " + " + importo(d.altriInteressi) + " + " + importo(d.spese) + " + " +
                 importo(d.altriOneri) + ") x " + divisore + " / " + importo(d.numeri) + " = " + e.tegSenzaCms);
    voce(r, "Tasso soglia del periodo", soglia);
    voce(r, "Tasso CMS", cms + " x 100 / " + massimo + " = " + e.tassoCms);
    voce(r, "CMS media del trimestre", d.cmsMedia && d.cmsMedia->unita ? d.cmsMedia->testoAlmeno(2) : kNd);
    voce(r, "CMS soglia", d.cmsMedia && d.cmsMedia->unita ? formulaSoglia(*d.cmsMedia, d.norma) : kNd);
    voce(r, "Eccedenza CMS",
         cms + " - " + e.sogliaCms + " x " + massimo + " / 100 = " + e.eccedenza +
             " (solo se il tasso CMS supera la CMS soglia)");
    voce(r, "Margine interessi",
         "(" + soglia + " - " + e.tegSenzaCms + ") x " + importo(d.numeri) + " / " + divisore + " = " + e.margine);
    voce(r, "Esito CMS", e.esito);
    voce(r, "Riferimento",
         "Cass. SS.UU. 16303/2018: T.E.G. senza CMS contro la soglia, tasso CMS contro la CMS "
         "soglia, eccedenza CMS compensata con il margine degli interessi");
    r.insert(r.end(), {"  ", "   ------------------------------------------------------------------------", "  "});
    return r;
}

} // namespace vantrel
