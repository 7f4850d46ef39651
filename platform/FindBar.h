#pragma once
#include <QFrame>
#include <QPointer>
#include <QTextDocument>

class CodeBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Find and replace for the code box: a small bar floating over the box's top right corner,
// hidden until asked for. Searches run from the caret and wrap around the text; a replace of
// everything is one undo step.
class FindBar : public QFrame {
    Q_OBJECT
  public:
    explicit FindBar(CodeBox* box);

    // Shows the bar with the find row only, or with the replace row too. A selection on one
    // line becomes the text to find.
    void openFind();
    void openReplace();
    void closeBar();

    // Selects the next (previous) match; false and a note in the bar when there is none.
    bool findNext();
    bool findPrevious();
    // Replaces the selected match and selects the next one; only selects when nothing matching
    // is selected yet. True when something was replaced.
    bool replaceCurrent();
    // Replaces every match; returns how many.
    int replaceAll();

    QLineEdit* findText;
    QLineEdit* replaceText;
    QCheckBox* matchCase;
    QCheckBox* wholeWord;
    QLabel* status;
    QPushButton* previousButton;
    QPushButton* nextButton;
    QPushButton* replaceButton;
    QPushButton* replaceAllButton;
    QPushButton* closeButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open(bool withReplace);
    bool find(bool backwards);
    // Case and whole-word as the check boxes say.
    QTextDocument::FindFlags options() const;
    void place();
    void say(const QString& text, bool problem = false);

    CodeBox* box_;
    // Kept from the start: while the box is being destroyed, its viewport still sends events
    // and the box can no longer be asked for it.
    QPointer<QWidget> viewport_;
    QWidget* replaceRow_;
};
