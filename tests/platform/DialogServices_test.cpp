#include <gtest/gtest.h>

#include "ScriptedDialogs.h"

TEST(DialogServices, FilterTurnsIntoQtForm) {
    EXPECT_EQ(DialogServices::toQtFilter(QStringLiteral("VBScript脚本文件(*.vbs)|*.vbs|")),
              QStringLiteral("VBScript脚本文件(*.vbs) (*.vbs)"));
    EXPECT_EQ(DialogServices::toQtFilter("Text|*.txt;*.log|All|*.*"),
              QStringLiteral("Text (*.txt *.log);;All (*.*)"));
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsQuestions) {
    ScriptedDialogs d;
    d.push(DialogServices::No);
    d.push(QStringLiteral("/tmp/x.vbs"));
    d.push(QVariant());
    DialogServices& s = d;
    EXPECT_EQ(s.messageBox("q?", DialogServices::YesNo | DialogServices::Question),
              DialogServices::No);
    EXPECT_EQ(s.saveFileName("", "f"), QStringLiteral("/tmp/x.vbs"));
    EXPECT_FALSE(s.inputBox("name").has_value());
    ASSERT_EQ(d.calls.size(), 3);
    EXPECT_EQ(d.calls[0].style, 36);
    EXPECT_EQ(d.calls[1].kind, QStringLiteral("save"));
}
