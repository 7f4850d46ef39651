#include "CodeBoxHost.h"

#include <QTextCursor>
#include <QTextDocument>

#include "CodeBox.h"
#include "CodeInsertion.h"

namespace {

// The document keeps one '\n' per line break.
QString toDocument(const QString& crlfText) {
    QString t = crlfText;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

}  // namespace

CodeBoxHost::CodeBoxHost(CodeBox& box, std::function<QString()> crlfPlus)
    : box_(box), crlfPlus_(std::move(crlfPlus)) {}

QString CodeBoxHost::normalizeBreaks(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t;
}

void CodeBoxHost::CodeAddString(const QString& addstr) {
    const QString add = normalizeBreaks(addstr);
    const bool plus = crlfPlus_ && CodeInsertion::crlfPlusOn(crlfPlus_());
    const QString before = box_.Text();
    const CodeInsertion::Result r = CodeInsertion::apply(before, box_.CaretPosition(), add, plus);

    QTextCursor c(box_.document());
    c.beginEditBlock();
    c.setPosition(int(box_.toDocumentPosition(r.caret - add.size())));
    c.insertText(toDocument(add));
    if (plus) {
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("\n"));
    }
    c.endEditBlock();
    box_.setCaretPosition(r.caret);
    // The user should see what was inserted, also far down a long script.
    box_.ensureCursorVisible();
}

QString CodeBoxHost::codeText() const { return box_.Text(); }

void CodeBoxHost::setCodeText(const QString& text) {
    const QString now = box_.Text();
    const QString wanted = normalizeBreaks(text);
    if (!now.isEmpty() && wanted.size() > now.size() && wanted.startsWith(now)) {
        const qsizetype caret = box_.CaretPosition();
        QTextCursor c(box_.document());
        c.beginEditBlock();
        c.movePosition(QTextCursor::End);
        c.insertText(toDocument(wanted.mid(now.size())));
        c.endEditBlock();
        box_.setCaretPosition(caret);
        return;
    }
    box_.setText(text);
}
