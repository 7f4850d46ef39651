#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include "BlueButton.h"
#include "CodeBox.h"
#include "RecordingLauncher.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TestSupport.h"
#include "VbColor.h"
#include "mainfrm.h"

namespace {

// A main window over a temporary settings store and application folder.
struct Start {
    QTemporaryDir config;
    QTemporaryDir app;
    SettingsStore settings{config.path()};
    ScriptedDialogs dialogs;
    StatementTable table;
    RecordingLauncher launcher;
    ScriptedArgumentDialogs argumentDialogs;
    QStringList optionAnswers;
    QStringList optionQuestions;
    std::unique_ptr<mainfrm> w;

    mainfrm::Services services() {
        return {settings,
                dialogs,
                table,
                app.path(),
                launcher,
                argumentDialogs,
                [this](const QString& choices, const QString& title) {
                    optionQuestions << choices + "|" + title;
                    return optionAnswers.isEmpty() ? QString() : optionAnswers.takeFirst();
                }};
    }

    explicit Start(const QByteArray& library = "名称,说明,[apppath]\\scripts\\a.vbs,功能\r\n") {
        if (!library.isNull()) TestSupport::writeBytes(app.filePath("stslist.dat"), library);
    }
    void set(const QString& key, const QString& value, const QString& application = "korvelVbs") {
        settings.save(application, "main", key, value);
    }
    mainfrm::LoadOutcome load() {
        w = std::make_unique<mainfrm>(services());
        return w->Load();
    }
    QColor window(QWidget* x) const { return x->palette().color(QPalette::Window); }
    QColor text(QWidget* x) const { return x->palette().color(QPalette::WindowText); }
};

}  // namespace

TEST(Startup, NoSettingsGiveTheDesignLook) {
    Start s;
    ASSERT_EQ(s.load(), mainfrm::LoadOutcome::Ready);
    EXPECT_EQ(s.window(s.w->titlebox), QColor(128, 128, 128));
    EXPECT_EQ(s.window(s.w.get()), QColor(224, 224, 224));
    EXPECT_EQ(s.text(s.w->Label3), QColor(255, 192, 128));
    EXPECT_EQ(s.w->Label3->text(), QStringLiteral("KorvelVBS编辑器"));
    EXPECT_EQ(s.w->state.EndSubSetting, QString());
    EXPECT_TRUE(s.w->state.EndSubArmed);
    EXPECT_EQ(s.w->state.EndSubCount, 0);
    EXPECT_EQ(s.w->state.CrlfPlus, QStringLiteral("0"));
    EXPECT_FALSE(s.w->state.Modified);
    EXPECT_EQ(s.w->now->text(), QStringLiteral("状态：正常"));
}

TEST(Startup, ColourSchemes) {
    struct Case {
        QString bj;
        QColor title, back, status, label;
    };
    const QColor grey(128, 128, 128), light(224, 224, 224), orange(255, 192, 128);
    const Case cases[] = {
        {"blue", QColor(0, 0, 192), light, light, orange},
        {"green", QColor(0, 192, 0), QColor(192, 255, 192), QColor(192, 255, 192), Qt::white},
        {"black", grey, light, light, orange},
        {"Green", grey, light, light, orange},
        {"purple", grey, light, light, orange},
    };
    for (const Case& c : cases) {
        Start s;
        s.set("bj", c.bj);
        s.load();
        EXPECT_EQ(s.window(s.w->titlebox), c.title) << c.bj.toStdString();
        EXPECT_EQ(s.window(s.w.get()), c.back) << c.bj.toStdString();
        EXPECT_EQ(s.window(s.w->Picture1), c.status) << c.bj.toStdString();
        EXPECT_EQ(s.text(s.w->Label3), c.label) << c.bj.toStdString();
    }
}

TEST(Startup, TitleEndSubAndCrlfPlusSettings) {
    Start s;
    s.set("title", "abc");
    s.set("End Sub", "no");
    s.set("crlfplus", "1", "korvelbat");
    s.load();
    EXPECT_EQ(s.w->Label3->text(), QStringLiteral("KorvelVBS编辑器---abc"));
    EXPECT_EQ(s.w->state.EndSubSetting, QStringLiteral("no"));
    EXPECT_EQ(s.w->state.CrlfPlus, QStringLiteral("1"));
}

TEST(Startup, LibraryFillsTheListInNameMode) {
    Start s("一,d1,[apppath]\\s\\1.vbs,f1\r\n二,d2,[apppath]\\s\\2.vbs,f2\r\n");
    s.load();
    ASSERT_EQ(s.w->panel->searchlist->count(), 2);
    EXPECT_EQ(s.w->panel->searchlist->item(1)->text(), QStringLiteral("二"));
    EXPECT_EQ(s.table.at(0).ScriptPath, s.app.path() + "\\s\\1.vbs");
}

TEST(Startup, FaultyLibraryLeavesTheListEmptyButShowsTheWindow) {
    Start s("a,b,c,d\r\nshort\r\n");
    EXPECT_EQ(s.load(), mainfrm::LoadOutcome::Ready);
    EXPECT_EQ(s.w->panel->searchlist->count(), 0);
    EXPECT_EQ(s.table.size(), 1);
    EXPECT_TRUE(s.dialogs.calls.isEmpty());
}

TEST(Startup, MissingLibraryIsReportedToTheCaller) {
    Start s{QByteArray()};
    EXPECT_EQ(s.load(), mainfrm::LoadOutcome::LibraryMissing);
}

TEST(Startup, HostObjectsAreRegisteredBeforeTheLibraryLoads) {
    Start s;
    s.w = std::make_unique<mainfrm>(s.services());
    int sizeWhenRegistered = -1;
    QObject::connect(s.w.get(), &mainfrm::registerHostObjects,
                     [&] { sizeWhenRegistered = s.table.size(); });
    s.w->Load();
    EXPECT_EQ(sizeWhenRegistered, 0);
    EXPECT_EQ(s.table.size(), 1);
}

TEST(Startup, CaretStartsAtTheEndAndTheWindowHasItsDesignSize) {
    Start s;
    s.load();
    EXPECT_EQ(s.w->codebox->CaretPosition(), s.w->codebox->Text().size());
    EXPECT_EQ(s.w->width(), Twips::toPixels(14055));
    EXPECT_EQ(s.w->height(), Twips::toPixels(10410));
    EXPECT_TRUE(s.w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(s.w->jiami->Enabled());
}
