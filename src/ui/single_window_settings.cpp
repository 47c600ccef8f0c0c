#include "ui/single_window_settings.h"

#include <QSettings>

namespace tolvar {
namespace {

constexpr auto OnKey = "singleWindow/on";
constexpr auto GeometryKey = "singleWindow/geometry";
constexpr auto DocksKey = "singleWindow/docks";

} // namespace

SingleWindowSettings loadSingleWindowSettings()
{
    const QSettings settings;
    return {settings.value(OnKey, false).toBool(), settings.value(GeometryKey).toByteArray(),
            settings.value(DocksKey).toByteArray()};
}

void saveSingleWindowSettings(const SingleWindowSettings& settings)
{
    QSettings stored;
    stored.setValue(OnKey, settings.on);
    stored.setValue(GeometryKey, settings.geometry);
    stored.setValue(DocksKey, settings.docks);
}

} // namespace tolvar
