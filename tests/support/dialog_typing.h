// Typing into a dialog in a window test as a user does: the window made active, so that focus
// moves (and with them the default button) happen, and a field's text replaced by typing.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

inline void activate(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}
