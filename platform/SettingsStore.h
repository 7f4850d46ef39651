#pragma once
#include <QString>

// Per-user text settings addressed by application, section and key. Each
// application name has a store of its own, so the sibling product's entry is
// read from that product's store. Nothing is ever deleted.
class SettingsStore {
  public:
    // An empty base folder means the platform's per-user configuration folder;
    // tests and self-hosters point it elsewhere.
    explicit SettingsStore(QString baseFolder = {});

    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue = {}) const;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value);

    QString fileFor(const QString& application) const;

    // The store the running program uses: KORVELVBS_CONFIG_DIR, or the default.
    static SettingsStore& instance();

  private:
    QString base_;
};
