#include "ui/single_window_settings.h"

#include "ui/app_settings.h"

namespace tolvar {
namespace {

constexpr auto OnKey = "singleWindow/on";
constexpr auto GeometryKey = "singleWindow/geometry";
constexpr auto DocksKey = "singleWindow/docks";

} // namespace

SingleWindowSettings loadSingleWindowSettings(const AppSettings& settings)
{
    return {settings.value(OnKey, false).toBool(), settings.value(GeometryKey).toByteArray(),
            settings.value(DocksKey).toByteArray()};
}

void saveSingleWindowSettings(AppSettings& settings, const SingleWindowSettings& single)
{
    settings.setValue(OnKey, single.on);
    settings.setValue(GeometryKey, single.geometry);
    settings.setValue(DocksKey, single.docks);
}

} // namespace tolvar
