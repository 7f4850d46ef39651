#include "Scripting.h"

#include "FileSystemObject.h"
#include "WshNetwork.h"
#include "WshShell.h"

namespace scripting {

void registerScriptingObjects(vbs::Engine& engine) {
    auto& reg = engine.builtins();
    reg.registerProgId(u"Scripting.FileSystemObject", [](vbs::BuiltinContext&) {
        return vbs::Ref<vbs::Object>(new FileSystemObject);
    });
    reg.registerProgId(u"WScript.Shell", [](vbs::BuiltinContext& ctx) {
        return vbs::Ref<vbs::Object>(new WshShell(&ctx.engine()));
    });
    reg.registerProgId(u"WScript.Network",
                       [](vbs::BuiltinContext&) { return vbs::Ref<vbs::Object>(new WshNetwork); });
}

}  // namespace scripting
