#pragma once

#include <QString>
#include <string>

namespace tolvar {

// The tutorial of a program in this folder: beside it, as the Windows zip
// holds it; in the installed documentation; or in the source tree when the
// program runs from a build folder in it. Raises Error, naming the places
// looked at, when none holds it.
std::string TutorialPath(const QString& programFolder);

} // namespace tolvar
