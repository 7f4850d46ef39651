#include "p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "BlueButton.h"
#include "CodeBox.h"
#include "DialogServices.h"
#include "ProcessLauncher.h"
#include "ProcessState.h"
#include "PropertyBag.h"
#include "VbColor.h"

namespace {

const QString kFilter = QStringLiteral("VBScript脚本文件(*.vbs)|*.vbs|");

BlueButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new BlueButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    PropertyBag bag;
    QFont f;
    f.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(10.5);
    bag.WriteProperty(QStringLiteral("Font"), f, QVariant());
    bag.WriteProperty(QStringLiteral("Caption"), caption, QStringLiteral("Label1"));
    bag.WriteProperty(QStringLiteral("BackColor"), VbColor::rgb(64, 64, 64), 0u);
    bag.WriteProperty(QStringLiteral("DownColor"), VbColor::rgb(32, 32, 32), 0u);
    b->load(bag);
    b->setFixedSize(Twips::toPixels(1200), Twips::toPixels(390));
    return b;
}

}  // namespace

p::p(Services services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), s_(std::move(services)) {
    setObjectName(QStringLiteral("p"));
    setWindowTitle(QStringLiteral("安全模式"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);

    title = new QLabel(QStringLiteral("KorvelVBS编辑器"), this);
    QFont tf;
    tf.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
    tf.setPointSize(12);
    tf.setBold(true);
    title->setFont(tf);
    auto* mode = new QLabel(QStringLiteral("安全模式"), this);
    newproject = makeButton(this, "newproject", QStringLiteral("新建"));
    open = makeButton(this, "open", QStringLiteral("打开"));
    saveproject = makeButton(this, "saveproject", QStringLiteral("保存"));
    runprotect = makeButton(this, "runprotect", QStringLiteral("运行"));
    bluebutton2 = makeButton(this, "bluebutton2", QStringLiteral("关于"));
    bluebutton1 = makeButton(this, "bluebutton1", QStringLiteral("×"));
    bluebutton1->setFixedWidth(Twips::toPixels(480));
    QFont closeFont = bluebutton1->Font();
    closeFont.setPointSize(13);
    bluebutton1->label()->setFont(closeFont);
    codebox = new CodeBox(this);
    codebox->setObjectName(QStringLiteral("codebox"));

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addSpacing(12);
    top->addWidget(mode);
    top->addStretch(1);
    top->addWidget(bluebutton1);
    auto* buttons = new QHBoxLayout;
    for (BlueButton* b : {newproject, open, saveproject, runprotect, bluebutton2})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 10);
    v->addLayout(top);
    v->addLayout(buttons);
    v->addWidget(codebox, 1);
    resize(Twips::toPixels(11000), Twips::toPixels(8000));

    connect(bluebutton1, &BlueButton::Click, this, &p::closeRequested);
    connect(bluebutton2, &BlueButton::Click, this, [this] {
        if (s_.showAbout) s_.showAbout();
    });
    connect(newproject, &BlueButton::Click, this, &p::New);
    connect(open, &BlueButton::Click, this, &p::Open);
    connect(saveproject, &BlueButton::Click, this, [this] { Save(); });
    connect(runprotect, &BlueButton::Click, this, &p::Run);
    // Edits count as changes here too, so New asks before throwing them away.
    connect(codebox, &CodeBox::changed, this, [this] { Modified = true; });
}

bool p::writeTo(const QString& path) {
    const TextFile::WriteResult w = TextFile::writeText(path, codebox->Text(), encoding_);
    if (!w.ok) s_.dialogs.messageBox(w.error, DialogServices::Critical);
    return w.ok;
}

QString p::askSaveName() { return s_.dialogs.saveFileName(QString(), kFilter); }

bool p::Save() {
    const QString name = askSaveName();
    if (name.isEmpty()) return false;
    return writeTo(name);
}

void p::New() {
    if (!Modified) return;
    const QString answer =
        s_.optionDLG(QStringLiteral("保存,不保存,取消"), QStringLiteral("您的文件未保存。"));
    if (answer == u"取消") return;
    if (answer == u"保存" && !Save()) return;  // an unfinished save keeps the text
    ProcessState::CurrentPath().clear();
    codebox->setText(QString());
    Modified = false;
}

void p::Open() {
    const QString name = s_.dialogs.openFileName(QString(), kFilter);
    if (name.isEmpty()) return;
    const TextFile::ReadResult r = TextFile::read(name);
    if (!r.ok()) {
        s_.dialogs.messageBox(r.error, DialogServices::Critical);
        return;
    }
    if (const QString problem = TextFile::editingProblem(name, r); !problem.isEmpty()) {
        s_.dialogs.messageBox(problem, DialogServices::Exclamation);
        return;
    }
    setEnabled(false);
    codebox->setLines(r.lines);
    setEnabled(true);
    encoding_ = r.encoding;
    ProcessState::CurrentPath() = name;
    Modified = false;
}

void p::Run() {
    constexpr int kYesNoQuestion = DialogServices::YesNo | DialogServices::Question;
    QString target;
    if (ProcessState::CurrentPath().isEmpty()) {
        if (s_.dialogs.messageBox(QStringLiteral("请先保存你的文件才可以调试！是否保存？"),
                                  kYesNoQuestion) != DialogServices::Yes)
            return;
        target = askSaveName();
        if (target.isEmpty() || !writeTo(target)) {
            s_.dialogs.messageBox(QStringLiteral("文件没有保存，程序未运行。"),
                                  DialogServices::Exclamation);
            return;
        }
    } else {
        if (s_.dialogs.messageBox(QStringLiteral("你的VBS程序将会被程序保存后覆盖源文件。继续？"),
                                  kYesNoQuestion) != DialogServices::Yes)
            return;
        target = ProcessState::CurrentPath();
        if (!writeTo(target)) {
            s_.dialogs.messageBox(QStringLiteral("文件没有保存，程序未运行。"),
                                  DialogServices::Exclamation);
            return;
        }
    }
    const QString wscript = s_.launcher.findWscript();
    if (wscript.isEmpty()) {
        s_.dialogs.messageBox(QStringLiteral("找不到脚本宿主 wscript，无法运行程序。"),
                              DialogServices::Critical);
        return;
    }
    if (!s_.launcher.startDetached(wscript, {target}))
        s_.dialogs.messageBox(QStringLiteral("无法启动 wscript，程序未运行。"),
                              DialogServices::Critical);
}

void p::mouseMoveEvent(QMouseEvent* e) {
    const bool overBackground = childAt(e->position().toPoint()) == nullptr;
    if (e->buttons() == Qt::NoButton ? !overBackground : !pressOnBackground_) return;
    drag_.mouseMove(this, e);
}

void p::mousePressEvent(QMouseEvent* e) {
    pressOnBackground_ = childAt(e->position().toPoint()) == nullptr;
    QWidget::mousePressEvent(e);
}
