#pragma once

#include "account/riepilogo_pratica.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace vantrel::gui {

/// The results table of an account as a Qt table model over the core's table: the quarters over
/// the threshold in dark red on a light red ground, with a warning icon in the result column.
class ModelloTabellaPratica : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloTabellaPratica(const RiepilogoPratica& pratica, QObject* parent = nullptr);

    /// Takes in the rows added since the last call, or the whole table after a new import.
    void aggiorna();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;

private:
    const RiepilogoPratica& pratica_;
    int righe_ = 0;
    int importazione_ = -1;
    QIcon avviso_;
};

} // namespace vantrel::gui
