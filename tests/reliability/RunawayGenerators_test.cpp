// Generator scripts that never end, recurse without end or fail at every
// turn: each ends in the editor's message and the editor goes on working.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CodeBox.h"
#include "RecordingLauncher.h"
#include "ScriptControl.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TestSupport.h"
#include "mainfrm.h"

namespace {

struct Editor {
    QTemporaryDir config, app;
    SettingsStore settings{config.path()};
    ScriptedDialogs dialogs;
    ScriptedArgumentDialogs args;
    StatementTable table;
    RecordingLauncher launcher;
    std::unique_ptr<mainfrm> w;

    using Scripts = QList<QPair<QString, QByteArray>>;
    explicit Editor(const Scripts& scripts) {
        QDir(app.path()).mkpath("scripts");
        QByteArray library;
        for (const auto& [name, code] : scripts) {
            TestSupport::writeBytes(app.filePath("scripts/" + name), code);
            library += (name + ",d,[apppath]\\scripts\\" + name + ",f\r\n").toUtf8();
        }
        library += "ok,d,[apppath]\\scripts\\ok.vbs,f\r\n";
        TestSupport::writeBytes(app.filePath("scripts/ok.vbs"),
                                "CBatCode.StringReturn \"fine\"\r\n");
        TestSupport::writeBytes(app.filePath("stslist.dat"), library);
        settings.save("korvelVbs", "main", "End Sub", "no");
        w = std::make_unique<mainfrm>(
            mainfrm::Services{settings, dialogs, table, app.path(), launcher, args});
        w->Load();
        w->sc().setTimeout(300);
    }
    // Runs entry i and reports whether it ended in the failure message.
    bool failsWithMessage(int i) {
        const int before = int(dialogs.calls.size());
        w->panel->statementActivated(i);
        return dialogs.calls.size() == before + 1 &&
               dialogs.calls.last().text.startsWith(QStringLiteral("无法执行 '"));
    }
    bool stillWorks() {
        w->codebox->setText("");
        w->panel->statementActivated(table.size() - 1);
        return w->codebox->Text() == QStringLiteral("fine");
    }
};

}  // namespace

TEST(RunawayGenerators, EndlessLoopIsStoppedByTheTimeLimit) {
    Editor e(Editor::Scripts{{"loop.vbs", "Do\r\n  x = x + 1\r\nLoop\r\n"}});
    EXPECT_TRUE(e.failsWithMessage(0));
    EXPECT_TRUE(e.stillWorks());
}

TEST(RunawayGenerators, EndlessRecursionIsOutOfStackSpaceNotACrash) {
    Editor e(Editor::Scripts{
        {"deep.vbs", "Function F(n)\r\n  F = F(n + 1)\r\nEnd Function\r\nF 1\r\n"}});
    EXPECT_TRUE(e.failsWithMessage(0));
    EXPECT_EQ(e.w->sc().lastFailure().number, 28);
    EXPECT_TRUE(e.stillWorks());
}

TEST(RunawayGenerators, HostCallsThatAllFailAreReported) {
    Editor e(Editor::Scripts{
        {"host.vbs",
         "On Error Resume Next\r\nCBatCode.NoSuchMember 1\r\nn1 = Err.Number\r\n"
         "CBatCode.CheckDLG \"no bar\", \"t\"\r\nn2 = Err.Number\r\nOn Error GoTo 0\r\n"
         "CBatCode.StringReturn n1 & \",\" & n2\r\nCBatCode.OptionDLG Null, \"t\"\r\n"}});
    EXPECT_TRUE(e.failsWithMessage(0));
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("438,9"));
    EXPECT_TRUE(e.stillWorks());
}

TEST(RunawayGenerators, HugeAllocationIsAnErrorNotACrash) {
    Editor e(Editor::Scripts{{"huge.vbs", "s = Space(2000000000)\r\n"},
                             {"arr.vbs", "ReDim a(200000000, 200000000)\r\n"}});
    EXPECT_TRUE(e.failsWithMessage(0));
    EXPECT_TRUE(e.failsWithMessage(1));
    EXPECT_TRUE(e.stillWorks());
}
