#include "ui/recent_files.h"

#include "ui/app_settings.h"
#include "ui/menu_tree.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace tolvar {
namespace {

const QString Key = "recent/files";

} // namespace

QStringList withRecentFile(QStringList files, const QString& file, int limit)
{
    files.removeAll(file);
    files.prepend(file);
    return files.mid(0, limit);
}

RecentFiles::RecentFiles(AppSettings& settings, QMenu& menu, std::vector<QAction*> entries)
    : QObject(&menu), settings_(settings), menu_(menu), entries_(std::move(entries))
{
    connect(&menu_, &QMenu::aboutToShow, this, &RecentFiles::refresh);
    refresh();
}

QStringList RecentFiles::files() const
{
    return settings_.value(Key).toStringList().mid(0, static_cast<qsizetype>(entries_.size()));
}

void RecentFiles::add(const QString& file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    settings_.setValue(Key, withRecentFile(files(), path, static_cast<int>(entries_.size())));
    refresh();
}

void RecentFiles::refresh()
{
    const QStringList paths = files();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        QAction* entry = entries_[i];
        const bool used = static_cast<qsizetype>(i) < paths.size();
        const QString path = used ? paths[static_cast<qsizetype>(i)] : QString();
        entry->setText(used ? QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)) : QString());
        entry->setData(path);
        entry->setVisible(used);
        setItemEnabled(entry, used && QFileInfo::exists(path));
    }
    setItemEnabled(menu_.menuAction(), !paths.isEmpty());
}

} // namespace tolvar
