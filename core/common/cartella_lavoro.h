#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// How a number is shown: in a workbook as its number format, in texts and CSV files with the
/// Italian separators.
enum class Formato {
    Generale,
    Importo, // 1.234,56
    Tasso,   // 12,345
    Intero,  // 24
    Data,    // a date serial (days from 30/12/1899) shown as 15/03/2026
};

struct Cella {
    enum class Tipo { Vuota, Testo, Numero, Formula };
    Tipo tipo = Tipo::Vuota;
    std::string testo; // the text, or the formula ("=SUM(G2:G25)")
    double numero = 0; // the number, or the formula's value
    Formato formato = Formato::Generale;

    static Cella diTesto(std::string t);
    static Cella diNumero(double v, Formato f);
    /// A number read from a field text (Italian reading); an empty cell when the text is no number.
    static Cella daCampo(const std::string& testoCampo, Formato f);
    static Cella diFormula(std::string formula, double valore, Formato f);
};

struct ColonnaFoglio {
    std::string titolo;
    double larghezza = 10; // in characters
    Formato formato = Formato::Generale;
};

/// One sheet: a header row, the data rows, some of them highlighted, and totals below them.
struct Foglio {
    std::string nome;
    std::vector<ColonnaFoglio> colonne;
    std::vector<std::vector<Cella>> righe;
    std::vector<bool> evidenziate;          // as many as the rows
    std::vector<std::vector<Cella>> totali; // after one empty row
};

/// A workbook as the program describes it; the platform writes it as an .xlsx file.
struct CartellaLavoro {
    std::vector<Foglio> fogli;
};

/// A cell as the screen shows it: numbers with the Italian separators, dates day first.
std::string testoCella(const Cella& c);

/// A sheet as a CSV file a spreadsheet opens on an Italian system: UTF-8 with its BOM, ";" between
/// cells, the header row, the rows, an empty row and the totals, CR LF line ends.
std::string csvFoglio(const Foglio& f);

/// Appends a CSV field for ";"-separated files, quoted when it holds ";", a quote or a line break.
void accodaCampoCsv(std::string& out, std::string_view s);

/// The name of a column ("A", "B", ..., "AA") and of a cell ("C25") of a sheet.
std::string nomeColonnaFoglio(std::size_t colonna);
std::string nomeCella(std::size_t colonna, std::size_t riga);

} // namespace vantrel
