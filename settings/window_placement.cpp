#include "settings/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QWidget>

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

// The window manager draws the title bar only once the window is shown; the
// style's title bar height stands for it until then.
QRect TitleAndMenuBars(const QWidget& window, const QRect& frame, int menuBarHeight)
{
    const int titleBarHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QRect(frame.topLeft(), QSize(frame.width(), titleBarHeight + menuBarHeight));
}

} // namespace

bool LiesOnScreens(const QRect& area, const QList<QRect>& screens)
{
    QRegion uncovered(area);
    for (const QRect& screen : screens)
        uncovered -= screen;
    return uncovered.isEmpty();
}

void RestoreWindowFrame(QWidget& window, const StoredFrame& stored, int menuBarHeight)
{
    const QRect current = window.frameGeometry();
    const QSize size = QSize(stored.Width.value_or(current.width()), stored.Height.value_or(current.height()))
                           .expandedTo(window.minimumSizeHint())
                           .boundedTo(DesktopSize());
    const QRect wanted(stored.Left.value_or(current.left()), stored.Top.value_or(current.top()), size.width(),
                       size.height());

    if (stored.Width || stored.Height) {
        window.resize(size);
        new OuterSizeKeeper(window, size);
    }
    // Moving takes the choice of position from the window manager: only for a
    // stored position that is usable.
    if ((stored.Left || stored.Top) && LiesOnScreens(TitleAndMenuBars(window, wanted, menuBarHeight), ScreenAreas()))
        window.move(wanted.topLeft());
}

bool PlatformKnowsWindowPositions()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace velmar
