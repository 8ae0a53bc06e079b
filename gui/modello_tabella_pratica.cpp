#include "modello_tabella_pratica.h"

#include "account/fogli_pratica.h"
#include "qt_testo.h"

#include <QApplication>
#include <QBrush>
#include <QStyle>

namespace vantrel::gui {

ModelloTabellaPratica::ModelloTabellaPratica(const RiepilogoPratica& pratica, QObject* parent)
    : QAbstractTableModel(parent), pratica_(pratica),
      avviso_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {}

void ModelloTabellaPratica::aggiorna() {
    const int n = static_cast<int>(pratica_.tabella().righe.size());
    if (pratica_.importazioni() != importazione_ || n < righe_) {
        beginResetModel();
        importazione_ = pratica_.importazioni();
        righe_ = n;
        endResetModel();
    } else if (n > righe_) {
        beginInsertRows({}, righe_, n - 1);
        righe_ = n;
        endInsertRows();
    }
}

int ModelloTabellaPratica::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : righe_;
}

int ModelloTabellaPratica::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(pratica_.tabella().colonne.size());
}

QVariant ModelloTabellaPratica::data(const QModelIndex& i, int ruolo) const {
    const Foglio& f = pratica_.tabella();
    const auto r = static_cast<std::size_t>(i.row());
    const auto c = static_cast<std::size_t>(i.column());
    if (!i.isValid() || r >= f.righe.size() || c >= f.righe[r].size()) return {};
    const Cella& cella = f.righe[r][c];
    const bool oltre = r < f.evidenziate.size() && f.evidenziate[r];
    switch (ruolo) {
    case Qt::DisplayRole:
        return qs(testoCella(cella));
    case Qt::TextAlignmentRole:
        return cella.tipo == Cella::Tipo::Testo || cella.formato == Formato::Data
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return oltre ? QVariant(QBrush(QColor(0xFF, 0xC7, 0xCE))) : QVariant();
    case Qt::ForegroundRole:
        return oltre ? QVariant(QBrush(QColor(0x9C, 0x00, 0x06))) : QVariant();
    case Qt::DecorationRole:
        return oltre && c == kColonnaEsito ? QVariant(avviso_) : QVariant();
    case Qt::ToolTipRole:
        return oltre ? QStringLiteral("TEG oltre il tasso soglia") : QVariant();
    default:
        return {};
    }
}

QVariant ModelloTabellaPratica::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    const auto& colonne = pratica_.tabella().colonne;
    if (ruolo != Qt::DisplayRole || o != Qt::Horizontal || sezione < 0 ||
        static_cast<std::size_t>(sezione) >= colonne.size())
        return QAbstractTableModel::headerData(sezione, o, ruolo);
    return qs(colonne[static_cast<std::size_t>(sezione)].titolo);
}

} // namespace vantrel::gui
