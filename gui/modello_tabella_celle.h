#pragma once

#include "case_window/tabella_celle.h"

#include <QAbstractTableModel>
#include <functional>

namespace vantrel::gui {

/// A core table (TabellaCelle) as a Qt table model: figures to the right, highlighted rows in dark
/// red on a light red ground, and a cell's edit handed to the core, which writes or refuses it.
class ModelloTabellaCelle : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloTabellaCelle(TabellaCelle& tabella, QObject* parent = nullptr);

    /// Reads the table again when its rows were replaced.
    void aggiorna();
    /// Runs after a cell's edit reached the core, accepted or not.
    std::function<void()> dopoModifica;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    bool setData(const QModelIndex& i, const QVariant& valore, int ruolo) override;

private:
    TabellaCelle& tabella_;
    int versione_ = -1;
};

} // namespace vantrel::gui
