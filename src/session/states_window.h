#pragma once

#include <QWidget>

class QUndoStack;

namespace tolvar {

// "History States": the states of the map in this run, one row an
// operation, the current one selected. Clicking a row steps to it.
class TfrmStates : public QWidget {
    Q_OBJECT

public:
    TfrmStates(QUndoStack& stack, QWidget* parent);
};

} // namespace tolvar
