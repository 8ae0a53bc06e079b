#include "rates/mappa_serie.h"

#include "common/testo.h"
#include "rates/parole_categoria.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace vantrel {
namespace {

using Slot = std::array<std::uint8_t, 2>; // TM slots, 0 for none

// Where each class of the official categories goes in the rate table: the first class (no
// lower limit), the middle one, the last (no upper limit). Names are compared by their words.
// The other official categories (factoring, leasing, mortgages, personal credit ...) are not kept
// in the rate table.
struct Corrispondenza {
    const char* categoria;
    Slot prima, media, ultima;
};
constexpr Corrispondenza kCorrispondenze[] = {
    // Credit lines in current account, the whole history (lower case from 01/10/2025).
    {"APERTURE DI CREDITO IN CONTO CORRENTE", {1}, {}, {2}},
    // Overdrafts without a credit line, from 01/01/2010; renamed on 01/10/2025.
    {"SCOPERTI SENZA AFFIDAMENTO (dal 1° gennaio 2010)", {7}, {}, {8}},
    {"Scoperti senza affidamento", {7}, {}, {8}},
    // Advances and discounts: two classes up to 31/12/2009 ...
    {"ANTICIPI, SCONTI COMMERCIALI E ALTRI FINANZIAMENTI ALLE IMPRESE EFFETTUATI DALLE BANCHE (fino al 31 dicembre "
     "2009)",
     {3},
     {},
     {4}},
    // ... in the 1st quarter of 2010 the single "over 5.000" class also covers the third class ...
    {"ANTICIPI, SCONTI COMMERCIALI E ALTRI FINANZIAMENTI ALLE IMPRESE (I trimestre 2010)", {3}, {}, {4, 6}},
    // ... three classes from 01/04/2010 (5.000 / 100.000), from 01/04/2017 (50.000 / 200.000), from 01/10/2025.
    {"ANTICIPI E SCONTI (dal 1° aprile 2010)", {3}, {4}, {6}},
    {"ANTICIPI, SCONTI COMMERCIALI E FINANZIAMENTI ALL'IMPORTAZIONE", {3}, {4}, {6}},
    {"Finanziamenti per anticipi su crediti e documenti e sconto di portafoglio commerciale; finanziamenti "
     "all'importazione e anticipo fornitori",
     {3},
     {4},
     {6}},
};

constexpr const char* kNomiSlot[] = {"",
                                     "aperture di credito in conto corrente, prima classe",
                                     "aperture di credito in conto corrente, seconda classe",
                                     "anticipi e sconti, prima classe",
                                     "anticipi e sconti, seconda classe",
                                     "",
                                     "anticipi e sconti, terza classe",
                                     "scoperti senza affidamento, prima classe",
                                     "scoperti senza affidamento, seconda classe"};

const Corrispondenza* corrispondenza(const std::string& categoria) {
    static const std::vector<std::vector<std::string>> radici = [] {
        std::vector<std::vector<std::string>> r;
        for (const Corrispondenza& c : kCorrispondenze)
            r.push_back(radiciParole(c.categoria, true));
        return r;
    }();
    const std::vector<std::string> cercate = radiciParole(categoria, true);
    for (std::size_t i = 0; i < radici.size(); ++i)
        if (radici[i] == cercate) return &kCorrispondenze[i];
    return nullptr;
}

std::string periodoTesto(const PeriodoSerie& p) {
    return "periodo " + p.inizio.testo() + "-" + p.fine.testo();
}

} // namespace

PeriodiDallaSerie periodiDallaSerie(const SerieUfficiale& s) {
    PeriodiDallaSerie out;
    std::unordered_map<std::string, const Corrispondenza*> note; // names already looked up
    for (const PeriodoSerie& p : s.periodi()) {
        const std::string chiave = chiavePeriodo(p.inizio.trimestre(), p.inizio.anno);
        if (!out.periodi.empty() && out.periodi.back().chiave == chiave) continue; // a later part of a quarter
        PeriodoDallaSerie q;
        q.chiave = chiave;
        q.inizio = p.inizio;
        q.valori.periodo = chiave;
        std::array<int, 9> riga{}; // the row that filled each slot
        for (std::size_t i = p.prima; i < p.oltre; ++i) {
            const RigaSerie& r = s.righe()[i];
            const auto [it, nuova] = note.try_emplace(r.categoria, nullptr);
            if (nuova) it->second = corrispondenza(r.categoria);
            const Corrispondenza* c = it->second;
            if (!c) continue;
            const LimitiClasse& l = r.limiti;
            const bool classeNota = l.riconosciuta && (l.oltre || l.finoA);
            if (!classeNota || (l.oltre && l.finoA && c->media[0] == 0)) {
                out.errore = "riga " + std::to_string(r.riga) + ": classe " + citazione(r.classe) +
                             " non prevista per la categoria " + citazione(r.categoria);
                return out;
            }
            const Slot& slot = !l.oltre ? c->prima : l.finoA ? c->media : c->ultima;
            for (const std::uint8_t k : slot) {
                if (k == 0) continue;
                if (riga[k] != 0) {
                    out.errore = "riga " + std::to_string(r.riga) + ": nel " + periodoTesto(p) + " il tasso \"" +
                                 kNomiSlot[k] + "\" (TM" + std::to_string(k) + ") è già alla riga " +
                                 std::to_string(riga[k]);
                    return out;
                }
                riga[k] = r.riga;
                q.valori.TM[k] = static_cast<float>(r.tegm.valore());
                q.decimaliTM[k] = r.tegm.decimali;
                if (k <= 6) {
                    q.valori.TU[k] = static_cast<float>(r.soglia.valore());
                    q.decimaliTU[k] = r.soglia.decimali;
                }
            }
        }
        const bool dal2010 = p.inizio >= Data{2010, 1, 1};
        for (const std::uint8_t k : {1, 2, 3, 4, 6, 7, 8})
            if (riga[k] == 0 && (k <= 4 || dal2010)) {
                out.errore = "nel " + periodoTesto(p) + " manca il tasso \"" + kNomiSlot[k] + "\" (TM" +
                             std::to_string(k) + "): la serie usa un nome di categoria che il programma non conosce";
                return out;
            }
        out.periodi.push_back(std::move(q));
    }
    return out;
}

} // namespace vantrel
