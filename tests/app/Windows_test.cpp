#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "BlueButton.h"
#include "RecordingLauncher.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "StatementTable.h"
#include "TestSupport.h"
#include "mainfrm.h"
#include "toolsfrm.h"

namespace {

struct Main {
    QTemporaryDir config, app;
    SettingsStore settings{config.path()};
    ScriptedDialogs dialogs;
    ScriptedArgumentDialogs args;
    StatementTable table;
    RecordingLauncher launcher;
    std::unique_ptr<mainfrm> w;
    Main() {
        TestSupport::writeBytes(app.filePath("stslist.dat"), "a,b,c,d\r\n");
        w = std::make_unique<mainfrm>(
            mainfrm::Services{settings, dialogs, table, app.path(), launcher, args});
        w->Load();
        w->show();
    }
    // Clicks and reports the class of the modal window that opened, closing it.
    QString modalOpenedBy(QWidget* target) {
        QString seen;
        QTimer::singleShot(50, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                seen = QString::fromLatin1(m->metaObject()->className());
                if (auto* d = qobject_cast<QDialog*>(m))
                    d->reject();
                else
                    m->close();
            }
        });
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        return seen;
    }
};

}  // namespace

TEST(Windows, EachButtonOpensItsWindowModally) {
    Main m;
    EXPECT_EQ(m.modalOpenedBy(m.w->favourite), "favfrm");
    EXPECT_EQ(m.modalOpenedBy(m.w->my), "mysts");
    EXPECT_EQ(m.modalOpenedBy(m.w->help), "helpfrm");
    EXPECT_EQ(m.modalOpenedBy(m.w->setting), "setfrm");
    EXPECT_EQ(m.modalOpenedBy(m.w->bluebutton2), "aboutfrm");
    EXPECT_EQ(m.modalOpenedBy(m.w->bluebutton3), "thfrm");
    EXPECT_EQ(m.modalOpenedBy(m.w->Label4), "ezj");
}

TEST(Windows, ToolboxIsModelessAndOpenedOnce) {
    Main m;
    QTest::mouseClick(m.w->bluebutton1, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(m.w->bluebutton1, Qt::LeftButton, {}, QPoint(3, 3));
    const auto tools = m.w->findChildren<toolsfrm*>();
    ASSERT_EQ(tools.size(), 1);
    EXPECT_TRUE(tools[0]->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Windows, EncryptionStaysDisabled) {
    Main m;
    EXPECT_EQ(m.modalOpenedBy(m.w->jiami), QString());
}
