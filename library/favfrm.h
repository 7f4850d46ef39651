#pragma once
#include <QDialog>

#include "TextFile.h"

class DialogServices;
class EditorHost;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class BlueButton;

// The favourites: snippets kept in fav.dat beside the program, one per line.
// Opening reads the file and offers the text the last generator script
// returned; a double-click inserts an entry at the caret. Every close
// rewrites the file whole, atomically. Open it modally with exec().
class favfrm : public QDialog {
    Q_OBJECT
  public:
    favfrm(EditorHost& host, DialogServices& dialogs, QWidget* parent = nullptr);

    // The application folder's fav.dat.
    static QString filePath();

    QLineEdit* favyj;
    QListWidget* fav;
    BlueButton* bluebutton1;  // delete
    BlueButton* bluebutton2;  // add

    QStringList entries() const;

    void bluebutton1_Click();
    void bluebutton2_Click();
    void fav_DblClick(QListWidgetItem* item);

    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void Load();
    void Unload();
    bool retryAfter(const QString& error);

    EditorHost& host_;
    DialogServices& dialogs_;
    TextFile::Encoding encoding_ = TextFile::Encoding::Utf8;
    bool unreadable_ = false;  // the file exists but could not be read
    bool changed_ = false;
    bool unloaded_ = false;
};
