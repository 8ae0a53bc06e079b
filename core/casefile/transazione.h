#pragma once

#include "common/servizi.h"

namespace vantrel {

/// A write transaction of a database, rolled back unless committed: what a failure interrupts leaves
/// the file as it was. BEGIN IMMEDIATE takes the write lock at once, so a transaction never fails
/// halfway for another writer.
class Transazione {
public:
    explicit Transazione(BancaDati& db) : db_(db) { db_.esegui("BEGIN IMMEDIATE"); }
    ~Transazione() {
        if (aperta_) try {
                db_.esegui("ROLLBACK");
            } catch (const ErroreSql&) { // the engine rolled back already
            }
    }
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;

    void conferma() {
        db_.esegui("COMMIT");
        aperta_ = false;
    }

private:
    BancaDati& db_;
    bool aperta_ = true;
};

} // namespace vantrel
