#include "StatementPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "BlueButton.h"
#include "DialogServices.h"
#include "MouseCodes.h"
#include "PropertyBag.h"
#include "StatementTable.h"
#include "VbColor.h"

namespace {

BlueButton* makeButton(QWidget* parent, const QString& caption, const QString& name) {
    auto* b = new BlueButton(parent);
    b->setObjectName(name);
    PropertyBag bag;
    QFont f(QStringLiteral("微软雅黑"));
    f.setPointSizeF(9);
    bag.WriteProperty(QStringLiteral("Font"), f, QVariant());
    bag.WriteProperty(QStringLiteral("Caption"), caption, QStringLiteral("Label1"));
    bag.WriteProperty(QStringLiteral("BackColor"), VbColor::rgb(0, 120, 215), 0u);
    bag.WriteProperty(QStringLiteral("DownColor"), VbColor::rgb(0, 84, 153), 0u);
    b->load(bag);
    b->setFixedHeight(Twips::toPixels(360));
    return b;
}

}  // namespace

StatementPanel::StatementPanel(StatementTable& table, DialogServices& dialogs, QWidget* parent)
    : QWidget(parent), table_(table), dialogs_(dialogs) {
    Label1 = new QLabel(QStringLiteral("按语句查找："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Option1 = makeButton(this, QStringLiteral("按语句查找"), QStringLiteral("Option1"));
    Option2 = makeButton(this, QStringLiteral("按功能查找 "), QStringLiteral("Option2"));
    searchtext = new QLineEdit(this);
    searchtext->setObjectName(QStringLiteral("searchtext"));
    searchbox = makeButton(this, QStringLiteral("搜索"), QStringLiteral("searchbox"));
    searchlist = new QListWidget(this);
    searchlist->setObjectName(QStringLiteral("searchlist"));
    searchlist->viewport()->installEventFilter(this);
    smtitle = new QLabel(this);
    smtitle->setObjectName(QStringLiteral("smtitle"));
    QFont bold = smtitle->font();
    bold.setBold(true);
    smtitle->setFont(bold);
    smtext = new QLabel(this);
    smtext->setObjectName(QStringLiteral("smtext"));
    smtext->setWordWrap(true);
    smtext->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    smtext->setMinimumHeight(Twips::toPixels(900));

    auto* modes = new QHBoxLayout;
    modes->addWidget(Option1);
    modes->addWidget(Option2);
    auto* find = new QHBoxLayout;
    find->addWidget(searchtext, 1);
    find->addWidget(searchbox);
    searchbox->setFixedWidth(Twips::toPixels(900));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addLayout(modes);
    v->addWidget(Label1);
    v->addWidget(searchlist, 1);
    v->addLayout(find);
    v->addWidget(smtitle);
    v->addWidget(smtext);

    connect(Option1, &BlueButton::Click, this, [this] { GetList(0); });
    connect(Option2, &BlueButton::Click, this, [this] { GetList(1); });
    connect(searchbox, &BlueButton::Click, this, [this] { search(); });
    connect(searchlist, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showRecord(searchlist->row(item)); });
    connect(searchlist, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit statementActivated(searchlist->row(item)); });
}

void StatementPanel::GetList(int dt) {
    searchlist->clear();
    QStringList entries;
    entries.reserve(table_.size());
    for (const StatementRecord& r : table_.records())
        entries << (dt == 0 ? r.Name : r.FunctionLabel);
    searchlist->addItems(entries);
    Label1->setText(dt == 0 ? QStringLiteral("按语句查找：") : QStringLiteral("按功能查找："));
}

void StatementPanel::showRecord(int index) {
    if (index < 0 || index >= table_.size()) return;
    smtitle->setText(table_.at(index).Name);
    smtext->setText(table_.at(index).Description);
}

void StatementPanel::search() {
    const QString wanted = searchtext->text();
    for (const StatementRecord& r : table_.records()) {
        if (r.Name == wanted) {
            emit runScript(r.ScriptPath);
            return;
        }
    }
    dialogs_.messageBox(QStringLiteral("未找到该语句。"), DialogServices::Exclamation);
}

void StatementPanel::applyBackground(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

bool StatementPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchlist->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (const int b = MouseCodes::button(me->button())) emit listMousePressed(b);
    }
    return QWidget::eventFilter(watched, event);
}
