#pragma once

#include <QScrollArea>
#include <QScrollBar>

namespace vantrel::gui {

/// A scroll area that asks for the whole size of its page: the window opens showing everything
/// when the screen has room, and scrolls only when it has not.
class AreaScorrevole : public QScrollArea {
public:
    explicit AreaScorrevole(QWidget* pagina, QWidget* parent = nullptr) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(pagina);
    }
    QSize sizeHint() const override {
        const int f = 2 * frameWidth();
        return widget()->sizeHint() + QSize(f, f);
    }
    QSize minimumSizeHint() const override {
        const int barra = verticalScrollBar()->sizeHint().width();
        return QSize(4 * barra, 4 * barra);
    }
};

} // namespace vantrel::gui
