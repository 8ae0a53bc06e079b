#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vantrel::gui {

/// The pictures of the picture buttons, drawn by the program.
enum class Icona {
    Percento,
    Tabella,
    Andamento,
    Documento,
    Piano,
    Calendario,
    Calcolatrice,
    Preferenze,
    Conferma,
    Uscita
};
QIcon icona(Icona i);

/// The two pictures of the logo window: the program's logo and the maker's emblem.
QPixmap logoProgramma();
QPixmap logoProduttore();

} // namespace vantrel::gui
