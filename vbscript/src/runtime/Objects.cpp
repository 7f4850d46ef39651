// The runtime's objects: New RegExp, CreateObject("VBScript.RegExp") and
// CreateObject("Scripting.Dictionary").
#include "BuiltinSupport.h"
#include "Dictionary.h"
#include "RegExpObject.h"

namespace vbs::runtime {

void registerObjects(BuiltinRegistry& r) {
    ObjectFactory regexp = [](BuiltinContext&) { return Ref<Object>(new RegExpObject); };
    r.registerClass(u"RegExp", regexp);
    r.registerProgId(u"VBScript.RegExp", regexp);
    r.registerProgId(u"Scripting.Dictionary",
                     [](BuiltinContext&) { return Ref<Object>(new Dictionary); });
}

}  // namespace vbs::runtime
