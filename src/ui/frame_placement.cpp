#include "ui/frame_placement.h"

#include <QEvent>
#include <QWidget>
#include <optional>

namespace tolvar {
namespace {

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Places a window by its frame as soon as the window manager has framed it.
// Null margins mean no frame (yet): the window is unframed, hidden, or not
// framed at all, and it keeps the place it has; the first frame corrects the
// guess made without one. Later moves and resizes by the user keep the
// margins and are left alone, also across hiding and showing the window.
class FramePlacer : public QObject {
public:
    FramePlacer(QWidget& window, QPoint topLeft, std::optional<QSize> outer, Sizing sizing)
        : QObject(&window), window_(window), topLeft_(topLeft), outer_(outer), sizing_(sizing)
    {
        window.installEventFilter(this);
        place(QMargins());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            placeIfReframed();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void placeIfReframed()
    {
        // A maximised or minimised window has the frame of that state; its
        // place applies once it is restored.
        constexpr Qt::WindowStates notNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
        if (!window_.isVisible() || window_.windowState() & notNormal)
            return;
        const QMargins margins = frameMargins(window_);
        if (!margins.isNull() && margins != applied_)
            place(margins);
    }

    void place(QMargins margins)
    {
        applied_ = margins;
        if (outer_) {
            // Never smaller than the controls need, whatever the title bar.
            const QSize client = clientSize(*outer_, margins).expandedTo(window_.minimumSizeHint());
            if (sizing_ == Sizing::Fixed)
                window_.setFixedSize(client);
            else
                window_.resize(client);
        }
        window_.move(topLeft_);
    }

    QWidget& window_;
    QPoint topLeft_;
    std::optional<QSize> outer_;
    Sizing sizing_;
    QMargins applied_;
};

} // namespace

QSize clientSize(QSize outer, QMargins frame) { return outer.shrunkBy(frame).expandedTo(QSize(0, 0)); }

void placeByFrame(QWidget& window, QRect outer, Sizing sizing)
{
    new FramePlacer(window, outer.topLeft(), outer.size(), sizing);
}

void placeByFrame(QWidget& window, QPoint topLeft)
{
    new FramePlacer(window, topLeft, std::nullopt, Sizing::Fixed); // no size to apply
}

} // namespace tolvar
