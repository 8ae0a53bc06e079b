#pragma once

#include "common/servizi.h"
#include "program/record_impostazioni.h"
#include "rates/dati_pubblici.h"
#include "rates/tabella_tassi.h"

#include <string>

namespace vantrel {

/// The program-wide state, one instance for the whole run.
struct StatoProgramma {
    std::string cartellaReport; // folder proposed for report files, with its trailing separator
    std::string cartellaDati;   // folder of the settings and rate files, with its trailing separator
    ImpostaRecord imposta;
    OpzStampaRecord opzStampa;
    std::string mascheraImporti; // empty until something sets it: the general number format
    bool importiInLire = false;  // the calculation window's currency; the Lire mask alone is also 0 decimals in Euro
    TabellaTassi tassi;
};

/// The platform services the windows use; each is replaced by a scripted fake in tests.
struct Servizi {
    ServizioMessaggi* messaggi = nullptr;
    Orologio* orologio = nullptr;
    DialogoFile* file = nullptr;
    Stampante* stampante = nullptr;
    AvvioProcessi* processi = nullptr;
    StatoConnessione* connessione = nullptr;
    const LettoreZip* zip = nullptr;
    ClientRete* rete = nullptr;
    Disco* disco = nullptr; // none: files are written without flushing or locking
    ScrittoreXlsx* xlsx = nullptr;
    ScrittoreOdt* odt = nullptr;
    DisegnoGrafico* grafico = nullptr;
    StampantiPdf* pdf = nullptr;
    ServizioBancheDati* bancheDati = nullptr;           // the case files
    const LettoreXlsx* lettoreXlsx = nullptr;           // workbooks of movements and conditions
    const VerificaDatiPubblici* datiPubblici = nullptr; // none: the rate update leaves the public rates alone
};

/// What every window is given: the shared state and the services.
struct Contesto {
    StatoProgramma stato;
    Servizi servizi;

    Risposta messaggio(const Messaggio& m) const;
    Data oggi() const;
};

} // namespace vantrel
