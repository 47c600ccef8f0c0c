#pragma once

#include "core/grid.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolvar {

class Frame;

// What a recovery copy holds: the whole grid, all 16 bits of every cell,
// the size in use and the lines of the session history.
struct RecoveredMap {
    std::uint16_t rows = 0;
    std::uint16_t cols = 0;
    Grid map;
    std::vector<std::string> history;

    bool operator==(const RecoveredMap&) const = default;
};

std::vector<std::uint8_t> EncodeRecoveryCopy(const RecoveredMap& copy);
// Nothing for bytes that are not a whole recovery copy.
std::optional<RecoveredMap> DecodeRecoveryCopy(std::span<const std::uint8_t> bytes);

// Puts a recovered map in place as an operation: its size, its cells, its
// history lines, and the views drawn anew.
void RecoverMap(Frame& frame, const RecoveredMap& copy);

// A copy left by a Tolvar that no longer runs, locked by this one while it
// decides what to do with it.
struct LeftCopy {
    QString path;
    QDateTime written;
    std::unique_ptr<QLockFile> lock;
};

// The recovery copies in one folder. Each running Tolvar writes a copy of
// its own and holds a lock on it, so two never overwrite each other, and a
// copy whose lock is free was left by one that closed without saving.
class RecoveryFolder {
public:
    // How many set-aside copies are kept.
    static constexpr int KeptAside = 3;

    explicit RecoveryFolder(QString dir);
    // A clean end: the copy is no longer needed.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    // Writes this process's copy through the atomic writer, taking its lock
    // on first use; throws Error when it cannot.
    void write(const RecoveredMap& copy);
    // Removes this process's copy, if it wrote one.
    void remove();

    // The newest copy whose owner no longer runs, if any.
    std::optional<LeftCopy> newestLeftCopy() const;
    // The map of a left copy; throws Error when it cannot be read.
    static RecoveredMap read(const LeftCopy& left);
    // Removes a left copy once its map is recovered.
    static void discard(LeftCopy& left);
    // Moves a left copy into aside/, keeping only the newest few there.
    void setAside(LeftCopy& left) const;

private:
    QString dir_;
    QString copyPath_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tolvar
