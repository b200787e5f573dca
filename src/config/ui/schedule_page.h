// One page of the dialog "WinGT Einstellungen": the WinGT folder with "Durchsuchen...", and the
// schedule with "Nur manuell erstellen", the next due time in large bold type, the sorted list of
// times, the entry "Zeit (hhmm)" with "=>" (the default button while the entry has the focus) and
// "löschen".
#pragma once

#include <QWidget>

#include "config/ui/folder_picker_dialog.h"
#include "config/wingt_settings_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

class SchedulePage : public QWidget {
    Q_OBJECT
public:
    // `name` is "Import" or "Read": the object names of the page's controls begin with it.
    // `okButton` is the dialog's default button while the entry does not have the focus.
    SchedulePage(const QString& name, const QString& folderTitle, WinGTSettingsModel::Page& page,
                 FolderChooser chooseFolder, QPushButton* okButton, QWidget* parent = nullptr);

    // The page's fields from the model, and back (the times live in the model already).
    void showFields();
    void readFields();

    QCheckBox* manualBox() const { return manual_; }
    // Puts a further check box below "Nur manuell erstellen".
    void addScheduleOption(QCheckBox* box);
    // The page's controls in their tab order.
    QList<QWidget*> tabOrder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addTime();
    void removeTime();
    void showTimes(int selected);

    WinGTSettingsModel::Page& page_;
    QPushButton* ok_;
    QLineEdit* folder_;
    QPushButton* browse_;
    QCheckBox* manual_;
    QLabel* next_;
    QListWidget* times_;
    QLineEdit* entry_;
    QPushButton* add_;
    QPushButton* remove_;
    QVBoxLayout* options_;
};
