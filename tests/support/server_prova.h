#pragma once

#include "support/temp_dir.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace vantrel::test {

// A test server started by a shell command that prints its port and pid.
class Server {
public:
    explicit Server(const std::string& comando) {
        out_ = popen(("exec " + comando).c_str(), "r");
        if (out_ != nullptr && std::fscanf(out_, "%d %d", &porta_, &pid_) != 2) porta_ = 0;
    }
    ~Server() {
        if (pid_ > 0) kill(static_cast<pid_t>(pid_), SIGTERM);
        if (out_ != nullptr) pclose(out_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;
    int porta() const { return porta_; }

private:
    std::FILE* out_ = nullptr;
    int porta_ = 0;
    int pid_ = 0;
};

// The server's self-signed certificate for 127.0.0.1.
struct Certificati {
    Certificati() {
        const std::string comando = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
                                    "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout " +
                                    dir.file("server.key") + " -out " + dir.file("server.pem") + " 2>/dev/null";
        EXPECT_EQ(std::system(comando.c_str()), 0) << "openssl did not make the test certificate";
    }
    test::CartellaTemporanea dir;
};

inline const Certificati& certificati() {
    static const Certificati c;
    return c;
}

} // namespace vantrel::test
