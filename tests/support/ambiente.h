#pragma once

#include "common/servizi_simulati.h"
#include "program/stato_programma.h"
#include "support/temp_dir.h"

namespace vantrel::test {

/// A program whose folders are a fresh temporary folder, whose boxes and file dialogs take scripted
/// answers, and whose "today" is 15/03/2026.
struct Ambiente {
    Ambiente() {
        ctx.stato.cartellaDati = dir.cartella();
        ctx.stato.cartellaReport = dir.cartella();
        ctx.servizi.messaggi = &risposte;
        ctx.servizi.file = &risposte;
        ctx.servizi.orologio = &orologio;
    }
    Ambiente(const Ambiente&) = delete;
    Ambiente& operator=(const Ambiente&) = delete;

    CartellaTemporanea dir;
    RisposteProgrammate risposte;
    OrologioFisso orologio{Data{2026, 3, 15}};
    Contesto ctx;
};

} // namespace vantrel::test
