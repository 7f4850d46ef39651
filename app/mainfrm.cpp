#include "mainfrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "AppPaths.h"
#include "BatType.h"
#include "BatTypeObject.h"
#include "BlueButton.h"
#include "CodeBox.h"
#include "CodeBoxHost.h"
#include "FindBar.h"
#include "CommonDialog.h"
#include "DialogServices.h"
#include "DocumentCommands.h"
#include "MouseCodes.h"
#include "ProcessLauncher.h"
#include "ProcessState.h"
#include "PropertyBag.h"
#include "ScriptControl.h"
#include "ScriptRunner.h"
#include "SettingsStore.h"
#include "StatementInsertion.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TextFile.h"
#include "VbColor.h"
#include "aboutfrm.h"
#include "ezj.h"
#include "favfrm.h"
#include "helpfrm.h"
#include "mysts.h"
#include "setfrm.h"
#include "thfrm.h"
#include "toolsfrm.h"

namespace {

const QString kApp = QStringLiteral("korvelVbs");
const QString kSection = QStringLiteral("main");
const QString kDesignTitle = QStringLiteral("KorvelVBS编辑器");

QPixmap closePicture() {
    const QSize size(Twips::toPixels(480), Twips::toPixels(300));
    QPixmap pm(size);
    pm.fill(QColor(200, 60, 60));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    const int cx = size.width() / 2, cy = size.height() / 2, r = qMin(cx, cy) / 2;
    p.drawLine(cx - r, cy - r, cx + r, cy + r);
    p.drawLine(cx - r, cy + r, cx + r, cy - r);
    return pm;
}

}  // namespace

mainfrm::mainfrm(Services services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), s_(std::move(services)) {
    setObjectName(QStringLiteral("mainfrm"));
    setWindowTitle(kDesignTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Twips::toPixels(14055), Twips::toPixels(10410));
    setAutoFillBackground(true);
    setMouseTracking(true);

    titleColor_ = VbColor::rgb(128, 128, 128);
    backColor_ = VbColor::rgb(224, 224, 224);
    statusColor_ = VbColor::rgb(224, 224, 224);
    titleTextColor_ = VbColor::rgb(255, 192, 128);

    buildTitle();
    buildButtons();
    buildStatus();

    codebox = new CodeBox(this);
    codebox->setObjectName(QStringLiteral("codebox"));
    QFont code;
    code.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("WenQuanYi Micro Hei Mono"),
                      QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    code.setPointSizeF(10.5);
    code.setBold(true);
    codebox->setFont(code);
    findBar = new FindBar(codebox);

    panel = new StatementPanel(s_.table, s_.dialogs, this);
    panel->setObjectName(QStringLiteral("panel"));

    arrange();
    host_ = std::make_unique<CodeBoxHost>(*codebox, [this] { return state.CrlfPlus; });
    BatTypeobj = new BatType(*host_, s_.argumentDialogs, this);
    BatTypeobj->setObjectName(QStringLiteral("BatTypeobj"));
    BatTypeobj->hide();
    sc_ = std::make_unique<ScriptControl>(s_.dialogs);
    runner_ = std::make_unique<ScriptRunner>(*sc_, s_.dialogs);
    insertion_ = std::make_unique<StatementInsertion>(
        state, *host_, s_.table, [this](const QString& path) { return runcode(path); },
        [this](const QString& t) { setStatus(t); });
    auto optionQuestion = s_.optionDLG;
    if (!optionQuestion)
        optionQuestion = [this](const QString& choices, const QString& title) {
            return BatTypeobj->OptionDLG(choices, title);
        };
    docs_ = std::make_unique<DocumentCommands>(
        DocumentCommands::Env{this, *codebox, state, s_.dialogs, s_.launcher, optionQuestion,
                              [this](const QString& t) { setStatus(t); }});
    connectCommands();
    connectWindows();
    paintBackground(this, backColor_);
    paintBackground(titlebox, titleColor_);
    paintBackground(Picture1, statusColor_);
}

void mainfrm::buildTitle() {
    titlebox = new QWidget(this);
    titlebox->setObjectName(QStringLiteral("titlebox"));
    titlebox->setAutoFillBackground(true);
    titlebox->setGeometry(0, 0, width(), Twips::toPixels(495));
    Label3 = new QLabel(kDesignTitle, titlebox);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont f;
    f.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSize(12);
    f.setBold(true);
    Label3->setFont(f);
    Label3->setGeometry(10, 0, width() - 80, titlebox->height());
    Picture3 = new QLabel(titlebox);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setPixmap(closePicture());
    Picture3->setToolTip(QStringLiteral("关闭"));
    Picture3->setCursor(Qt::PointingHandCursor);
    const QSize cs(Twips::toPixels(480), Twips::toPixels(300));
    Picture3->setGeometry(width() - cs.width() - 6, (titlebox->height() - cs.height()) / 2,
                          cs.width(), cs.height());
    Picture3->installEventFilter(this);
}

void mainfrm::buildButtons() {
    struct ButtonDesign {
        BlueButton** slot;
        const char* name;
        QString caption;
    };
    const ButtonDesign designs[] = {
        {&newproject, "newproject", QStringLiteral("新建")},
        {&open, "open", QStringLiteral("打开")},
        {&saveproject, "saveproject", QStringLiteral("保存")},
        {&runprotect, "runprotect", QStringLiteral("运行")},
        {&favourite, "favourite", QStringLiteral("收藏夹")},
        {&my, "my", QStringLiteral("我的语句")},
        {&help, "help", QStringLiteral("语句帮助")},
        {&bluebutton1, "bluebutton1", QStringLiteral("工具箱")},
        {&setting, "setting", QStringLiteral("设置")},
        {&jiami, "jiami", QStringLiteral("文件加密")},
        {&bluebutton2, "bluebutton2", QStringLiteral("关于")},
        {&bluebutton3, "bluebutton3", QStringLiteral("鸣谢")},
    };
    QFont f;
    f.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(10.5);
    for (const ButtonDesign& s : designs) {
        auto* b = new BlueButton(this);
        b->setObjectName(QString::fromLatin1(s.name));
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Font"), f, QVariant());
        bag.WriteProperty(QStringLiteral("Caption"), s.caption, QStringLiteral("Label1"));
        bag.WriteProperty(QStringLiteral("BackColor"), VbColor::rgb(0, 120, 215), 0u);
        bag.WriteProperty(QStringLiteral("DownColor"), VbColor::rgb(0, 84, 153), 0u);
        // Encryption was never finished; it stays visible but disabled.
        if (s.slot == &jiami) bag.WriteProperty(QStringLiteral("Enabled"), false, true);
        b->load(bag);
        *s.slot = b;
    }
}

void mainfrm::buildStatus() {
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    now = new QLabel(QStringLiteral("状态：正常"), Picture1);
    now->setObjectName(QStringLiteral("now"));
    Label4 = new QLabel(QStringLiteral("恶作剧"), Picture1);
    Label4->setObjectName(QStringLiteral("Label4"));
    QPalette lp = Label4->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label4->setPalette(lp);
    QFont uf = Label4->font();
    uf.setUnderline(true);
    Label4->setFont(uf);
    Label4->setCursor(Qt::PointingHandCursor);
    auto* h = new QHBoxLayout(Picture1);
    h->setContentsMargins(8, 0, 8, 0);
    h->addWidget(now, 1);
    h->addWidget(Label4);
}

void mainfrm::arrange() {
    const int w = width();
    const int h = height();
    const int titleH = Twips::toPixels(495);
    const int statusH = Twips::toPixels(315);
    const int gap = 8;
    const int buttonH = Twips::toPixels(390);
    const BlueButton* row[] = {newproject,  open,    saveproject, runprotect,  favourite,  my, help,
                               bluebutton1, setting, jiami,       bluebutton2, bluebutton3};
    const int count = int(std::size(row));
    const int buttonW = (w - gap * (count + 1)) / count;
    int x = gap;
    const int buttonY = titleH + gap;
    for (const BlueButton* b : row) {
        const_cast<BlueButton*>(b)->setGeometry(x, buttonY, buttonW, buttonH);
        x += buttonW + gap;
    }
    const int top = buttonY + buttonH + gap;
    const int bottom = h - statusH - gap;
    const int panelW = Twips::toPixels(4200);
    codebox->setGeometry(gap, top, w - panelW - 3 * gap, bottom - top);
    panel->setGeometry(w - panelW - gap, top, panelW, bottom - top);
    Picture1->setGeometry(0, h - statusH, w, statusH);
}

void mainfrm::paintBackground(QWidget* w, uint32_t color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, VbColor::toQColor(color));
    w->setPalette(p);
}

void mainfrm::applyColorScheme(const QString& bj) {
    if (bj == u"blue") {
        titleColor_ = VbColor::rgb(0, 0, 192);
    } else if (bj == u"green") {
        titleColor_ = VbColor::rgb(0, 192, 0);
        backColor_ = VbColor::rgb(192, 255, 192);
        statusColor_ = VbColor::rgb(192, 255, 192);
        titleTextColor_ = VbColor::rgb(255, 255, 255);
    }
    paintBackground(titlebox, titleColor_);
    paintBackground(this, backColor_);
    paintBackground(Picture1, statusColor_);
    panel->applyBackground(VbColor::toQColor(backColor_));
    QPalette lp = Label3->palette();
    lp.setColor(QPalette::WindowText, VbColor::toQColor(titleTextColor_));
    Label3->setPalette(lp);
}

mainfrm::LoadOutcome mainfrm::Load() {
    applyColorScheme(s_.settings.get(kApp, kSection, QStringLiteral("bj")));
    const QString title = s_.settings.get(kApp, kSection, QStringLiteral("title"));
    if (!title.isEmpty()) Label3->setText(kDesignTitle + QStringLiteral("---") + title);
    setWindowTitle(Label3->text());
    state.EndSubSetting = s_.settings.get(kApp, kSection, QStringLiteral("End Sub"));
    state.EndSubArmed = true;
    state.EndSubCount = 0;
    codebox->setCaretPosition(codebox->Text().size());
    state.CrlfPlus = s_.settings.get(QStringLiteral("korvelbat"), kSection,
                                     QStringLiteral("crlfplus"), QStringLiteral("0"));
    sc_->AddObject(QStringLiteral("CBatCode"), vbs::makeRef<BatTypeObject>(BatTypeobj));
    sc_->AddObject(QStringLiteral("CFileDlg"), vbs::makeRef<CommonDialog>(s_.dialogs));
    emit registerHostObjects();
    switch (s_.table.load(s_.appFolder)) {
        case StatementTable::LoadResult::FileMissing:
            return LoadOutcome::LibraryMissing;
        case StatementTable::LoadResult::Failed:
            return LoadOutcome::Ready;  // the list stays empty
        case StatementTable::LoadResult::Ok:
            panel->GetList(0);
            return LoadOutcome::Ready;
    }
    return LoadOutcome::Ready;
}

void mainfrm::setStatus(const QString& text) { now->setText(text); }

bool mainfrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Label4->rect().contains(me->position().toPoint()))
            showModal<ezj>(s_.dialogs);
        return true;
    }
    if (watched == Picture3 && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Picture3->rect().contains(me->position().toPoint()))
            emit closeRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool mainfrm::openPath(const QString& path) { return docs_->openPath(path); }

EditorHost& mainfrm::editorHost() { return *host_; }

bool mainfrm::runcode(const QString& sfilepath) {
    return runner_->runcode(AppPaths::toLocalPath(sfilepath));
}

void mainfrm::CodeAddString(const QString& addstr) { host_->CodeAddString(addstr); }

void mainfrm::goToLine() {
    const int lines = codebox->document()->blockCount();
    const int current = codebox->textCursor().blockNumber() + 1;
    const std::optional<QString> answer =
        s_.dialogs.inputBox(QStringLiteral("转到第几行（1 到 %1）：").arg(lines),
                            QStringLiteral("转到行"), QString::number(current));
    if (!answer) return;
    bool number = false;
    const int line = answer->trimmed().toInt(&number);
    if (!number || !codebox->goToLine(line)) {
        s_.dialogs.messageBox(QStringLiteral("请输入 1 到 %1 之间的行号。").arg(lines),
                              DialogServices::Exclamation, QStringLiteral("转到行"));
        return;
    }
    codebox->setFocus();
}

mainfrm::~mainfrm() = default;

void mainfrm::connectCommands() {
    connect(codebox, &CodeBox::changed, this, [this] {
        state.Modified = true;
        setStatus(QStringLiteral("状态：正常"));
    });
    connect(panel, &StatementPanel::statementActivated, this, [this](int i) {
        insertion_->listDoubleClicked(i);
        // Typing goes on where the statement landed.
        codebox->setFocus();
    });
    connect(panel, &StatementPanel::runScript, this,
            [this](const QString& path) { insertion_->searchHit(path); });
    connect(panel, &StatementPanel::listMousePressed, this,
            [this](int b) { insertion_->listMousePressed(b); });
    connect(codebox, &CodeBox::mousePressed, this,
            [this](int b) { insertion_->codeBoxMousePressed(b); });
    connect(this, &mainfrm::backgroundPressed, this,
            [this](int b) { insertion_->backgroundMousePressed(b); });
    connect(newproject, &BlueButton::Click, this, [this] { docs_->New(); });
    connect(open, &BlueButton::Click, this, [this] { docs_->Open(); });
    connect(saveproject, &BlueButton::Click, this, [this] { docs_->Save(); });
    connect(runprotect, &BlueButton::Click, this, [this] { docs_->Run(); });
    const struct {
        QKeySequence key;
        std::function<void()> run;
    } keys[] = {
        {QKeySequence::New, [this] { docs_->New(); }},
        {QKeySequence::Open, [this] { docs_->Open(); }},
        {QKeySequence::Save, [this] { docs_->Save(); }},
        {QKeySequence(Qt::Key_F5), [this] { docs_->Run(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_F), [this] { findBar->openFind(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_H), [this] { findBar->openReplace(); }},
        {QKeySequence(Qt::Key_F3), [this] { findBar->findNext(); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findBar->findPrevious(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_G), [this] { goToLine(); }},
    };
    for (const auto& k : keys) {
        auto* sc = new QShortcut(k.key, this);
        connect(sc, &QShortcut::activated, this, k.run);
    }
}

void mainfrm::mouseMoveEvent(QMouseEvent* e) {
    // Children pass unhandled moves up; only the bare background counts, and
    // a drag goes on only when it began there.
    const bool overBackground = childAt(e->position().toPoint()) == nullptr;
    if (e->buttons() == Qt::NoButton ? !overBackground : !pressOnBackground_) return;
    drag_.mouseMove(this, e);
    state.DragAnchorX = drag_.anchorX;
    state.DragAnchorY = drag_.anchorY;
}

void mainfrm::mousePressEvent(QMouseEvent* e) {
    pressOnBackground_ = childAt(e->position().toPoint()) == nullptr;
    if (!pressOnBackground_) return;
    if (const int b = MouseCodes::button(e->button())) emit backgroundPressed(b);
    QWidget::mousePressEvent(e);
}

template <class Window, class... Args>
void mainfrm::showModal(Args&&... args) {
    Window w(std::forward<Args>(args)..., this);
    w.setWindowModality(Qt::ApplicationModal);
    w.exec();
}

void mainfrm::showTools() {
    // Modeless and single: a second click brings the open one forward.
    if (!tools_) {
        tools_ = new toolsfrm(*host_, s_.dialogs, this);
        tools_->setWindowFlag(Qt::Window);
        tools_->setAttribute(Qt::WA_DeleteOnClose);
    }
    tools_->show();
    tools_->raise();
    tools_->activateWindow();
}

void mainfrm::connectWindows() {
    connect(favourite, &BlueButton::Click, this, [this] { showModal<favfrm>(*host_, s_.dialogs); });
    connect(my, &BlueButton::Click, this, [this] { showModal<mysts>(s_.dialogs); });
    connect(help, &BlueButton::Click, this, [this] { showModal<helpfrm>(); });
    connect(setting, &BlueButton::Click, this,
            [this] { showModal<setfrm>(s_.settings, s_.dialogs); });
    connect(bluebutton1, &BlueButton::Click, this, [this] { showTools(); });
    connect(bluebutton2, &BlueButton::Click, this, [this] { showModal<aboutfrm>(); });
    connect(bluebutton3, &BlueButton::Click, this, [this] { showModal<thfrm>(s_.dialogs); });
    Label4->installEventFilter(this);
}
