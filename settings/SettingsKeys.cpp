#include "SettingsKeys.h"

#include "DialogServices.h"
#include "SettingsStore.h"

bool SettingsKeys::write(SettingsStore& store, DialogServices& dialogs, const QString& key,
                         const QString& value) {
    store.save(kApplication, kSection, key, value);
    // A sentinel default tells "stored as empty" apart from "not stored".
    const QString sentinel = QStringLiteral("\x01unset\x01");
    if (store.get(kApplication, kSection, key, sentinel) == value) return true;
    dialogs.messageBox(
        QStringLiteral("设置未能保存：无法写入配置文件“%1”。请检查该文件夹是否可写。")
            .arg(store.fileFor(kApplication)),
        DialogServices::Critical);
    return false;
}
