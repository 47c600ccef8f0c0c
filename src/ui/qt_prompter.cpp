#include "ui/qt_prompter.h"

#include "ui/qt_text.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>
#include <QMessageBox>

namespace tolvar {

bool QtPrompter::confirm(const std::string& title, const std::string& text)
{
    return QMessageBox::question(parent_, qs(title), qs(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

Answer QtPrompter::ask(const std::string& title, const std::string& text)
{
    switch (QMessageBox::question(parent_, qs(title), qs(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtPrompter::askYesNo(const std::string& title, const std::string& text)
{
    return QMessageBox::question(parent_, qs(title), qs(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<std::string> QtPrompter::chooseFile(const FileDialog& dialog)
{
    QFileDialog box(parent_);
    box.setObjectName(qs(dialog.name));
    box.setAcceptMode(dialog.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open accepts a typed name of a missing file too; the open then says so.
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(qs(dialog.defaultExtension));
    if (!dialog.filterName.empty())
        box.setNameFilter(qs(dialog.filterName) + " (" + qs(dialog.filterPattern) + ")");
    if (!dialog.otherFilterName.empty()) {
        const QString other = qs(dialog.otherFilterName) + " (*." + qs(dialog.otherExtension) + ")";
        box.setNameFilters(box.nameFilters() << other);
        // A name typed without an extension takes the chosen filter's.
        QObject::connect(&box, &QFileDialog::filterSelected, &box, [&box, &dialog, other](const QString& filter) {
            box.setDefaultSuffix(qs(filter == other ? dialog.otherExtension : dialog.defaultExtension));
        });
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return box.selectedFiles().first().toStdString();
}

void QtPrompter::showError(const std::string& message)
{
    QMessageBox::critical(parent_, "Tolvar", qs(message));
}

void QtPrompter::showDocument(const std::string& path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path))))
        showError("No program on this desktop shows " + path + "; open it with a text editor or a web browser.");
}

} // namespace tolvar
