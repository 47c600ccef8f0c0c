#pragma once

namespace tolvar {

class Frame;

// Effects > Volcanic > Volcano: a breached cone of 254 circles on seven
// shrinking rings around a random centre in the lower right quarter.
void Volcano1Click(Frame& frame);

} // namespace tolvar
