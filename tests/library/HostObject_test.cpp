#include <gtest/gtest.h>
#include <vbscript/value.h>

#include <QVariant>

#include "BatType.h"
#include "BatTypeObject.h"
#include "CommonDialog.h"
#include "HostState.h"
#include "LibraryTestSupport.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "VbColor.h"

namespace {

using vbs::InvokeKind;
using vbs::Value;

// Calls a member as a script would, with values as arguments.
Value call(vbs::Object& obj, std::u16string_view name, std::vector<Value> args,
           InvokeKind kind = InvokeKind::Call) {
    std::vector<Value*> ptrs;
    for (Value& v : args) ptrs.push_back(&v);
    Value result;
    obj.invoke(name, kind, ptrs, result);
    return result;
}

QString text(const Value& v) { return QString::fromStdU16String(v.toString()); }

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vbs::ScriptError& e) {
        return e.number;
    }
    return 0;
}

class HostObjectTest : public ::testing::Test {
  protected:
    FakeEditor editor;
    ScriptedArgumentDialogs dialogs;
    BatType control{editor, dialogs};
    vbs::Ref<BatTypeObject> obj = vbs::makeRef<BatTypeObject>(&control);
};

TEST_F(HostObjectTest, StringReturnInsertsInOrderAndRemembersTheLastText) {
    editor.text = QStringLiteral("[]");
    editor.caret = 1;
    call(*obj, u"StringReturn", {Value(u"a")});
    call(*obj, u"stringreturn", {Value(u"b")});
    EXPECT_EQ(editor.text, QStringLiteral("[ab]"));
    EXPECT_EQ(HostState::LastInsertedText(), QStringLiteral("b"));
}

TEST_F(HostObjectTest, ArgumentsConvertLikeTheLanguageAndNullIsAnError) {
    call(*obj, u"StringReturn", {Value(int32_t(42))});
    call(*obj, u"StringReturn", {Value()});
    call(*obj, u"StringReturn", {Value(true)});
    EXPECT_EQ(editor.added, (QStringList{"42", "", "True"}));
    EXPECT_EQ(errorOf([&] { call(*obj, u"StringReturn", {Value::null()}); }), 94);
    EXPECT_EQ(errorOf([&] { call(*obj, u"OptionDLG", {Value(u"a"), Value::null()}); }), 94);
    EXPECT_EQ(editor.added.size(), 3);
}

TEST_F(HostObjectTest, WrongArgumentCountsAndUnknownMembersAreScriptErrors) {
    EXPECT_EQ(errorOf([&] { call(*obj, u"OptionDLG", {Value(u"a")}); }), 450);
    EXPECT_EQ(errorOf([&] { call(*obj, u"StringReturn", {}); }), 450);
    EXPECT_EQ(errorOf([&] { call(*obj, u"Nope", {}); }), 438);
    EXPECT_EQ(dialogs.openings.size(), 0);
}

TEST_F(HostObjectTest, NamePropertiesStartEmptyAndKeepWhatIsWritten) {
    EXPECT_EQ(text(call(*obj, u"YuJuName", {}, InvokeKind::Get)), QString());
    call(*obj, u"yujuname", {Value(u"循环")}, InvokeKind::Let);
    call(*obj, u"YuJuCaption", {Value(int32_t(7))}, InvokeKind::Let);
    EXPECT_EQ(text(call(*obj, u"YUJUNAME", {}, InvokeKind::Get)), QStringLiteral("循环"));
    EXPECT_EQ(text(call(*obj, u"YuJuCaption", {}, InvokeKind::Get)), QStringLiteral("7"));
}

TEST_F(HostObjectTest, OptionDialogGetsEveryPieceAndReturnsThePick) {
    dialogs.pushOption(1);
    const Value r = call(*obj, u"OptionDLG", {Value(u"一,二,三,"), Value(u"标题")});
    EXPECT_EQ(text(r), QStringLiteral("二"));
    EXPECT_EQ(r.type(), vbs::vtString);
    ASSERT_EQ(dialogs.openings.size(), 1);
    EXPECT_EQ(dialogs.openings[0].title, QStringLiteral("标题"));
    EXPECT_EQ(dialogs.openings[0].items, (QStringList{"一", "二", "三", ""}));
}

TEST_F(HostObjectTest, FolderDialogReturnsPathOrNone) {
    dialogs.pushFolder(QStringLiteral("C:\\工作"));
    dialogs.pushFolderCancel();
    dialogs.pushFolder(QString());
    EXPECT_EQ(text(call(*obj, u"FolderDialog", {Value(u"哪里")})), QStringLiteral("C:\\工作"));
    EXPECT_EQ(text(call(*obj, u"FolderDialog", {Value(u"哪里")})), QStringLiteral("none"));
    EXPECT_EQ(text(call(*obj, u"FolderDialog", {Value(u"哪里")})), QString());
    EXPECT_EQ(HostState::FolderTitle(), QStringLiteral("哪里"));
}

TEST_F(HostObjectTest, CheckDialogJoinsCheckedValuesAndEachCallStandsAlone) {
    dialogs.pushCheck({0, 2});
    dialogs.pushCheckClosed();
    const Value first = call(*obj, u"CheckDLG", {Value(u"x|甲,y|乙,z|丙|多余"), Value(u"选")});
    EXPECT_EQ(text(first), QStringLiteral("x|z"));
    EXPECT_EQ(dialogs.openings[0].items, (QStringList{"甲", "乙", "丙"}));
    const Value second = call(*obj, u"CheckDLG", {Value(u"p|一"), Value(u"选")});
    EXPECT_EQ(text(second), QString());
}

TEST_F(HostObjectTest, CheckEntryWithoutBarOrEmptyEntryIsSubscriptOutOfRange) {
    EXPECT_EQ(errorOf([&] { call(*obj, u"CheckDLG", {Value(u"a|1,b"), Value(u"")}); }), 9);
    EXPECT_EQ(errorOf([&] { call(*obj, u"CheckDLG", {Value(u"a|1,"), Value(u"")}); }), 9);
    EXPECT_EQ(dialogs.openings.size(), 0);
}

TEST_F(HostObjectTest, UnsavedQuestionOffersTheThreeAnswers) {
    dialogs.pushOption(2);
    EXPECT_EQ(control.askToSave(), QStringLiteral("取消"));
    EXPECT_EQ(dialogs.openings[0].items, (QStringList{"保存", "不保存", "取消"}));
    EXPECT_EQ(dialogs.openings[0].title, QStringLiteral("您的文件未保存。"));
}

TEST_F(HostObjectTest, ControlKeepsItsSquareSize) {
    const int side = Twips::toPixels(735);
    EXPECT_EQ(control.size(), QSize(side, side));
    control.show();
    control.resize(side * 3, side / 2);
    EXPECT_EQ(control.size(), QSize(side, side));
}

class CommonDialogTest : public ::testing::Test {
  protected:
    ScriptedDialogs services;
    vbs::Ref<CommonDialog> dlg = vbs::makeRef<CommonDialog>(services);
    void set(std::u16string_view name, Value v) { call(*dlg, name, {v}, InvokeKind::Let); }
    QString get(std::u16string_view name) { return text(call(*dlg, name, {}, InvokeKind::Get)); }
};

TEST_F(CommonDialogTest, OpenReportsFileNameAndTitleWithTheScriptsSettings) {
    set(u"DialogTitle", Value(u"打开日志"));
    set(u"Filter", Value(u"文本 (*.txt)|*.txt|全部|*.*"));
    set(u"InitDir", Value(u"/var/log"));
    services.push(QStringLiteral("/var/log/系统.txt"));
    call(*dlg, u"ShowOpen", {});
    EXPECT_EQ(get(u"FileName"), QStringLiteral("/var/log/系统.txt"));
    EXPECT_EQ(get(u"filetitle"), QStringLiteral("系统.txt"));
    ASSERT_EQ(services.calls.size(), 1);
    EXPECT_EQ(services.calls[0].kind, QStringLiteral("open"));
    EXPECT_EQ(services.calls[0].title, QStringLiteral("打开日志"));
    EXPECT_EQ(services.calls[0].text, QStringLiteral("文本 (*.txt)|*.txt|全部|*.*"));
}

TEST_F(CommonDialogTest, FilterIndexPutsThatFilterFirstAndDefaultExtCompletesNames) {
    set(u"Filter", Value(u"文本|*.txt|脚本|*.vbs"));
    set(u"FilterIndex", Value(int32_t(2)));
    set(u"DefaultExt", Value(u"vbs"));
    services.push(QStringLiteral("/tmp/新脚本"));
    call(*dlg, u"ShowSave", {});
    EXPECT_EQ(services.calls[0].kind, QStringLiteral("save"));
    EXPECT_EQ(services.calls[0].text, QStringLiteral("脚本|*.vbs|文本|*.txt"));
    EXPECT_EQ(get(u"FileName"), QStringLiteral("/tmp/新脚本.vbs"));
    EXPECT_EQ(text(call(*dlg, u"FilterIndex", {}, InvokeKind::Get)), QStringLiteral("2"));
}

TEST_F(CommonDialogTest, CancelClearsTheNameAndRaises32755OnlyWhenAsked) {
    services.push(QStringLiteral("/tmp/a.txt"));
    call(*dlg, u"ShowOpen", {});
    services.push(QVariant());
    EXPECT_EQ(errorOf([&] { call(*dlg, u"ShowOpen", {}); }), 0);
    EXPECT_EQ(get(u"FileName"), QString());
    EXPECT_EQ(get(u"FileTitle"), QString());
    set(u"CancelError", Value(true));
    services.push(QVariant());
    EXPECT_EQ(errorOf([&] { call(*dlg, u"ShowOpen", {}); }), 32755);
}

TEST_F(CommonDialogTest, UnknownMembersAndReadOnlyTitleAreErrors) {
    EXPECT_EQ(errorOf([&] { call(*dlg, u"ShowColor", {}); }), 438);
    EXPECT_EQ(errorOf([&] { set(u"FileTitle", Value(u"x")); }), 383);
    EXPECT_EQ(errorOf([&] { set(u"Filter", Value::null()); }), 94);
}

}  // namespace
