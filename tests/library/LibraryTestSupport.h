#pragma once
#include <QString>
#include <QStringList>

#include "CodeInsertion.h"
#include "EditorHost.h"

// An editor without a widget: the text, the caret and every call, so tests
// of the host object and of the insertion see exactly what reached it.
class FakeEditor : public EditorHost {
  public:
    QString text;
    qsizetype caret = 0;
    bool crlfPlus = false;
    QStringList added;
    int writes = 0;

    void CodeAddString(const QString& addstr) override {
        added << addstr;
        const CodeInsertion::Result r = CodeInsertion::apply(text, caret, addstr, crlfPlus);
        text = r.text;
        caret = r.caret;
    }
    QString codeText() const override { return text; }
    void setCodeText(const QString& t) override {
        text = t;
        ++writes;
    }
};
