// The models of the dialogs "CWOP / APRS-IS..." and "Weather Underground...": "Aktiv" and a list
// of text fields, the one window (ui/upload_dialog.h) shows for both. "Jetzt senden" tries the
// fields as they stand (tried()) without taking them.
#pragma once

#include <vector>

#include "base/dialog_model.h"
#include "config/settings.h"

struct UploadField {
    UploadField(const char* key, QString name, bool hidden = false)
        : id(key), label(std::move(name)), secret(hidden) {}
    const char* id;  // the key, also the object name of its control
    QString label;
    bool secret = false;  // shown as dots
    QString text;
};

class UploadSettingsModel : public DialogModel {
public:
    UploadSettingsModel(Settings& settings, QString caption, QString uploadCommand,
                        std::vector<UploadField> textFields)
        : title(std::move(caption)),
          command(std::move(uploadCommand)),
          fields(std::move(textFields)),
          settings_(settings) {}

    void fill() override;
    // The settings with the fields taken in, for "Jetzt senden"; only meaningful while problems()
    // finds nothing.
    Settings tried() const;

    const QString title;    // the dialog's caption
    const QString command;  // the upload's name (Uploads::sendNow)
    bool active = false;    // "Aktiv"
    std::vector<UploadField> fields;

protected:
    std::optional<FieldProblem> apply() override;
    QString text(const char* id) const;
    // Settings to fields and back.
    virtual void read(const Settings& s) = 0;
    virtual void write(Settings& s) const = 0;
    void set(const char* id, const QString& value);

    Settings& settings_;
};

class CwopSettingsModel : public UploadSettingsModel {
public:
    explicit CwopSettingsModel(Settings& settings);
    std::vector<FieldProblem> problems() const override;

protected:
    void read(const Settings& s) override;
    void write(Settings& s) const override;
};

class WuSettingsModel : public UploadSettingsModel {
public:
    explicit WuSettingsModel(Settings& settings);
    std::vector<FieldProblem> problems() const override;

protected:
    void read(const Settings& s) override;
    void write(Settings& s) const override;
};
