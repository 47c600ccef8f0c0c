#pragma once

#include <QWidget>

namespace tolvar {

// A window that shows a view of the map. Closing hides it (the main window
// then clears its menu check); the main window decides what a resize does.
class ViewForm : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Draws the view from the current map and view state.
    virtual void redraw() = 0;

signals:
    void closed();
    void resized();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace tolvar
