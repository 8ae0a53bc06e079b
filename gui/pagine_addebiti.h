#pragma once

#include <QObject>
#include <functional>

class QTableView;
class QWidget;

namespace vantrel {
class FinestraPratica;
class TabellaCelle;
} // namespace vantrel

namespace vantrel::gui {

class LegameFinestra;
class ModelloTabellaCelle;

/// The case window's pages "Addebiti banca" (the words that find the bank's charges, the charges
/// entered by hand per period) and "Note", laid out over the model's controls; the tables are made
/// by the window's own `tabella`, so they edit and select as its other tables do.
class PagineAddebiti : public QObject {
public:
    using CreaTabella = std::function<QTableView*(int id, TabellaCelle& t, ModelloTabellaCelle*& m)>;
    PagineAddebiti(FinestraPratica& modello, LegameFinestra& legame, const CreaTabella& tabella, QObject* parent);

    QWidget* addebiti() const { return addebiti_; }
    QWidget* note() const { return note_; }
    QTableView* tabellaParole() const { return parole_; }
    QTableView* tabellaAddebiti() const { return righe_; }
    QTableView* tabellaNote() const { return elenco_; }

    /// Brings the tables and their selection up to date with the model.
    void aggiorna();

private:
    QWidget* paginaAddebiti(const CreaTabella& tabella);
    QWidget* paginaNote(const CreaTabella& tabella);
    QWidget* gruppoParole(const CreaTabella& tabella);
    QWidget* gruppoInseriti(const CreaTabella& tabella);

    FinestraPratica& modello_;
    LegameFinestra& legame_;
    QWidget* addebiti_ = nullptr;
    QWidget* note_ = nullptr;
    QTableView* parole_ = nullptr;
    QTableView* righe_ = nullptr;
    QTableView* elenco_ = nullptr;
    ModelloTabellaCelle* modelloParole_ = nullptr;
    ModelloTabellaCelle* modelloRighe_ = nullptr;
    ModelloTabellaCelle* modelloNote_ = nullptr;
};

} // namespace vantrel::gui
