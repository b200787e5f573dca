// The model of the dialog "Webseite...": the [Web] settings (on or off, the address and port the
// page is served on). "OK" takes them and hands them to the running server at once; the dialog
// shows the page's address once the server runs.
#pragma once

#include <QString>
#include <functional>

#include "base/dialog_model.h"
#include "config/settings.h"

class WebSettingsModel : public DialogModel {
public:
    static constexpr const char* kAddressField = "WebAdresse";
    static constexpr const char* kPortField = "WebPort";

    // `applied` is called after "OK" took the fields; `pageAddress` gives the running page's
    // address (empty while it does not run).
    WebSettingsModel(Settings& settings, std::function<void()> applied,
                     std::function<QString()> pageAddress)
        : settings_(settings), applied_(std::move(applied)), pageAddress_(std::move(pageAddress)) {}

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    // What the dialog says about the page: its address while it runs, else why there is none.
    QString stateText() const;
    QString pageAddress() const { return pageAddress_ ? pageAddress_() : QString(); }

    bool active = false;  // "Webseite anbieten"
    QString address;      // "Adresse"
    QString port;         // "Port"

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    std::function<void()> applied_;
    std::function<QString()> pageAddress_;
};
