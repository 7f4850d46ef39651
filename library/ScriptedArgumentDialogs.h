#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "ArgumentDialogs.h"

// Argument dialogs for tests: answers are queued per dialog kind and every
// opening is recorded with the inputs the dialog would have shown. When a
// queue is empty, the defaults answer (first choice, a fixed folder, every
// entry checked), so a generator script can run to its end unattended.
class ScriptedArgumentDialogs : public ArgumentDialogs {
  public:
    struct Opening {
        QString kind;  // "option", "folder", "check"
        QString title;
        QStringList items;  // choices, or check labels
    };

    // Picks choice `index` and presses OK; -1 closes from the title bar.
    void pushOption(int index) { options_.append(index); }
    // OK with this text in the path box.
    void pushFolder(const QString& path) { folders_.append(FolderAnswer{Folder::Ok, path}); }
    void pushFolderCancel() { folders_.append(FolderAnswer{Folder::Cancel, {}}); }
    void pushFolderClosed() { folders_.append(FolderAnswer{Folder::Closed, {}}); }
    // Checks these entries and presses the button.
    void pushCheck(const QList<int>& indices) { checks_.append(CheckAnswer{true, indices}); }
    void pushCheckClosed() { checks_.append(CheckAnswer{false, {}}); }

    // Defaults used when a queue runs dry.
    int defaultOption = 0;  // clamped to the last choice
    QString defaultFolder = QStringLiteral("C:\\Temp");
    bool defaultFolderCancels = false;
    bool defaultCheckAll = true;

    QList<Opening> openings;

    void showOptionDialog() override;
    void showFolderDialog() override;
    void showCheckDialog() override;

  private:
    enum class Folder { Ok, Cancel, Closed };
    struct FolderAnswer {
        Folder action;
        QString path;
    };
    struct CheckAnswer {
        bool pressed;
        QList<int> indices;
    };
    QList<int> options_;
    QList<FolderAnswer> folders_;
    QList<CheckAnswer> checks_;
};
