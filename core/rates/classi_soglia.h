#pragma once

#include "common/date.h"

#include <string>

namespace vantrel {

/// The class of amount (1 to 3) of an accordato for a category (Combo2 index: 0 current account,
/// 1 account without credit line, 2 advances), by the limits in force when the period begins:
/// before 01/01/2010 two classes at 5.000 euro (10.000.000 lire); from 01/01/2010 overdrafts at
/// 1.500 euro (2.904.405 lire); advances in three classes from 01/04/2010 (5.000 / 100.000 euro)
/// and with new limits from 01/04/2017 (50.000 / 200.000 euro). Lire limits are 10.000.000 and the
/// exact conversions of the other euro limits.
int classeImporto(int categoria, double accordato, const Data& inizio, bool lire);

/// How many classes of amount the category has in the period that begins on `inizio`.
int numeroClassi(int categoria, const Data& inizio);

/// The limits of that class as the published tables name them ("fino a 50.000 euro",
/// "da 5.000 a 100.000 euro", "oltre 10.000.000 lire").
std::string descrizioneClasse(int categoria, int classe, const Data& inizio, bool lire);

} // namespace vantrel
