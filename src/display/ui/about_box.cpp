#include "display/ui/about_box.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/program_version.h"

namespace {
// The one link of the box. A label with links keeps Tab to step from link to link and, at its only
// link, never lets it go; here Tab leaves for the next control as everywhere else.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};
}  // namespace

AboutBox::AboutBox(std::function<void()> openReadme, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    // The version's right edge stands 8 pixels from the window's inner right edge.
    layout->setContentsMargins(8, 8, 8, 8);

    auto* name = new QLabel(QStringLiteral("Wetterpult"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    auto* what = new QLabel(
        QStringLiteral("Wetterstation WX200 / WM918 / WMR918:\nAnzeige, WinGT, Wetterlog, APRS, "
                       "ASYNOP"),
        this);
    layout->addWidget(what);
    version_ =
        new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersionText), this);
    version_->setObjectName(QStringLiteral("Version"));
    version_->setAlignment(Qt::AlignRight);
    layout->addWidget(version_);

    auto* readme = new LinkLabel(QStringLiteral("<a href=\"readme\">ReadMe</a>"), this);
    readme->setObjectName(QStringLiteral("ReadMeLink"));
    readme->setAccessibleName(QStringLiteral("ReadMe"));
    readme->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(readme, &QLabel::linkActivated, this, [openReadme] { openReadme(); });
    layout->addWidget(readme);

    auto* contact = new QGroupBox(QStringLiteral("Contact"), this);
    contact->setObjectName(QStringLiteral("Contact"));
    auto* contactLayout = new QVBoxLayout(contact);
    // The project has no public address of its own yet, so none is invented here.
    auto* team = new QLabel(QStringLiteral("Die Wetterpult-Entwickler"), contact);
    contactLayout->addWidget(team);
    layout->addWidget(contact);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* buttons = buttons_;
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The button row passes its focus on to "OK", which would keep Tab away from the link; without
    // that, the row itself must take no focus, or Tab would go from the link to the row and back,
    // never reaching "OK". Tab runs link, "OK", link.
    buttons_->setFocusProxy(nullptr);
    buttons_->setFocusPolicy(Qt::NoFocus);
    if (auto* link = findChild<QLabel*>(QStringLiteral("ReadMeLink")))
        setTabOrder(link, buttons_->button(QDialogButtonBox::Ok));
}
