#pragma once
#include <QWidget>
#include <optional>

class DialogServices;
class EditorHost;
class QPushButton;

// The toolbox: eight buttons that each build one small piece of VBScript
// from a few questions and append it to the very end of the main window's
// code. Modeless, so editing goes on while it is open; there is one at a
// time (open it with showOrRaise).
class toolsfrm : public QWidget {
    Q_OBJECT
  public:
    toolsfrm(EditorHost& host, DialogServices& dialogs, QWidget* parent = nullptr);

    // Shows the one tools window, creating it on first use; a second call
    // while it is open only brings it forward. It is deleted when closed.
    static toolsfrm* showOrRaise(EditorHost& host, DialogServices& dialogs, QWidget* parent);

    // A numbered answer as the tools read it: any text equal to a whole
    // number (so "01" is 1); nullopt for anything else.
    static std::optional<int> choiceNumber(const QString& answer);

    QPushButton* Command1;
    QPushButton* bChr;
    QPushButton* bExecute;
    QPushButton* bwith;
    QPushButton* bexit;
    QPushButton* bdim;
    QPushButton* bInputbox;
    QPushButton* bmsgbox;

    void Command1_Click();
    void bChr_Click();
    void bExecute_Click();
    void bwith_Click();
    void bexit_Click();
    void bdim_Click();
    void bInputbox_Click();
    void bmsgbox_Click();

  private:
    QPushButton* addButton(const char* name, const QString& caption);
    // Cancelling gives the empty answer and the tool goes on with it.
    QString ask(const QString& prompt);
    void append(const QString& snippet);

    EditorHost& host_;
    DialogServices& dialogs_;
};
