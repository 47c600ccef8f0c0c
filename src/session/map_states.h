#pragma once

#include "core/map_transaction.h"

#include <QUndoStack>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace tolvar {

struct MapChange;

// The states the map went through in this run, for Step Backward and Step
// Forward: one undo command per operation that changed the map, holding the
// 64 x 64 tiles it changed, of those the document reported. The stack keeps at most countLimit operations
// and drops the oldest while their tiles take more than byteLimit.
// Stepping writes only the heights and the size, never the Undo snapshot.
class MapStates {
public:
    static constexpr int CountLimit = 100;
    static constexpr std::size_t ByteLimit = std::size_t{64} << 20;

    // stepped runs after every step through the states, once the map stands
    // in the state stepped to.
    MapStates(MapTransaction& transaction, std::function<void()> stepped, int countLimit = CountLimit,
              std::size_t byteLimit = ByteLimit);
    ~MapStates();
    MapStates(const MapStates&) = delete;
    MapStates& operator=(const MapStates&) = delete;

    // Makes a state named name from the map as it stands, if any cell differs
    // from the last state; true when it did. A new state drops those ahead.
    bool record(const QString& name);
    // Marks the state the map is in as the one a height file holds.
    void markSaved() { stack_.setClean(); }

    QUndoStack& stack() { return stack_; }
    const QUndoStack& stack() const { return stack_; }
    // "Step 3 of 17": the state the map is in, counting the oldest as 1.
    std::string positionText() const;
    // The memory the kept tiles take.
    std::size_t bytes() const;

private:
    friend class MapStateCommand;
    void enter(const MapChange& change, bool after);
    void dropOldestWhileTooLarge();

    MapTransaction& transaction_;
    MapDocument& map_;
    std::function<void()> stepped_;
    std::size_t byteLimit_;
    MapSize recordedSize_;
    QUndoStack stack_;
    bool recording_ = false;
};

} // namespace tolvar
