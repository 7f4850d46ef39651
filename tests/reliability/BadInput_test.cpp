// Bad input of every kind ends in a clear message or a sound result, and
// nothing the user had is lost.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "CodeBox.h"
#include "DocumentCommands.h"
#include "MainWindowState.h"
#include "ProcessState.h"
#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TestSupport.h"

using TestSupport::writeBytes;

namespace {

struct Doc {
    QTemporaryDir dir;
    CodeBox box;
    MainWindowState state;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    DocumentCommands docs{{nullptr, box, state, dialogs, launcher, {}, [](const QString&) {}}};
    Doc() {
        ProcessState::CurrentPath().clear();
        box.setText("user's work");
    }
    QString path(const QString& n) const { return dir.filePath(n); }
    bool refusedWithMessage(const QString& file) {
        const int before = int(dialogs.calls.size());
        const bool opened = docs.openPath(file);
        return !opened && dialogs.calls.size() == before + 1 && box.Text() == "user's work" &&
               ProcessState::CurrentPath().isEmpty();
    }
};

}  // namespace

TEST(BadInput, BinaryFileIsRefusedAndTheDocumentStays) {
    Doc d;
    QByteArray bytes(64 * 1024, '\0');
    for (auto& b : bytes) b = char(QRandomGenerator::global()->bounded(256));
    bytes[100] = '\0';
    writeBytes(d.path("prog.bin"), bytes);
    EXPECT_TRUE(d.refusedWithMessage(d.path("prog.bin")));
    EXPECT_TRUE(d.dialogs.calls.last().text.contains(QStringLiteral("不是文本文件")));
}

TEST(BadInput, TenMegabyteLineIsRefusedWithAReason) {
    Doc d;
    writeBytes(d.path("line.vbs"), QByteArray(10 * 1024 * 1024, 'a'));
    EXPECT_TRUE(d.refusedWithMessage(d.path("line.vbs")));
    EXPECT_TRUE(d.dialogs.calls.last().text.contains(QStringLiteral("超长行")));
}

TEST(BadInput, FiftyMegabyteScriptOpensWhole) {
    Doc d;
    const QByteArray line = "    total = total + Len(items(i)) ' a line of ordinary length\r\n";
    QByteArray bytes;
    bytes.reserve(50 * 1024 * 1024);
    while (bytes.size() < 50 * 1024 * 1024) bytes += line;
    writeBytes(d.path("big.vbs"), bytes);
    ASSERT_TRUE(d.docs.openPath(d.path("big.vbs")));
    EXPECT_EQ(d.box.blockCount(), bytes.size() / line.size());
    EXPECT_FALSE(d.box.highlighting());
}

TEST(BadInput, InvalidUtf8AndUtf16AndGbkAllOpen) {
    Doc d;
    writeBytes(d.path("bad8.vbs"), "MsgBox \"\xC3\x28\"\r\n");
    ASSERT_TRUE(d.docs.openPath(d.path("bad8.vbs")));
    EXPECT_TRUE(d.box.Text().startsWith("MsgBox"));
    writeBytes(d.path("u16.vbs"),
               QByteArray("\xFF\xFE", 2) + QByteArray("M\0s\0g\0\r\0\n\0x\0", 12));
    ASSERT_TRUE(d.docs.openPath(d.path("u16.vbs")));
    EXPECT_EQ(d.box.Text(), QStringLiteral("Msg\r\nx"));
    writeBytes(d.path("gbk.vbs"), "MsgBox \"\xC4\xE3\xBA\xC3\"");
    ASSERT_TRUE(d.docs.openPath(d.path("gbk.vbs")));
    EXPECT_EQ(d.box.Text(), QStringLiteral("MsgBox \"你好\""));
}

TEST(BadInput, SavingIntoAReadOnlyFolderTellsTheUserAndKeepsState) {
    Doc d;
    QDir(d.dir.path()).mkdir("locked");
    QFile::setPermissions(d.path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    d.state.Modified = true;
    d.dialogs.push(d.path("locked/new.vbs"));
    EXPECT_FALSE(d.docs.savefile());
    QFile::setPermissions(d.path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(QFile::exists(d.path("locked/new.vbs")));
    EXPECT_TRUE(d.state.Modified);
    EXPECT_TRUE(ProcessState::CurrentPath().isEmpty());
    EXPECT_EQ(d.dialogs.calls.last().style, 16);
}

TEST(BadInput, HugeStatementLibraryLoadsAndLists) {
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += QStringLiteral("语句%1,说明,[apppath]\\scripts\\s.vbs,功能\r\n").arg(i).toUtf8();
    writeBytes(dir.filePath("stslist.dat"), bytes);
    StatementTable table;
    ASSERT_EQ(table.load(dir.path()), StatementTable::LoadResult::Ok);
    ScriptedDialogs dialogs;
    StatementPanel panel(table, dialogs);
    panel.GetList(0);
    EXPECT_EQ(panel.searchlist->count(), 100000);
    EXPECT_EQ(panel.searchlist->item(99999)->text(), QStringLiteral("语句99999"));
}

TEST(BadInput, LibraryWithNulBytesAndLongFieldsLoads) {
    QTemporaryDir dir;
    QByteArray bytes = QByteArray("a\0b,desc,p,f\r\n", 14);
    bytes += QByteArray(2 * 1024 * 1024, 'n') + ",d,p,f\r\n";
    writeBytes(dir.filePath("stslist.dat"), bytes);
    StatementTable table;
    ASSERT_EQ(table.load(dir.path()), StatementTable::LoadResult::Ok);
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table.at(0).Name.size(), 3);
    EXPECT_EQ(table.at(1).Name.size(), 2 * 1024 * 1024);
}
