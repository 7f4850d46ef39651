#pragma once
#include <QWidget>
#include <functional>

#include "TextFile.h"
#include "WindowDrag.h"

class BlueButton;
class CodeBox;
class DialogServices;
class ProcessLauncher;
class QLabel;

// The safe-mode editor: what is left when the statement library is
// missing. New, Open, Save, Run, About and a close button; closing it ends
// the program.
class p : public QWidget {
    Q_OBJECT
  public:
    struct Services {
        DialogServices& dialogs;
        ProcessLauncher& launcher;
        std::function<QString(const QString&, const QString&)> optionDLG;
        std::function<void()> showAbout;  // may be empty
    };
    explicit p(Services services, QWidget* parent = nullptr);

    CodeBox* codebox;
    QLabel* title;
    BlueButton* newproject;
    BlueButton* open;
    BlueButton* saveproject;
    BlueButton* runprotect;
    BlueButton* bluebutton2;
    BlueButton* bluebutton1;

    bool Modified = false;

    void New();
    void Open();
    // Asks for a file name every time; the name is not remembered.
    bool Save();
    void Run();

  signals:
    // The close button: the program ends.
    void closeRequested();

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    bool writeTo(const QString& path);
    QString askSaveName();

    Services s_;
    WindowDrag drag_;
    bool pressOnBackground_ = false;
    TextFile::Encoding encoding_ = TextFile::Encoding::Utf8;
};
