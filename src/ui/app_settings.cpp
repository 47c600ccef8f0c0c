#include "ui/app_settings.h"

#include <QDir>
#include <QSettings>

namespace tolvar {

AppSettings::AppSettings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

AppSettings::~AppSettings() = default;

std::unique_ptr<AppSettings> AppSettings::inMemory()
{
    return std::unique_ptr<AppSettings>(new AppSettings(nullptr));
}

std::unique_ptr<AppSettings> AppSettings::forUser()
{
    return std::unique_ptr<AppSettings>(
        new AppSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "tolvar", "tolvar")));
}

std::unique_ptr<AppSettings> AppSettings::inFolder(const QString& folder)
{
    return std::unique_ptr<AppSettings>(
        new AppSettings(std::make_unique<QSettings>(QDir(folder).filePath("tolvar.ini"), QSettings::IniFormat)));
}

QVariant AppSettings::value(const QString& key, const QVariant& fallback) const
{
    return store_ ? store_->value(key, fallback) : memory_.value(key, fallback);
}

void AppSettings::setValue(const QString& key, const QVariant& value)
{
    if (store_)
        store_->setValue(key, value);
    else
        memory_.insert(key, value);
}

void AppSettings::clear()
{
    if (store_)
        store_->clear();
    memory_.clear();
}

} // namespace tolvar
