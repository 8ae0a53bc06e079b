#pragma once

#include "common/services.h"

#include <string>

namespace vantrel {

/// The FTP client of the rate-set download on libcurl. The login is kept between the calls of one
/// run, so the files are fetched on the connection that `connetti` opened. TLS is used when the
/// server offers it.
class FtpCurl : public ClientFtp {
public:
    FtpCurl();
    ~FtpCurl() override;
    FtpCurl(const FtpCurl&) = delete;
    FtpCurl& operator=(const FtpCurl&) = delete;

    void azzera() override;
    void host(const std::string& nome, int porta) override;
    void utente(const std::string& nome) override;
    void password(const std::string& parola) override;
    bool connetti() override;
    bool scarica(const std::string& remoto, const std::string& locale) override;
    std::string ultimoErrore() const override { return errore_; }

    /// Seconds allowed for connecting and for a transfer that stops moving.
    void attesaMassima(long secondi) { attesa_ = secondi; }

private:
    bool esegui(const std::string& url, void* file, long long attesiPrima = -1);
    std::string url(const std::string& file) const;

    void* curl_ = nullptr; // CURL*
    std::string host_, utente_, password_, errore_;
    int porta_ = 21;
    long attesa_ = 30;
};

} // namespace vantrel
