#pragma once
#include <functional>

#include "EditorHost.h"

class CodeBox;

// The main window's EditorHost over its code box. Edits are made in place,
// as one undo step with one change notification, so the user can undo an
// inserted statement with a single Ctrl+Z.
class CodeBoxHost : public EditorHost {
  public:
    // crlfPlus is asked at every insertion (the main window reads the
    // setting once at start and keeps it in its state).
    CodeBoxHost(CodeBox& box, std::function<QString()> crlfPlus);

    void CodeAddString(const QString& addstr) override;
    QString codeText() const override;
    // Appending keeps the caret and the undo history; any other text
    // replaces the whole content.
    void setCodeText(const QString& text) override;

    // Line breaks as the box stores them: CR LF, a lone CR and a lone LF
    // each become CR LF, so positions computed on the result match Text.
    static QString normalizeBreaks(const QString& text);

  private:
    CodeBox& box_;
    std::function<QString()> crlfPlus_;
};
