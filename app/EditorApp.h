#pragma once
#include <QObject>
#include <QPointer>
#include <memory>

class QtDialogServices;
class QtProcessLauncher;
class QtArgumentDialogs;
class CodeBoxHost;
class mainfrm;
class start;

// Wires the process together: the splash, then the main window's start-up,
// or the safe-mode path when the statement library is missing.
class EditorApp : public QObject {
    Q_OBJECT
  public:
    explicit EditorApp(QString fileToOpen = {});
    ~EditorApp() override;

    void begin();
    mainfrm* mainWindow() const { return main_; }

  private:
    void showMain();
    void showSafeMode();

    QString fileToOpen_;
    std::unique_ptr<QtDialogServices> dialogs_;
    std::unique_ptr<QtProcessLauncher> launcher_;
    std::unique_ptr<QtArgumentDialogs> argumentDialogs_;
    std::unique_ptr<CodeBoxHost> safeHost_;
    QPointer<start> splash_;
    mainfrm* main_ = nullptr;
};
