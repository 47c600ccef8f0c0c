#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;

namespace tolvar {

class AppSettings;

// The list a file opened or saved joins: at the top, once, and no more than
// `limit` long.
QStringList withRecentFile(QStringList files, const QString& file, int limit);

// File > Open Recent: the last height files opened or saved, newest first,
// kept in the settings. An entry whose file is gone is greyed.
class RecentFiles : public QObject {
public:
    // The entries are the submenu's items, as many as the list keeps.
    RecentFiles(AppSettings& settings, QMenu& menu, std::vector<QAction*> entries);

    void add(const QString& file);
    QStringList files() const;
    // Greys the entries whose file is gone; the menu does so as it opens.
    void refresh();

private:
    AppSettings& settings_;
    QMenu& menu_;
    std::vector<QAction*> entries_;
};

} // namespace tolvar
