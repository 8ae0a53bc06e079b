#pragma once

#include "common/servizi.h"

namespace vantrel {

/// SQLite files, with every write flushed to the disk before its transaction ends (synchronous FULL,
/// rollback journal), so that a crash or a power cut loses at most the transaction under way. A file
/// opened for writing is held with flock() until it is closed: a second program (or a second opening
/// in this one) opens it for reading only.
class BancheDatiSqlite : public ServizioBancheDati {
public:
    std::unique_ptr<BancaDati> apri(const std::string& path, ModoApertura modo) override;
};

} // namespace vantrel
