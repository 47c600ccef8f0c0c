#pragma once

#include <QDockWidget>
#include <QPoint>
#include <QSize>

namespace tolvar {

// A dock that holds one of the program's windows while Single Window is on.
// The window's own show and hide show and hide the dock, and the dock's close
// button closes the window, so the menus' check marks follow as they do for a
// window standing alone.
class WindowDock : public QDockWidget {
    Q_OBJECT

public:
    // The window's own limits, none, or no taller than it needs.
    enum class Sizing { AsItIs, Free, OwnHeight };

    WindowDock(QWidget& held, Sizing sizing, QMainWindow* host);

    // Takes the window in, hidden or shown as it was.
    void hold();
    // Gives the window back its parent, frame, flags, place and size; with
    // reopen, a window that was open opens again on its own.
    void release(bool reopen);
    // Shown while its window is open, whatever an arrangement said.
    void followWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Place {
        QWidget* parent;
        Qt::WindowFlags flags;
        QPoint position;
        QSize size;
        QSize minimum;
        QSize maximum;
    };

    QWidget& held_;
    Sizing sizing_;
    Place place_{};
};

} // namespace tolvar
