#include "FindBar.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

#include "CodeBox.h"

namespace {

QPushButton* smallButton(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

}  // namespace

FindBar::FindBar(CodeBox* box) : QFrame(box), box_(box) {
    setObjectName(QStringLiteral("findBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(240, 240, 240));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    findText = new QLineEdit(this);
    findText->setPlaceholderText(QStringLiteral("查找"));
    replaceText = new QLineEdit(this);
    replaceText->setPlaceholderText(QStringLiteral("替换为"));
    previousButton = smallButton(QStringLiteral("上一个"), this);
    nextButton = smallButton(QStringLiteral("下一个"), this);
    replaceButton = smallButton(QStringLiteral("替换"), this);
    replaceAllButton = smallButton(QStringLiteral("全部替换"), this);
    closeButton = smallButton(QStringLiteral("×"), this);
    closeButton->setToolTip(QStringLiteral("关闭（Esc）"));
    closeButton->setFixedWidth(28);
    matchCase = new QCheckBox(QStringLiteral("区分大小写"), this);
    wholeWord = new QCheckBox(QStringLiteral("全字匹配"), this);
    status = new QLabel(this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("查找："), this), 0, 0);
    grid->addWidget(findText, 0, 1);
    grid->addWidget(previousButton, 0, 2);
    grid->addWidget(nextButton, 0, 3);
    grid->addWidget(closeButton, 0, 4);

    replaceRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(replaceRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("替换："), replaceRow_));
    row->addWidget(replaceText, 1);
    row->addWidget(replaceButton);
    row->addWidget(replaceAllButton);
    grid->addWidget(replaceRow_, 1, 0, 1, 5);

    auto* options = new QHBoxLayout;
    options->addWidget(matchCase);
    options->addWidget(wholeWord);
    options->addWidget(status, 1);
    grid->addLayout(options, 2, 0, 1, 5);

    connect(nextButton, &QPushButton::clicked, this, &FindBar::findNext);
    connect(previousButton, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(replaceButton, &QPushButton::clicked, this, &FindBar::replaceCurrent);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(closeButton, &QPushButton::clicked, this, &FindBar::closeBar);
    connect(findText, &QLineEdit::textEdited, this, [this] { say({}); });

    for (QWidget* w : {static_cast<QWidget*>(findText), static_cast<QWidget*>(replaceText),
                       static_cast<QWidget*>(this)}) {
        w->installEventFilter(this);
    }
    box_->installEventFilter(this);
    // The viewport is laid out after the box itself has handled a resize.
    viewport_ = box_->viewport();
    viewport_->installEventFilter(this);
    hide();
}

void FindBar::openFind() { open(false); }

void FindBar::openReplace() { open(true); }

void FindBar::open(bool withReplace) {
    const QString selected = box_->textCursor().selectedText();
    // A selection across lines holds paragraph separators: not a search text.
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) {
        findText->setText(selected);
    }
    replaceRow_->setVisible(withReplace);
    say({});
    show();
    raise();
    place();
    findText->setFocus();
    findText->selectAll();
}

void FindBar::closeBar() {
    hide();
    box_->setFocus();
}

bool FindBar::findNext() { return find(false); }

bool FindBar::findPrevious() { return find(true); }

bool FindBar::find(bool backwards) {
    const QString what = findText->text();
    if (what.isEmpty()) {
        say(QStringLiteral("请输入要查找的文字。"), true);
        return false;
    }
    QTextDocument::FindFlags flags = options();
    if (backwards) flags |= QTextDocument::FindBackward;
    QTextDocument* doc = box_->document();
    const QTextCursor caret = box_->textCursor();
    QTextCursor start(doc);
    start.setPosition(backwards ? caret.selectionStart() : caret.selectionEnd());
    QTextCursor hit = doc->find(what, start, flags);
    bool wrapped = false;
    if (hit.isNull()) {
        QTextCursor from(doc);
        if (backwards) from.movePosition(QTextCursor::End);
        hit = doc->find(what, from, flags);
        wrapped = true;
    }
    if (hit.isNull()) {
        say(QStringLiteral("找不到“%1”。").arg(what), true);
        return false;
    }
    box_->setTextCursor(hit);
    box_->ensureCursorVisible();
    say(wrapped ? (backwards ? QStringLiteral("已从末尾重新查找。")
                             : QStringLiteral("已从开头重新查找。"))
                : QString());
    return true;
}

bool FindBar::replaceCurrent() {
    const QString what = findText->text();
    const QString selected = box_->textCursor().selectedText();
    const Qt::CaseSensitivity cs = matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    bool replaced = false;
    if (!what.isEmpty() && selected.compare(what, cs) == 0) {
        box_->replaceSelection(replaceText->text());
        replaced = true;
    }
    findNext();
    if (replaced && status->text().startsWith(QStringLiteral("找不到"))) {
        say(QStringLiteral("已替换，后面没有了。"));
    }
    return replaced;
}

int FindBar::replaceAll() {
    const QString what = findText->text();
    if (what.isEmpty()) {
        say(QStringLiteral("请输入要查找的文字。"), true);
        return 0;
    }
    const int n = box_->replaceAll(what, replaceText->text(), options());
    if (n == 0) {
        say(QStringLiteral("找不到“%1”。").arg(what), true);
    } else {
        say(QStringLiteral("已替换 %1 处。").arg(n));
    }
    return n;
}

QTextDocument::FindFlags FindBar::options() const {
    QTextDocument::FindFlags flags;
    if (matchCase->isChecked()) flags |= QTextDocument::FindCaseSensitively;
    if (wholeWord->isChecked()) flags |= QTextDocument::FindWholeWords;
    return flags;
}

void FindBar::say(const QString& text, bool problem) {
    status->setText(text);
    QPalette p = status->palette();
    p.setColor(QPalette::WindowText, problem ? QColor(192, 0, 0) : QColor(0, 96, 0));
    status->setPalette(p);
}

void FindBar::place() {
    if (!isVisible() || !viewport_) return;
    adjustSize();
    const QRect area = viewport_->geometry();
    const int width = qMin(qMax(sizeHint().width(), 360), area.width());
    resize(width, sizeHint().height());
    move(area.right() - width + 1 - 4, area.top() + 4);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_) {
        if (event->type() == QEvent::Resize) place();
        return false;
    }
    if (watched == box_) {
        // Esc in the code box puts an open bar away.
        if (event->type() == QEvent::KeyPress && isVisible() &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        closeBar();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && watched == findText) {
        find(key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    if (enter && watched == replaceText) {
        replaceCurrent();
        return true;
    }
    return false;
}
