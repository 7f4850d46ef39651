// The windowed host's user interface: every message, error and question in
// a Qt dialog, with the button captions in Chinese.
#pragma once

#include <functional>

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
    // Shows the message over whatever the script waits in, and ends the process from the
    // window thread once it is closed, so the script never runs on. When the window thread
    // does not take the call within `answerMs` (it waits for a program), the text goes to
    // standard error instead.
    void timeUp(const std::u16string& title, const std::u16string& text) override;

    // Tests replace the ending of the process and the wait.
    std::function<void()> endProcess;
    int answerMs = 3000;

  private:
    // Shows a box in MsgBox style (buttons, icon, default button); gives up
    // after `seconds` when positive and then returns -1.
    int show(const std::u16string& text, int buttons, const std::u16string& title, int seconds);
};

}  // namespace scripting
