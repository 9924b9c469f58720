#include "dialogs/reference/help_window_host.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include "dialogs/reference/help_collection.h"
#include "dialogs/reference/help_topics.h"
#include "dialogs/reference/help_window.h"

namespace velmar {
namespace {

// The running modal dialog if it blocks the whole program, or was opened
// from a dialog that does; otherwise null.
QWidget* ApplicationModalOwner()
{
    QWidget* running = QApplication::activeModalWidget();
    for (QWidget* dialog = running; dialog != nullptr;
         dialog = dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : nullptr) {
        if (dialog->windowModality() == Qt::ApplicationModal)
            return running;
    }
    return nullptr;
}

// Keeps the help window under the application-modal dialog that is running, if any.
class ModalOwnerFollower : public QObject {
public:
    explicit ModalOwnerFollower(HelpWindow& window)
        : QObject(&window)
        , window_(window)
    { }

    // Moves the window under `owner` (none: top level); a shown window stays
    // shown where it was.
    void follow(QWidget* owner)
    {
        if (window_.parentWidget() == owner || (owner && window_.isAncestorOf(owner)))
            return;
        if (owner_)
            owner_->removeEventFilter(this);
        const QRect geometry = window_.geometry();
        const bool wasVisible = window_.isVisible();
        window_.setParent(owner, window_.windowFlags() | Qt::Window);
        owner_ = owner;
        if (owner_)
            owner_->installEventFilter(this);
        if (wasVisible) {
            window_.setGeometry(geometry);
            window_.show();
        }
    }

protected:
    // By the time a modal dialog receives its hide event Qt has taken it off
    // the modal stack, so the window moves on to the dialog below it, if any.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == owner_ && event->type() == QEvent::Hide && !event->spontaneous()) {
            QWidget* nextOwner = ApplicationModalOwner();
            follow(nextOwner == owner_ ? nullptr : nextOwner);
        }
        return false;
    }

private:
    HelpWindow& window_;
    QPointer<QWidget> owner_;
};

struct OpenHelpWindow {
    QPointer<HelpWindow> window;
    ModalOwnerFollower* follower = nullptr; // a child of the window
};

OpenHelpWindow& openHelpWindow()
{
    static OpenHelpWindow open;
    return open;
}

} // namespace

HelpWindow& presentHelpWindow()
{
    OpenHelpWindow& open = openHelpWindow();
    if (!open.window) {
        open.window
            = new HelpWindow(helpCollectionPath(QLatin1String(HelpFileName), QCoreApplication::applicationDirPath()));
        open.follower = new ModalOwnerFollower(*open.window);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, open.window, &QObject::deleteLater);
    }
    open.follower->follow(ApplicationModalOwner());
    open.window->show();
    open.window->raise();
    open.window->activateWindow();
    return *open.window;
}

HelpWindow* existingHelpWindow()
{
    return openHelpWindow().window;
}

} // namespace velmar
