// The window model every screen is built on: editing at the caret, the fields that refuse keys,
// the Tab order, and a window made of parts.
#include "common/finestra_composta.h"
#include "common/numeri.h"
#include "support/stato_finestra.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vantrel {
namespace {

// Two parts: the amounts panel owns "Importo" (numeric filter) and counts its exits; the notes panel
// owns "Nota" and counts every event offered to it, its own or not.
struct Importi : ParteFinestra {
    Finestra* f = nullptr;
    int importo = -1, uscite = 0;
    bool tasto(int id, const Battuta& b, std::optional<std::string>& r) override {
        if (id != importo) return false;
        r = filtroNumerico(*f, id, b);
        return true;
    }
    bool uscito(int id) override { return id == importo && ++uscite; }
};
struct Note : ParteFinestra {
    int nota = -1, offerti = 0;
    bool cliccato(int id) override { return ++offerti && id == nota; }
    bool uscito(int id) override { return ++offerti && id == nota; }
};

const Schema& schemaProva() {
    static const Schema definito = [] {
        Schema s("Prova", "prova");
        s.aggiungi("Nota", Tipo::Testo).lunghezzaMassima = 5;
        s.aggiungi("Importo", Tipo::Testo);
        s.aggiungi("Spento", Tipo::Testo, "fermo").abilitato = false;
        s.aggiungi("Nascosto", Tipo::Testo).visibile = false;
        s.aggiungi("Letto", Tipo::Testo, "solo").solaLettura = true;
        s.aggiungi("Libero", Tipo::Testo);
        s.ordineTab({"Libero", "Spento", "Importo", "Nascosto", "Letto", "Nota"});
        return s;
    }();
    return definito;
}

class Prova : public FinestraComposta {
public:
    Prova() : FinestraComposta(schemaProva()) {
        importi.f = this;
        importi.importo = id("Importo");
        note.nota = id("Nota");
        aggiungiParte(importi);
        aggiungiParte(note);
    }
    Importi importi;
    Note note;
};

TEST(Finestra, ModificheAlCursore) {
    struct Caso {
        const char* nome;
        const char* campo;
        std::string prima;
        int ancora, cursore; // the selection before the action, in characters
        std::function<void(Finestra&, const char*)> azione;
        std::string dopo;
        int cursoreDopo;
    };
    const auto digita = [](const char* t) { return [t](Finestra& f, const char* c) { f.digita(c, t); }; };
    const auto premi = [](Tasto t) { return [t](Finestra& f, const char* c) { f.premi(c, t); }; };
    // A double click selects the word or number under it, which the next key then replaces.
    const auto doppioClic = [](int pos) {
        return [pos](Finestra& f, const char* c) {
            f.doppioClic(c, pos);
            f.digita(c, "x");
        };
    };
    const Caso casi[] = {
        {"Backspace su una lettera accentata", "Libero", "perché", 6, 6, premi(Tasto::Backspace), "perch", 5},
        {"Canc su una lettera accentata", "Libero", "èra", 0, 0, premi(Tasto::Canc), "ra", 0},
        {"il tasto sostituisce la selezione", "Libero", "12345", 1, 3, digita("à"), "1à45", 2},
        {"a metà testo", "Libero", "ab", 1, 1, digita("x"), "axb", 2},
        {"campo disabilitato", "Spento", "fermo", 5, 5, digita("x"), "fermo", 5},
        {"campo nascosto", "Nascosto", "", 0, 0, digita("x"), "", 0},
        {"campo di sola lettura", "Letto", "solo", 4, 4, digita("x"), "solo", 4},
        {"Backspace in sola lettura", "Letto", "solo", 4, 4, premi(Tasto::Backspace), "solo", 4},
        {"oltre la lunghezza massima", "Nota", "abcde", 5, 5, digita("f"), "abcde", 5},
        {"incolla sostituisce tutto, tagliato", "Nota", "ab", 2, 2,
         [](Finestra& f, const char* c) { f.incolla(c, "à€ìò€x"); }, "à€ìò€", 5},
        {"incolla al cursore nello spazio rimasto", "Nota", "ab", 1, 1,
         [](Finestra& f, const char* c) { f.incollaAlCursore(c, "xyzw\nseconda"); }, "axyzb", 4},
        {"Ctrl+A e un tasto sostituiscono tutto", "Libero", "èra", 1, 1,
         [](Finestra& f, const char* c) {
             f.selezionaTutto(c);
             f.digita(c, "x");
         },
         "x", 1},
        {"doppio clic su un numero e un tasto", "Libero", "4.500.000 euro", 0, 0, doppioClic(2), "x euro", 1},
        {"doppio clic su una parola accentata", "Libero", "è dell'anno già", 0, 0, doppioClic(4), "è x già", 3},
        {"il filtro muta il punto in virgola", "Importo", "12", 2, 2, digita("."), "12,", 3},
        {"una sola virgola", "Importo", "1,2", 3, 3, digita(","), "1,2", 3},
        {"una virgola al posto di quella selezionata", "Importo", "1,2", 1, 2, digita(","), "1,2", 2},
        {"niente lettere negli importi", "Importo", "1", 1, 1, digita("a"), "1", 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prova f;
        const int id = f.id(c.campo);
        f.imposta(id, c.prima);
        test::stato(f, c.campo).selezionaTesto(c.ancora, c.cursore);
        c.azione(f, c.campo);
        EXPECT_EQ(f.testo(id), c.dopo);
        EXPECT_EQ(f[id].cursore, c.cursoreDopo);
    }
}

// Keys typed one by one into an amount and what the field then reads: the separators as the program
// writes amounts, and keys held with a command modifier typing nothing, in any field.
TEST(Finestra, TastiDigitatiEImportoLetto) {
    const Modificatori alt{.alt = true}, ctrl{.controllo = true}, meta{.meta = true}, shift{.maiuscolo = true};
    struct Caso {
        const char* campo;
        std::vector<std::pair<const char*, Modificatori>> tasti; // a text is typed character by character
        const char* testo;
        std::optional<double> valore;
    };
    const Caso casi[] = {
        {"Importo", {{"1.850,50", {}}}, "1.850,50", 1850.5},
        {"Importo", {{"1.850.000,00", {}}}, "1.850.000,00", 1850000},
        {"Importo", {{"1,850,50", {}}}, "1.850,50", 1850.5},
        {"Importo", {{"12.5", {}}}, "12,5", 12.5}, // the keypad's decimal point
        {"Importo", {{"1.850", {}}}, "1,850", 1.85},
        {"Importo", {{"12,5,", {}}}, "12,5", 12.5},
        {"Importo", {{"12.5.", {}}}, "12,5", 12.5},
        {"Importo", {{"0.500,", {}}}, "0,500", 0.5}, // no group starts with 0
        {"Importo", {{"1000000", {}}, {"u", alt}}, "1000000", 1000000},
        {"Importo", {{"12", {}}, {"5", ctrl}, {"3", meta}, {",", alt}}, "12", 12},
        {"Importo", {{"12", {}}, {"3", shift}}, "123", 123},
        {"Libero", {{"ab", {}}, {"u", alt}, {"c", ctrl}, {"d", meta}, {"E", shift}}, "abE", std::nullopt},
    };
    for (const Caso& c : casi) {
        Prova f;
        std::string traccia;
        for (const auto& [testo, m] : c.tasti)
            for (const char k : std::string(testo)) {
                traccia += (m.comando() ? "^" : "") + std::string(1, k);
                f.digita(c.campo, std::string(1, k), m);
            }
        SCOPED_TRACE(traccia);
        EXPECT_EQ(f.testo(f.id(c.campo)), c.testo);
        EXPECT_EQ(leggiNumero(f.testo(f.id(c.campo))), c.valore);
    }
}

TEST(Finestra, AnnullaUnaSerieDiTastiInUnColpo) {
    Prova f;
    for (const char* t : {"a", "b", "c"})
        f.digita("Libero", t);
    f.premi("Libero", Tasto::Sinistra);
    f.digita("Libero", "x");
    f.annulla("Libero");
    EXPECT_EQ(f.testo(f.id("Libero")), "abc");
    f.annulla("Libero");
    EXPECT_EQ(f.testo(f.id("Libero")), "");
    f.ripeti("Libero");
    EXPECT_EQ(f.testo(f.id("Libero")), "abc");
}

// Tab follows the order given, skips what cannot take the focus, wraps round, and selects the text
// of the field it reaches; Enter in an amount field moves on the same way.
TEST(Finestra, OrdineDelFuoco) {
    Prova f;
    const auto tab = [&](const char* da) {
        f.premi(da, Tasto::Tab);
        return f.schema().definizione(f.fuoco()).nome;
    };
    EXPECT_EQ(tab("Libero"), "Importo");
    EXPECT_EQ(tab("Importo"), "Letto");
    EXPECT_EQ(f[f.id("Letto")].lunghezzaSelezione, 4);
    EXPECT_EQ(tab("Nota"), "Libero"); // round to the first
    EXPECT_EQ(f.importi.uscite, 1);   // Tab left "Importo" once
    f.digita("Importo", "\r");
    EXPECT_EQ(f.schema().definizione(f.fuoco()).nome, "Letto");
    test::stato(f, "Importo").abilitato = false;
    EXPECT_EQ(tab("Libero"), "Letto");
}

TEST(Finestra, OgniEventoAllaParteCheNePossiedeIlControllo) {
    Prova f;
    f.esci("Importo"); // the first part takes it: the second never hears of it
    EXPECT_EQ(f.importi.uscite, 1);
    EXPECT_EQ(f.note.offerti, 0);
    f.clicca("Nota");
    f.esci("Libero");
    EXPECT_EQ(f.note.offerti, 2);
    f.clicca("Spento"); // a disabled control hears no click
    EXPECT_EQ(f.note.offerti, 2);
    f.digita("Libero", "\r"); // a field no part claims ignores Enter
    EXPECT_EQ(f.testo(f.id("Libero")), "");
}

TEST(Schema, NomiUniciENotiSoltanto) {
    Schema s("Prova", "prova");
    s.aggiungi("Campo", Tipo::Testo);
    EXPECT_THROW(s.aggiungi("Campo", Tipo::Pulsante), std::invalid_argument);
    EXPECT_EQ(s.dimensione(), 1u);
    EXPECT_EQ(s.trova("Altro"), -1);
    EXPECT_THROW(s.id("Altro"), std::out_of_range);
    EXPECT_THROW(s.ordineTab({"Campo", "Altro"}), std::out_of_range);
}

} // namespace
} // namespace vantrel
