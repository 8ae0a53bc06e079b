#include "platform/xlsx/scrittore_xlsx_file.h"

#include "common/cartella_lavoro.h"
#include "common/file_sicuro.h"

#include <array>
#include <filesystem>
#include <xlsxwriter.h>

namespace vantrel {
namespace {

constexpr lxw_color_t kSfondoEvidenza = 0xFFC7CE;
constexpr lxw_color_t kTestoEvidenza = 0x9C0006;
constexpr lxw_color_t kSfondoIntestazione = 0xD9D9D9;
constexpr std::array<const char*, 5> kNumeri = {"General", "#,##0.00", "#,##0.000", "0", "dd/mm/yyyy"};

// The formats of one workbook: per number format, plain, highlighted and bold (totals).
struct Formati {
    std::array<lxw_format*, kNumeri.size()> normale{}, evidenziato{}, grassetto{};
    lxw_format* intestazione = nullptr;

    explicit Formati(lxw_workbook* wb) {
        for (std::size_t k = 0; k < kNumeri.size(); ++k) {
            for (auto* f : {normale[k] = workbook_add_format(wb), evidenziato[k] = workbook_add_format(wb),
                           grassetto[k] = workbook_add_format(wb)})
                if (k) format_set_num_format(f, kNumeri[k]);
            format_set_bg_color(evidenziato[k], kSfondoEvidenza);
            format_set_font_color(evidenziato[k], kTestoEvidenza);
            format_set_bold(grassetto[k]);
        }
        intestazione = workbook_add_format(wb);
        format_set_bold(intestazione);
        format_set_text_wrap(intestazione);
        format_set_bg_color(intestazione, kSfondoIntestazione);
        format_set_bottom(intestazione, 1);
    }
};

lxw_error scriviCella(lxw_worksheet* ws, lxw_row_t r, lxw_col_t c, const Cella& cella, lxw_format* f) {
    switch (cella.tipo) {
    case Cella::Tipo::Testo:
        if (!cella.testo.empty()) return worksheet_write_string(ws, r, c, cella.testo.c_str(), f);
        break;
    case Cella::Tipo::Numero:
        return worksheet_write_number(ws, r, c, cella.numero, f);
    case Cella::Tipo::Formula:
        return worksheet_write_formula_num(ws, r, c, cella.testo.c_str(), f, cella.numero);
    case Cella::Tipo::Vuota:
        break;
    }
    return worksheet_write_blank(ws, r, c, f);
}

lxw_error scriviFoglio(lxw_workbook* wb, const Formati& fm, const Foglio& f) {
    lxw_worksheet* ws = workbook_add_worksheet(wb, f.nome.c_str());
    if (!ws) return LXW_ERROR_SHEETNAME_ALREADY_USED;
    lxw_error e = LXW_NO_ERROR;
    const auto conserva = [&](lxw_error x) {
        if (e == LXW_NO_ERROR) e = x;
    };
    for (std::size_t c = 0; c < f.colonne.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        conserva(worksheet_set_column(ws, col, col, f.colonne[c].larghezza, nullptr));
        conserva(worksheet_write_string(ws, 0, col, f.colonne[c].titolo.c_str(), fm.intestazione));
    }
    worksheet_freeze_panes(ws, 1, 0);
    for (std::size_t r = 0; r < f.righe.size(); ++r) {
        const bool evidenza = r < f.evidenziate.size() && f.evidenziate[r];
        const auto& formati = evidenza ? fm.evidenziato : fm.normale;
        const auto& riga = f.righe[r];
        for (std::size_t c = 0; c < riga.size(); ++c) {
            const auto k = static_cast<std::size_t>(riga[c].formato);
            if (riga[c].tipo != Cella::Tipo::Vuota || evidenza)
                conserva(
                    scriviCella(ws, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c), riga[c], formati[k]));
        }
    }
    if (!f.righe.empty() && !f.colonne.empty())
        conserva(worksheet_autofilter(ws, 0, 0, static_cast<lxw_row_t>(f.righe.size()),
                                      static_cast<lxw_col_t>(f.colonne.size() - 1)));
    const std::size_t inizioTotali = f.righe.size() + 2;
    for (std::size_t r = 0; r < f.totali.size(); ++r)
        for (std::size_t c = 0; c < f.totali[r].size(); ++c) {
            const Cella& cella = f.totali[r][c];
            if (cella.tipo == Cella::Tipo::Vuota) continue;
            conserva(scriviCella(ws, static_cast<lxw_row_t>(inizioTotali + r), static_cast<lxw_col_t>(c), cella,
                                 fm.grassetto[static_cast<std::size_t>(cella.formato)]));
        }
    return e;
}

} // namespace

std::string ScrittoreXlsxFile::scrivi(const CartellaLavoro& c, const std::string& path) {
    // The workbook goes to a new file beside the target, which then takes its place.
    return sostituisciFile(path, [&](const std::string& nuovo) -> std::string {
        // Rows go straight to the file as they are written: less memory and time for long sheets.
        lxw_workbook_options opzioni{};
        opzioni.constant_memory = LXW_TRUE;
        lxw_workbook* wb = workbook_new_opt(nuovo.c_str(), &opzioni);
        if (!wb) return "impossibile creare " + path;
        lxw_error e = LXW_NO_ERROR;
        {
            const Formati fm(wb);
            for (const Foglio& f : c.fogli)
                if (e == LXW_NO_ERROR) e = scriviFoglio(wb, fm, f);
        }
        const lxw_error chiusura = workbook_close(wb);
        if (e == LXW_NO_ERROR) e = chiusura;
        if (e != LXW_NO_ERROR)
            return std::string("impossibile scrivere la cartella di lavoro (") + lxw_strerror(e) + ")";
        return {};
    });
}

} // namespace vantrel
