#include "FdSource.h"

#include <unistd.h>

#include <cerrno>

namespace scripting {

FdSource::~FdSource() {
    if (owned_ && fd_ >= 0) ::close(fd_);
}

bool FdSource::read(std::string& out) {
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0) {
            out.append(buf, static_cast<size_t>(n));
            return true;
        }
        if (n < 0 && errno == EINTR) continue;
        return false;
    }
}

}  // namespace scripting
