#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace tolvar {

// What Tolvar remembers between runs: the recent files, the Sculpt brush,
// the 3D View's height scale, the windows' places. Every value goes through
// here, so that a run can keep them in memory only (the batch driver's
// default, which starts from the designed state whatever the user's
// settings hold) or in a folder of its own.
class AppSettings {
public:
    // Values that last for the run alone: nothing is read or written.
    static std::unique_ptr<AppSettings> inMemory();
    // The user's own settings, where the desktop keeps them.
    static std::unique_ptr<AppSettings> forUser();
    // One INI file in this folder.
    static std::unique_ptr<AppSettings> inFolder(const QString& folder);
    ~AppSettings();

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    void setValue(const QString& key, const QVariant& value);
    // Back to the designed start state.
    void clear();

private:
    explicit AppSettings(std::unique_ptr<QSettings> store);

    std::unique_ptr<QSettings> store_; // none: in memory
    QVariantMap memory_;
};

} // namespace tolvar
