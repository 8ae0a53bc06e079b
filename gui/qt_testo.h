#pragma once

#include "common/date.h"

#include <QDate>
#include <QString>
#include <string>
#include <string_view>

namespace vantrel::gui {

// The core keeps UTF-8 texts and its own dates; the conversions happen here, at the view boundary.
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}
inline QDate qdata(const Data& d) {
    return QDate(d.anno, d.mese, d.giorno);
}
inline Data data(const QDate& d) {
    return Data{d.year(), d.month(), d.day()};
}

/// Twips to pixels at the reference 15 twips per pixel of a 96 dpi screen.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr int twips(int pixel) {
    return pixel * 15;
}

} // namespace vantrel::gui
