#pragma once

// The three argument dialogs behind the host object. Each call opens its
// dialog modally, reads its inputs from HostState when it opens and leaves
// its result in HostState when it closes:
// - option dialog: OptionItems, OptionTitle -> OptionResult
// - folder dialog: FolderTitle -> FolderResult (a path, or "none")
// - check dialog:  CheckItems, CheckTitle   -> CheckResult
// Closing a dialog without its buttons counts as cancelling it: the option
// dialog leaves empty text, the folder dialog "none", the check dialog
// empty text, never the answer of an earlier call.
class ArgumentDialogs {
  public:
    virtual ~ArgumentDialogs() = default;
    virtual void showOptionDialog() = 0;
    virtual void showFolderDialog() = 0;
    virtual void showCheckDialog() = 0;
};
