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

// Where a frame goes: where it is when some part of it lies on one of the
// screens; otherwise (a monitor was removed) it keeps its size and moves to the
// top-left corner of `fallback`, the primary screen's free area.
QRect FrameOnSomeScreen(const QRect& frame, const QList<QRect>& screens, const QRect& fallback);

// Places a window that is not shown yet. The size is kept between the
// window's smallest useful size and the desktop's size. The window manager
// adds its frame only once the window is shown: the size is then corrected so
// that the outer frame, not the inside, has the stored size.
void RestoreWindowFrame(QWidget& window, const StoredFrame& stored);

} // namespace velmar
