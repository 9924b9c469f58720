#pragma once

#include <QList>
#include <QRect>

#include <optional>

class QWidget;

namespace velmar {

// A window's placement as the settings file keeps it: the outer frame, title
// bar and borders included, in screen pixels. A missing part leaves the
// window's own.
struct StoredFrame {
    std::optional<int> Left;
    std::optional<int> Top;
    std::optional<int> Width;
    std::optional<int> Height;
};

// Whether all of `area` lies on the screens, which may be side by side.
bool LiesOnScreens(const QRect& area, const QList<QRect>& screens);

// Places a window that is not shown yet. The size is kept between the
// window's smallest useful size and the desktop's size. The stored position
// is taken only where the window's title bar and its menu bar, of
// `menuBarHeight` pixels, lie on the screens, so that the window can be moved
// and its menus reached; elsewhere (a monitor was removed, a position saved
// under another display system) the window manager places the window. The
// window manager adds its frame only once the window is shown: the size is
// then corrected so that the outer frame, not the inside, has the stored
// size.
void RestoreWindowFrame(QWidget& window, const StoredFrame& stored, int menuBarHeight);

// Whether the display system tells the program where its windows are.
// Wayland does not: Qt then gives its own decoration's offset as the
// position, which means nothing on the next start.
bool PlatformKnowsWindowPositions();

} // namespace velmar
