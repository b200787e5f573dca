// Small builders the settings dialogs share: controls with their object name and accessible name,
// a group box, a label that names the control it stands beside.
#pragma once

#include <QString>
#include <initializer_list>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// A check box or radio button with this text (also its accessible name) and object name.
QCheckBox* checkBox(const QString& text, const char* objectName, QWidget* parent = nullptr);
QRadioButton* radioButton(const QString& text, const char* objectName, QWidget* parent = nullptr);
// A group box with this title and object name.
QGroupBox* groupBox(const QString& title, const char* objectName, QWidget* parent = nullptr);
// An edit field with this object name, announced by screen readers as `accessibleName`.
QLineEdit* lineEdit(const char* objectName, const QString& accessibleName,
                    QWidget* parent = nullptr);
// A label with this text naming `buddy`: the buddy's accessible name becomes the label's text
// (without "&" and a trailing ":") unless it has one already.
QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent = nullptr);

// A push button with this text and object name that stays out of the default-button game: the
// focus on it does not make it the button Enter presses.
QPushButton* commandButton(const QString& text, const char* objectName, QWidget* parent = nullptr);

// Tab order through the widgets in the order given.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

// Escape closes the window (the view windows, which have no "Abbrechen").
void closeOnEscape(QWidget* window);
