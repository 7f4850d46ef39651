#pragma once
#include <QString>
#include <functional>

class EditorHost;
class StatementTable;
struct MainWindowState;

// Inserting a statement by a double-click on the list, and the numbered
// 'End Sub marker that may follow it. Right-button presses re-arm the marker.
// Wiring in the main window:
//   StatementPanel::statementActivated -> listDoubleClicked
//   StatementPanel::runScript          -> searchHit (no marker)
//   StatementPanel::listMousePressed   -> listMousePressed
//   CodeBox::mousePressed              -> codeBoxMousePressed
//   a press on the window's background -> backgroundMousePressed
class StatementInsertion {
  public:
    using RunCode = std::function<bool(const QString& path)>;
    using Status = std::function<void(const QString& text)>;

    StatementInsertion(MainWindowState& state, EditorHost& editor, const StatementTable& table,
                       RunCode runcode, Status status);

    // Runs entry index's generator, then the 'End Sub step. An index outside
    // the table (nothing selected) does nothing.
    void listDoubleClicked(int index);
    // A search hit: the generator only.
    void searchHit(const QString& scriptPath);

    // Buttons: 1 left, 2 right, 4 middle.
    void listMousePressed(int button);
    void backgroundMousePressed(int button);
    void codeBoxMousePressed(int button);

    static QString marker(int number);

  private:
    void endSubStep();
    void arm();
    bool switchedOff() const;

    MainWindowState& state_;
    EditorHost& editor_;
    const StatementTable& table_;
    RunCode runcode_;
    Status status_;
};
