#include "favfrm.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "AppPaths.h"
#include "BlueButton.h"
#include "DialogServices.h"
#include "EditorHost.h"
#include "HostState.h"
#include "PropertyBag.h"
#include "VbColor.h"

namespace {

BlueButton* flatButton(const QString& caption, QWidget* parent) {
    auto* b = new BlueButton(parent);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), caption, QStringLiteral("Label1"));
    bag.WriteProperty(QStringLiteral("BackColor"), VbColor::rgb(0, 120, 215), 0u);
    bag.WriteProperty(QStringLiteral("DownColor"), VbColor::rgb(0, 84, 153), 0u);
    b->load(bag);
    b->setFixedSize(72, 26);
    return b;
}

}  // namespace

favfrm::favfrm(EditorHost& host, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent), host_(host), dialogs_(dialogs) {
    setObjectName(QStringLiteral("favfrm"));
    setWindowTitle(QStringLiteral("我的收藏语句"));
    favyj = new QLineEdit(this);
    favyj->setObjectName(QStringLiteral("favyj"));
    fav = new QListWidget(this);
    fav->setObjectName(QStringLiteral("fav"));
    bluebutton2 = flatButton(QStringLiteral("添加"), this);
    bluebutton2->setObjectName(QStringLiteral("bluebutton2"));
    bluebutton1 = flatButton(QStringLiteral("删除"), this);
    bluebutton1->setObjectName(QStringLiteral("bluebutton1"));

    auto* top = new QHBoxLayout;
    top->addWidget(favyj, 1);
    top->addWidget(bluebutton2);
    top->addWidget(bluebutton1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(12, 12, 12, 12);
    v->addLayout(top);
    v->addWidget(new QLabel(QStringLiteral("双击一条收藏即可插入到代码中："), this));
    v->addWidget(fav, 1);
    resize(520, 380);

    connect(bluebutton1, &BlueButton::Click, this, &favfrm::bluebutton1_Click);
    connect(bluebutton2, &BlueButton::Click, this, &favfrm::bluebutton2_Click);
    connect(fav, &QListWidget::itemDoubleClicked, this, &favfrm::fav_DblClick);
    Load();
}

QString favfrm::filePath() {
    return QDir(AppPaths::applicationFolder()).filePath(QStringLiteral("fav.dat"));
}

QStringList favfrm::entries() const {
    QStringList list;
    for (int i = 0; i < fav->count(); ++i) list << fav->item(i)->text();
    return list;
}

void favfrm::Load() {
    const TextFile::ReadResult r = TextFile::read(filePath());
    if (r.status == TextFile::ReadResult::Status::NotFound) {
        dialogs_.messageBox(QStringLiteral("收藏夹文件未找到！"), DialogServices::Critical);
        return;
    }
    if (!r.ok()) {
        // Rewriting on close would replace favourites we could not read.
        unreadable_ = true;
        dialogs_.messageBox(r.error + QStringLiteral("\n收藏夹将不会被改写。"),
                            DialogServices::Critical);
        return;
    }
    encoding_ = r.encoding;
    fav->addItems(r.lines);
    favyj->setText(HostState::LastInsertedText());
}

void favfrm::bluebutton2_Click() {
    fav->addItem(favyj->text());
    changed_ = true;
    favyj->clear();
    dialogs_.messageBox(QStringLiteral("保存成功！"), DialogServices::Information);
    close();
}

void favfrm::bluebutton1_Click() {
    const QList<QListWidgetItem*> selected = fav->selectedItems();
    if (!selected.isEmpty()) {
        delete selected.first();
        changed_ = true;
    }
    dialogs_.messageBox(QStringLiteral("删除成功！"), DialogServices::Information);
}

void favfrm::fav_DblClick(QListWidgetItem* item) {
    if (!item) return;
    host_.CodeAddString(item->text());
    close();
}

void favfrm::done(int result) {
    Unload();
    QDialog::done(result);
}

void favfrm::closeEvent(QCloseEvent* e) {
    Unload();
    QDialog::closeEvent(e);
}

void favfrm::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (unreadable_) {
        if (changed_)
            dialogs_.messageBox(QStringLiteral("收藏夹文件无法读取，本次的更改没有保存。"),
                                DialogServices::Exclamation);
        return;
    }
    for (;;) {
        const TextFile::WriteResult w = TextFile::writeLines(filePath(), entries(), encoding_);
        if (w.ok || !retryAfter(w.error)) return;
    }
}

// The write is atomic, so the old file is still whole when this asks.
bool favfrm::retryAfter(const QString& error) {
    const int answer = dialogs_.messageBox(
        error + QStringLiteral("\n收藏夹没有保存，原来的收藏夹文件保持不变。要重试吗？"),
        DialogServices::RetryCancel | DialogServices::Critical);
    return answer == DialogServices::Retry;
}
