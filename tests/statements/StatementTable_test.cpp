#include "StatementTable.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "BlueButton.h"
#include "ScriptedDialogs.h"
#include "StatementPanel.h"
#include "TestSupport.h"

namespace {

struct Library {
    QTemporaryDir dir;
    StatementTable table;
    StatementTable::LoadResult load(const QByteArray& bytes) {
        TestSupport::writeBytes(dir.filePath("stslist.dat"), bytes);
        return table.load(dir.path());
    }
};

}  // namespace

TEST(StatementTable, FourPiecesPerLineAndExtraPiecesIgnored) {
    Library lib;
    ASSERT_EQ(lib.load("a,b,c,d,e,f\r\n"), StatementTable::LoadResult::Ok);
    ASSERT_EQ(lib.table.size(), 1);
    const auto& r = lib.table.at(0);
    EXPECT_EQ(r.Name, "a");
    EXPECT_EQ(r.Description, "b");
    EXPECT_EQ(r.ScriptPath, "c");
    EXPECT_EQ(r.FunctionLabel, "d");
}

TEST(StatementTable, AppPathIsReplacedOnlyInTheThirdPieceAndOnlyInLowerCase) {
    Library lib;
    ASSERT_EQ(
        lib.load(
            "[apppath]n,[apppath]d,[apppath]\\s\\x.vbs,[apppath]f\r\nn2,d2,[APPPATH]\\y.vbs,f2"),
        StatementTable::LoadResult::Ok);
    EXPECT_EQ(lib.table.at(0).Name, "[apppath]n");
    EXPECT_EQ(lib.table.at(0).Description, "[apppath]d");
    EXPECT_EQ(lib.table.at(0).ScriptPath, lib.dir.path() + "\\s\\x.vbs");
    EXPECT_EQ(lib.table.at(0).FunctionLabel, "[apppath]f");
    EXPECT_EQ(lib.table.at(1).ScriptPath, "[APPPATH]\\y.vbs");
}

TEST(StatementTable, BlanksAreKeptAndChineseIsRead) {
    Library lib;
    ASSERT_EQ(lib.load(QStringLiteral(" 消息框 ,说明, p , 标签\r\n").toUtf8()),
              StatementTable::LoadResult::Ok);
    EXPECT_EQ(lib.table.at(0).Name, QStringLiteral(" 消息框 "));
    EXPECT_EQ(lib.table.at(0).FunctionLabel, QStringLiteral(" 标签"));
}

TEST(StatementTable, FinalTerminatorGivesNoExtraRecordButABlankLineFails) {
    Library one;
    EXPECT_EQ(one.load("a,b,c,d\r\ne,f,g,h\r\n"), StatementTable::LoadResult::Ok);
    EXPECT_EQ(one.table.size(), 2);
    Library blank;
    EXPECT_EQ(blank.load("a,b,c,d\r\ne,f,g,h\r\n\r\n"), StatementTable::LoadResult::Failed);
    EXPECT_EQ(blank.table.size(), 2);
}

TEST(StatementTable, ShortLineStopsTheLoadKeepingEarlierRecords) {
    Library lib;
    EXPECT_EQ(lib.load("a,b,c,d\r\ne,f,g,h\r\nonly,two\r\ni,j,k,l\r\n"),
              StatementTable::LoadResult::Failed);
    ASSERT_EQ(lib.table.size(), 2);
    EXPECT_EQ(lib.table.at(1).FunctionLabel, "h");
}

TEST(StatementTable, EmptyAndMissingFiles) {
    Library empty;
    EXPECT_EQ(empty.load(""), StatementTable::LoadResult::Ok);
    EXPECT_EQ(empty.table.size(), 0);
    QTemporaryDir dir;
    StatementTable t;
    EXPECT_EQ(t.load(dir.path()), StatementTable::LoadResult::FileMissing);
}

TEST(StatementTable, LoneLfBelongsToTheLine) {
    Library lib;
    ASSERT_EQ(lib.load("a,b\nc,d,e\r\n"), StatementTable::LoadResult::Ok);
    EXPECT_EQ(lib.table.at(0).Description, "b\nc");
    EXPECT_EQ(lib.table.at(0).ScriptPath, "d");
}

namespace {

struct Panel {
    StatementTable table;
    ScriptedDialogs dialogs;
    StatementPanel panel{table, dialogs};
    Panel() {
        table.loadLines(
            {"甲,说明一,/s/1.vbs,功能一", "乙,说明二,/s/2.vbs,功能二", "甲,重复,/s/3.vbs,功能三"},
            "/app");
        panel.GetList(0);
        panel.resize(300, 400);
        panel.show();
    }
    QStringList entries() const {
        QStringList out;
        for (int i = 0; i < panel.searchlist->count(); ++i)
            out << panel.searchlist->item(i)->text();
        return out;
    }
};

}  // namespace

TEST(StatementPanel, ModesListNamesOrFunctionLabelsInTableOrder) {
    Panel p;
    EXPECT_EQ(p.entries(), (QStringList{"甲", "乙", "甲"}));
    EXPECT_EQ(p.panel.Label1->text(), QStringLiteral("按语句查找："));
    QTest::mouseClick(p.panel.Option2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(p.entries(), (QStringList{"功能一", "功能二", "功能三"}));
    EXPECT_EQ(p.panel.Label1->text(), QStringLiteral("按功能查找："));
    EXPECT_EQ(p.panel.Option2->Caption(), QStringLiteral("按功能查找 "));
    QTest::mouseClick(p.panel.Option1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(p.entries().size(), 3);
    EXPECT_EQ(p.entries()[1], QStringLiteral("乙"));
}

TEST(StatementPanel, ClickShowsNameAndDescriptionInBothModes) {
    Panel p;
    p.panel.GetList(1);
    const QRect r = p.panel.searchlist->visualItemRect(p.panel.searchlist->item(1));
    QTest::mouseClick(p.panel.searchlist->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(p.panel.smtitle->text(), QStringLiteral("乙"));
    EXPECT_EQ(p.panel.smtext->text(), QStringLiteral("说明二"));
    // Refilling keeps the labels.
    p.panel.GetList(0);
    EXPECT_EQ(p.panel.smtitle->text(), QStringLiteral("乙"));
}

TEST(StatementPanel, SearchMatchesWholeNameExactlyAndFirstWins) {
    Panel p;
    QSignalSpy runs(&p.panel, &StatementPanel::runScript);
    p.panel.searchtext->setText(QStringLiteral("甲"));
    p.panel.search();
    ASSERT_EQ(runs.count(), 1);
    EXPECT_EQ(runs[0][0].toString(), "/s/1.vbs");
    EXPECT_TRUE(p.dialogs.calls.isEmpty());
}

TEST(StatementPanel, FailedSearchWarnsAndChangesNothing) {
    Panel p;
    QSignalSpy runs(&p.panel, &StatementPanel::runScript);
    for (const QString& text : {QStringLiteral("甲 "), QStringLiteral("功能一"), QString()}) {
        p.panel.searchtext->setText(text);
        p.panel.search();
    }
    EXPECT_EQ(runs.count(), 0);
    ASSERT_EQ(p.dialogs.calls.size(), 3);
    EXPECT_EQ(p.dialogs.calls[0].text, QStringLiteral("未找到该语句。"));
    EXPECT_EQ(p.dialogs.calls[0].style, 48);
    EXPECT_EQ(p.entries().size(), 3);
}
