#include "helpfrm.h"

#include <QTextBrowser>

#include "StatementReference.h"

helpfrm::helpfrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpfrm"));
    setWindowTitle(QStringLiteral("语句帮助"));
    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    // The table of contents links to anchors in the same page; nothing leaves it.
    RichTextBox1->setOpenExternalLinks(false);
    QFont f = RichTextBox1->font();
    f.setPointSizeF(10.5);
    RichTextBox1->setFont(f);
    RichTextBox1->document()->setDefaultStyleSheet(
        QStringLiteral("pre { font-family: 'WenQuanYi Micro Hei Mono', monospace; }"
                       "h2 { color: #1f4e9c; } h4 { color: #444444; margin-bottom: 2px; }"));
    RichTextBox1->setHtml(StatementReference::html());
    resize(720, 560);
}

void helpfrm::resizeEvent(QResizeEvent*) { RichTextBox1->setGeometry(rect()); }
