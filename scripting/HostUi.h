// What a script host shows the user: output, errors and questions. The
// console host prints and reads lines; the windowed host opens dialogs.
#pragma once

#include <string>

#include "vbscript/value.h"

namespace scripting {

class HostUi {
  public:
    virtual ~HostUi() = default;
    // WScript.Echo: one call, one message.
    virtual void echo(const std::u16string& text) = 0;
    // An uncaught script error or a failure of the host itself.
    virtual void error(const std::u16string& title, const std::u16string& text) = 0;
    // Button numbers as MsgBox returns them (vbOK = 1 ... vbNo = 7).
    virtual int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) = 0;
    // The text entered, or Empty when cancelled.
    virtual vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                                const std::u16string& defaultText) = 0;
    // A message box that gives up after `seconds` (when > 0) and returns -1.
    virtual int popup(const std::u16string& text, int seconds, const std::u16string& title,
                      int buttons) = 0;
    // The time limit ran out while the script waited (in a dialog, for a program). Called on
    // the watchdog's thread; the process ends when it returns. This form writes the text to
    // standard error; a windowed host shows it when its window thread can.
    virtual void timeUp(const std::u16string& title, const std::u16string& text);

    // The answer a box gives without anyone pressing a button: its default
    // button (vbDefaultButton2/3 move it along).
    static int defaultAnswer(int buttons);
};

}  // namespace scripting
