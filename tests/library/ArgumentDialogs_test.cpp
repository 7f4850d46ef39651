#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "BatType.h"
#include "HostState.h"
#include "LibraryTestSupport.h"
#include "QtArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "ca.h"
#include "folderdialogf.h"
#include "optiondlgf.h"

namespace {

void pick(optiondlgf& dlg, int index) {
    dlg.listchoose->setCurrentIndex(index);
    emit dlg.listchoose->activated(index);
}

class OptionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HostState::OptionItems() = {QStringLiteral("甲"), QStringLiteral("乙"),
                                    QStringLiteral("丙")};
        HostState::OptionTitle() = QStringLiteral("选哪一个？");
        HostState::OptionResult() = QStringLiteral("旧的答案");
    }
};

TEST_F(OptionDialogTest, ShowsTitleAndChoicesInOrderWithNothingPicked) {
    optiondlgf dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("选择一项"));
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("选哪一个？"));
    ASSERT_EQ(dlg.listchoose->count(), 3);
    EXPECT_EQ(dlg.listchoose->itemText(1), QStringLiteral("乙"));
    EXPECT_EQ(dlg.listchoose->currentIndex(), -1);
    EXPECT_FALSE(dlg.listchoose->isEditable());
    EXPECT_FALSE(dlg.OKButton->isEnabled());
}

TEST_F(OptionDialogTest, PickingEnablesOkWhichReturnsThePickedText) {
    optiondlgf dlg;
    dlg.show();
    pick(dlg, 1);
    EXPECT_TRUE(dlg.OKButton->isEnabled());
    dlg.OKButton->click();
    EXPECT_EQ(HostState::OptionResult(), QStringLiteral("乙"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(OptionDialogTest, EnterConfirmsOnlyAfterAPick) {
    optiondlgf dlg;
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    pick(dlg, 2);
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(HostState::OptionResult(), QStringLiteral("丙"));
}

TEST_F(OptionDialogTest, ClosingWithoutOkNeverReturnsAnEarlierAnswer) {
    optiondlgf dlg;
    dlg.show();
    dlg.close();
    EXPECT_EQ(HostState::OptionResult(), QString());
}

TEST(FolderDialog, OkReturnsTheBoxTextAsTypedEvenWhenEmpty) {
    HostState::FolderTitle() = QStringLiteral("备份到哪里？");
    folderdialogf dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("选择文件夹"));
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("备份到哪里？"));
    EXPECT_TRUE(dlg.txtpath->text().isEmpty());
    dlg.txtpath->setText(QStringLiteral("D:\\备份 文件"));
    dlg.OKButton->click();
    EXPECT_EQ(HostState::FolderResult(), QStringLiteral("D:\\备份 文件"));

    folderdialogf empty;
    empty.OKButton->click();
    EXPECT_EQ(HostState::FolderResult(), QString());
}

TEST(FolderDialog, CancelAndTitleBarCloseBothGiveNone) {
    folderdialogf dlg;
    dlg.txtpath->setText(QStringLiteral("/tmp"));
    dlg.CancelButton->click();
    EXPECT_EQ(HostState::FolderResult(), QStringLiteral("none"));

    HostState::FolderResult() = QStringLiteral("/tmp");
    folderdialogf other;
    other.show();
    other.close();
    EXPECT_EQ(HostState::FolderResult(), QStringLiteral("none"));
}

TEST(FolderDialog, BrowseFillsTheBoxAndACancelledBrowserEmptiesIt) {
    HostState::FolderTitle() = QStringLiteral("选一个文件夹");
    ScriptedDialogs browser;
    browser.push(QStringLiteral("/home/user/脚本"));
    browser.push(QVariant());
    folderdialogf dlg(nullptr, &browser);
    dlg.btnbrowse->click();
    EXPECT_EQ(dlg.txtpath->text(), QStringLiteral("/home/user/脚本"));
    ASSERT_EQ(browser.calls.size(), 1);
    EXPECT_EQ(browser.calls[0].kind, QStringLiteral("folder"));
    EXPECT_EQ(browser.calls[0].title, QStringLiteral("选一个文件夹"));
    dlg.btnbrowse->click();
    EXPECT_EQ(dlg.txtpath->text(), QString());
}

void setChecks() {
    HostState::CheckItems() = {{QStringLiteral("a"), QStringLiteral("第一")},
                               {QStringLiteral("b"), QStringLiteral("第二")},
                               {QStringLiteral("c"), QStringLiteral("第三")}};
    HostState::CheckTitle() = QStringLiteral("要哪些？");
    HostState::CheckResult().clear();
}

TEST(CheckDialog, ListsLabelsUncheckedAndReturnsCheckedValuesInListOrder) {
    setChecks();
    ca dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("选择"));
    EXPECT_EQ(dlg.Command1->text(), QStringLiteral("选择"));
    ASSERT_EQ(dlg.chooseargs->count(), 3);
    EXPECT_EQ(dlg.chooseargs->item(2)->text(), QStringLiteral("第三"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dlg.chooseargs->item(i)->checkState(), Qt::Unchecked);
    dlg.chooseargs->item(2)->setCheckState(Qt::Checked);
    dlg.chooseargs->item(0)->setCheckState(Qt::Checked);
    dlg.Command1->click();
    EXPECT_EQ(HostState::CheckResult(), QStringLiteral("a|c"));
}

TEST(CheckDialog, NothingCheckedGivesEmptyText) {
    setChecks();
    ca dlg;
    dlg.Command1->click();
    EXPECT_EQ(HostState::CheckResult(), QString());
}

TEST(CheckDialog, ShowsTheTitleOnlyWhenThereIsOne) {
    setChecks();
    ca titled;
    titled.show();
    EXPECT_TRUE(titled.Label1->isVisible());
    EXPECT_EQ(titled.Label1->text(), QStringLiteral("要哪些？"));
    HostState::CheckTitle().clear();
    ca plain;
    plain.show();
    EXPECT_FALSE(plain.Label1->isVisible());
}

// The real modal dialogs, driven through the host object as a script would.
template <class Dialog, class Action>
void whenOpen(Action action) {
    QTimer::singleShot(0, [action] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dlg) {
            ADD_FAILURE() << "the expected dialog did not open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        action(*dlg);
    });
}

TEST(ModalDialogs, HostCallsWaitForTheRealDialogsAndReturnTheirAnswers) {
    FakeEditor editor;
    QtArgumentDialogs dialogs;
    BatType host(editor, dialogs);

    whenOpen<optiondlgf>([](optiondlgf& d) {
        pick(d, 1);
        d.OKButton->click();
    });
    EXPECT_EQ(host.OptionDLG(QStringLiteral("保存,不保存,取消"), QStringLiteral("t")),
              QStringLiteral("不保存"));

    whenOpen<optiondlgf>([](optiondlgf& d) { d.reject(); });
    EXPECT_EQ(host.askToSave(), QString());

    whenOpen<folderdialogf>([](folderdialogf& d) {
        d.txtpath->setText(QStringLiteral("/srv"));
        d.OKButton->click();
    });
    EXPECT_EQ(host.FolderDialog(QStringLiteral("t")), QStringLiteral("/srv"));

    whenOpen<ca>([](ca& d) {
        d.chooseargs->item(1)->setCheckState(Qt::Checked);
        d.Command1->click();
    });
    EXPECT_EQ(host.CheckDLG(QStringLiteral("x|一,y|二"), QStringLiteral("t")), QStringLiteral("y"));

    whenOpen<ca>([](ca& d) {
        d.chooseargs->item(0)->setCheckState(Qt::Checked);
        d.reject();
    });
    EXPECT_EQ(host.CheckDLG(QStringLiteral("x|一,y|二"), QStringLiteral("t")), QString());

    whenOpen<folderdialogf>([](folderdialogf& d) {
        d.txtpath->setText(QStringLiteral("/srv"));
        d.reject();
    });
    EXPECT_EQ(host.FolderDialog(QStringLiteral("t")), QStringLiteral("none"));
}

}  // namespace
