// The desktop program's application object with the general error handler: an error that no
// handler caught while an event was processed is shown as a message box with its text, and the
// program goes on with the next event.
#pragma once

#include <QApplication>
#include <functional>

class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs one event's handler; an error it throws is shown with its text and the handler counts as
// not having taken the event.
bool runGuarded(const std::function<bool()>& handler);

// Loads Qt's own German texts (standard dialogs and buttons) when the desktop has them.
void installGermanQtTexts(QCoreApplication& app);
