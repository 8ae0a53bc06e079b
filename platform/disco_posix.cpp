#include "platform/disco_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantrel {
namespace {

class BloccoFlock : public BloccoFile {
public:
    explicit BloccoFlock(int fd) : fd_(fd) {}
    ~BloccoFlock() override { ::close(fd_); } // closing releases the lock
    BloccoFlock(const BloccoFlock&) = delete;
    BloccoFlock& operator=(const BloccoFlock&) = delete;

private:
    int fd_;
};

} // namespace

bool DiscoPosix::sincronizza(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

std::unique_ptr<BloccoFile> DiscoPosix::blocca(const std::string& file, bool esclusivo) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC); // a folder the user may only read
    if (fd < 0) return nullptr;
    int r;
    do
        r = ::flock(fd, esclusivo ? LOCK_EX : LOCK_SH);
    while (r != 0 && errno == EINTR);
    if (r != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<BloccoFlock>(fd);
}

std::unique_ptr<BloccoFile> DiscoPosix::provaBlocco(const std::string& file, bool& occupato) {
    occupato = false;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        occupato = errno == ENOENT;
        return nullptr;
    }
    int r;
    do
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r != 0) {
        occupato = errno == EWOULDBLOCK;
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<BloccoFlock>(fd);
}

} // namespace vantrel
