#pragma once
#include <QString>

// What the main window lends to the other windows and the host object: its
// code box, reached only through these calls.
class EditorHost {
  public:
    virtual ~EditorHost() = default;
    // Inserts at the caret; with CrlfPlus equal to 1 a line break goes at the
    // very end of the whole text. The caret ends right after addstr.
    virtual void CodeAddString(const QString& addstr) = 0;
    // The code box's whole Text (lines joined with CR LF).
    virtual QString codeText() const = 0;
    // Replaces the whole Text; raises the change notification like any edit.
    virtual void setCodeText(const QString& text) = 0;
};
