// The engine's host services for our hosts: message and input boxes go to
// the host's user interface, or answer at once in batch mode (//B).
#pragma once

#include "HostUi.h"
#include "vbscript/engine.h"

namespace scripting {

class ScriptHostServices : public vbs::HostServices {
  public:
    ScriptHostServices(HostUi& ui, bool batch) : ui_(ui), batch_(batch) {}

    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;
    vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                        const std::u16string& defaultText) override;
    vbs::Ref<vbs::Object> createObject(const std::u16string& progId) override;
    vbs::Ref<vbs::Object> getObject(const std::u16string& path,
                                    const std::u16string& progId) override;
    void echo(const std::u16string& text) override { ui_.echo(text); }
    int popup(const std::u16string& text, int seconds, const std::u16string& title, int buttons);

    HostUi& ui() { return ui_; }
    bool batch() const { return batch_; }

  private:
    HostUi& ui_;
    bool batch_;
};

}  // namespace scripting
