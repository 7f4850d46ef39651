#pragma once
#include <QString>

// State shared, one copy per process, between the host object, its dialogs
// and the favourites window.
namespace HostState {
// The text of the last StringReturn call.
QString& LastInsertedText();
}  // namespace HostState
