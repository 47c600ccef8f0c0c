#pragma once

namespace tolvar {

// The four items under View > Wireframe Options; exactly one is checked.
enum class ColourScheme { GreenOnBlack, BlackOnWhite, ContourColour, ContourGrey };

// View > Wireframe Options > Filled: a see-through mesh, or one whose
// triangles are filled far to near, so that nearer terrain hides what lies
// behind it.
enum class MeshFill { Outline, Filled };

} // namespace tolvar
