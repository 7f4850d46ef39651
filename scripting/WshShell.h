// WScript.Shell: starting programs (Run, Exec), the environment, the current
// folder, Popup and the user's special folders. The registry, shortcuts and
// window control have no Linux counterpart and raise an error saying so.
#pragma once

#include "HostObject.h"
#include "vbscript/engine.h"

namespace scripting {

class WshShell : public HostObject<WshShell> {
  public:
    // `engine` (may be null) is paused while the script waits for a child
    // or a dialog, and supplies the host's Popup.
    explicit WshShell(vbs::Engine* engine) : engine_(engine) {}
    static const std::vector<Member<WshShell>>& members();
    std::u16string typeName() const override { return u"IWshShell3"; }

    int32_t run(const std::u16string& command, bool wait);
    int popup(const std::u16string& text, int seconds, const std::u16string& title, int type);

  private:
    vbs::Engine* engine_;
};

}  // namespace scripting
