#include "EditorApp.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

#include "AppPaths.h"
#include "DialogServices.h"
#include "SettingsStore.h"
#include "StatementTable.h"
#include "mainfrm.h"
#include "start.h"

EditorApp::EditorApp(QString fileToOpen)
    : fileToOpen_(std::move(fileToOpen)), dialogs_(std::make_unique<QtDialogServices>()) {}

EditorApp::~EditorApp() { delete main_; }

void EditorApp::begin() {
    splash_ = new start;
    connect(splash_, &start::finished, this, &EditorApp::showMain);
    splash_->show();
}

void EditorApp::showMain() {
    main_ = new mainfrm({SettingsStore::instance(), *dialogs_, StatementTable::instance(),
                         AppPaths::applicationFolder()});
    dialogs_->setParent(main_);
    connect(main_, &mainfrm::closeRequested, [] {
        // Ends at once: no questions, nothing written.
        std::_Exit(0);
    });
    if (main_->Load() == mainfrm::LoadOutcome::LibraryMissing) {
        dialogs_->setParent(nullptr);
        static_cast<DialogServices&>(*dialogs_).messageBox(QStringLiteral("KorvelVBS编辑器发生严重错误！已开启安全模式！"),
                             DialogServices::Critical);
        QApplication::exit(0);
        return;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    main_->show();
    if (!fileToOpen_.isEmpty()) main_->openPath(fileToOpen_);
}
