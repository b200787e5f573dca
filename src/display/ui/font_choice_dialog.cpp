#include "display/ui/font_choice_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {
struct NamedColour {
    const char* name;
    std::uint32_t value;  // 0x00BBGGRR
};
const std::array<NamedColour, 16> kColours = {{{"Schwarz", 0x000000},
                                               {"Kastanienbraun", 0x000080},
                                               {"Grün", 0x008000},
                                               {"Olivgrün", 0x008080},
                                               {"Marineblau", 0x800000},
                                               {"Violett", 0x800080},
                                               {"Blaugrün", 0x808000},
                                               {"Grau", 0x808080},
                                               {"Silber", 0xC0C0C0},
                                               {"Rot", 0x0000FF},
                                               {"Hellgrün", 0x00FF00},
                                               {"Gelb", 0x00FFFF},
                                               {"Blau", 0xFF0000},
                                               {"Fuchsie", 0xFF00FF},
                                               {"Aquamarin", 0xFFFF00},
                                               {"Weiß", 0xFFFFFF}}};

QIcon swatch(std::uint32_t v) {
    QPixmap pm(14, 14);
    pm.fill(QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 13, 13);
    return QIcon(pm);
}
}  // namespace

FontChoiceDialog::FontChoiceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("Schriftart"));
    fonts_ = new QFontDialog(this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("FontColour"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(QStringLiteral("&Farbe:"), colours_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

void FontChoiceDialog::preset(const QFont& font, std::uint32_t colour) {
    fonts_->setCurrentFont(font);
    colours_->clear();
    int current = -1;
    for (const NamedColour& c : kColours) {
        if (c.value == colour)
            current = colours_->count();
        colours_->addItem(swatch(c.value), QString::fromUtf8(c.name), QVariant::fromValue(c.value));
    }
    if (current < 0) {
        // The box has a colour of its own (a custom or system colour): keep it selectable.
        current = colours_->count();
        colours_->addItem(swatch(colour & 0x80000000u ? 0 : colour),
                          QStringLiteral("Benutzerdefiniert"), QVariant::fromValue(colour));
    }
    colours_->setCurrentIndex(current);
}

QFont FontChoiceDialog::chosenFont() const {
    return fonts_->currentFont();
}

std::uint32_t FontChoiceDialog::chosenColour() const {
    return colours_->currentData().value<std::uint32_t>();
}
