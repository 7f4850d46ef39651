#include "VbsHighlighter.h"

#include <QSet>

namespace {

const QSet<QString>& keywords() {
    static const QSet<QString> set = [] {
        QSet<QString> s;
        const char* words[] = {
            "and",    "as",       "byref",    "byval",   "call",     "case",    "class",
            "const",  "default",  "dim",      "do",      "each",     "else",    "elseif",
            "empty",  "end",      "eqv",      "erase",   "error",    "execute", "executeglobal",
            "exit",   "explicit", "false",    "for",     "function", "get",     "goto",
            "if",     "imp",      "in",       "is",      "let",      "loop",    "me",
            "mod",    "new",      "next",     "not",     "nothing",  "null",    "on",
            "option", "or",       "preserve", "private", "property", "public",  "randomize",
            "redim",  "rem",      "resume",   "select",  "set",      "step",    "stop",
            "sub",    "then",     "to",       "true",    "until",    "wend",    "while",
            "with",   "xor"};
        for (const char* w : words) s.insert(QString::fromLatin1(w));
        return s;
    }();
    return set;
}

bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

}  // namespace

VbsHighlighter::VbsHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    formats_[int(Kind::Keyword)].setForeground(QColor(0, 0, 200));
    formats_[int(Kind::String)].setForeground(QColor(163, 21, 21));
    formats_[int(Kind::Comment)].setForeground(QColor(0, 128, 0));
    formats_[int(Kind::Number)].setForeground(QColor(9, 134, 88));
    formats_[int(Kind::Date)].setForeground(QColor(128, 0, 128));
}

QList<QPair<int, VbsHighlighter::Kind>> VbsHighlighter::classify(const QString& line) {
    // Each entry marks where a run of one kind starts.
    QList<QPair<int, Kind>> runs;
    auto mark = [&](int pos, Kind k) { runs.append({pos, k}); };
    const int n = int(line.size());
    int i = 0;
    bool statementStart = true;
    while (i < n) {
        const QChar c = line[i];
        if (c == u'\'') {
            mark(i, Kind::Comment);
            return runs;
        }
        if (c == u'"') {
            mark(i, Kind::String);
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            mark(i, Kind::Plain);
            statementStart = false;
            continue;
        }
        if (c == u'#') {
            const int close = int(line.indexOf(u'#', i + 1));
            if (close > i + 1) {
                mark(i, Kind::Date);
                i = close + 1;
                mark(i, Kind::Plain);
                statementStart = false;
                continue;
            }
        }
        if (c.isDigit() || (c == u'&' && i + 1 < n &&
                            (line[i + 1].toLower() == u'h' || line[i + 1].toLower() == u'o'))) {
            mark(i, Kind::Number);
            i += (c == u'&') ? 2 : 1;
            while (i < n && (line[i].isLetterOrNumber() || line[i] == u'.')) ++i;
            mark(i, Kind::Plain);
            statementStart = false;
            continue;
        }
        if (isIdentStart(c)) {
            int j = i;
            while (j < n && isIdentPart(line[j])) ++j;
            const QString word = line.mid(i, j - i).toLower();
            if (word == u"rem" && statementStart) {
                mark(i, Kind::Comment);
                return runs;
            }
            if (keywords().contains(word)) {
                mark(i, Kind::Keyword);
                mark(j, Kind::Plain);
            }
            i = j;
            statementStart = false;
            continue;
        }
        if (c == u':')
            statementStart = true;
        else if (!c.isSpace())
            statementStart = false;
        ++i;
    }
    return runs;
}

void VbsHighlighter::highlightBlock(const QString& text) {
    const auto runs = classify(text);
    for (int r = 0; r < runs.size(); ++r) {
        const int start = runs[r].first;
        const int end = r + 1 < runs.size() ? runs[r + 1].first : int(text.size());
        if (runs[r].second != Kind::Plain && end > start)
            setFormat(start, end - start, formats_[int(runs[r].second)]);
    }
}
