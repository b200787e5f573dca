// Driving a modal dialog in a window test: the steps run once the dialog's own event loop has
// started (the menu command that opens it blocks until it closes); a dialog the steps leave open
// is closed with "Abbrechen" so that a failing test cannot hang. Plus finding and clicking its
// controls as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QTest>
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

// The dialog's control of that object name; fails the test when there is none.
template <typename W>
W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Clicks a check box or radio button on its box (the centre of a wide one lies outside it).
inline void clickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}
