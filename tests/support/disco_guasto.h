#pragma once

#include "common/servizi.h"

namespace vantrel::test {

// A disk whose flush fails, as a full or removed device does.
class DiscoGuasto : public Disco {
public:
    bool sincronizza(const std::string&) override { return false; }
    std::unique_ptr<BloccoFile> blocca(const std::string&, bool) override { return nullptr; }
};

} // namespace vantrel::test
