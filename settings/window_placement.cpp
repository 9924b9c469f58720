#include "settings/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmar {
namespace {

// Waits until the window manager has framed the shown window, then sizes the
// window so that its frame has the wanted outer size. Without a window
// manager the frame is the window itself and nothing needs correcting.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget& window, QSize outerSize)
        : QObject(&window)
        , window_(window)
        , outerSize_(outerSize)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            break;
        default:
            return false;
        }
        const QSize frameMargins = window_.frameGeometry().size() - window_.size();
        if (!frameMargins.isNull()) {
            if (!window_.isMaximized() && !window_.isFullScreen())
                window_.resize(outerSize_ - frameMargins);
            finish();
        } else if (event->type() == QEvent::WindowActivate) {
            finish(); // shown and active without a frame: no window manager
        }
        return false;
    }

private:
    void finish()
    {
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    QSize outerSize_;
};

QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->geometry());
    return areas;
}

QSize DesktopSize()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? primary->virtualSize() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QRect PrimaryFreeArea()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? primary->availableGeometry() : QRect();
}

} // namespace

QRect FrameOnSomeScreen(const QRect& frame, const QList<QRect>& screens, const QRect& fallback)
{
    const bool onSomeScreen = std::any_of(screens.begin(), screens.end(),
                                          [&frame](const QRect& screen) { return screen.intersects(frame); });
    return onSomeScreen ? frame : QRect(fallback.topLeft(), frame.size());
}

void RestoreWindowFrame(QWidget& window, const StoredFrame& stored)
{
    const QRect current = window.frameGeometry();
    const QSize size = QSize(stored.Width.value_or(current.width()), stored.Height.value_or(current.height()))
                           .expandedTo(window.minimumSizeHint())
                           .boundedTo(DesktopSize());
    const QRect wanted(stored.Left.value_or(current.left()), stored.Top.value_or(current.top()), size.width(),
                       size.height());
    const QRect frame = FrameOnSomeScreen(wanted, ScreenAreas(), PrimaryFreeArea());

    if (stored.Width || stored.Height) {
        window.resize(frame.size());
        new OuterSizeKeeper(window, frame.size());
    }
    // Moving takes the choice of position from the window manager: only when
    // a position was stored, or the stored frame had to come back on screen.
    if (stored.Left || stored.Top || frame.topLeft() != wanted.topLeft())
        window.move(frame.topLeft());
}

} // namespace velmar
