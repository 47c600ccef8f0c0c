#pragma once

#include <QByteArray>

namespace tolvar {

class AppSettings;

// What Window > Single Window keeps between runs: whether it is on, the
// single window's place and size, and where its docks are.
struct SingleWindowSettings {
    bool on = false;
    QByteArray geometry;
    QByteArray docks;
};

SingleWindowSettings loadSingleWindowSettings(const AppSettings& settings);
void saveSingleWindowSettings(AppSettings& settings, const SingleWindowSettings& single);

} // namespace tolvar
