// The desktop's notifier: every message of the program, and the general error handler, as a modal
// message box over the main window.
#pragma once

#include "base/notifier.h"

class MessageBoxNotifier : public Notifier {
public:
    MessageAnswer show(const Message& message) override;

private:
    // The message now on screen: the same message arriving again meanwhile (a failing port
    // reporting on every event) is not stacked on top of it.
    const Message* showing_ = nullptr;
};
