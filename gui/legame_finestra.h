#pragma once

#include "common/finestra.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace vantrel::gui {

/// Binds the widgets of a view to the controls of a window model by control name (the widget's
/// objectName). Widgets forward the screen's events to the model (keys through the model's key
/// filter, edits, focus leaving, clicks, selections, double clicks, the pointer entering a control)
/// and are brought up to date from the model after each event. A line edit edits nothing itself: its
/// keys, pastes and double clicks go to the model, which then sets its text, caret and selection;
/// a caret moved or a selection made with the mouse is passed to the model as it happens.
class LegameFinestra : public QObject {
    Q_OBJECT
public:
    explicit LegameFinestra(Finestra& finestra, QObject* parent = nullptr);

    /// Creates the usual widget for the kind of control `id` under `genitore` and binds it.
    QWidget* crea(int id, QWidget* genitore = nullptr);
    /// Binds a widget made by the view (a month calendar, a multi-line help box, ...).
    void lega(int id, QWidget* w);
    bool legato(int id) const;
    QWidget* widget(int id) const;
    template <typename T>
    T* w(int id) const {
        return qobject_cast<T*>(widget(id));
    }

    /// Sets the Tab order of the bound widgets to the order of `ids`; controls without a widget are skipped.
    void ordinaTab(const std::vector<int>& ids) const;
    /// The same, in the model's own tab order.
    void ordinaTab() const;

    /// Brings every widget up to date with the model.
    void aggiorna();
    /// Runs after each forwarded event, once the widgets are up to date.
    void dopoEvento(std::function<void()> f) { dopo_ = std::move(f); }

    Finestra& finestra() { return f_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void collega(int id, QWidget* w);
    bool tastoCampo(int id, const QLineEdit& e, const QKeyEvent& k);
    void sincronizza(int id); // the caret and selection of a focused line edit into the model
    void mostraCursore(int id, QLineEdit& e);
    void evento(const std::function<void()>& azione);
    void aggiorna(int id);
    int idDi(QObject* o) const;

    Finestra& f_;
    std::vector<QPointer<QWidget>> widget_;
    bool aggiornando_ = false;
    int fuocoMostrato_ = -1;
    std::function<void()> dopo_;
};

} // namespace vantrel::gui
