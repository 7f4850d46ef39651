#pragma once
#include <QWidget>

class BlueButton;
class DialogServices;
class QLabel;
class QLineEdit;
class QListWidget;
class StatementTable;

// Browsing the statement library: the list in statement-name or function
// mode, the labels showing the clicked statement, and the exact-name search.
class StatementPanel : public QWidget {
    Q_OBJECT
  public:
    StatementPanel(StatementTable& table, DialogServices& dialogs, QWidget* parent = nullptr);

    // 0 lists names, anything else function labels.
    void GetList(int dt);
    // Runs the search over the text of searchtext.
    void search();

    QListWidget* searchlist;
    QLabel* Label1;
    BlueButton* Option1;
    BlueButton* Option2;
    QLineEdit* searchtext;
    BlueButton* searchbox;
    QLabel* smtitle;
    QLabel* smtext;

    void applyBackground(const QColor& color);

  signals:
    // A statement's generator script should run (search hit); no 'End Sub.
    void runScript(const QString& scriptPath);
    // Double-click on entry i of the list.
    void statementActivated(int index);
    // Mouse press on the list: 1 left, 2 right, 4 middle.
    void listMousePressed(int button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRecord(int index);

    StatementTable& table_;
    DialogServices& dialogs_;
};
