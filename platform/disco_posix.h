#pragma once

#include "common/servizi.h"

namespace vantrel {

/// Flushing with fsync and locking with flock: the lock is released when its holder ends, however
/// it ends.
class DiscoPosix : public Disco {
public:
    bool sincronizza(const std::string& percorso) override;
    std::unique_ptr<BloccoFile> blocca(const std::string& file, bool esclusivo) override;
    std::unique_ptr<BloccoFile> provaBlocco(const std::string& file, bool& occupato) override;
};

} // namespace vantrel
