#include "program/record_impostazioni.h"

#include "common/file_record.h"

namespace vantrel {

std::int16_t ImpostaRecord::decimali() const {
    return leggiI16(byte.data() + 100);
}
void ImpostaRecord::decimali(std::int16_t v) {
    scriviI16(byte.data() + 100, v);
}
// A byte of a text field the record had left unused.
bool ImpostaRecord::cmsNelTeg() const {
    return leggiTestoFisso(byte.data() + 145, 1) == "T";
}
void ImpostaRecord::cmsNelTeg(bool v) {
    scriviTestoFisso(byte.data() + 145, 1, v ? "T" : " ");
}
std::string ImpostaRecord::utente() const {
    return leggiTestoFisso(byte.data() + 102, 30);
}
void ImpostaRecord::utente(const std::string& v) {
    scriviTestoFisso(byte.data() + 102, 30, v);
}
std::string ImpostaRecord::password() const {
    return leggiTestoFisso(byte.data() + 132, 10);
}
void ImpostaRecord::password(const std::string& v) {
    scriviTestoFisso(byte.data() + 132, 10, v);
}
std::int16_t ImpostaRecord::accesso() const {
    return leggiI16(byte.data() + 142);
}
void ImpostaRecord::accesso(std::int16_t v) {
    scriviI16(byte.data() + 142, v);
}
void ImpostaRecord::primoCampo(const std::string& v) {
    scriviTestoFisso(byte.data(), 60, v);
}
// The first byte of a text field the record had left unused.
bool ImpostaRecord::divisoreSempre365() const {
    return leggiTestoFisso(byte.data() + 144, 1) == "5";
}
void ImpostaRecord::divisoreSempre365(bool v) {
    // The default leaves the byte as it was read, unless it held the other choice.
    if (v || divisoreSempre365()) scriviTestoFisso(byte.data() + 144, 1, v ? "5" : " ");
}

std::string OpzStampaRecord::orientamento() const {
    return leggiTestoFisso(byte.data(), 1);
}
void OpzStampaRecord::orientamento(const std::string& v) {
    scriviTestoFisso(byte.data(), 1, v);
}
std::int16_t OpzStampaRecord::righeVerticale() const {
    return leggiI16(byte.data() + 1);
}
void OpzStampaRecord::righeVerticale(std::int16_t v) {
    scriviI16(byte.data() + 1, v);
}
std::int16_t OpzStampaRecord::righeOrizzontale() const {
    return leggiI16(byte.data() + 3);
}
void OpzStampaRecord::righeOrizzontale(std::int16_t v) {
    scriviI16(byte.data() + 3, v);
}

std::string testoCampo(const std::string& campo) {
    const auto vuoto = [](char c) { return c == ' ' || c == '\t' || c == '\0'; };
    std::size_t a = 0, b = campo.size();
    while (a < b && vuoto(campo[a]))
        ++a;
    while (b > a && vuoto(campo[b - 1]))
        --b;
    return campo.substr(a, b - a);
}

} // namespace vantrel
