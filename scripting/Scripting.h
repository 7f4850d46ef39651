// Makes CreateObject("Scripting.FileSystemObject"), "WScript.Shell" and
// "WScript.Network" work in an engine. Every host that runs scripts (the
// console and windowed hosts, the editor's own engine) calls it once.
#pragma once

#include "vbscript/engine.h"

namespace scripting {

void registerScriptingObjects(vbs::Engine& engine);

}  // namespace scripting
