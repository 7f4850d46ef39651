#pragma once
#include <QString>

class DialogServices;
class SettingsStore;

// The editor's own settings entries, and the one way the settings windows
// write them.
namespace SettingsKeys {

inline const QString kApplication = QStringLiteral("korvelVbs");
inline const QString kSection = QStringLiteral("main");

// Saves key = value under the editor's application and section. The
// windows have already told the user the choice is saved, so a store that
// did not take the value gets a message of its own rather than silence.
// Returns true when the value is in the store.
bool write(SettingsStore& store, DialogServices& dialogs, const QString& key, const QString& value);

}  // namespace SettingsKeys
