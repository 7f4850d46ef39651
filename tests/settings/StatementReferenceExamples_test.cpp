#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ScriptControl.h"
#include "ScriptedDialogs.h"
#include "StatementReference.h"

namespace {

// What an example promises to show: the text after "' 显示" in its comments,
// without the Chinese quotes around it.
QStringList promisedDisplays(const QString& example) {
    QStringList out;
    static const QRegularExpression re(QStringLiteral("' 显示(?:“(.*)”| (.*))$"));
    for (const QString& line : example.split('\n')) {
        const auto m = re.match(line);
        if (m.hasMatch())
            out << (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).trimmed();
    }
    return out;
}

QStringList shown(const ScriptedDialogs& dialogs) {
    QStringList texts;
    for (const auto& c : dialogs.calls)
        if (c.kind == "message") texts << c.text;
    return texts;
}

}  // namespace

// The help teaches the language our engine runs: every example runs there
// and shows what its comments promise.
TEST(StatementReferenceExamples, EveryExampleRunsAndShowsWhatItSays) {
    int checkedDisplays = 0;
    for (const auto& e : StatementReference::entries()) {
        if (e.example.isEmpty() || e.name == "Option Explicit") continue;
        ScriptedDialogs dialogs;
        ScriptControl sc(dialogs);
        const bool ok = sc.AddCode(e.example);
        EXPECT_TRUE(ok) << e.name.toStdString() << ": "
                        << sc.lastFailure().description.toStdString() << " at line "
                        << sc.lastFailure().line;
        const QStringList texts = shown(dialogs);
        for (const QString& promised : promisedDisplays(e.example)) {
            EXPECT_TRUE(texts.contains(promised))
                << e.name.toStdString() << " should show " << promised.toStdString() << ", showed "
                << texts.join(" | ").toStdString();
            ++checkedDisplays;
        }
    }
    EXPECT_GE(checkedDisplays, 15);
}

TEST(StatementReferenceExamples, OptionExplicitExampleStopsAtTheMisspelledName) {
    for (const auto& e : StatementReference::entries()) {
        if (e.name != "Option Explicit") continue;
        ScriptedDialogs dialogs;
        ScriptControl sc(dialogs);
        EXPECT_FALSE(sc.AddCode(e.example));
        EXPECT_EQ(sc.lastFailure().number, 500);  // variable is undefined
        EXPECT_EQ(sc.lastFailure().line, 4);
        return;
    }
    FAIL() << "no Option Explicit entry";
}
