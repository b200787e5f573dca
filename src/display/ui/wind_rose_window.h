// The wind rose (Windrose): a tool window of fixed size with the compass rose, a dot on its ring at
// the gust's direction coloured by the gust's speed, and the speed and direction in the two lower
// corners. A new reading repaints only where the dot was and where it goes.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

#include "station/weather_record.h"

class QLabel;

class WindRoseWindow : public QWidget {
    Q_OBJECT
public:
    // The direction always comes from the record's Wind.GustDir.
    explicit WindRoseWindow(const WeatherRecord& record, QWidget* parent = nullptr);

    // Labels, dot position, dot size and dot colour for a gust speed in tenths of m/s.
    void UpdateRose(std::uint16_t speed);
    // The dot's place and size, and its colour as a Windows colour value.
    QRect dotRect() const { return dot_; }
    std::uint32_t dotColour() const { return dotColour_; }

signals:
    // The user closed or hid the window (the menu item drops its check mark).
    void hidden();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Puts the dot's centre at the gust direction, keeping the dot's size.
    void placeDot();
    void moveDot(const QRect& to);

    const WeatherRecord& record_;
    QLabel* Label1;  // speed, bottom left
    QLabel* Label2;  // direction, bottom right
    QRect dot_;
    std::uint32_t dotColour_ = 0x0000FF;  // the designed red
    QPixmap background_;
};
