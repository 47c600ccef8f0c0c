#include "session/map_states.h"

#include "core/number_text.h"
#include "session/tile_delta.h"

#include <QUndoCommand>
#include <vector>

namespace tolvar {

struct MapChange {
    TileDelta tiles;
    MapSize before;
    MapSize after;
};

// One operation: the stack runs redo as it takes the command, when the map
// already stands after the operation, so the first redo does nothing.
class MapStateCommand : public QUndoCommand {
public:
    MapStateCommand(MapStates& states, const QString& text, std::shared_ptr<const MapChange> change)
        : QUndoCommand(text), states_(states), change_(std::move(change))
    {
    }
    void undo() override { states_.enter(*change_, false); }
    void redo() override
    {
        if (taken_)
            states_.enter(*change_, true);
        taken_ = true;
    }
    const std::shared_ptr<const MapChange>& change() const { return change_; }

private:
    MapStates& states_;
    std::shared_ptr<const MapChange> change_;
    bool taken_ = false;
};

namespace {

const MapStateCommand& commandAt(const QUndoStack& stack, int index)
{
    return *static_cast<const MapStateCommand*>(stack.command(index));
}

} // namespace

MapStates::MapStates(MapTransaction& transaction, std::function<void()> stepped, int countLimit, std::size_t byteLimit)
    : transaction_(transaction), map_(transaction.document()), stepped_(std::move(stepped)), byteLimit_(byteLimit),
      recordedSize_(map_.size())
{
    stack_.setUndoLimit(countLimit);
    QObject::connect(&stack_, &QUndoStack::indexChanged, [this] {
        if (!recording_)
            stepped_();
    });
}

// The stack empties itself as it goes, which would count as a step.
MapStates::~MapStates() { stack_.disconnect(); }

bool MapStates::record(const QString& name)
{
    auto change = std::make_shared<MapChange>();
    change->tiles = TileDelta::Between(transaction_.before(), map_.heights(), transaction_.changed());
    transaction_.commit();
    if (change->tiles.empty())
        return false;
    change->before = recordedSize_;
    change->after = map_.size();
    recording_ = true;
    stack_.push(new MapStateCommand(*this, name, std::move(change)));
    dropOldestWhileTooLarge();
    recording_ = false;
    recordedSize_ = map_.size();
    return true;
}

void MapStates::enter(const MapChange& change, bool after)
{
    if (after) {
        change.tiles.applyAfter(map_.heights());
        change.tiles.applyAfter(transaction_.before());
    } else {
        change.tiles.applyBefore(map_.heights());
        change.tiles.applyBefore(transaction_.before());
    }
    // The state before the first operation has no size yet; the map keeps
    // the one it has.
    if (const MapSize size = after ? change.after : change.before; size.rows != 0)
        map_.setSize(size);
    recordedSize_ = map_.size();
}

// The stack can drop its oldest command only through its count limit, so
// a stack over the memory limit is taken anew without it. Called with the
// newest state current.
void MapStates::dropOldestWhileTooLarge()
{
    if (bytes() <= byteLimit_ || stack_.count() < 2)
        return;
    struct Kept {
        QString text;
        std::shared_ptr<const MapChange> change;
    };
    std::vector<Kept> kept;
    for (int i = 0; i < stack_.count(); ++i)
        kept.push_back({stack_.text(i), commandAt(stack_, i).change()});
    int clean = stack_.cleanIndex();
    std::size_t total = bytes();
    std::size_t first = 0;
    for (; total > byteLimit_ && kept.size() - first > 1; ++first, --clean)
        total -= kept[first].change->tiles.bytes();
    stack_.clear();
    stack_.resetClean();
    for (std::size_t i = first; i < kept.size(); ++i) {
        if (clean == stack_.index())
            stack_.setClean();
        stack_.push(new MapStateCommand(*this, kept[i].text, kept[i].change));
    }
    if (clean == stack_.index())
        stack_.setClean();
}

std::string MapStates::positionText() const
{
    return "Step " + IntToStr(stack_.index() + 1) + " of " + IntToStr(stack_.count() + 1);
}

std::size_t MapStates::bytes() const
{
    std::size_t total = 0;
    for (int i = 0; i < stack_.count(); ++i)
        total += commandAt(stack_, i).change()->tiles.bytes();
    return total;
}

} // namespace tolvar
