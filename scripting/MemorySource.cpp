#include "MemorySource.h"

namespace scripting {

bool MemorySource::read(std::string& out) {
    if (done_ || bytes_.empty()) return false;
    out += bytes_;
    bytes_.clear();
    done_ = true;
    return true;
}

}  // namespace scripting
