#include "SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

SettingsStore::SettingsStore(QString baseFolder) : base_(std::move(baseFolder)) {
    if (base_.isEmpty())
        base_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SettingsStore::fileFor(const QString& application) const {
    return QDir(base_).filePath(application + "/" + application + ".ini");
}

QString SettingsStore::get(const QString& application, const QString& section, const QString& key,
                           const QString& defaultValue) const {
    QSettings s(fileFor(application), QSettings::IniFormat);
    s.beginGroup(section);
    const QVariant v = s.value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

void SettingsStore::save(const QString& application, const QString& section, const QString& key,
                         const QString& value) {
    QSettings s(fileFor(application), QSettings::IniFormat);
    s.beginGroup(section);
    s.setValue(key, value);
    s.endGroup();
    s.sync();
}

SettingsStore& SettingsStore::instance() {
    static SettingsStore store(qEnvironmentVariable("KORVELVBS_CONFIG_DIR"));
    return store;
}
