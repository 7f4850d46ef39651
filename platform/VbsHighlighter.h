#pragma once
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// VBScript colouring: keywords, strings, comments, numbers and date
// literals. Formatting only; the text itself is never touched.
class VbsHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit VbsHighlighter(QTextDocument* document);

    enum class Kind { Plain, Keyword, String, Comment, Number, Date };
    // Exposed so tests can check what a stretch of a line is coloured as.
    static QList<QPair<int, Kind>> classify(const QString& line);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    QTextCharFormat formats_[6];
};
