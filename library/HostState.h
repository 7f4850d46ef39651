#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One entry of the check dialog: Value is returned when the entry is checked,
// Label is what the list shows.
struct CheckItem {
    QString Value;
    QString Label;
};

// State shared, one copy per process, between the host object, its dialogs
// and the favourites window. The dialogs read their inputs when they open and
// leave their results here for the host call that opened them.
namespace HostState {
// The text of the last StringReturn call.
QString& LastInsertedText();

QStringList& OptionItems();
QString& OptionTitle();
QString& OptionResult();

QString& FolderTitle();
QString& FolderResult();

QList<CheckItem>& CheckItems();
QString& CheckTitle();
QString& CheckResult();
}  // namespace HostState
