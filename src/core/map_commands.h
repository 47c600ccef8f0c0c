#pragma once

#include "core/command.h"

namespace tolvar {

class Frame;

// Edit > Undo: back to the snapshot of the last operation; one level only.
void Undo(Frame& frame);
// File > New: clears the map after an OK/Cancel question.
void NewMap(Frame& frame);
// Fractal > Set Random Seed: the seed from the Random Seed box.
void SetRandomSeed(Frame& frame);
// Fractal > Randomize: the seed from the clock, written into the box.
void Randomize(Frame& frame);

// New1, UndoZ1, SetRandSeed1 and GetRandomSeed1.
CommandTable CoreCommands();

} // namespace tolvar
