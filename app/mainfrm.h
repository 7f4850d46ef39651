#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "MainWindowState.h"
#include "WindowDrag.h"

class ArgumentDialogs;
class BatType;
class BlueButton;
class CodeBoxHost;
class EditorHost;
class ScriptControl;
class ScriptRunner;
class StatementInsertion;
class CodeBox;
class DialogServices;
class DocumentCommands;
class FindBar;
class ProcessLauncher;
class QLabel;
class SettingsStore;
class StatementPanel;
class StatementTable;
class toolsfrm;

// The main editor window: frameless, with its own title strip, the command
// buttons, the code box and the statement library panel.
class mainfrm : public QWidget {
    Q_OBJECT
  public:
    struct Services {
        SettingsStore& settings;
        DialogServices& dialogs;
        StatementTable& table;
        QString appFolder;
        ProcessLauncher& launcher;
        ArgumentDialogs& argumentDialogs;
        // Stands in for the host object's option question in tests; empty
        // means BatTypeobj asks.
        std::function<QString(const QString&, const QString&)> optionDLG = {};
    };

    explicit mainfrm(Services services, QWidget* parent = nullptr);
    ~mainfrm() override;

    enum class LoadOutcome { Ready, LibraryMissing };
    // The start-up sequence; runs once, before the window is first shown.
    LoadOutcome Load();

    MainWindowState state;

    QWidget* titlebox;
    QLabel* Label3;
    QLabel* Picture3;
    QWidget* Picture1;
    QLabel* now;
    CodeBox* codebox;
    FindBar* findBar;  // Ctrl+F, Ctrl+H, F3
    StatementPanel* panel;
    QLabel* Label4;
    BlueButton* newproject;
    BlueButton* open;
    BlueButton* saveproject;
    BlueButton* runprotect;
    BlueButton* help;
    BlueButton* setting;
    BlueButton* favourite;
    BlueButton* my;
    BlueButton* jiami;
    BlueButton* bluebutton1;
    BlueButton* bluebutton2;
    BlueButton* bluebutton3;

    // Colours currently applied, as 0x00BBGGRR.
    uint32_t titleColor() const { return titleColor_; }
    uint32_t backgroundColor() const { return backColor_; }
    uint32_t statusColor() const { return statusColor_; }
    uint32_t titleTextColor() const { return titleTextColor_; }

    void setStatus(const QString& text);

    // Opens a file the way Open does, without the dialog. A failure is told
    // to the user and changes nothing.
    bool openPath(const QString& path);
    DocumentCommands& documents() { return *docs_; }
    EditorHost& editorHost();
    // The host object: generator scripts reach it as "CBatCode".
    BatType* BatTypeobj;
    ScriptControl& sc() { return *sc_; }
    ScriptRunner& runner() { return *runner_; }
    StatementInsertion& insertion() { return *insertion_; }
    // Runs a generator script file in the engine; false when it failed.
    bool runcode(const QString& sfilepath);
    // Inserts at the caret (the host object's StringReturn and the
    // favourites come here).
    void CodeAddString(const QString& addstr);
    // Ctrl+G: asks for a line number and puts the caret there.
    void goToLine();

  signals:
    // The close picture was clicked.
    void closeRequested();
    // A mouse button went down on the bare background (1 left, 2 right, 4 middle).
    void backgroundPressed(int button);
    // Step 7 of the start-up: the host objects join the script engine here,
    // before the library is loaded.
    void registerHostObjects();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    void buildTitle();
    void buildButtons();
    void buildStatus();
    void arrange();
    void applyColorScheme(const QString& bj);
    void paintBackground(QWidget* w, uint32_t color);
    void connectCommands();
    void connectWindows();
    // Opens a window modally; there is never more than one of each.
    template <class Window, class... Args>
    void showModal(Args&&... args);
    void showTools();

    QPointer<toolsfrm> tools_;

    WindowDrag drag_;
    bool pressOnBackground_ = false;
    std::unique_ptr<DocumentCommands> docs_;
    std::unique_ptr<CodeBoxHost> host_;
    std::unique_ptr<ScriptControl> sc_;
    std::unique_ptr<ScriptRunner> runner_;
    std::unique_ptr<StatementInsertion> insertion_;

    Services s_;
    uint32_t titleColor_;
    uint32_t backColor_;
    uint32_t statusColor_;
    uint32_t titleTextColor_;
};
