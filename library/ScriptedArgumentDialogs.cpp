#include "ScriptedArgumentDialogs.h"

#include <algorithm>

#include "HostState.h"

void ScriptedArgumentDialogs::showOptionDialog() {
    const QStringList& items = HostState::OptionItems();
    openings.append({QStringLiteral("option"), HostState::OptionTitle(), items});
    int index =
        options_.isEmpty() ? std::min(defaultOption, int(items.size()) - 1) : options_.takeFirst();
    // With no choice to pick, OK stays disabled: only closing is possible.
    if (index < 0 || index >= items.size()) {
        HostState::OptionResult().clear();
        return;
    }
    HostState::OptionResult() = items.at(index);
}

void ScriptedArgumentDialogs::showFolderDialog() {
    openings.append({QStringLiteral("folder"), HostState::FolderTitle(), {}});
    const FolderAnswer fallback{defaultFolderCancels ? Folder::Cancel : Folder::Ok, defaultFolder};
    const FolderAnswer a = folders_.isEmpty() ? fallback : folders_.takeFirst();
    HostState::FolderResult() = a.action == Folder::Ok ? a.path : QStringLiteral("none");
}

void ScriptedArgumentDialogs::showCheckDialog() {
    const QList<CheckItem>& items = HostState::CheckItems();
    QStringList labels;
    for (const CheckItem& i : items) labels << i.Label;
    openings.append({QStringLiteral("check"), HostState::CheckTitle(), labels});
    CheckAnswer a{true, {}};
    if (!checks_.isEmpty()) {
        a = checks_.takeFirst();
    } else if (defaultCheckAll) {
        for (int i = 0; i < items.size(); ++i) a.indices << i;
    }
    if (!a.pressed) return;
    QList<int> order = a.indices;
    std::sort(order.begin(), order.end());
    QStringList values;
    for (int i : order)
        if (i >= 0 && i < items.size()) values << items.at(i).Value;
    HostState::CheckResult() = values.join(u'|');
}
