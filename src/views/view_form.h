#pragma once

#include <QImage>
#include <QWidget>

namespace tolvar {

// A window that shows a view of the map. Closing hides it (the main window
// then clears its menu check); the main window decides what a resize does.
class ViewForm : public QWidget {
    Q_OBJECT

public:
    explicit ViewForm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window) : QWidget(parent, flags) {}

    // Draws the view from the current map and view state.
    virtual void redraw() = 0;
    // The picture the view draws into, at its own size; null before the
    // view has one.
    virtual QImage viewBuffer() const { return {}; }

signals:
    void closed();
    void resized();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace tolvar
