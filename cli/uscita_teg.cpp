#include "uscita_teg.h"

#include "common/cartella_lavoro.h"
#include "report_hook.h"
#include "teg/teg_controlli.h"

#include <array>
#include <nlohmann/json.hpp>
#include <ostream>

namespace vantrel::cli {
namespace {

// The output columns, headed by the controls' own names.
using C = ControlliTeg;
constexpr std::array<int C::*, 24> kColonneUscita = {&C::giorni,
                                                     &C::indebitamentoMedio,
                                                     &C::totaleInteressi,
                                                     &C::formulaInteressi,
                                                     &C::formulaSpese,
                                                     &C::totaleSpese,
                                                     &C::totaleInteressiSpese,
                                                     &C::teg,
                                                     &C::tegInteressi,
                                                     &C::tegCms,
                                                     &C::tegAltriInteressi,
                                                     &C::tegSpese,
                                                     &C::tegAltriOneri,
                                                     &C::sommaParziali,
                                                     &C::tegVociInteressi,
                                                     &C::tegVociSpese,
                                                     &C::soglia,
                                                     &C::supero,
                                                     &C::tegSenzaCms,
                                                     &C::tassoCms,
                                                     &C::sogliaCms,
                                                     &C::eccedenzaCms,
                                                     &C::margineInteressi,
                                                     &C::esitoCms};

std::string unisci(const std::vector<std::string>& v, const std::string& sep) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i ? sep : "") + v[i];
    return s;
}

} // namespace

UscitaTeg::UscitaTeg(std::string formato, std::ostream& out) : formato_(std::move(formato)), out_(out) {
    const Schema& s = FinestraCalcolo::schemaCalcolo();
    for (int C::*c : kColonneUscita)
        colonne_.push_back(controlli<ControlliTeg>(s).*c);
    if (formato_ != "csv") return;
    for (int id : colonne_)
        (buf_ += s.definizione(id).nome) += ';';
    buf_ += "messaggio;riga\n";
}

void UscitaTeg::intestazione(const std::string& riga) {
    if (formato_ == "testo") (buf_ += riga) += '\n';
}

void UscitaTeg::periodo(FinestraCalcolo& w, const EsitoControllo& e) {
    if (formato_ == "testo" && !e.riga.empty()) (buf_ += e.riga) += '\n';
    if (formato_ == "csv") {
        for (int id : colonne_) {
            accodaCampoCsv(buf_, w.testo(id));
            buf_ += ';';
        }
        accodaCampoCsv(buf_, unisci(e.messaggi, " | "));
        buf_ += ';';
        accodaCampoCsv(buf_, e.riga);
        buf_ += '\n';
    } else if (formato_ == "json") {
        nlohmann::json campi = nlohmann::json::object();
        const Schema& sc = w.schema();
        for (std::size_t i = 0; i < sc.dimensione(); ++i) {
            const auto& d = sc.definizione(static_cast<int>(i));
            if (d.tipo == Tipo::Testo || d.tipo == Tipo::Data) campi[d.nome] = w[static_cast<int>(i)].testo;
        }
        const nlohmann::json oggetto = {
            {"campi", campi}, {"messaggi", e.messaggi}, {"riga", e.riga}, {"riepilogo", riepilogoDi(w)}};
        // As one array dumped with an indent of 2 would write it: the object one level in.
        buf_ += righeJson_++ == 0 ? "[\n  " : ",\n  ";
        // Line breaks inside texts are written as \n: every one of the dump is the object's own.
        const std::string testo = oggetto.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
        std::size_t da = 0;
        for (std::size_t a; (a = testo.find('\n', da)) != std::string::npos; da = a + 1)
            buf_.append(testo, da, a + 1 - da) += "  ";
        buf_.append(testo, da);
    }
}

void UscitaTeg::fine() {
    if (formato_ == "json") buf_ += righeJson_ == 0 ? "[]\n" : "\n]\n";
}

void UscitaTeg::scarica(std::size_t soglia) {
    if (buf_.size() < soglia) return;
    out_ << buf_;
    buf_.clear();
}

} // namespace vantrel::cli
