#include "base/ui/dialog_parts.h"

#include <QShortcut>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename Button>
Button* button(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new Button(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAccessibleName(text.trimmed());
    return b;
}
}  // namespace

QCheckBox* checkBox(const QString& text, const char* objectName, QWidget* parent) {
    return button<QCheckBox>(text, objectName, parent);
}

QRadioButton* radioButton(const QString& text, const char* objectName, QWidget* parent) {
    return button<QRadioButton>(text, objectName, parent);
}

QGroupBox* groupBox(const QString& title, const char* objectName, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(objectName));
    g->setAccessibleName(title);
    return g;
}

QLineEdit* lineEdit(const char* objectName, const QString& accessibleName, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(objectName));
    e->setAccessibleName(accessibleName);
    return e;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty()) {
        QString name = text;
        name.remove(QLatin1Char('&'));
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        buddy->setAccessibleName(name.trimmed());
    }
    return l;
}

QPushButton* commandButton(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void closeOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}
