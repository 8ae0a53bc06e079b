#pragma once

#include "common/servizi.h"

#include <atomic>

namespace vantrel {

/// The network client of the rate-set download on libcurl: FTP (with TLS required unless the
/// transfer allows plain FTP), FTPS and HTTPS, certificates always verified. The connection is kept
/// between the files of one download. Errors come back in Italian, libcurl's own text as the detail.
class FtpCurl : public ClientRete {
public:
    FtpCurl();
    ~FtpCurl() override;
    FtpCurl(const FtpCurl&) = delete;
    FtpCurl& operator=(const FtpCurl&) = delete;

    void azzera() override;
    EsitoTrasferimento scarica(const Trasferimento& t) override;
    void annulla() override { annullato_ = true; }

private:
    void* curl_ = nullptr; // CURL*
    std::atomic<bool> annullato_{false};
};

} // namespace vantrel
