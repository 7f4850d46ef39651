// The windowed host's user interface: every message, error and question in
// a Qt dialog, with the button captions in Chinese.
#pragma once

#include "HostUi.h"

class QMessageBox;

namespace scripting {

class QtHostUi : public HostUi {
  public:
    void echo(const std::u16string& text) override;
    void error(const std::u16string& title, const std::u16string& text) override;
    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;
    vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                        const std::u16string& defaultText) override;
    int popup(const std::u16string& text, int seconds, const std::u16string& title,
              int buttons) override;

  private:
    // Shows a box in MsgBox style (buttons, icon, default button); gives up
    // after `seconds` when positive and then returns -1.
    int show(const std::u16string& text, int buttons, const std::u16string& title, int seconds);
};

}  // namespace scripting
