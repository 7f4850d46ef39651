#include "HostState.h"

QString& HostState::LastInsertedText() {
    static QString text;
    return text;
}

QStringList& HostState::OptionItems() {
    static QStringList items;
    return items;
}

QString& HostState::OptionTitle() {
    static QString text;
    return text;
}

QString& HostState::OptionResult() {
    static QString text;
    return text;
}

QString& HostState::FolderTitle() {
    static QString text;
    return text;
}

QString& HostState::FolderResult() {
    static QString text;
    return text;
}

QList<CheckItem>& HostState::CheckItems() {
    static QList<CheckItem> items;
    return items;
}

QString& HostState::CheckTitle() {
    static QString text;
    return text;
}

QString& HostState::CheckResult() {
    static QString text;
    return text;
}
