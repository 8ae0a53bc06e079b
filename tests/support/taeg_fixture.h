#pragma once

#include "support/ambiente.h"
#include "teg/finestra_calcolo.h"

#include <gtest/gtest.h>
#include <memory>

namespace vantrel::test {

/// A calculation window on an empty program folder, with scripted answers and a fixed clock.
class FinestraTaeg : public ::testing::Test, protected Ambiente {
protected:
    FinestraTaeg() : w(std::make_unique<FinestraCalcolo>(ctx)) {}

    /// Stores one quarter of averages: TM1, TM2, TM7, TM8, TM3, TM4, TM6.
    void periodo(const std::string& chiave, std::initializer_list<float> medie) {
        TabellaTassi& t = ctx.stato.tassi;
        const int n = t.validi() + 1;
        RecordTassi& r = t.slot(n);
        r = RecordTassi{};
        r.numRec = static_cast<std::int16_t>(n);
        r.periodo = chiave;
        const int ordine[] = {1, 2, 7, 8, 3, 4, 6};
        int k = 0;
        for (float m : medie)
            r.TM[static_cast<std::size_t>(ordine[k++])] = m;
        t.numPeriodi = static_cast<std::int16_t>(n);
    }

    /// Pastes a text and leaves the field, as a user does field after field.
    void campo(const std::string& nome, const std::string& testo) {
        w->incolla(nome, testo);
        w->esci(nome);
    }
    const std::string& t(const std::string& nome) { return (*w)[nome].testo; }

    std::unique_ptr<FinestraCalcolo> w;
};

} // namespace vantrel::test
