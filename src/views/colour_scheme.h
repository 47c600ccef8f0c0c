#pragma once

namespace tolvar {

// The four items under View > Wireframe Options; exactly one is checked.
enum class ColourScheme { GreenOnBlack, BlackOnWhite, ContourColour, ContourGrey };

} // namespace tolvar
