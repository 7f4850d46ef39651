// The runtime library's entry point: every built-in function, constant and object it adds.
#include "BuiltinSupport.h"

namespace vbs {

void registerRuntimeLibrary(BuiltinRegistry& registry) {
    runtime::registerConstants(registry);
    runtime::registerStringFunctions(registry);
    runtime::registerMathFunctions(registry);
    runtime::registerDateFunctions(registry);
    runtime::registerFormatFunctions(registry);
    runtime::registerHostFunctions(registry);
    runtime::registerObjects(registry);
}

}  // namespace vbs
