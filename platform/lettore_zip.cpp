#include "platform/lettore_zip.h"

#include <algorithm>
#include <cstdint>
#include <vector>
#include <zlib.h>

namespace vantrel {
namespace {

constexpr std::size_t kMassimoEstratto = 64u << 20; // far more than the series (300 KB)

std::uint32_t le(std::string_view s, std::size_t pos, int byte) {
    std::uint32_t v = 0;
    for (int i = byte - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
    return v;
}

struct Voce {
    std::string nome;
    std::uint16_t metodo = 0;
    std::uint16_t flag = 0;
    std::uint32_t crc = 0;
    std::uint32_t compresso = 0;
    std::uint32_t esteso = 0;
    std::uint32_t offset = 0;
};

bool finisceCon(std::string nome, std::string_view coda) {
    std::transform(nome.begin(), nome.end(), nome.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return nome.ends_with(coda);
}

std::optional<std::string> inflaziona(std::string_view dati, std::size_t atteso, std::string& errore) {
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        errore = "impossibile decomprimere l'archivio zip";
        return std::nullopt;
    }
    std::string out(atteso + 1, '\0'); // one byte more: a longer stream than declared shows
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dati.data()));
    z.avail_in = static_cast<uInt>(dati.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int r = inflate(&z, Z_FINISH);
    const std::size_t scritti = out.size() - z.avail_out;
    inflateEnd(&z);
    if (r != Z_STREAM_END || scritti != atteso) {
        errore = "l'archivio zip è danneggiato: il file compresso non si decomprime";
        return std::nullopt;
    }
    out.resize(atteso);
    return out;
}

std::nullopt_t rotto(std::string& errore, const char* perche) {
    errore = std::string("l'archivio zip è danneggiato: ") + perche;
    return std::nullopt;
}

std::nullopt_t rifiuto(std::string& errore, const char* perche) {
    errore = perche;
    return std::nullopt;
}

// The files the central directory lists, folders apart.
std::optional<std::vector<Voce>> indice(std::string_view a, std::string& errore) {
    // The end of central directory record: 22 bytes plus a comment of up to 65535.
    if (a.size() < 22) return rotto(errore, "troppo corto");
    std::size_t fine = std::string_view::npos;
    const std::size_t minimo = a.size() > 22 + 65535 ? a.size() - 22 - 65535 : 0;
    for (std::size_t p = a.size() - 22 + 1; p-- > minimo;)
        if (le(a, p, 4) == 0x06054b50) {
            fine = p;
            break;
        }
    if (fine == std::string_view::npos) return rotto(errore, "manca l'indice dei file");
    const std::uint32_t voci = le(a, fine + 10, 2);
    const std::uint32_t dimIndice = le(a, fine + 12, 4);
    const std::uint32_t inizioIndice = le(a, fine + 16, 4);
    if (voci == 0xFFFF || inizioIndice == 0xFFFFFFFF)
        return rifiuto(errore, "archivio zip in formato ZIP64, non supportato");
    if (static_cast<std::uint64_t>(inizioIndice) + dimIndice > fine)
        return rotto(errore, "indice dei file fuori posto");

    std::vector<Voce> file;
    std::size_t p = inizioIndice;
    for (std::uint32_t i = 0; i < voci; ++i) {
        if (p + 46 > fine || le(a, p, 4) != 0x02014b50) return rotto(errore, "indice dei file illeggibile");
        Voce v;
        v.flag = static_cast<std::uint16_t>(le(a, p + 8, 2));
        v.metodo = static_cast<std::uint16_t>(le(a, p + 10, 2));
        v.crc = le(a, p + 16, 4);
        v.compresso = le(a, p + 20, 4);
        v.esteso = le(a, p + 24, 4);
        const std::size_t lunghezzaNome = le(a, p + 28, 2);
        const std::size_t altro = le(a, p + 30, 2) + static_cast<std::size_t>(le(a, p + 32, 2));
        v.offset = le(a, p + 42, 4);
        if (p + 46 + lunghezzaNome + altro > fine) return rotto(errore, "indice dei file illeggibile");
        v.nome.assign(a.substr(p + 46, lunghezzaNome));
        p += 46 + lunghezzaNome + altro;
        if (!v.nome.empty() && v.nome.back() != '/') file.push_back(std::move(v));
    }
    return file;
}

// The only CSV file (or the only file), if the program can read it.
const Voce* unicoCsv(const std::vector<Voce>& file, std::string& errore) {
    std::vector<const Voce*> csv;
    for (const Voce& v : file)
        if (finisceCon(v.nome, ".csv")) csv.push_back(&v);
    if (csv.empty() && file.size() == 1) csv.push_back(&file[0]);
    const auto no = [&](const char* perche) -> const Voce* {
        errore = perche;
        return nullptr;
    };
    if (csv.empty()) return no("l'archivio zip non contiene un file CSV");
    if (csv.size() > 1) return no("l'archivio zip contiene più di un file CSV");
    const Voce& v = *csv[0];
    if (v.flag & 1) return no("il file dell'archivio zip è cifrato");
    if (v.metodo != 0 && v.metodo != 8) return no("il file dell'archivio zip è compresso con un metodo non supportato");
    if (v.esteso > kMassimoEstratto) return no("il file dell'archivio zip è troppo grande");
    return &v;
}

// The file's bytes, stored or deflated, checked against their CRC.
std::optional<std::string> contenuto(std::string_view a, const Voce& v, std::string& errore) {
    if (static_cast<std::uint64_t>(v.offset) + 30 > a.size() || le(a, v.offset, 4) != 0x04034b50)
        return rotto(errore, "intestazione del file illeggibile");
    const std::size_t dati =
        v.offset + 30 + static_cast<std::size_t>(le(a, v.offset + 26, 2)) + le(a, v.offset + 28, 2);
    if (dati + v.compresso > a.size()) return rotto(errore, "il file compresso è troncato");
    const std::string_view compresso = a.substr(dati, v.compresso);
    std::optional<std::string> out;
    if (v.metodo == 0) {
        if (v.compresso != v.esteso) return rotto(errore, "dimensioni incoerenti");
        out.emplace(compresso);
    } else {
        out = inflaziona(compresso, v.esteso, errore);
        if (!out) return std::nullopt;
    }
    const auto crc = crc32(0L, reinterpret_cast<const Bytef*>(out->data()), static_cast<uInt>(out->size()));
    if (crc != v.crc) return rotto(errore, "il controllo CRC del file non torna");
    return out;
}

} // namespace

std::optional<std::string> LettoreZipZlib::estraiCsv(std::string_view a, std::string& errore) const {
    const auto file = indice(a, errore);
    if (!file) return std::nullopt;
    const Voce* v = unicoCsv(*file, errore);
    if (!v) return std::nullopt;
    return contenuto(a, *v, errore);
}

} // namespace vantrel
