// The Locator window: the station's own locator as decimal and three-part coordinates, the distance
// to a target locator, coordinates turned back into a locator, and "OK" taking the locator and the
// ASYNOP position derived from it into the settings.
#pragma once

#include "base/ui/settings_dialog.h"

class LocatorWindowModel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class LocatorWindow : public SettingsDialog {
    Q_OBJECT
public:
    LocatorWindow(LocatorWindowModel& model, QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toCoordinates();
    void showDistance();
    void toLocator();
    void showCoordinates();
    void makeDefault(QPushButton* button);

    LocatorWindowModel& model_;
    QLineEdit* own_;
    QPushButton* toCoordinates_;
    QLineEdit* target_;
    QPushButton* distance_;
    QRadioButton* decimal_;
    QRadioButton* degrees_;
    QLineEdit* latitudeDecimal_;
    QLineEdit* longitudeDecimal_;
    QLineEdit* latitudeDegrees_;
    QLineEdit* longitudeDegrees_;
    QPushButton* toLocator_;
};
