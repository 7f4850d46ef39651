#include "BatType.h"

#include <vbscript/value.h>

#include "ArgumentDialogs.h"
#include "EditorHost.h"
#include "HostState.h"
#include "VbColor.h"

BatType::BatType(EditorHost& editor, ArgumentDialogs& dialogs, QWidget* parent)
    : QWidget(parent), editor_(editor), dialogs_(dialogs) {
    const int side = Twips::toPixels(sideTwips());
    resize(side, side);
}

void BatType::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int side = Twips::toPixels(sideTwips());
    if (width() != side || height() != side) resize(side, side);
}

QStringList BatType::splitList(const QString& text, QChar separator) {
    if (text.isEmpty()) return {};
    return text.split(separator);
}

void BatType::StringReturn(const QString& str) {
    editor_.CodeAddString(str);
    HostState::LastInsertedText() = str;
}

QString BatType::OptionDLG(const QString& ODoptions, const QString& ODTitle) {
    HostState::OptionItems() = splitList(ODoptions, u',');
    HostState::OptionTitle() = ODTitle;
    dialogs_.showOptionDialog();
    return HostState::OptionResult();
}

QString BatType::FolderDialog(const QString& dlgTitle) {
    HostState::FolderTitle() = dlgTitle;
    dialogs_.showFolderDialog();
    return HostState::FolderResult();
}

QString BatType::CheckDLG(const QString& CDChecks, const QString& CDTitle) {
    QList<CheckItem> items;
    for (const QString& entry : splitList(CDChecks, u',')) {
        const QStringList parts = entry.split(u'|');
        if (parts.size() < 2) vbs::throwError(9);
        items.append({parts.at(0), parts.at(1)});
    }
    HostState::CheckItems() = items;
    HostState::CheckTitle() = CDTitle;
    HostState::CheckResult().clear();
    dialogs_.showCheckDialog();
    return HostState::CheckResult();
}

QString BatType::askToSave() {
    return OptionDLG(QStringLiteral("保存,不保存,取消"), QStringLiteral("您的文件未保存。"));
}
