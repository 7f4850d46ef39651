#pragma once
#include <QVariantMap>

// The design-time properties a window stores for each of its controls: one
// entry per key; an entry equal to its default is not stored, and a missing
// entry reads as its default.
class PropertyBag {
  public:
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue) const {
        return entries_.contains(key) ? entries_.value(key) : defaultValue;
    }
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) {
        if (value == defaultValue)
            entries_.remove(key);
        else
            entries_.insert(key, value);
    }
    bool contains(const QString& key) const { return entries_.contains(key); }
    int size() const { return int(entries_.size()); }

  private:
    QVariantMap entries_;
};
