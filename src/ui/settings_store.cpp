#include "ui/settings_store.h"

#include <QHash>
#include <QSettings>

namespace tolvar {
namespace {

class UserSettings : public SettingsStore {
public:
    QString value(const QString& key, const QString& fallback) const override
    {
        return settings_.value(key, fallback).toString();
    }
    void setValue(const QString& key, const QString& value) override { settings_.setValue(key, value); }

private:
    QSettings settings_;
};

class MemorySettings : public SettingsStore {
public:
    QString value(const QString& key, const QString& fallback) const override { return values_.value(key, fallback); }
    void setValue(const QString& key, const QString& value) override { values_.insert(key, value); }

private:
    QHash<QString, QString> values_;
};

} // namespace

std::unique_ptr<SettingsStore> UserSettingsStore() { return std::make_unique<UserSettings>(); }

std::unique_ptr<SettingsStore> MemorySettingsStore() { return std::make_unique<MemorySettings>(); }

} // namespace tolvar
