#include "EditorApp.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "AppPaths.h"
#include "BatType.h"
#include "CodeBox.h"
#include "CodeBoxHost.h"
#include "DialogServices.h"
#include "ProcessLauncher.h"
#include "ProcessState.h"
#include "QtArgumentDialogs.h"
#include "SettingsStore.h"
#include "StatementTable.h"
#include "mainfrm.h"
#include "p.h"
#include "start.h"

EditorApp::EditorApp(QString fileToOpen)
    : fileToOpen_(std::move(fileToOpen)),
      dialogs_(std::make_unique<QtDialogServices>()),
      launcher_(std::make_unique<QtProcessLauncher>()),
      argumentDialogs_(std::make_unique<QtArgumentDialogs>()) {}

EditorApp::~EditorApp() { delete main_; }

void EditorApp::begin() {
    splash_ = new start;
    if (qEnvironmentVariableIsSet("KORVELVBS_STARTUP_PROBE")) splash_->Timer1->setInterval(0);
    connect(splash_, &start::finished, this, &EditorApp::showMain);
    splash_->show();
}

void EditorApp::showMain() {
    main_ = new mainfrm({SettingsStore::instance(), *dialogs_, StatementTable::instance(),
                         AppPaths::applicationFolder(), *launcher_, *argumentDialogs_});
    dialogs_->setParent(main_);
    argumentDialogs_->setParent(main_);
    connect(main_, &mainfrm::closeRequested, [] {
        // Ends at once: no questions, nothing written.
        std::_Exit(0);
    });
    if (main_->Load() == mainfrm::LoadOutcome::LibraryMissing) {
        dialogs_->setParent(nullptr);
        static_cast<DialogServices&>(*dialogs_).messageBox(
            QStringLiteral("KorvelVBS编辑器发生严重错误！已开启安全模式！"),
            DialogServices::Critical);
        showSafeMode();
        return;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    main_->show();
    if (!fileToOpen_.isEmpty()) main_->openPath(fileToOpen_);
    if (qEnvironmentVariableIsSet("KORVELVBS_STARTUP_PROBE")) {
        // For the start-up benchmark: report once the window is on screen.
        QTimer::singleShot(0, main_, [this] {
            std::printf("ready %s %lld\n", qPrintable(ProcessState::CurrentPath()),
                        static_cast<long long>(main_->codebox->Text().size()));
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
}

void EditorApp::showSafeMode() {
    // The main window is never shown; the program ends with this window.
    // The safe-mode editor has its own host object, used only for the
    // unsaved-changes question.
    auto asker = std::make_shared<BatType*>(nullptr);
    auto* safe = new p({*dialogs_,
                        *launcher_,
                        [asker](const QString& choices, const QString& title) {
                            return *asker ? (*asker)->OptionDLG(choices, title) : QString();
                        },
                        {}});
    safeHost_ = std::make_unique<CodeBoxHost>(*safe->codebox, [] { return QStringLiteral("0"); });
    *asker = new BatType(*safeHost_, *argumentDialogs_, safe);
    (*asker)->hide();
    argumentDialogs_->setParent(safe);
    safe->setAttribute(Qt::WA_DeleteOnClose);
    dialogs_->setParent(safe);
    connect(safe, &p::closeRequested, [] { std::_Exit(0); });
    connect(safe, &QObject::destroyed, [] { QApplication::exit(0); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        safe->move(screen->availableGeometry().center() - safe->rect().center());
    safe->show();
}
