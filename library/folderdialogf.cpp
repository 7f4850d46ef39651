#include "folderdialogf.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogServices.h"
#include "HostState.h"
#include "VbColor.h"

folderdialogf::folderdialogf(QWidget* parent, DialogServices* browser)
    : QDialog(parent), browser_(browser) {
    if (!browser_) {
        ownBrowser_ = std::make_unique<QtDialogServices>(this);
        browser_ = ownBrowser_.get();
    }
    setWindowTitle(QStringLiteral("选择文件夹"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    txtpath = new QLineEdit(this);
    txtpath->setObjectName(QStringLiteral("txtpath"));
    btnbrowse = new QPushButton(QStringLiteral("浏览.."), this);
    btnbrowse->setObjectName(QStringLiteral("btnbrowse"));
    OKButton = new QPushButton(QStringLiteral("确定"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("取消"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(txtpath, 1);
    pathRow->addWidget(btnbrowse);
    v->addLayout(pathRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    v->addLayout(buttons);
    setMinimumWidth(Twips::toPixels(5400));

    Label1->setText(HostState::FolderTitle());
    OKButton->setDefault(true);

    connect(btnbrowse, &QPushButton::clicked, this,
            [this] { txtpath->setText(ForFolder(*browser_, HostState::FolderTitle())); });
    connect(OKButton, &QPushButton::clicked, this, [this] {
        HostState::FolderResult() = txtpath->text();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, [this] { reject(); });
}

folderdialogf::~folderdialogf() = default;

QString folderdialogf::ForFolder(DialogServices& dialogs, const QString& sPrompt) {
    const QString path = dialogs.existingDirectory(sPrompt, QDir::homePath());
    return path.isEmpty() ? QString() : QDir::toNativeSeparators(path);
}

void folderdialogf::reject() {
    // Cancel, Esc and the title bar all mean the same: no folder.
    HostState::FolderResult() = QStringLiteral("none");
    QDialog::reject();
}
