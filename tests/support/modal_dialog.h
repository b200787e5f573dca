// Driving a modal dialog in a window test: the steps run once the dialog's own event loop has
// started (the menu command that opens it blocks until it closes); a dialog the steps leave open
// is closed with "Abbrechen" so that a failing test cannot hang.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

inline void whenShown(QDialog& dialog, std::function<void()> steps) {
    QPointer<QDialog> d(&dialog);
    QTimer::singleShot(0, &dialog, [d, steps = std::move(steps)] {
        steps();
        if (d && d->isVisible())
            d->reject();
    });
}
