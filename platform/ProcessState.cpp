#include "ProcessState.h"

QString& ProcessState::CurrentPath() {
    static QString path;
    return path;
}
