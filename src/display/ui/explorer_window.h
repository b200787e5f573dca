// The "Weather Explorer": a tool window with the station's quantities as a fixed tree and a tool
// button that opens a text file and remembers its name.
#pragma once

#include <QWidget>

class QFileDialog;
class QToolButton;
class QTreeWidget;

class ExplorerWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExplorerWindow(QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QFileDialog* fileDialog() const { return dialog_; }
    QToolButton* openButton() const { return open_; }
    // The full name of the file chosen last, empty before the first choice.
    QString chosenFile() const { return chosen_; }

private:
    void openFile();

    QToolButton* open_;
    QTreeWidget* tree_;
    QFileDialog* dialog_;
    QString chosen_;
};
