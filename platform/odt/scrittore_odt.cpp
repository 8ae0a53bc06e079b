#include "platform/odt/scrittore_odt.h"

#include "common/file_sicuro.h"
#include "platform/odt/parti_odt.h"

#include <memory>
#include <zip.h>

namespace vantrel {
namespace {

constexpr const char* kTipo = "application/vnd.oasis.opendocument.text";

struct Voce {
    std::string nome;
    std::string dati;
    bool compressa;
};

// The package at `path`; the error text, empty on success.
std::string impacchetta(const std::vector<Voce>& voci, const Data& giorno, const std::string& path) {
    int codice = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &codice);
    if (!z) return "impossibile creare il file " + path;
    // MS-DOS time and date: midnight of the document's day.
    const auto data = static_cast<zip_uint16_t>((giorno.anno - 1980) << 9 | giorno.mese << 5 | giorno.giorno);
    for (const Voce& v : voci) {
        zip_source_t* s = zip_source_buffer(z, v.dati.data(), v.dati.size(), 0);
        const zip_int64_t i = s ? zip_file_add(z, v.nome.c_str(), s, ZIP_FL_ENC_UTF_8) : -1;
        if (i < 0) {
            if (s) zip_source_free(s);
            zip_discard(z);
            return "impossibile scrivere il file " + path;
        }
        const auto u = static_cast<zip_uint64_t>(i);
        zip_set_file_compression(z, u, v.compressa ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        zip_file_set_dostime(z, u, 0, data, 0);
    }
    if (zip_close(z) != 0) {
        zip_discard(z);
        return "impossibile scrivere il file " + path;
    }
    return {};
}

} // namespace

std::string ScrittoreOdtFile::scrivi(const Documento& d, const std::string& path) {
    std::vector<odt::Figura> figure;
    std::vector<Voce> voci = {{"mimetype", kTipo, false}};
    std::string contenuto = odt::contenuto(d, figure);
    voci.push_back({"META-INF/manifest.xml", odt::manifesto(figure), true});
    voci.push_back({"content.xml", std::move(contenuto), true});
    voci.push_back({"styles.xml", odt::stili(), true});
    voci.push_back({"meta.xml", odt::metadati(d), true});
    for (auto& f : figure)
        voci.push_back({f.percorso, std::move(f.png), false}); // a PNG is compressed already
    return sostituisciFile(path, [&](const std::string& nuovo) { return impacchetta(voci, d.data, nuovo); });
}

} // namespace vantrel
