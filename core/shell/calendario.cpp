#include "shell/calendario.h"

#include "common/numeri.h"

#include <cmath>

namespace vantrel {

const Schema& Calendario::schemaCalendario() {
    static const Schema s = [] {
        Schema sc("Calendario", "Calendario");
        sc.aggiungi("LblCal1", Tipo::Etichetta, "Calendario 1");
        sc.aggiungi("CAL1", Tipo::Data);
        sc.aggiungi("LblCal2", Tipo::Etichetta, "Calendario 2");
        sc.aggiungi("Cal2", Tipo::Data);
        sc.aggiungi("LblNrgg", Tipo::Etichetta, "nr.  giorni tra data 1 e data 2");
        sc.aggiungi("nrgg", Tipo::Testo).solaLettura = true;
        sc.aggiungi("LblGiorni", Tipo::Etichetta, "data 2 = data1 + nr giorni");
        sc.aggiungi("Giorni", Tipo::Testo).lunghezzaMassima = 12;
        sc.ordineTab({"CAL1", "Cal2", "nrgg", "Giorni"});
        return sc;
    }();
    return s;
}

Calendario::Calendario(Contesto& ctx)
    : Finestra(schemaCalendario()), ctx_(ctx), CAL1_(id("CAL1")), Cal2_(id("Cal2")), nrgg_(id("nrgg")),
      Giorni_(id("Giorni")) {
    const std::string oggi = ctx_.oggi().testo();
    imposta(CAL1_, oggi);
    imposta(Cal2_, oggi);
}

Data Calendario::data1() const {
    return leggiData(testo(CAL1_)).value_or(ctx_.oggi());
}

Data Calendario::data2() const {
    return leggiData(testo(Cal2_)).value_or(ctx_.oggi());
}

void Calendario::scegliGiorno(std::string_view calendario, const Data& giorno) {
    const int i = id(calendario);
    if (giorno < kPrimoGiorno || giorno > kUltimoGiorno) return;
    imposta(i, giorno.testo());
    clicca(calendario);
}

void Calendario::ContaGiorni() {
    imposta(nrgg_, std::to_string(data2().numero() - data1().numero()));
}

void Calendario::SommaGiorni() {
    const double n = std::floor(valNumero(testo(Giorni_)));
    const double giorno = static_cast<double>(data1().numero()) + n;
    if (!(giorno >= static_cast<double>(kPrimoGiorno.numero()) &&
          giorno <= static_cast<double>(kUltimoGiorno.numero()))) {
        ctx_.messaggio({.titolo = "Calendario",
                        .testo = "La data risultante è fuori dal calendario, che va dal " + kPrimoGiorno.testo() +
                                 " al " + kUltimoGiorno.testo() + ": data 2 non cambia.",
                        .icona = Icona::Avviso});
        return;
    }
    imposta(Cal2_, Data::daNumero(static_cast<long>(giorno)).testo());
}

std::optional<std::string> Calendario::tasto(int id, const Battuta& b) {
    if (id != Giorni_) return Finestra::tasto(id, b);
    const std::string_view t = b.tasto;
    if (t == "\r") return std::nullopt;
    if (t == "\b") return std::string(t);
    if (t.size() == 1 && ((t[0] >= '0' && t[0] <= '9') || t[0] == '-' || t[0] == '.')) return std::string(t);
    return std::nullopt;
}

void Calendario::cambiato(int id) {
    if (id == Giorni_) SommaGiorni();
}

void Calendario::cliccato(int id) {
    if (id == CAL1_ || id == Cal2_) ContaGiorni();
}

} // namespace vantrel
