// The core shared by the console host (cscript) and the windowed host
// (wscript): reads the command line and the script file, sets up the WScript
// object and the scripting objects, runs the script and reports what went
// wrong. The front ends only supply the user interface.
#pragma once

#include <string>

#include "HostUi.h"
#include "vbscript/value.h"

namespace scripting {

enum class Mode { Console, Windowed };

// Runs the script the command line names and returns the process exit code:
// 0 after a normal end, N after WScript.Quit N, 1 after an uncaught error,
// a time-out or a bad command line. `ui` defaults to the console.
int runScriptHost(int argc, const char* const* argv, Mode mode, HostUi* ui = nullptr);

// Reads a script file by the text rules of the editor: a byte-order mark
// wins, then valid UTF-8, else GBK. False with a Chinese reason on failure.
bool readScriptFile(const std::string& path, std::u16string& text, std::u16string& problem);

// "file(line, column) VBScript runtime error 13: Type mismatch", then the
// failing line indented on a line of its own.
std::u16string consoleErrorText(const std::string& scriptPath, const vbs::ScriptError& e);
// The lines of the windowed host's error box: script, line, column, error,
// code and source.
std::u16string windowErrorText(const std::string& scriptPath, const vbs::ScriptError& e);

}  // namespace scripting
