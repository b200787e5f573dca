// The about box ("About"): program name and version, a link to the manual, who made it and
// "OK". Modal.
#pragma once

#include <QDialog>
#include <functional>

class QDialogButtonBox;
class QLabel;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // `openReadme` is what the "ReadMe" link does.
    AboutBox(std::function<void()> openReadme, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* version_;
    QDialogButtonBox* buttons_;
};
