// libFuzzer target: any bytes are parsed and run as a script, with a short
// time limit. The engine must answer with a script error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vbscript/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    vbs::Engine engine;
    engine.setTimeout(50);
    try {
        engine.AddCode(text);
    } catch (const vbs::ScriptError&) {
    }
    try {
        engine.Eval(vbs::fromUtf8(text));
    } catch (const vbs::ScriptError&) {
    }
    return 0;
}
