#include "toolsfrm.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <cmath>

#include "DialogServices.h"
#include "EditorHost.h"

toolsfrm::toolsfrm(EditorHost& host, DialogServices& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), dialogs_(dialogs) {
    setObjectName(QStringLiteral("toolsfrm"));
    setWindowTitle(QStringLiteral("工具箱"));
    bmsgbox = addButton("bmsgbox", QStringLiteral("消息框(&Msgbox)"));
    bInputbox = addButton("bInputbox", QStringLiteral("输入框(&Inputbox)"));
    bdim = addButton("bdim", QStringLiteral("   声明     (&Dim)"));
    bexit = addButton("bexit", QStringLiteral("退出代码块 (&Exit)"));
    bwith = addButton("bwith", QStringLiteral("&With语句"));
    bExecute = addButton("bExecute", QStringLiteral("&Execute语句"));
    bChr = addButton("bChr", QStringLiteral("插入回车"));
    Command1 = addButton("Command1", QStringLiteral("开发中..."));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setSpacing(10);
    const QPushButton* order[] = {bmsgbox, bInputbox, bdim, bexit, bwith, bExecute, bChr, Command1};
    for (int i = 0; i < 8; ++i) grid->addWidget(const_cast<QPushButton*>(order[i]), i / 2, i % 2);
    setFixedSize(340, 210);

    connect(Command1, &QPushButton::clicked, this, &toolsfrm::Command1_Click);
    connect(bChr, &QPushButton::clicked, this, &toolsfrm::bChr_Click);
    connect(bExecute, &QPushButton::clicked, this, &toolsfrm::bExecute_Click);
    connect(bwith, &QPushButton::clicked, this, &toolsfrm::bwith_Click);
    connect(bexit, &QPushButton::clicked, this, &toolsfrm::bexit_Click);
    connect(bdim, &QPushButton::clicked, this, &toolsfrm::bdim_Click);
    connect(bInputbox, &QPushButton::clicked, this, &toolsfrm::bInputbox_Click);
    connect(bmsgbox, &QPushButton::clicked, this, &toolsfrm::bmsgbox_Click);
}

toolsfrm* toolsfrm::showOrRaise(EditorHost& host, DialogServices& dialogs, QWidget* parent) {
    static QPointer<toolsfrm> open;
    if (!open) {
        open = new toolsfrm(host, dialogs, parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

QPushButton* toolsfrm::addButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(34);
    return b;
}

std::optional<int> toolsfrm::choiceNumber(const QString& answer) {
    bool ok = false;
    const double v = answer.trimmed().toDouble(&ok);
    if (!ok || v != std::floor(v) || std::fabs(v) > 1e9) return std::nullopt;
    return int(v);
}

QString toolsfrm::ask(const QString& prompt) {
    return dialogs_.inputBox(prompt).value_or(QString());
}

void toolsfrm::append(const QString& snippet) { host_.setCodeText(host_.codeText() + snippet); }

void toolsfrm::Command1_Click() {
    dialogs_.messageBox(QStringLiteral("开发中！"), DialogServices::Information);
}

void toolsfrm::bChr_Click() { append(QStringLiteral("Chr(13)")); }

void toolsfrm::bdim_Click() {
    const QString name = ask(QStringLiteral("请输入变量名称！"));
    append(QStringLiteral("Dim ") + name);
}

void toolsfrm::bExecute_Click() {
    const QString statements = ask(QStringLiteral("请输入语句，多个语句请用冒号隔开！"));
    append(QStringLiteral("Execute ") + statements);
}

void toolsfrm::bexit_Click() {
    static const char* const blocks[] = {"Do", "For", "Function", "Property", "Sub"};
    const QString answer =
        ask(QStringLiteral("你要退出什么代码块：1.Do 2.For 3.Function 4.Property 5.Sub"));
    const std::optional<int> n = choiceNumber(answer);
    QString block;
    if (n && *n >= 1 && *n <= 5) {
        block = QString::fromLatin1(blocks[*n - 1]);
    } else {
        dialogs_.messageBox(QStringLiteral("请输入1,2,3,4或5！"), DialogServices::Critical);
    }
    append(QStringLiteral("Exit ") + block);
}

void toolsfrm::bInputbox_Click() {
    const QString prompt = ask(QStringLiteral("请输入提示信息！"));
    const QString variable = ask(QStringLiteral("请输入变量！"));
    append(variable + QStringLiteral("=inputbox(\"") + prompt + QStringLiteral("\")"));
}

void toolsfrm::bmsgbox_Click() {
    static const char* const icons[] = {"vbInformation", "vbQuestion", "vbExclamation",
                                        "vbCritical"};
    const QString message = ask(QStringLiteral("请输入要弹出的消息，如果是变量请勿加双引号。"));
    const std::optional<int> n =
        choiceNumber(ask(QStringLiteral("需要图标吗？1.消息 2.疑问 3.警告 4.错误")));
    QString icon;
    if (n && *n >= 1 && *n <= 4) {
        icon = QString::fromLatin1(icons[*n - 1]);
    } else {
        dialogs_.messageBox(QStringLiteral("请输入1,2,3或4！"), DialogServices::Exclamation);
    }
    const QString title = ask(QStringLiteral("请输入标题"));
    append(QStringLiteral("Msgbox ") + message + u',' + icon + QStringLiteral(",\"") + title +
           u'"');
}

void toolsfrm::bwith_Click() {
    const QString object = ask(QStringLiteral("请输入一个对象名称或对象的一个函数"));
    const QString commands = ask(QStringLiteral("请输入将要对 object 执行的一个或多个命令"));
    // A lone CR, as the snippet always had; the code box shows it as a line break.
    append(QStringLiteral("With ") + object + u'\r' + commands + u'\r' +
           QStringLiteral("End With"));
}
