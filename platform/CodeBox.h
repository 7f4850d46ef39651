#pragma once
#include <QPlainTextEdit>

class LineNumberGutter;
class VbsHighlighter;

// The code box: a plain-text editor whose Text joins lines with CR LF and
// whose CaretPosition counts each line break as two characters, so that the
// first CaretPosition characters of Text are exactly the text before the
// caret. Writing Text turns CR LF, a lone CR and a lone LF into line breaks
// and raises one change notification.
class CodeBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit CodeBox(QWidget* parent = nullptr);

    QString Text() const;
    void setText(const QString& text);
    // The same as setText of the lines joined with CR LF, without building
    // that text first.
    void setLines(const QStringList& lines);

    qsizetype CaretPosition() const;
    void setCaretPosition(qsizetype position);

    // Inserts at a CR LF position, keeping undo; raises one notification.
    void insertAt(qsizetype position, const QString& text);

    // Replaces the selection, keeping undo; raises one notification.
    void replaceSelection(const QString& with);
    // Replaces every match of `what` as one undo step and one notification; returns how many.
    int replaceAll(const QString& what, const QString& with, QTextDocument::FindFlags flags);
    // Puts the caret at the start of a line (1-based); false when there is no such line.
    bool goToLine(int line);
    // The lines the selection touches (the caret's line without one): Tab and Shift+Tab over a
    // selection of several lines indent and outdent them by four spaces, Ctrl+/ comments them
    // out with ' or, when all are comments, takes the ' away. One undo step and one
    // notification each; the lines stay selected.
    void indentLines(bool outdent);
    void toggleComment();

    void setHighlighting(bool on);
    bool highlighting() const { return highlighter_ != nullptr; }
    // Texts longer than this (in characters) are shown without colouring.
    static constexpr qsizetype kHighlightLimit = 2'000'000;
    int gutterWidth() const;
    void paintGutter(QPaintEvent* event);

    // Maps between CR LF counting and the document's own positions.
    qsizetype toDocumentPosition(qsizetype crlfPosition) const;
    qsizetype fromDocumentPosition(qsizetype docPosition) const;

  signals:
    // One per change of the text, typed or written.
    void changed();
    // 1 left, 2 right, 4 middle.
    void mousePressed(int button);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Enter keeps the indentation of the line it breaks.
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    static QString toDocumentText(const QString& text);
    void keepSelectionVisible();
    // Runs `edit` on the selected lines as one undo step; it returns whether it changed
    // anything, and only then is there a notification.
    template <class Edit>
    void editLines(Edit&& edit);
    void updateGutterWidth();
    void updateGutter(const QRect& rect, int dy);

    LineNumberGutter* gutter_;
    VbsHighlighter* highlighter_ = nullptr;
    bool quiet_ = false;
};
