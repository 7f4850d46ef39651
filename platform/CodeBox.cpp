#include "CodeBox.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

#include "MouseCodes.h"
#include "VbsHighlighter.h"

class LineNumberGutter : public QWidget {
  public:
    explicit LineNumberGutter(CodeBox* box) : QWidget(box), box_(box) {}
    QSize sizeHint() const override { return {box_->gutterWidth(), 0}; }

  protected:
    void paintEvent(QPaintEvent* e) override { box_->paintGutter(e); }

  private:
    CodeBox* box_;
};

CodeBox::CodeBox(QWidget* parent) : QPlainTextEdit(parent), gutter_(new LineNumberGutter(this)) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!quiet_) emit changed();
    });
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { updateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect& r, int dy) { updateGutter(r, dy); });
    updateGutterWidth();
    setHighlighting(true);
    keepSelectionVisible();
}

void CodeBox::keepSelectionVisible() {
    // A selection (a match found from the find bar, text a generator works on) stays as visible
    // while the focus is elsewhere; themes often draw it white on white then.
    QPalette p = palette();
    bool same = true;
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        if (p.color(QPalette::Inactive, role) == p.color(QPalette::Active, role)) continue;
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
        same = false;
    }
    if (!same) setPalette(p);
}

void CodeBox::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    // The theme may bring its palette after the box was made.
    if (e->type() == QEvent::PaletteChange) keepSelectionVisible();
}

QString CodeBox::toDocumentText(const QString& text) {
    // One linear pass; QString::replace with a shorter needle is far slower
    // on large files.
    QString t(text.size(), Qt::Uninitialized);
    QChar* out = t.data();
    const QChar* in = text.constData();
    const QChar* end = in + text.size();
    qsizetype n = 0;
    while (in < end) {
        if (*in == u'\r') {
            out[n++] = u'\n';
            if (in + 1 < end && in[1] == u'\n') ++in;
        } else {
            out[n++] = *in;
        }
        ++in;
    }
    t.truncate(n);
    return t;
}

QString CodeBox::Text() const {
    QString t = toPlainText();
    t.replace(u'\n', QStringLiteral("\r\n"));
    return t;
}

void CodeBox::setLines(const QStringList& lines) {
    qsizetype total = 0;
    for (const QString& l : lines) total += l.size() + 1;
    QString t;
    t.reserve(total);
    for (const QString& l : lines) {
        if (!t.isEmpty() || &l != &lines.front()) t += u'\n';
        t += l;
    }
    setHighlighting(t.size() <= kHighlightLimit);
    quiet_ = true;
    setPlainText(t);
    quiet_ = false;
    emit changed();
}

void CodeBox::setText(const QString& text) {
    // Colouring a huge file line by line would keep the user waiting for
    // seconds; such files are shown plain.
    setHighlighting(text.size() <= kHighlightLimit);
    quiet_ = true;
    setPlainText(toDocumentText(text));
    quiet_ = false;
    emit changed();
}

qsizetype CodeBox::fromDocumentPosition(qsizetype docPosition) const {
    const QTextBlock b = document()->findBlock(int(docPosition));
    return docPosition + (b.isValid() ? b.blockNumber() : 0);
}

qsizetype CodeBox::toDocumentPosition(qsizetype crlfPosition) const {
    if (crlfPosition <= 0) return 0;
    qsizetype remaining = crlfPosition;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const qsizetype len = b.length() - 1;  // without the separator
        if (remaining <= len) return b.position() + remaining;
        remaining -= len;
        if (!b.next().isValid()) return b.position() + len;
        // A position between CR and LF falls before the break.
        if (remaining < 2) return b.position() + len;
        remaining -= 2;
    }
    return document()->characterCount() - 1;
}

qsizetype CodeBox::CaretPosition() const { return fromDocumentPosition(textCursor().position()); }

void CodeBox::setCaretPosition(qsizetype position) {
    QTextCursor c = textCursor();
    c.setPosition(int(toDocumentPosition(position)));
    setTextCursor(c);
}

void CodeBox::insertAt(qsizetype position, const QString& text) {
    QTextCursor c(document());
    c.setPosition(int(toDocumentPosition(position)));
    quiet_ = true;
    c.insertText(toDocumentText(text));
    quiet_ = false;
    setTextCursor(c);
    emit changed();
}

void CodeBox::replaceSelection(const QString& with) {
    QTextCursor c = textCursor();
    quiet_ = true;
    c.insertText(with);
    quiet_ = false;
    setTextCursor(c);
    emit changed();
}

int CodeBox::replaceAll(const QString& what, const QString& with,
                        QTextDocument::FindFlags flags) {
    if (what.isEmpty()) return 0;
    QList<QTextCursor> found;
    for (QTextCursor c = document()->find(what, 0, flags); !c.isNull();
         c = document()->find(what, c, flags)) {
        found.append(c);
    }
    if (found.isEmpty()) return 0;
    // From the last to the first, so earlier matches keep their positions.
    QTextCursor edit(document());
    quiet_ = true;
    edit.beginEditBlock();
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        edit.setPosition(it->selectionStart());
        edit.setPosition(it->selectionEnd(), QTextCursor::KeepAnchor);
        edit.insertText(with);
    }
    edit.endEditBlock();
    quiet_ = false;
    emit changed();
    return int(found.size());
}

bool CodeBox::goToLine(int line) {
    const QTextBlock b = document()->findBlockByNumber(line - 1);
    if (line < 1 || !b.isValid()) return false;
    QTextCursor c = textCursor();
    c.setPosition(b.position());
    setTextCursor(c);
    centerCursor();
    return true;
}

namespace {
constexpr int kIndentWidth = 4;

int leadingBlanks(const QString& line) {
    int n = 0;
    while (n < line.size() && (line[n] == u' ' || line[n] == u'\t')) ++n;
    return n;
}
}  // namespace

template <class Edit>
void CodeBox::editLines(Edit&& edit) {
    QTextCursor c = textCursor();
    QTextBlock first = document()->findBlock(c.selectionStart());
    QTextBlock last = document()->findBlock(c.selectionEnd());
    // A selection that ends at the very start of a line does not take that line.
    if (c.hasSelection() && last != first && c.selectionEnd() == last.position())
        last = last.previous();
    QList<QTextBlock> blocks;
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        blocks.append(b);
        if (b == last) break;
    }
    QTextCursor work(document());
    quiet_ = true;
    work.beginEditBlock();
    const bool edited = edit(work, blocks);
    work.endEditBlock();
    quiet_ = false;
    QTextCursor keep(document());
    keep.setPosition(first.position());
    keep.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    setTextCursor(keep);
    if (edited) emit changed();
}

void CodeBox::indentLines(bool outdent) {
    editLines([outdent](QTextCursor& work, const QList<QTextBlock>& blocks) {
        bool edited = false;
        for (const QTextBlock& b : blocks) {
            const QString line = b.text();
            work.setPosition(b.position());
            if (!outdent) {
                if (line.isEmpty()) continue;
                work.insertText(QString(kIndentWidth, u' '));
                edited = true;
                continue;
            }
            int remove = 0;
            if (line.startsWith(u'\t')) {
                remove = 1;
            } else {
                while (remove < kIndentWidth && remove < line.size() && line[remove] == u' ')
                    ++remove;
            }
            if (remove == 0) continue;
            work.setPosition(b.position() + remove, QTextCursor::KeepAnchor);
            work.removeSelectedText();
            edited = true;
        }
        return edited;
    });
}

void CodeBox::toggleComment() {
    editLines([](QTextCursor& work, const QList<QTextBlock>& blocks) {
        bool allComments = true, any = false;
        for (const QTextBlock& b : blocks) {
            const QString line = b.text();
            const int at = leadingBlanks(line);
            if (at == line.size()) continue;  // blank lines take no part
            any = true;
            if (line[at] != u'\'') allComments = false;
        }
        if (!any) return false;
        for (const QTextBlock& b : blocks) {
            const QString line = b.text();
            const int at = leadingBlanks(line);
            if (at == line.size()) continue;
            work.setPosition(b.position() + at);
            if (allComments) {
                work.setPosition(b.position() + at + 1, QTextCursor::KeepAnchor);
                work.removeSelectedText();
            } else {
                work.insertText(QStringLiteral("'"));
            }
        }
        return true;
    });
}

void CodeBox::keyPressEvent(QKeyEvent* e) {
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (!isReadOnly()) {
        const QTextCursor c = textCursor();
        const bool severalLines = c.hasSelection() &&
                                  document()->findBlock(c.selectionStart()) !=
                                      document()->findBlock(c.selectionEnd());
        if (e->key() == Qt::Key_Tab && mods == Qt::NoModifier && severalLines) {
            return indentLines(false);
        }
        if (e->key() == Qt::Key_Backtab) return indentLines(true);
        if (e->key() == Qt::Key_Slash && mods == Qt::ControlModifier) return toggleComment();
    }
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!enter || mods != Qt::NoModifier || isReadOnly()) return QPlainTextEdit::keyPressEvent(e);
    QTextCursor c = textCursor();
    // The line where the new break goes: where a selection to be replaced starts.
    const QTextBlock block = document()->findBlock(c.selectionStart());
    const QString line = block.text();
    const int column = c.selectionStart() - block.position();
    const int indent = qMin(leadingBlanks(line), column);
    // One edit: one change notification and one undo step, as a plain Enter.
    c.insertText(QStringLiteral("\n") + line.left(indent));
    setTextCursor(c);
    ensureCursorVisible();
}

void CodeBox::mousePressEvent(QMouseEvent* e) {
    if (const int button = MouseCodes::button(e->button())) emit mousePressed(button);
    QPlainTextEdit::mousePressEvent(e);
}

void CodeBox::setHighlighting(bool on) {
    if (on && !highlighter_) highlighter_ = new VbsHighlighter(document());
    if (!on && highlighter_) {
        delete highlighter_;
        highlighter_ = nullptr;
    }
}

int CodeBox::gutterWidth() const {
    int digits = 1;
    for (int n = qMax(1, blockCount()); n >= 10; n /= 10) ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(3, digits);
}

void CodeBox::updateGutterWidth() { setViewportMargins(gutterWidth(), 0, 0, 0); }

void CodeBox::updateGutter(const QRect& rect, int dy) {
    if (dy)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

void CodeBox::resizeEvent(QResizeEvent* e) {
    QPlainTextEdit::resizeEvent(e);
    const QRect cr = contentsRect();
    gutter_->setGeometry(QRect(cr.left(), cr.top(), gutterWidth(), cr.height()));
}

void CodeBox::paintGutter(QPaintEvent* event) {
    QPainter p(gutter_);
    p.fillRect(event->rect(), QColor(236, 236, 236));
    p.setPen(QColor(130, 130, 130));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + qRound(blockBoundingRect(block).height());
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible() && bottom >= event->rect().top()) {
            p.drawText(0, top, gutter_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                       QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
        bottom = top + qRound(blockBoundingRect(block).height());
    }
}
