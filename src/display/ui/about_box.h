// The about box ("About"): program name and version, a link to the manual, the project's contact
// and "OK". Modal.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // `openReadme` is what the "ReadMe" link does.
    AboutBox(std::function<void()> openReadme, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }

private:
    QLabel* version_;
};
