#include "modello_tabella_celle.h"

#include "qt_testo.h"

#include <QBrush>
#include <QTimer>

namespace vantrel::gui {

ModelloTabellaCelle::ModelloTabellaCelle(TabellaCelle& tabella, QObject* parent)
    : QAbstractTableModel(parent), tabella_(tabella) {
    versione_ = tabella_.versione();
}

void ModelloTabellaCelle::aggiorna() {
    if (versione_ == tabella_.versione()) return;
    beginResetModel();
    versione_ = tabella_.versione();
    endResetModel();
}

int ModelloTabellaCelle::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tabella_.righe());
}

int ModelloTabellaCelle::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tabella_.colonne());
}

QVariant ModelloTabellaCelle::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid() || i.row() >= rowCount() || i.column() >= columnCount()) return {};
    const auto r = static_cast<std::size_t>(i.row()), c = static_cast<std::size_t>(i.column());
    switch (ruolo) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return qs(tabella_.cella(r, c));
    case Qt::TextAlignmentRole:
        return tabella_.numerica(c) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return tabella_.evidenziata(r) ? QVariant(QBrush(QColor(0xFF, 0xC7, 0xCE))) : QVariant();
    case Qt::ForegroundRole:
        return tabella_.evidenziata(r) ? QVariant(QBrush(QColor(0x9C, 0x00, 0x06))) : QVariant();
    default:
        return {};
    }
}

QVariant ModelloTabellaCelle::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole || o != Qt::Horizontal || sezione < 0 || sezione >= columnCount())
        return QAbstractTableModel::headerData(sezione, o, ruolo);
    return qs(tabella_.intestazione(static_cast<std::size_t>(sezione)));
}

Qt::ItemFlags ModelloTabellaCelle::flags(const QModelIndex& i) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (i.isValid() && tabella_.modificabile(static_cast<std::size_t>(i.row()), static_cast<std::size_t>(i.column())))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModelloTabellaCelle::setData(const QModelIndex& i, const QVariant& valore, int ruolo) {
    if (!i.isValid() || ruolo != Qt::EditRole) return false;
    const bool fatto = tabella_.scriviCella(static_cast<std::size_t>(i.row()), static_cast<std::size_t>(i.column()),
                                            ss(valore.toString().trimmed()));
    // The rows may have moved (a date changed): the table is read again once the editor has gone.
    QTimer::singleShot(0, this, [this] {
        aggiorna();
        if (dopoModifica) dopoModifica();
    });
    return fatto;
}

} // namespace vantrel::gui
