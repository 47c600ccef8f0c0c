#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace tolvar {

// Lets the menu's shortcuts come before a box's own keys, as on a classic
// desktop form: a box would take Ctrl+Z as an undo of its text, but Ctrl+Z
// undoes the map wherever the focus is. Install it on every box; all other
// keys still edit the box.
class MenuKeysFirst : public QObject {
public:
    MenuKeysFirst(QList<QKeySequence> keys, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> keys_;
};

} // namespace tolvar
