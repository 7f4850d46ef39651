#include "HostState.h"

QString& HostState::LastInsertedText() {
    static QString text;
    return text;
}
