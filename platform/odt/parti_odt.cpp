#include "platform/odt/parti_odt.h"

#include <cstdio>

namespace vantrel::odt {
namespace {

constexpr const char* kSpazi = R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
                               R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
                               R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
                               R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
                               R"(xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" )"
                               R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" )"
                               R"(xmlns:xlink="http://www.w3.org/1999/xlink" )"
                               R"(xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" )"
                               R"(xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" )"
                               R"(xmlns:dc="http://purl.org/dc/elements/1.1/" office:version="1.3")";

constexpr const char* kIntestazioneXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Text widths of the pages, in centimetres: A4 less 2 cm margins upright, 1,5 cm lying.
constexpr double kLarghezzaVerticale = 17.0, kLarghezzaOrizzontale = 26.7;

// The width and height of a PNG picture, from its header; zero when it is no PNG.
std::pair<unsigned, unsigned> misuraPng(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    const auto intero = [&](std::size_t i) {
        unsigned v = 0;
        for (std::size_t k = 0; k < 4; ++k)
            v = v << 8 | static_cast<unsigned char>(png[i + k]);
        return v;
    };
    return {intero(16), intero(20)};
}

std::string cm(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2fcm", v);
    return b;
}

std::string paragrafo(const char* stile, const std::string& testo) {
    return std::string("<text:p text:style-name=\"") + stile + "\">" + xml(testo) + "</text:p>";
}

std::string cella(const char* stile, const std::string& testo) {
    return "<table:table-cell table:style-name=\"Bordo\" office:value-type=\"string\">" + paragrafo(stile, testo) +
           "</table:table-cell>";
}

// A landscape table opens its own page, unless its section's heading did (`paginaAperta`).
std::string tabella(const TabellaDocumento& t, int progressivo, bool paginaAperta) {
    const char* stileTabella = !t.orizzontale ? "Tabella" : paginaAperta ? "TabellaLarga" : "TabellaOrizzontale";
    std::string s = "<table:table table:name=\"Tabella" + std::to_string(progressivo) + "\" table:style-name=\"" +
                    stileTabella + "\">";
    s += "<table:table-column table:number-columns-repeated=\"" + std::to_string(t.intestazione.size()) + "\"/>";
    s += "<table:table-header-rows><table:table-row>";
    for (const auto& h : t.intestazione)
        s += cella("CellaIntestazione", h);
    s += "</table:table-row></table:table-header-rows>";
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        const bool forte = r < t.evidenziate.size() && t.evidenziate[r];
        s += "<table:table-row>";
        for (std::size_t c = 0; c < t.intestazione.size(); ++c) {
            const bool numero = c < t.numeriche.size() && t.numeriche[c];
            const char* stile =
                numero ? (forte ? "CellaNumeroEvidenziata" : "CellaNumero") : (forte ? "CellaEvidenziata" : "Cella");
            s += cella(stile, c < t.righe[r].size() ? t.righe[r][c] : "");
        }
        s += "</table:table-row>";
    }
    return s + "</table:table>";
}

std::string figura(const ElementoDocumento& e, std::vector<Figura>& figure) {
    const auto [w, h] = misuraPng(e.png);
    if (w == 0 || h == 0) return paragrafo("Testo", e.testo);
    figure.push_back({"Pictures/figura" + std::to_string(figure.size() + 1) + ".png", e.png});
    const double larghezza = kLarghezzaVerticale, altezza = larghezza * h / w;
    return paragrafo("Didascalia", e.testo) + "<text:p text:style-name=\"Centrato\"><draw:frame draw:name=\"Figura" +
           std::to_string(figure.size()) + "\" text:anchor-type=\"as-char\" svg:width=\"" + cm(larghezza) +
           "\" svg:height=\"" + cm(altezza) + "\"><draw:image xlink:href=\"" + figure.back().percorso +
           "\" xlink:type=\"simple\" xlink:show=\"embed\" xlink:actuate=\"onLoad\"/></draw:frame></text:p>";
}

} // namespace

std::string xml(std::string_view testo) {
    std::string s;
    s.reserve(testo.size());
    for (char c : testo) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML 1.0: a line break of a text becomes a space.
            s += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return s;
}

namespace {

// Whether the section's heading at `i` opens the landscape page of its first table (only paragraphs
// between them), so that the heading is not left alone on the page before.
bool sezioneOrizzontale(const std::vector<ElementoDocumento>& e, std::size_t i) {
    for (std::size_t k = i + 1; k < e.size(); ++k) {
        if (e[k].tipo == ElementoDocumento::Tipo::Tabella) return e[k].tabella.orizzontale;
        if (e[k].tipo != ElementoDocumento::Tipo::Paragrafo) return false;
    }
    return false;
}

} // namespace

std::string contenuto(const Documento& d, std::vector<Figura>& figure) {
    std::string s = kIntestazioneXml;
    s += std::string("<office:document-content ") + kSpazi + "><office:body><office:text>";
    int tabelle = 0;
    bool dopoOrizzontale = false;   // the next paragraph brings the upright page back
    bool paginaOrizzontale = false; // a heading opened the landscape page of the next table
    for (std::size_t i = 0; i < d.elementi.size(); ++i) {
        const ElementoDocumento& e = d.elementi[i];
        const bool sezioneLarga = e.tipo == ElementoDocumento::Tipo::Sezione && sezioneOrizzontale(d.elementi, i);
        if (dopoOrizzontale && e.tipo != ElementoDocumento::Tipo::Tabella && !sezioneLarga)
            s += paragrafo("DopoOrizzontale", "");
        dopoOrizzontale = false;
        switch (e.tipo) {
        case ElementoDocumento::Tipo::Titolo:
            s += "<text:h text:style-name=\"Titolo\" text:outline-level=\"1\">" + xml(e.testo) + "</text:h>";
            break;
        case ElementoDocumento::Tipo::Sezione:
            s += std::string("<text:h text:style-name=\"") + (sezioneLarga ? "SezioneOrizzontale" : "Sezione") +
                 "\" text:outline-level=\"2\">" + xml(e.testo) + "</text:h>";
            paginaOrizzontale = sezioneLarga;
            break;
        case ElementoDocumento::Tipo::Paragrafo:
            s += paragrafo("Testo", e.testo);
            break;
        case ElementoDocumento::Tipo::Tabella:
            s += tabella(e.tabella, ++tabelle, paginaOrizzontale);
            dopoOrizzontale = e.tabella.orizzontale;
            paginaOrizzontale = false;
            break;
        case ElementoDocumento::Tipo::Immagine:
            s += figura(e, figure);
            break;
        }
    }
    return s + "</office:text></office:body></office:document-content>\n";
}

std::string stili() {
    const auto pagina = [](const char* nome, double larghezza, double altezza, double margine) {
        return std::string("<style:page-layout style:name=\"") + nome +
               "\"><style:page-layout-properties fo:page-width=\"" + cm(larghezza) + "\" fo:page-height=\"" +
               cm(altezza) + "\" style:print-orientation=\"" + (larghezza > altezza ? "landscape" : "portrait") +
               "\" fo:margin-top=\"" + cm(margine) + "\" fo:margin-bottom=\"" + cm(margine) + "\" fo:margin-left=\"" +
               cm(margine) + "\" fo:margin-right=\"" + cm(margine) + "\"/></style:page-layout>";
    };
    const auto testo = [](const char* nome, const char* punti, bool grassetto, const char* allinea,
                          const char* altro = "") {
        return std::string("<style:style style:name=\"") + nome +
               "\" style:family=\"paragraph\" style:parent-style-name=\"Standard\"" + altro +
               "><style:paragraph-properties fo:text-align=\"" + allinea +
               "\"/><style:text-properties fo:font-size=\"" + punti + "\"" +
               (grassetto ? " fo:font-weight=\"bold\"" : "") + "/></style:style>";
    };
    std::string s = kIntestazioneXml;
    s += std::string("<office:document-styles ") + kSpazi + "><office:styles>";
    s += "<style:default-style style:family=\"paragraph\"><style:text-properties style:font-name=\"Liberation Sans\" "
         "fo:font-family=\"'Liberation Sans'\" fo:language=\"it\" fo:country=\"IT\"/></style:default-style>";
    s += "<style:style style:name=\"Standard\" style:family=\"paragraph\"/>";
    s += testo("Titolo", "18pt", true, "start", " style:default-outline-level=\"1\"");
    s += testo("Sezione", "13pt", true, "start", " style:default-outline-level=\"2\"");
    s += testo("SezioneOrizzontale", "13pt", true, "start",
               " style:default-outline-level=\"2\" style:master-page-name=\"Orizzontale\"");
    s += testo("Testo", "10pt", false, "justify");
    s += testo("Didascalia", "9pt", false, "center");
    s += testo("Centrato", "10pt", false, "center");
    s += testo("Cella", "8pt", false, "start");
    s += testo("CellaNumero", "8pt", false, "end");
    s += testo("CellaIntestazione", "8pt", true, "center");
    s += testo("CellaEvidenziata", "8pt", true, "start");
    s += testo("CellaNumeroEvidenziata", "8pt", true, "end");
    s += testo("DopoOrizzontale", "2pt", false, "start", " style:master-page-name=\"Standard\"");
    s += "<style:style style:name=\"Tabella\" style:family=\"table\"><style:table-properties style:width=\"" +
         cm(kLarghezzaVerticale) + "\" table:align=\"margins\"/></style:style>";
    s += "<style:style style:name=\"TabellaOrizzontale\" style:family=\"table\" "
         "style:master-page-name=\"Orizzontale\"><style:table-properties style:width=\"" +
         cm(kLarghezzaOrizzontale) + "\" table:align=\"margins\"/></style:style>";
    s += "<style:style style:name=\"TabellaLarga\" style:family=\"table\"><style:table-properties style:width=\"" +
         cm(kLarghezzaOrizzontale) + "\" table:align=\"margins\"/></style:style>";
    s += "<style:style style:name=\"Bordo\" style:family=\"table-cell\"><style:table-cell-properties "
         "fo:border=\"0.5pt solid #000000\" fo:padding=\"0.05cm\"/></style:style>";
    s += "</office:styles><office:automatic-styles>";
    s += pagina("PaginaVerticale", 21.0, 29.7, 2.0) + pagina("PaginaOrizzontale", 29.7, 21.0, 1.5);
    s += "</office:automatic-styles><office:master-styles>";
    s += "<style:master-page style:name=\"Standard\" style:page-layout-name=\"PaginaVerticale\"/>";
    s += "<style:master-page style:name=\"Orizzontale\" style:page-layout-name=\"PaginaOrizzontale\"/>";
    return s + "</office:master-styles></office:document-styles>\n";
}

std::string metadati(const Documento& d) {
    char data[32];
    std::snprintf(data, sizeof data, "%04d-%02d-%02dT00:00:00", d.data.anno, d.data.mese, d.data.giorno);
    std::string s = kIntestazioneXml;
    s += std::string("<office:document-meta ") + kSpazi + "><office:meta>";
    s += "<meta:generator>" + xml(d.generatore) + "</meta:generator>";
    s += "<dc:title>" + xml(d.titolo) + "</dc:title>";
    s += std::string("<meta:creation-date>") + data + "</meta:creation-date><dc:date>" + data + "</dc:date>";
    return s + "</office:meta></office:document-meta>\n";
}

std::string manifesto(const std::vector<Figura>& figure) {
    std::string s = kIntestazioneXml;
    s += "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
         "manifest:version=\"1.3\">";
    s += "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.3\" "
         "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>";
    for (const char* parte : {"content.xml", "styles.xml", "meta.xml"})
        s +=
            std::string("<manifest:file-entry manifest:full-path=\"") + parte + "\" manifest:media-type=\"text/xml\"/>";
    for (const Figura& f : figure)
        s += "<manifest:file-entry manifest:full-path=\"" + f.percorso + "\" manifest:media-type=\"image/png\"/>";
    return s + "</manifest:manifest>\n";
}

} // namespace vantrel::odt
