// One value group box of the main window (GroupBox2 ... GroupBox11): its labels, its gauge or
// barometer pictures, and its background colour and font, which the user chooses and the
// settings file keeps as Windows colour numbers and a point size.
#pragma once

#include <QGroupBox>
#include <cstdint>

#include "display/display_design.h"

class BarGauge;
class LabelArea;
class PictureView;
class QLabel;

class ValueBox : public QGroupBox {
    Q_OBJECT
public:
    explicit ValueBox(const GroupBoxDesign& design, QWidget* parent = nullptr);

    int number() const { return number_; }
    BarGauge* gauge() const { return gauge_; }
    PictureView* trendPicture() const { return trend_; }        // Image1, barometer only
    PictureView* forecastPicture() const { return forecast_; }  // Image2, barometer only

    std::uint32_t backgroundColour() const { return background_; }
    void setBackgroundColour(std::uint32_t windowsColour);
    std::uint32_t fontColour() const { return fontColour_; }
    void setFontColour(std::uint32_t windowsColour);
    int fontSize() const { return font().pointSize(); }
    void setFontSize(int points);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColours();
    void fitPictures();

    int number_;
    LabelArea* labels_;
    QWidget* pictures_ = nullptr;
    BarGauge* gauge_ = nullptr;
    PictureView* trend_ = nullptr;
    PictureView* forecast_ = nullptr;
    std::uint32_t background_;
    std::uint32_t fontColour_;
    bool applying_ = false;
};
