// The Locator window's model: the own and the target locator, the station's position as decimal
// and three-part degrees texts, the commands "zu Koordinaten", "Entfernung" and "zu Locator", and
// "OK" taking over the station's locator and the ASYNOP position derived from it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "base/dialog_model.h"
#include "base/formats.h"

// The settings "OK" sets: MyLocator, ASYNOPLat, ASYNOPLong, ASYNOPErdquadrant.
struct LocatorTakeOver {
    QString MyLocator;
    QString ASYNOPLat;   // absolute latitude in tenths of a degree, truncated, at least 3 digits
    QString ASYNOPLong;  // absolute longitude likewise, at least 4 digits
    std::uint8_t ASYNOPErdquadrant = 1;  // 1 north-east, 3 south-east, 5 south-west, 7 north-west
};

// Where the window reads MyLocator and "OK" puts what it takes over: the program's settings.
struct LocatorSettingsLink {
    QString& MyLocator;
    QString& ASYNOPLat;
    QString& ASYNOPLong;
    std::uint8_t& ASYNOPErdquadrant;
};

class LocatorWindowModel : public DialogModel {
public:
    // Id of the own locator's field.
    static constexpr const char* kOwnField = "Locator";
    // "Ungültige Eingabe": a locator that cannot be converted, or coordinates that are no numbers.
    static const QString kInvalidInput;

    explicit LocatorWindowModel(LocatorSettingsLink settings,
                                const Formats& formats = Formats::german())
        : settings_(settings), formats_(formats) {}

    // When the window is shown: the own locator from MyLocator, then "zu Koordinaten"; a locator
    // that cannot be converted leaves its message in fillMessage.
    void fill() override;
    QString fillMessage;
    // "OK" refuses an own locator that cannot be converted.
    std::vector<FieldProblem> problems() const override;

    // The window's fields. The locators are kept in upper case.
    QString ownLocator() const { return own_; }
    void setOwnLocator(const QString& text) { own_ = text.toUpper(); }
    QString targetLocator() const { return target_; }
    void setTargetLocator(const QString& text) { target_ = text.toUpper(); }
    QString latitudeDecimal;   // "50,5625 N"
    QString longitudeDecimal;  // "7,95833333333333 E"
    QString latitudeDegrees;   // "50.34.25 N"
    QString longitudeDegrees;  // "7.57.83 E"

    // "zu Koordinaten": the four coordinate fields from the own locator. Returns kInvalidInput, and
    // leaves the fields as they were, when the locator cannot be converted; else empty.
    QString toCoordinates();

    // "Entfernung": the message to show, "Distanz JO30XN - JO30XP: 9,2 km" (kilometres truncated
    // to one decimal), or kInvalidInput.
    QString distanceMessage() const;

    // "zu Locator": the own locator from the two decimal fields (a number with "," or ".", signed
    // or followed by N/S and E/O/W), then "zu Koordinaten". Returns kInvalidInput and changes
    // nothing when a field is no coordinate.
    QString toLocator();

    // "zu Koordinaten" once more, then the settings "OK" takes over; nothing when the locator
    // cannot be converted (the message is kInvalidInput).
    std::optional<LocatorTakeOver> takeOver();

protected:
    std::optional<FieldProblem> apply() override;

private:
    QString decimalText(double absolute, QChar hemisphere) const;

    LocatorSettingsLink settings_;
    const Formats& formats_;
    QString own_;
    QString target_ = QStringLiteral("JO30XP");
};
