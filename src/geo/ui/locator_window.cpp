#include "geo/ui/locator_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/notifier.h"
#include "base/ui/dialog_parts.h"
#include "geo/locator_window_model.h"

namespace {

// A locator field: letters turn into capitals as they are typed.
QLineEdit* locatorField(const char* objectName, const QString& accessibleName) {
    QLineEdit* e = lineEdit(objectName, accessibleName);
    e->setMaxLength(6);
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = e->cursorPosition();
            e->setText(upper);
            e->setCursorPosition(cursor);
        }
    });
    return e;
}

}  // namespace

LocatorWindow::LocatorWindow(LocatorWindowModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Locator"), parent), model_(model) {
    setObjectName(QStringLiteral("LocatorFenster"));

    QGroupBox* locators = groupBox(QStringLiteral("Locator"), "GroupLocator");
    own_ = locatorField(LocatorWindowModel::kOwnField, QStringLiteral("Locator"));
    toCoordinates_ = commandButton(QStringLiteral("zu Koordinaten"), "zuKoordinaten");
    target_ = locatorField("Ziellocator", QString());
    distance_ = commandButton(QStringLiteral("Entfernung"), "Entfernung");
    auto* locatorGrid = new QGridLayout(locators);
    locatorGrid->addWidget(own_, 0, 1);
    locatorGrid->addWidget(toCoordinates_, 0, 2);
    locatorGrid->addWidget(buddyLabel(QStringLiteral("Ziellocator"), target_), 1, 0);
    locatorGrid->addWidget(target_, 1, 1);
    locatorGrid->addWidget(distance_, 1, 2);

    QGroupBox* coordinates = groupBox(QStringLiteral("Koordinaten"), "GroupKoordinaten");
    decimal_ = radioButton(QStringLiteral("Dezimal"), "Dezimal");
    degrees_ = radioButton(QStringLiteral("Grad.min.sec"), "GradMinSec");
    latitudeDecimal_ = lineEdit("BreiteDezimal", QStringLiteral("Breite dezimal"));
    longitudeDecimal_ = lineEdit("LaengeDezimal", QStringLiteral("Länge dezimal"));
    latitudeDegrees_ = lineEdit("BreiteGrad", QStringLiteral("Breite Grad.min.sec"));
    longitudeDegrees_ = lineEdit("LaengeGrad", QStringLiteral("Länge Grad.min.sec"));
    latitudeDegrees_->setReadOnly(true);
    longitudeDegrees_->setReadOnly(true);
    const int wide = own_->fontMetrics().horizontalAdvance(QStringLiteral("179,958333333333 W"));
    for (QLineEdit* e : {latitudeDecimal_, longitudeDecimal_, latitudeDegrees_, longitudeDegrees_})
        e->setMinimumWidth(wide + 12);
    auto* coordinateGrid = new QGridLayout(coordinates);
    coordinateGrid->addWidget(decimal_, 0, 0);
    coordinateGrid->addWidget(latitudeDecimal_, 0, 1);
    coordinateGrid->addWidget(longitudeDecimal_, 0, 2);
    coordinateGrid->addWidget(degrees_, 1, 0);
    coordinateGrid->addWidget(latitudeDegrees_, 1, 1);
    coordinateGrid->addWidget(longitudeDegrees_, 1, 2);
    degrees_->setChecked(true);

    toLocator_ = commandButton(QStringLiteral("zu Locator"), "zuLocator");
    auto* toLocatorRow = new QHBoxLayout;
    toLocatorRow->addStretch();
    toLocatorRow->addWidget(toLocator_);

    content()->addWidget(locators);
    content()->addWidget(coordinates);
    content()->addLayout(toLocatorRow);

    connect(toCoordinates_, &QPushButton::clicked, this, &LocatorWindow::toCoordinates);
    connect(distance_, &QPushButton::clicked, this, &LocatorWindow::showDistance);
    connect(toLocator_, &QPushButton::clicked, this, &LocatorWindow::toLocator);
    // Editing the target makes "Entfernung" the default even before the field has the focus.
    connect(target_, &QLineEdit::textEdited, this, [this] { makeDefault(distance_); });
    own_->installEventFilter(this);
    target_->installEventFilter(this);

    chainTabOrder({own_, toCoordinates_, target_, distance_, decimal_, latitudeDecimal_,
                   longitudeDecimal_, degrees_, latitudeDegrees_, longitudeDegrees_, toLocator_,
                   okButton(), cancelButton()});
}

void LocatorWindow::showFields() {
    own_->setText(model_.ownLocator());
    target_->setText(model_.targetLocator());
    showCoordinates();
    own_->setFocus();
    if (!model_.fillMessage.isEmpty()) {
        // Told once the window stands, as the filling "zu Koordinaten" found it.
        QTimer::singleShot(0, this, [message = model_.fillMessage] { reportError(message); });
    }
}

void LocatorWindow::readFields() {
    model_.setOwnLocator(own_->text());
    model_.setTargetLocator(target_->text());
    model_.latitudeDecimal = latitudeDecimal_->text();
    model_.longitudeDecimal = longitudeDecimal_->text();
}

bool LocatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        makeDefault(watched == own_ ? toCoordinates_ : distance_);
    else if (event->type() == QEvent::FocusOut)
        makeDefault(okButton());
    return SettingsDialog::eventFilter(watched, event);
}

void LocatorWindow::makeDefault(QPushButton* button) {
    for (QPushButton* b : {toCoordinates_, distance_, okButton()})
        b->setDefault(b == button);
}

void LocatorWindow::toCoordinates() {
    makeDefault(okButton());
    readFields();
    const QString problem = model_.toCoordinates();
    if (!problem.isEmpty()) {
        reportError(problem);
        return;
    }
    own_->setText(model_.ownLocator());
    showCoordinates();
}

void LocatorWindow::showDistance() {
    readFields();
    const QString message = model_.distanceMessage();
    if (message == LocatorWindowModel::kInvalidInput)
        reportError(message);
    else
        inform(QStringLiteral("Locator"), message);
}

void LocatorWindow::toLocator() {
    readFields();
    const QString problem = model_.toLocator();
    if (!problem.isEmpty()) {
        reportError(problem);
        latitudeDecimal_->setFocus();
        return;
    }
    own_->setText(model_.ownLocator());
    showCoordinates();
}

void LocatorWindow::showCoordinates() {
    latitudeDecimal_->setText(model_.latitudeDecimal);
    longitudeDecimal_->setText(model_.longitudeDecimal);
    latitudeDegrees_->setText(model_.latitudeDegrees);
    longitudeDegrees_->setText(model_.longitudeDegrees);
}
