#include "display/rose_geometry.h"

#include <cmath>
#include <numbers>

int roseRadius(int clientWidth) {
    return clientWidth / 2 - int(roundHalfEven(clientWidth / 6.5));
}

QPoint roseDotCentre(int clientWidth, int clientHeight, int direction) {
    const int r = roseRadius(clientWidth);
    const double theta = (direction + 270) * std::numbers::pi / 180.0;
    return {int(roundHalfEven(clientWidth / 2 + r * std::cos(theta))),
            int(roundHalfEven(clientHeight / 2 + r * std::sin(theta)))};
}

std::uint32_t roseColour(std::uint16_t speed) {
    const double b = speed;
    auto part = [](double v) { return std::uint32_t(roundHalfEven(v)); };
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    if (speed <= 140) {
        green = part(255 * b / 140);
        blue = 255;
    } else if (speed <= 280) {
        green = 255;
        blue = part(255 * (280 - b) / 140);
    } else if (speed <= 420) {
        red = part(255 * (b - 280) / 140);
        green = 255;
    } else if (speed <= 560) {
        red = 255;
        green = part(255 * (560 - b) / 140);
    } else {
        red = 255;
    }
    return red + 256 * green + 65536 * blue;
}

QString roseSpeedText(std::uint16_t speed, const Formats& formats) {
    return (speed % 10 == 0 ? QString::number(speed / 10) : formats.fixed(speed, 1)) +
           QStringLiteral(" m/s");
}

QString roseDirectionText(int direction) {
    return QString::number(direction) + QStringLiteral("°");
}
