#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>

namespace vantrel::gui {

/// The named fixed-pitch font, or the system's fixed-pitch font where the named one is missing or
/// replaced by a proportional one: listings laid out in columns must line up.
inline QFont fontFisso(const QString& famiglia, qreal punti = 0) {
    QFont f(famiglia);
    f.setStyleHint(QFont::TypeWriter);
    const auto fisso = [](const QFont& x) {
        const QFontMetrics m(x);
        return m.horizontalAdvance(QStringLiteral("iiii")) == m.horizontalAdvance(QStringLiteral("MMMM"));
    };
    if (!fisso(f)) f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (punti > 0) f.setPointSizeF(punti);
    return f;
}

} // namespace vantrel::gui
