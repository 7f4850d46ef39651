#include "FileSink.h"

namespace scripting {

bool FileSink::write(std::string_view bytes) {
    if (!file_) return false;
    // Written through at once: a child reading our output must see it before
    // the script waits for its answer, and a script ended by its time limit
    // must not lose what it wrote.
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() &&
           std::fflush(file_) == 0;
}

bool FileSink::close() {
    if (!file_) return true;
    bool ok = std::fflush(file_) == 0;
    if (owned_) ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
}

}  // namespace scripting
