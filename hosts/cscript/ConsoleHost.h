// Host services for the console: message boxes print their text, input
// boxes read a line from standard input.
#pragma once

#include "vbscript/engine.h"

namespace korvel {

class ConsoleHost : public vbs::HostServices {
  public:
    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;
    vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                        const std::u16string& defaultText) override;
    void echo(const std::u16string& text) override;
};

}  // namespace korvel
