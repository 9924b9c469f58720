#include "widgets/event_sound.h"

#include <QApplication>

#include <canberra.h>

namespace velmar {
namespace {

// One connection to the sound service for the whole run; none when it cannot
// be had.
ca_context* SoundContext()
{
    static ca_context* const context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        // The desktop's sound server (PulseAudio, or PipeWire in its place);
        // without one, the sound card is not tried directly: the beep serves.
        ca_context_set_driver(created, "pulse");
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, qPrintable(QApplication::applicationDisplayName()),
                                nullptr);
        return created;
    }();
    return context;
}

const char* MessageSoundName(QMessageBox::Icon kind)
{
    switch (kind) {
    case QMessageBox::Critical:
        return "dialog-error";
    case QMessageBox::Warning:
        return "dialog-warning";
    case QMessageBox::Information:
        return "dialog-information";
    default:
        return "dialog-question";
    }
}

} // namespace

void PlayMessageSound(QMessageBox::Icon kind)
{
    ca_context* context = SoundContext();
    if (context == nullptr
        || ca_context_play(context, 0, CA_PROP_EVENT_ID, MessageSoundName(kind), nullptr) != CA_SUCCESS)
        QApplication::beep();
}

} // namespace velmar
