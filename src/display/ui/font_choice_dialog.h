// The font dialog of the value boxes ("Zeichen..."): font name, style and size as the desktop's
// font dialog offers them, plus the font colour from the sixteen standard colours (or the colour
// the box already has).
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QFontDialog;

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontChoiceDialog(QWidget* parent = nullptr);

    // Presets the dialog with a box's font and its font colour (Windows colour number).
    void preset(const QFont& font, std::uint32_t colour);
    QFont chosenFont() const;
    std::uint32_t chosenColour() const;

private:
    QFontDialog* fonts_;
    QComboBox* colours_;
};
