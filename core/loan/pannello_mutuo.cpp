#include "loan/pannello_mutuo.h"

#include "common/format_mask.h"
#include "common/numbers.h"
#include "common/text.h"
#include "loan/fogli_piano.h"
#include "loan/formule_mutuo.h"
#include "loan/piano_ammortamento.h"
#include "loan/ricerche_mutuo.h"
#include "reports/file_report.h"

#include <cmath>

namespace vantrel {
namespace {

constexpr const char* kImpossibile = "Calcolo impossibile, riprova con altri dati.";
constexpr const char* kNomiDati[4] = {"Importo Mutuo", "Numero Rate", "Tasso Annuo", "Importo Rata"};

bool carattereImporto(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

} // namespace

PannelloMutuo::PannelloMutuo(Finestra& f, Contesto& ctx) : f_(f), ctx_(ctx) {
    const Schema& s = f.schema();
    id_ = Ids{s.id("txtImporto"),
              s.id("txtData"),
              s.id("anniX"),
              s.id("txtNumRate"),
              s.id("txtTasso"),
              s.id("txtRata"),
              s.id("SpesaUT"),
              s.id("SpesaM"),
              s.id("TxtTaeg"),
              s.id("TotIntM"),
              s.id("totmutuo"),
              s.id("TSpese"),
              s.id("LstPianoAmm"),
              s.id("CmdCalcola"),
              s.id("cmdStampa"),
              s.id("Frame1"),
              s.id("cmdEsportaXlsx"),
              s.id("cmdEsportaCsv"),
              {}};
    for (int k = 0; k < 6; ++k)
        id_.Option1[static_cast<std::size_t>(k)] = s.id("Option1(" + std::to_string(k) + ")");
}

void PannelloMutuo::carica() {
    stato_ = StatoMutuo{};
    stato_.MesiPeriodo = {1, 2, 3, 4, 6, 12};
    piano_ = {};
    bip_ = 0;
    dataNonValida_ = false;
    f_.imposta(id_.txtData, ctx_.oggi().testo());
}

double PannelloMutuo::numero(int id) const {
    return leggiNumero(f_.testo(id)).value_or(0);
}

int PannelloMutuo::opzioneScelta() const {
    for (int k = 0; k < 6; ++k)
        if (f_[id_.Option1[static_cast<std::size_t>(k)]].selezionato) return k;
    return 0;
}

void PannelloMutuo::avviso(const std::string& testo) {
    ctx_.messaggio(Messaggio{"ATTENZIONE", testo, Icona::Critica, Pulsanti::Ok, Risposta::Ok});
}

void PannelloMutuo::SelTesto(int id) {
    Controllo& c = modifica(f_, id);
    c.selezionaTesto(0, static_cast<int>(lunghezza(c.testo)));
    if (c.visibile && c.abilitato) f_.daiFuoco(id);
}

void PannelloMutuo::successivo(int da) {
    // The tab order of the tab; the selected frequency option is one stop among the fields.
    const auto& o = id_.Option1;
    const int ordine[] = {id_.txtImporto, id_.txtData,  o[5],        id_.anniX,   o[4],         id_.txtNumRate,
                          o[3],           id_.txtTasso, o[2],        id_.SpesaUT, o[1],         id_.SpesaM,
                          o[0],           id_.txtRata,  id_.TxtTaeg, id_.TotIntM, id_.totmutuo, id_.TSpese};
    constexpr int n = static_cast<int>(std::size(ordine));
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
    if (id == id_.txtImporto) {
        if (invio) {
            SelTesto(id_.txtData);
        } else if (t == "\b") {
            risultato = std::string(t);
        } else if (t.size() == 1 && carattereImporto(t[0])) {
            const char c = t[0] == '.' ? ',' : t[0];
            if (c == ',' && b.resto.find(',') != std::string_view::npos)
                ++bip_;
            else
                risultato = std::string(1, c);
        } else {
            ++bip_;
        }
        return true;
    }
    if (id == id_.txtTasso) {
        if (invio)
            successivo(id);
        else
            risultato = filtroNumerico(f_, id, b);
        return true;
    }
    if (id == id_.anniX) {
        if (invio)
            f_.daiFuoco(id_.txtTasso);
        else
            risultato = std::string(t);
        return true;
    }
    if (id == id_.txtRata) {
        if (invio) f_.daiFuoco(id_.CmdCalcola);
        return true;
    }
    if (id == id_.txtData || id == id_.SpesaUT || id == id_.SpesaM) {
        if (invio)
            successivo(id);
        else
            risultato = std::string(t);
        return true;
    }
    for (int o : id_.Option1)
        if (id == o) {
            if (invio) SelTesto(id_.txtRata);
            return true;
        }
    return false;
}

bool PannelloMutuo::uscito(int id) {
    if (id == id_.txtImporto || id == id_.txtRata || id == id_.SpesaUT || id == id_.SpesaM) {
        f_.imposta(id, formattaTesto(f_.testo(id), maschere::importoCampo));
        return true;
    }
    if (id == id_.anniX) {
        anniInRate();
        return true;
    }
    return id == id_.txtData;
}

bool PannelloMutuo::cliccato(int id) {
    if (id == id_.CmdCalcola) {
        CmdCalcola();
        return true;
    }
    if (id == id_.cmdStampa) {
        StampaPiano();
        return true;
    }
    if (id == id_.cmdEsportaXlsx || id == id_.cmdEsportaCsv) {
        EsportaPiano(id == id_.cmdEsportaXlsx);
        return true;
    }
    for (int o : id_.Option1)
        if (id == o) {
            anniInRate();
            return true;
        }
    return false;
}

void PannelloMutuo::anniInRate() {
    const int mesi = stato_.MesiPeriodo[static_cast<std::size_t>(opzioneScelta())];
    const double anni = valNumero(f_.testo(id_.anniX));
    double rate = std::nearbyint(anni * (12 / mesi)) + 0.0; // + 0.0 turns -0 into 0
    if (!std::isfinite(rate)) rate = 0;
    f_.cambia(id_.txtNumRate, testoNumero(rate));
}

void PannelloMutuo::RataMutuo() {
    stato_.TassoPeriodo = stato_.Tasso / 100 / stato_.RatePerAnno;
    const double importo = numero(id_.txtImporto);
    stato_.Rata = formulaRata(importo, stato_.Tasso, stato_.RatePerAnno, numero(id_.txtNumRate));
    stato_.QuotaInteressi = (importo - stato_.CapitaleRimborsato) * stato_.TassoPeriodo;
    stato_.QuotaCapitale = stato_.Rata - stato_.QuotaInteressi;
}

void PannelloMutuo::ImportoMutuo() {
    const double tasso = numero(id_.txtTasso);
    stato_.TassoPeriodo = tasso / 100 / stato_.RatePerAnno;
    stato_.Importo = formulaImporto(numero(id_.txtRata), tasso, stato_.RatePerAnno, numero(id_.txtNumRate));
}

void PannelloMutuo::NumeroRate() {
    const auto tasso = leggiNumero(f_.testo(id_.txtTasso));
    const auto rata = leggiNumero(f_.testo(id_.txtRata));
    const auto importo = leggiNumero(f_.testo(id_.txtImporto));
    if (!tasso || !rata || !importo) {
        stato_.CalcoloOk = false;
        return;
    }
    stato_.TassoPeriodo = *tasso / 100 / stato_.RatePerAnno;
    const auto n = formulaNumeroRate(*rata, *importo, *tasso, stato_.RatePerAnno);
    if (!n) {
        stato_.CalcoloOk = false;
        return;
    }
    stato_.NumRate = *n;
}

bool PannelloMutuo::TassoAnnuo() {
    const auto t =
        cercaTassoAnnuo(numero(id_.txtImporto), numero(id_.txtNumRate), stato_.RatePerAnno, numero(id_.txtRata));
    if (!t) return false;
    stato_.Tasso = *t;
    RataMutuo();
    return true;
}

void PannelloMutuo::costruisciPiano() {
    const auto d0 = ContrData(f_.testo(id_.txtData));
    if (!d0) {
        dataNonValida_ = true;
        return;
    }
    CampiPiano campi{f_.testo(id_.txtImporto), f_.testo(id_.txtNumRate), f_.testo(id_.txtTasso),
                     f_.testo(id_.SpesaM),     f_.testo(id_.SpesaUT),    *d0};
    Piano piano = PianoAmm(campi, stato_);
    modifica(f_, id_.LstPianoAmm).voci = std::move(piano.righe);
    piano_ = piano;
    f_.imposta(id_.txtRata, piano.txtRata);
    if (!piano.TotIntM.empty()) f_.imposta(id_.TotIntM, piano.TotIntM);
    if (!piano.totmutuo.empty()) f_.imposta(id_.totmutuo, piano.totmutuo);
    f_.imposta(id_.TSpese, piano.TSpese);
}

void PannelloMutuo::CmdCalcola() {
    if (f_.testo(id_.txtData).empty()) f_.imposta(id_.txtData, ctx_.oggi().testo());
    stato_.MesiRata = stato_.MesiPeriodo[static_cast<std::size_t>(opzioneScelta())];
    stato_.RatePerAnno = static_cast<std::int16_t>(std::lround(12.0 / stato_.MesiRata));

    const int campi[4] = {id_.txtImporto, id_.txtNumRate, id_.txtTasso, id_.txtRata};
    bool dato[4];
    int quanti = 0;
    for (int k = 0; k < 4; ++k)
        quanti += (dato[k] = !f_.testo(campi[k]).empty()) ? 1 : 0;
    modifica(f_, id_.LstPianoAmm).voci.clear();
    modifica(f_, id_.LstPianoAmm).selezione = -1;
    piano_ = {};
    dataNonValida_ = false;

    std::string messaggio;
    auto manca = [&](const char* intestazione) {
        messaggio = std::string(intestazione) + "\r\n";
        for (int k = 0; k < 4; ++k)
            if (!dato[k]) messaggio += std::string("\r\n") + kNomiDati[k];
    };
    // A given figure that is not a number, or one that would divide by zero, stops the calculation
    // with its own message instead of writing a meaningless figure.
    auto verifica = [&](std::initializer_list<int> usati) {
        for (int k : usati)
            if (!leggiNumero(f_.testo(campi[k]))) {
                messaggio = std::string("Il campo \"") + kNomiDati[k] + "\" non contiene un numero valido.";
                return false;
            }
        return true;
    };
    auto nonZero = [&](int k, const char* testo) {
        if (numero(campi[k]) != 0) return true;
        messaggio = testo;
        return false;
    };
    constexpr const char* kTassoZero = "Il tasso annuo deve essere diverso da zero.";
    constexpr const char* kRateZero = "Il numero delle rate deve essere diverso da zero.";

    if (quanti == 0) {
        manca("Ho bisogno di almeno 3 dei seguenti dati:");
    } else if (quanti == 1) {
        manca("Ho bisogno di almeno 2 dei seguenti dati:");
    } else if (quanti == 2) {
        manca("Ho bisogno di uno dei seguenti dati:");
    } else if (dato[0] && dato[1] && dato[2]) {
        if (verifica({0, 1, 2}) && nonZero(2, kTassoZero) && nonZero(1, kRateZero)) {
            stato_.Tasso = numero(id_.txtTasso);
            RataMutuo();
            if (std::isfinite(stato_.Rata)) {
                f_.imposta(id_.txtRata, formatta(stato_.Rata, maschere::importoMutuo));
                costruisciPiano();
            } else {
                messaggio = kImpossibile;
            }
        }
    } else if (dato[0] && dato[1] && dato[3]) {
        if (verifica({0, 1, 3}) && nonZero(1, kRateZero)) {
            if (TassoAnnuo() && std::isfinite(stato_.Tasso)) {
                f_.imposta(id_.txtTasso, testoNumero(std::trunc(stato_.Tasso * 1000) / 1000));
                costruisciPiano();
            } else {
                messaggio = kImpossibile;
            }
        }
    } else if (dato[0] && dato[2] && dato[3]) {
        if (verifica({0, 2, 3})) {
            stato_.CalcoloOk = true;
            NumeroRate();
            if (stato_.CalcoloOk) {
                f_.imposta(id_.txtNumRate, testoNumero(stato_.NumRate));
                costruisciPiano();
            } else {
                messaggio = kImpossibile;
            }
        }
    } else {
        if (verifica({1, 2, 3}) && nonZero(2, kTassoZero) && nonZero(1, kRateZero)) {
            ImportoMutuo();
            if (std::isfinite(stato_.Importo)) {
                f_.imposta(id_.txtImporto, formatta(stato_.Importo, maschere::importoMutuo));
                costruisciPiano();
            } else {
                messaggio = kImpossibile;
            }
        }
    }
    if (!messaggio.empty()) avviso(messaggio);
    f_.daiFuoco(dataNonValida_ ? id_.txtData : id_.txtImporto);
    CalcolaTaeg();
}

void PannelloMutuo::CalcolaTaeg() {
    const double netto = arrotonda4(numero(id_.txtImporto) - numero(id_.SpesaUT));
    const double rata = numero(id_.txtRata);
    const double j = numero(id_.txtTasso) / 100;
    const std::int16_t m =
        static_cast<std::int16_t>(12 / stato_.MesiPeriodo[static_cast<std::size_t>(opzioneScelta())]);
    const int n = leggiIntero16(f_.testo(id_.txtNumRate)).value_or(0);
    const auto taeg = cercaTaeg(netto, rata, j, m, n);
    if (taeg && std::isfinite(*taeg))
        f_.imposta(id_.TxtTaeg, formatta(*taeg, maschere::taeg));
    else if (!taeg && netto <= 0)
        f_.imposta(id_.TxtTaeg, "non calcolabile: netto erogato nullo");
    else
        f_.imposta(id_.TxtTaeg, "non calcolabile");
}

void PannelloMutuo::StampaPiano() {
    const auto& righe = f_[id_.LstPianoAmm].voci;
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

void PannelloMutuo::EsportaPiano(bool excel) {
    if (piano_.rate.empty()) {
        avviso("Calcolare prima il piano d'ammortamento.");
        return;
    }
    if (!ctx_.servizi.file) return;
    const auto path = ctx_.servizi.file->salva(excel ? "piano.xlsx" : "piano.csv", ctx_.stato.CartellaReport);
    if (!path || path->empty()) return;
    const int scadenza = id_.Option1[static_cast<std::size_t>(opzioneScelta())];
    DatiMutuo dati;
    for (int id : {id_.txtImporto, id_.txtData, scadenza, id_.txtNumRate, id_.txtTasso, id_.txtRata, id_.SpesaUT,
                   id_.SpesaM, id_.TxtTaeg, id_.TotIntM, id_.totmutuo, id_.TSpese})
        dati.push_back(f_.testo(id));
    const CartellaLavoro c = cartellaPiano(piano_, dati);
    std::string errore;
    if (!excel)
        errore = scriviFileSicuro(*path, csvFoglio(c.fogli.front()));
    else if (ctx_.servizi.xlsx)
        errore = ctx_.servizi.xlsx->scrivi(c, *path);
    else
        errore = "la scrittura dei file Excel non è disponibile";
    if (!errore.empty())
        ctx_.messaggio({kTitoloProgramma, "Impossibile salvare " + *path + ": " + errore, Icona::Critica});
}

} // namespace vantrel
