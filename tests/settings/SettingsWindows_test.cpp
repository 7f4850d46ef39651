#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "PictureButton.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "bset.h"
#include "endfrm.h"
#include "setfrm.h"
#include "tsetfrm.h"

namespace {

const QString kApp = QStringLiteral("korvelVbs");
const QString kMain = QStringLiteral("main");
const QString kUnset = QStringLiteral("<unset>");

struct Env {
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    ScriptedDialogs dialogs;
    QString value(const QString& key) const { return store.get(kApp, kMain, key, kUnset); }
};

}  // namespace

TEST(ThemeWindow, EachOptionTellsTheUserAndStoresItsScheme) {
    struct Case {
        int option;
        QString message;
        QString value;
    };
    const Case cases[] = {
        {1, "您选择了绿色！重启KorvelVBS编辑器后生效！", "green"},
        {2, "您选择了淡蓝色！重启KorvelVBS编辑器后生效！", "blue"},
        {3, "您选择了浅灰色！重启KorvelVBS编辑器后生效！", "black"},
    };
    for (const Case& c : cases) {
        Env env;
        bset w(env.store, env.dialogs);
        w.show();
        QRadioButton* options[] = {w.Option1, w.Option2, w.Option3};
        options[c.option - 1]->setChecked(true);
        w.Command1->click();
        ASSERT_EQ(env.dialogs.calls.size(), 1);
        EXPECT_EQ(env.dialogs.calls[0].text, c.message);
        EXPECT_EQ(env.dialogs.calls[0].style, 64);
        EXPECT_EQ(env.value("bj"), c.value);
        EXPECT_TRUE(w.isVisible());
    }
}

TEST(ThemeWindow, OpensWithNothingChosenAndOkThenDoesNothing) {
    Env env;
    env.store.save(kApp, kMain, "bj", "blue");
    bset w(env.store, env.dialogs);
    EXPECT_FALSE(w.Option1->isChecked() || w.Option2->isChecked() || w.Option3->isChecked());
    w.Command1->click();
    EXPECT_TRUE(env.dialogs.calls.isEmpty());
    EXPECT_EQ(env.value("bj"), "blue");
    EXPECT_EQ(w.Option3->text(), "浅灰色(默认）");
}

TEST(TitleWindow, EmptyTitleWarnsAndKeepsTheStoredOne) {
    Env env;
    env.store.save(kApp, kMain, "title", "旧标题");
    tsetfrm w(env.store, env.dialogs);
    w.Command1->click();
    ASSERT_EQ(env.dialogs.calls.size(), 1);
    EXPECT_EQ(env.dialogs.calls[0].text, "请输入标题！");
    EXPECT_EQ(env.dialogs.calls[0].style, 48);
    EXPECT_EQ(env.value("title"), "旧标题");
}

TEST(TitleWindow, SavesTheTextUnchangedEvenASingleBlank) {
    for (const QString& title : {QStringLiteral("我的编辑器"), QStringLiteral(" ")}) {
        Env env;
        tsetfrm w(env.store, env.dialogs);
        w.Text1->setText(title);
        w.Command1->click();
        ASSERT_EQ(env.dialogs.calls.size(), 1);
        EXPECT_EQ(env.dialogs.calls[0].text, "保存成功！重启KorvelVbs编辑器后生效！");
        EXPECT_EQ(env.dialogs.calls[0].style, 64);
        EXPECT_EQ(env.value("title"), title);
    }
}

TEST(TitleWindow, RestoreStoresAnEmptyValueRatherThanRemovingTheKey) {
    Env env;
    env.store.save(kApp, kMain, "title", "abc");
    tsetfrm w(env.store, env.dialogs);
    w.Text1->setText("不会被保存");
    w.Command2->click();
    ASSERT_EQ(env.dialogs.calls.size(), 1);
    EXPECT_EQ(env.dialogs.calls[0].text, "恢复成功！重启KorvelVbs编辑器后生效！");
    EXPECT_EQ(env.dialogs.calls[0].style, 64);
    EXPECT_EQ(env.value("title"), "");
}

TEST(EndSubWindow, PictureButtonClickStoresTheChoice) {
    for (const auto& [on, value] : {std::pair{true, "yes"}, std::pair{false, "no"}}) {
        Env env;
        endfrm w(env.store, env.dialogs);
        (on ? w.Option1 : w.Option2)->setChecked(true);
        w.Button1->Push();
        ASSERT_EQ(env.dialogs.calls.size(), 1);
        EXPECT_EQ(env.dialogs.calls[0].text, "设置成功！重启KorvelVBS编辑器后生效！");
        EXPECT_EQ(env.dialogs.calls[0].style, 64);
        EXPECT_EQ(env.value("End Sub"), QString::fromLatin1(value));
    }
}

TEST(EndSubWindow, NoChoiceStoresNothingAndButtonIsTheDesignedOne) {
    Env env;
    endfrm w(env.store, env.dialogs);
    w.Button1->Push();
    EXPECT_TRUE(env.dialogs.calls.isEmpty());
    EXPECT_EQ(env.value("End Sub"), kUnset);
    EXPECT_EQ(w.Button1->Caption(), "确定");
    EXPECT_TRUE(w.Button1->Font().bold());
    EXPECT_EQ(w.Button1->Font().pointSize(), 12);
    EXPECT_TRUE(w.Button1->Picture().isNull());
}

TEST(SettingsWrites, AStoreThatCannotBeWrittenIsReportedNotHidden) {
    QTemporaryDir dir;
    // A file where the store's folder should be: nothing can be saved there.
    const QString blocked = dir.filePath("blocked");
    QFile f(blocked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    SettingsStore store(blocked);
    ScriptedDialogs dialogs;
    bset w(store, dialogs);
    w.Option1->setChecked(true);
    w.Command1->click();
    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[1].style, 16);
    EXPECT_TRUE(dialogs.calls[1].text.startsWith("设置未能保存"));
}

TEST(SettingsHub, EachButtonOpensItsWindowModally) {
    Env env;
    setfrm hub(env.store, env.dialogs);
    hub.show();
    // The update check goes to a port where nothing answers.
    qputenv("KORVELVBS_UPDATE_URL", "http://127.0.0.1:9");
    const std::pair<QPushButton*, QString> buttons[] = {{hub.Command1, "upfrm"},
                                                        {hub.Command2, "bset"},
                                                        {hub.Command3, "endfrm"},
                                                        {hub.Command4, "tsetfrm"}};
    for (const auto& [button, name] : buttons) {
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal) {
                opened = modal->objectName();
                modal->close();
            }
        });
        button->click();
        EXPECT_EQ(opened, name);
        EXPECT_TRUE(hub.isVisible());
    }
    qunsetenv("KORVELVBS_UPDATE_URL");
    EXPECT_EQ(hub.Command1->text(), "检查更新(&U)");
}
