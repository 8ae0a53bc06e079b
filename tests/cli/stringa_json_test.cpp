// The JSON output of `teg` is written straight into its buffer, for speed: its strings must be byte for
// byte what the JSON library writes for the same values, the reference of the format (the escapes,
// UTF-8 kept, bad bytes replaced); the worked figures test checks the layout of whole answers.
#include "stringa_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>

namespace vantrel {
namespace {

std::string comeLaLibreria(const std::string& s) {
    return nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

TEST(StringaJson, ComeLaScriveLaLibreria) {
    const std::string casi[] = {
        "",
        "1.234,56",
        "\"virgolette\" e \\barra\\",
        std::string("\0\x01\x08\t\n\x0b\x0c\r\x1f\x7f", 10),
        "Attività, 1° sc., 100 €, \xF0\x9F\x98\x80",
        "\xC0\x80 forma lunga",          // overlong
        "\xED\xA0\x80 surrogato",        // surrogate
        "\xF4\x90\x80\x80 oltre 10FFFF", // past U+10FFFF
        "tronca \xE2\x82",               // cut short at the end
        "\x80 sola, \xFF, \xC3 e poi \xC3\xA8",
        "1,5 \xE8 Windows-1252",
    };
    for (const auto& s : casi) {
        std::string buf = "prima ";
        cli::accodaStringaJson(buf, s);
        EXPECT_EQ(buf, "prima " + comeLaLibreria(s)) << s;
    }
    // Texts of every byte, short and long, many of them not UTF-8.
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> byte(0, 255), lunghezza(0, 12);
    for (int i = 0; i < 200000; ++i) {
        std::string s(static_cast<std::size_t>(lunghezza(rng)), ' ');
        for (char& c : s)
            c = static_cast<char>(i % 2 ? byte(rng)
                                        : 0x60 + byte(rng) % 0x70); // even rows: letters and bytes past 0x7F
        std::string buf;
        cli::accodaStringaJson(buf, s);
        ASSERT_EQ(buf, comeLaLibreria(s)) << i;
    }
}

} // namespace
} // namespace vantrel
