// The console script host: output and errors on the terminal.
#include "ScriptHost.h"

int main(int argc, char** argv) {
    return scripting::runScriptHost(argc, argv, scripting::Mode::Console);
}
