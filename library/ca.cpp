#include "ca.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "HostState.h"
#include "VbColor.h"

ca::ca(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("选择"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    chooseargs = new QListWidget(this);
    chooseargs->setObjectName(QStringLiteral("chooseargs"));
    Command1 = new QPushButton(QStringLiteral("选择"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    v->addWidget(chooseargs, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Command1);
    v->addLayout(row);
    resize(Twips::toPixels(4200), Twips::toPixels(4000));

    Command1->setDefault(true);
    Label1->setText(HostState::CheckTitle());
    Label1->setVisible(!HostState::CheckTitle().isEmpty());
    for (const CheckItem& item : HostState::CheckItems()) {
        auto* row = new QListWidgetItem(item.Label, chooseargs);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    // Double-click or Enter on an entry toggles it too, not only its small box.
    connect(chooseargs, &QListWidget::itemActivated, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(Command1, &QPushButton::clicked, this, [this] { choose(); });
}

void ca::choose() {
    const QList<CheckItem>& items = HostState::CheckItems();
    QStringList values;
    for (int i = 0; i < chooseargs->count() && i < items.size(); ++i)
        if (chooseargs->item(i)->checkState() == Qt::Checked) values << items.at(i).Value;
    HostState::CheckResult() = values.join(u'|');
    accept();
}
