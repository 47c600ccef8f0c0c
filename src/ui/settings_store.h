#pragma once

#include <QString>
#include <memory>

namespace tolvar {

// Where the windows remember box values between runs: the user's settings
// in the program, memory alone in the batch driver, so that a script never
// reads or changes what the user set.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& key, const QString& fallback) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
};

std::unique_ptr<SettingsStore> UserSettingsStore();
std::unique_ptr<SettingsStore> MemorySettingsStore();

} // namespace tolvar
