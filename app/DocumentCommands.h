#pragma once
#include <QString>
#include <functional>

#include "TextFile.h"

class CodeBox;
class DialogServices;
class ProcessLauncher;
class QWidget;
struct MainWindowState;

// New, Open, Save and Run of the main window, and the two save operations
// they share. Every failure is told to the user and loses nothing: a save
// that did not happen never counts as one.
class DocumentCommands {
  public:
    struct Env {
        QWidget* window;
        CodeBox& codebox;
        MainWindowState& state;
        DialogServices& dialogs;
        ProcessLauncher& launcher;
        // The host object's option question: choices joined by ",", a title.
        std::function<QString(const QString&, const QString&)> optionDLG;
        std::function<void(const QString&)> setStatus;
    };

    explicit DocumentCommands(Env env) : e_(std::move(env)) {}

    void New();
    void Open();
    void Save();
    void Run();
    // Save dialog, then write. False when cancelled or the write failed.
    bool savefile();
    // Write to CurrentPath without a dialog. False when the write failed.
    bool savefile2();

    // Loads a file into the code box as Open does, without the dialog.
    bool openPath(const QString& path);

    static const QString kFilter;
    TextFile::Encoding encoding() const { return encoding_; }

  private:
    bool writeTo(const QString& path);

    Env e_;
    TextFile::Encoding encoding_ = TextFile::Encoding::Utf8;
};
