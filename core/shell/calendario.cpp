#include "shell/calendario.h"

#include "common/numeri.h"

#include <cmath>

namespace vantrel {

const Schema& Calendario::schemaCalendario() {
    static const Schema s = [] {
        Schema sc("Calendario", "Calendario");
        aggiungi(sc, ControlliCalendario::kRighe);
        sc.ordineTab(ordineTab(ControlliCalendario::kRighe));
        return sc;
    }();
    return s;
}

Calendario::Calendario(Contesto& ctx)
    : Finestra(schemaCalendario()), ctx_(ctx), c_(controlli<ControlliCalendario>(schema())) {
    const std::string oggi = ctx_.oggi().testo();
    imposta(c_.data1, oggi);
    imposta(c_.data2, oggi);
}

Data Calendario::data1() const {
    return leggiData(testo(c_.data1)).value_or(ctx_.oggi());
}

Data Calendario::data2() const {
    return leggiData(testo(c_.data2)).value_or(ctx_.oggi());
}

void Calendario::scegliGiorno(std::string_view calendario, const Data& giorno) {
    const int i = id(calendario);
    if (giorno < kPrimoGiorno || giorno > kUltimoGiorno) return;
    imposta(i, giorno.testo());
    clicca(calendario);
}

void Calendario::contaGiorni() {
    imposta(c_.giorniTraLeDate, std::to_string(data2().numero() - data1().numero()));
}

void Calendario::sommaGiorni() {
    const double n = std::floor(valNumero(testo(c_.giorniDaAggiungere)));
    const double giorno = static_cast<double>(data1().numero()) + n;
    if (!(giorno >= static_cast<double>(kPrimoGiorno.numero()) &&
          giorno <= static_cast<double>(kUltimoGiorno.numero()))) {
        ctx_.messaggio({.titolo = "Calendario",
                        .testo = "La data risultante è fuori dal calendario, che va dal " + kPrimoGiorno.testo() +
                                 " al " + kUltimoGiorno.testo() + ": data 2 non cambia.",
                        .icona = Icona::Avviso});
        return;
    }
    imposta(c_.data2, Data::daNumero(static_cast<long>(giorno)).testo());
}

std::optional<std::string> Calendario::tasto(int id, const Battuta& b) {
    if (id != c_.giorniDaAggiungere) return Finestra::tasto(id, b);
    const std::string_view t = b.tasto;
    if (t == "\r") return std::nullopt;
    if (t == "\b") return std::string(t);
    if (t.size() == 1 && ((t[0] >= '0' && t[0] <= '9') || t[0] == '-' || t[0] == '.')) return std::string(t);
    return std::nullopt;
}

void Calendario::cambiato(int id) {
    if (id == c_.giorniDaAggiungere) sommaGiorni();
}

void Calendario::cliccato(int id) {
    if (id == c_.data1 || id == c_.data2) contaGiorni();
}

} // namespace vantrel
