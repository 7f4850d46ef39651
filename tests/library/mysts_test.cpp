#include "mysts.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "AppPaths.h"
#include "CodeBox.h"
#include "ScriptedDialogs.h"

TEST(MyStatements, OkAndDeleteOnlySayInDevelopmentAndTouchNoFile) {
    QTemporaryDir dir;
    AppPaths::setApplicationFolder(dir.path());
    ScriptedDialogs dialogs;
    mysts w(dialogs);
    w.show();
    w.nameBox->setText("我的语句");
    w.Command1->click();
    w.Command3->click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    for (const auto& c : dialogs.calls) {
        EXPECT_EQ(c.text, "开发中！");
        EXPECT_EQ(c.style, 64);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.nameBox->text(), "我的语句");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    AppPaths::setApplicationFolder({});
}

TEST(MyStatements, CloseButtonClosesAndTypedTextIsGoneNextTime) {
    ScriptedDialogs dialogs;
    {
        mysts w(dialogs);
        w.show();
        w.pathBox->setText("c:\\x.vbs");
        w.Command2->click();
        EXPECT_FALSE(w.isVisible());
    }
    mysts again(dialogs);
    EXPECT_TRUE(again.pathBox->text().isEmpty());
    EXPECT_EQ(again.Frame1->title(), "语句设置");
    EXPECT_EQ(again.searchlist->count(), 0);
    EXPECT_TRUE(again.codebox->Text().isEmpty());
}
