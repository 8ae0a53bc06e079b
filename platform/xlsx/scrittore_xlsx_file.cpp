#include "platform/xlsx/scrittore_xlsx_file.h"

#include "common/cartella_lavoro.h"
#include "common/file_sicuro.h"
#include "platform/xlsx/cartella_xlsx_in_corso.h"

#include <array>
#include <memory>
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

} // namespace

struct CartellaXlsxInCorso::Stato {
    struct FoglioAperto {
        lxw_worksheet* ws = nullptr;
        std::size_t righe = 0, colonne = 0;
    };
    std::string destinazione;
    FileNuovo nuovo;
    lxw_workbook* wb = nullptr;
    std::unique_ptr<Formati> fm;
    std::vector<FoglioAperto> fogli;
    lxw_error errore = LXW_NO_ERROR;

    explicit Stato(const std::string& path) : destinazione(path), nuovo(path) {}

    void conserva(lxw_error x) {
        if (errore == LXW_NO_ERROR) errore = x;
    }

    void apri(const Foglio& f) {
        FoglioAperto& a = fogli.emplace_back();
        a.colonne = f.colonne.size();
        a.ws = workbook_add_worksheet(wb, f.nome.c_str());
        if (!a.ws) return conserva(LXW_ERROR_SHEETNAME_ALREADY_USED);
        for (std::size_t c = 0; c < f.colonne.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            conserva(worksheet_set_column(a.ws, col, col, f.colonne[c].larghezza, nullptr));
            conserva(worksheet_write_string(a.ws, 0, col, f.colonne[c].titolo.c_str(), fm->intestazione));
        }
        worksheet_freeze_panes(a.ws, 1, 0);
    }

    // The totals one row below the rows, in bold, and the filter over the rows.
    void chiudiFoglio(FoglioAperto& a, const std::vector<std::vector<Cella>>& totali) {
        if (!a.ws) return;
        if (a.righe > 0 && a.colonne > 0)
            conserva(worksheet_autofilter(a.ws, 0, 0, static_cast<lxw_row_t>(a.righe),
                                          static_cast<lxw_col_t>(a.colonne - 1)));
        const std::size_t inizio = a.righe + 2;
        for (std::size_t r = 0; r < totali.size(); ++r)
            for (std::size_t c = 0; c < totali[r].size(); ++c) {
                const Cella& cella = totali[r][c];
                if (cella.tipo == Cella::Tipo::Vuota) continue;
                conserva(scriviCella(a.ws, static_cast<lxw_row_t>(inizio + r), static_cast<lxw_col_t>(c), cella,
                                     fm->grassetto[static_cast<std::size_t>(cella.formato)]));
            }
    }
};

CartellaXlsxInCorso::CartellaXlsxInCorso(const CartellaLavoro& c, const std::string& path)
    : s_(std::make_unique<Stato>(path)) {
    if (s_->nuovo.percorso().empty()) return;
    // Rows go straight to the file as they are written: the memory of one row, and less time.
    lxw_workbook_options opzioni{};
    opzioni.constant_memory = LXW_TRUE;
    s_->wb = workbook_new_opt(s_->nuovo.percorso().c_str(), &opzioni);
    if (!s_->wb) return;
    s_->fm = std::make_unique<Formati>(s_->wb);
    for (const Foglio& f : c.fogli)
        s_->apri(f);
}

CartellaXlsxInCorso::~CartellaXlsxInCorso() {
    if (s_->wb) workbook_close(s_->wb); // what was not closed by chiudi is removed with its new file
}

void CartellaXlsxInCorso::riga(std::size_t foglio, const std::vector<Cella>& celle, bool evidenza) {
    if (!s_->wb || foglio >= s_->fogli.size() || !s_->fogli[foglio].ws) return;
    Stato::FoglioAperto& a = s_->fogli[foglio];
    const auto r = static_cast<lxw_row_t>(++a.righe);
    const auto& formati = evidenza ? s_->fm->evidenziato : s_->fm->normale;
    for (std::size_t c = 0; c < celle.size(); ++c)
        if (celle[c].tipo != Cella::Tipo::Vuota || evidenza)
            s_->conserva(scriviCella(a.ws, r, static_cast<lxw_col_t>(c), celle[c],
                                     formati[static_cast<std::size_t>(celle[c].formato)]));
}

std::string CartellaXlsxInCorso::chiudi(const std::vector<std::vector<std::vector<Cella>>>& totali) {
    if (s_->nuovo.percorso().empty()) return s_->nuovo.errore();
    if (!s_->wb) return "impossibile creare " + s_->destinazione;
    for (std::size_t f = 0; f < s_->fogli.size() && f < totali.size(); ++f)
        s_->chiudiFoglio(s_->fogli[f], totali[f]);
    for (std::size_t f = totali.size(); f < s_->fogli.size(); ++f)
        s_->chiudiFoglio(s_->fogli[f], {});
    const lxw_error chiusura = workbook_close(s_->wb);
    s_->wb = nullptr;
    s_->conserva(chiusura);
    if (s_->errore != LXW_NO_ERROR)
        return std::string("impossibile scrivere la cartella di lavoro (") + lxw_strerror(s_->errore) + ")";
    return s_->nuovo.sostituisci();
}

std::string ScrittoreXlsxFile::scrivi(const CartellaLavoro& c, const std::string& path) {
    CartellaXlsxInCorso x(c, path);
    std::vector<std::vector<std::vector<Cella>>> totali;
    for (std::size_t f = 0; f < c.fogli.size(); ++f) {
        const Foglio& foglio = c.fogli[f];
        for (std::size_t r = 0; r < foglio.righe.size(); ++r)
            x.riga(f, foglio.righe[r], r < foglio.evidenziate.size() && foglio.evidenziate[r]);
        totali.push_back(foglio.totali);
    }
    return x.chiudi(totali);
}

} // namespace vantrel
