#include "outputs/rolling_values.h"

void advanceWindRing(StationData& data) {
    auto& ring = data.WindMaxRing;
    for (std::size_t k = 0; k + 1 < ring.size(); ++k)
        ring[k] = ring[k + 1];
    ring.back() = data.Record.MinuteWindMax;
    data.Record.MinuteWindMax = 0;
}

void updateRain24h(StationData& data, bool takeReference) {
    if (takeReference)
        data.takeRainReference();
    const std::uint16_t total = data.Record.Rain.Total;
    // A plain 16-bit difference would turn a reset total into some 65000 mm of rain.
    if (total < data.RainReference)
        data.RainReference = 0;
    data.Rain24h = std::uint16_t(total - data.RainReference);
}
