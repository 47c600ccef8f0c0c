#include "ui/tutorial.h"

#include "core/error.h"

#include <QDir>
#include <QFileInfo>

namespace tolvar {

std::string TutorialPath(const QString& programFolder)
{
    const QDir folder(programFolder);
    QStringList places;
    for (const char* place : {"docs/TUTORIAL.md", "../share/doc/tolvar/TUTORIAL.md", "../../../docs/TUTORIAL.md"}) {
        const QString path = QDir::cleanPath(folder.absoluteFilePath(place));
        if (QFileInfo::exists(path))
            return path.toStdString();
        places << QDir::toNativeSeparators(path);
    }
    throw Error("The tutorial is not installed: Tolvar looked for it at " + places.join(", ").toStdString() + ".");
}

} // namespace tolvar
