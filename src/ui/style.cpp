#include "ui/style.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace tolvar {
namespace {

// Fonts shipped in a folder beside the program, for systems that lack them
// (Windows): the windows are laid out for DejaVu Sans Condensed.
void addBundledFonts()
{
    const QDir folder(QCoreApplication::applicationDirPath() + "/fonts");
    for (const QString& name : folder.entryList({"*.ttf"}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
}

} // namespace

void applyStyle(QApplication& app)
{
    addBundledFonts();
    app.setStyle(QStyleFactory::create("Fusion"));
    // A condensed face: the main window's label column is 76 pixels wide.
    QFont font("DejaVu Sans");
    font.setStretch(QFont::Condensed);
    font.setPixelSize(11);
    app.setFont(font);
}

} // namespace tolvar
