#include "platform/sqlite/banche_dati_sqlite.h"

#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantrel {
namespace {

[[noreturn]] void fallisci(sqlite3* db, const std::string& cosa) {
    throw ErroreSql{cosa + ": " + (db ? sqlite3_errmsg(db) : "memoria esaurita")};
}

class IstruzioneSqlite : public IstruzioneSql {
public:
    IstruzioneSqlite(sqlite3* db, sqlite3_stmt* s) : db_(db), s_(s) {}
    ~IstruzioneSqlite() override { sqlite3_finalize(s_); }
    IstruzioneSqlite(const IstruzioneSqlite&) = delete;
    IstruzioneSqlite& operator=(const IstruzioneSqlite&) = delete;

    void lega(int i, const ValoreSql& v) override {
        int rc = SQLITE_OK;
        if (std::holds_alternative<std::monostate>(v))
            rc = sqlite3_bind_null(s_, i);
        else if (const auto* n = std::get_if<std::int64_t>(&v))
            rc = sqlite3_bind_int64(s_, i, *n);
        else if (const auto* d = std::get_if<double>(&v))
            rc = sqlite3_bind_double(s_, i, *d);
        else {
            const auto& t = std::get<std::string>(v);
            rc = sqlite3_bind_text64(s_, i, t.data(), t.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        if (rc != SQLITE_OK) fallisci(db_, "parametro non accettato");
    }
    bool passo() override {
        const int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        fallisci(db_, "istruzione non eseguita");
    }
    ValoreSql colonna(int i) const override {
        switch (sqlite3_column_type(s_, i)) {
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(s_, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(s_, i);
        case SQLITE_NULL:
            return std::monostate{};
        default: {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
            return std::string(t ? t : "", static_cast<std::size_t>(sqlite3_column_bytes(s_, i)));
        }
        }
    }
    void azzera() override { sqlite3_reset(s_); }

private:
    sqlite3* db_;
    sqlite3_stmt* s_;
};

class BancaDatiSqlite : public BancaDati {
public:
    BancaDatiSqlite(sqlite3* db, int blocco, bool soloLettura, bool tenuta)
        : db_(db), blocco_(blocco), soloLettura_(soloLettura), tenuta_(tenuta) {}
    ~BancaDatiSqlite() override {
        sqlite3_close_v2(db_);
        // Only now: closing a descriptor of the file would drop SQLite's own locks on it.
        if (blocco_ >= 0) ::close(blocco_);
    }
    BancaDatiSqlite(const BancaDatiSqlite&) = delete;
    BancaDatiSqlite& operator=(const BancaDatiSqlite&) = delete;

    void esegui(const std::string& sql) override {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fallisci(db_, "scrittura fallita");
    }
    std::unique_ptr<IstruzioneSql> prepara(const std::string& sql) override {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK)
            fallisci(db_, "istruzione non valida");
        return std::make_unique<IstruzioneSqlite>(db_, s);
    }
    std::int64_t ultimoId() const override { return sqlite3_last_insert_rowid(db_); }
    bool soloLettura() const override { return soloLettura_; }
    bool tenutaDaAltri() const override { return tenuta_; }

private:
    sqlite3* db_;
    int blocco_;
    bool soloLettura_, tenuta_;
};

// An exclusive flock on the file, -1 when another holds it; throws when the file cannot be opened.
int tieni(const std::string& path, bool& tenutaDaAltri) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw ErroreSql{"impossibile aprire il file"};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    tenutaDaAltri = true;
    return -1;
}

} // namespace

std::unique_ptr<BancaDati> BancheDatiSqlite::apri(const std::string& path, ModoApertura modo) {
    bool tenutaDaAltri = false;
    int fd = -1;
    if (modo == ModoApertura::Crea) {
        // Made here, atomically, and held at once: an empty file is an empty database to SQLite.
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) throw ErroreSql{errno == EEXIST ? "il file esiste già" : "impossibile creare il file"};
        ::flock(fd, LOCK_EX | LOCK_NB);
    } else if (::access(path.c_str(), F_OK) != 0) {
        throw ErroreSql{"il file non esiste"};
    } else if (modo == ModoApertura::Modifica) {
        fd = tieni(path, tenutaDaAltri);
    }
    const bool lettura = modo == ModoApertura::Lettura || tenutaDaAltri;
    sqlite3* db = nullptr;
    const int flag = (lettura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flag, nullptr) != SQLITE_OK) {
        const std::string e = db ? sqlite3_errmsg(db) : "memoria esaurita";
        sqlite3_close_v2(db);
        if (fd >= 0) ::close(fd);
        throw ErroreSql{"impossibile aprire il file: " + e};
    }
    auto b = std::make_unique<BancaDatiSqlite>(db, fd, lettura, tenutaDaAltri);
    sqlite3_busy_timeout(db, 5000);
    if (!lettura) b->esegui("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
    b->esegui("PRAGMA foreign_keys=ON;");
    return b;
}

} // namespace vantrel
