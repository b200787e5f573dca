// The folder picker "Ordner wählen...": the places (home folder, "/", mounted media) beside the
// folder tree, which goes to the place chosen. It opens on the calling dialog's folder and hands
// back the chosen one without a trailing "/" (except "/" itself).
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "config/folder_places.h"

class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QTreeView;
class QPushButton;

// How a dialog's "Durchsuchen..." asks for a folder: true and the chosen folder in `folder` after
// "OK", false with `folder` unchanged after "Abbrechen".
using FolderChooser = std::function<bool(QString& folder)>;

// A button "Durchsuchen..." (object name "Durchsuchen") that opens the chooser on the folder text
// of `folder` and puts the chosen folder there; it never becomes the dialog's default button.
QPushButton* browseButton(QLineEdit* folder, FolderChooser choose);

class FolderPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit FolderPickerDialog(QWidget* parent = nullptr);

    // Opens modally on `folder` (or its nearest existing parent). On "OK" returns true and sets
    // `folder` to the chosen one; on "Abbrechen" leaves it as it was.
    bool choose(QString& folder);

    // Selects this folder in the tree, showing the place that holds it.
    void selectFolder(const QString& folder);
    // The folder now selected, as the dialogs show it.
    QString selectedFolder() const;

    QListWidget* placeList() const { return places_; }
    QTreeView* folderTree() const { return tree_; }

private:
    // Lists the places anew (media come and go).
    void listPlaces();
    // The tree shows the whole file system; a place only moves its selection there.
    void showPlace(int row);
    void showFolder(const QString& folder);

    std::vector<FolderPlace> placeEntries_;
    QListWidget* places_;
    QTreeView* tree_;
    QFileSystemModel* model_;
    QPushButton* ok_;
};
