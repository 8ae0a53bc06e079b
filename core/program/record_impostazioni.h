#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

/// Record 1 of "Imposta.DAT" (218 bytes), kept whole so that fields never set keep what was read.
/// Before anything is read, and where a short file stops, it holds zeros and two decimals: a first
/// start writes amounts in euro with their cents, never rounded to the unit.
struct ImpostaRecord {
    static constexpr std::size_t kLunghezza = 218;
    static constexpr std::int16_t kDecimaliIniziali = 2;
    std::array<std::uint8_t, kLunghezza> byte{};

    ImpostaRecord() { decimali(kDecimaliIniziali); }

    std::int16_t decimali() const;
    void decimali(std::int16_t v);
    /// How a period up to 31/12/2009 with a maximum-overdraft commission is judged: with the CMS inside
    /// the TEG, or (the default: any byte but the one of "CMS nel TEG", so that older files keep it)
    /// the CMS tested on its own.
    bool cmsNelTeg() const;
    void cmsNelTeg(bool v);
    std::string utente() const; // 30 characters, padding included
    void utente(const std::string& v);
    std::string password() const; // 10 characters, padding included
    void password(const std::string& v);
    std::int16_t accesso() const; // -1: login required
    void accesso(std::int16_t v);
    void primoCampo(const std::string& v); // "0" padded, written at every save
    /// The days of the year of the TEG formulas: 365 always, or 366 in a leap year (the default:
    /// any byte but the one of "36.500 sempre", so that older files keep it).
    bool divisoreSempre365() const;
    void divisoreSempre365(bool v);
};

/// Record 1 of "OpzStampa.DAT" (55 bytes).
struct OpzStampaRecord {
    static constexpr std::size_t kLunghezza = 55;
    std::array<std::uint8_t, kLunghezza> byte{};

    std::string orientamento() const; // "1" portrait, "2" landscape
    void orientamento(const std::string& v);
    std::int16_t righeVerticale() const;
    void righeVerticale(std::int16_t v);
    std::int16_t righeOrizzontale() const;
    void righeOrizzontale(std::int16_t v);
};

/// A fixed text field as the windows show and compare it: the padding blanks and the zero bytes of a
/// record never written are removed at both ends.
std::string testoCampo(const std::string& campo);

} // namespace vantrel
