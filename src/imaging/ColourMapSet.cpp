#include "imaging/ColourMapSet.h"

#include "imaging/RenderTables.h"

ColourMapSet::ColourMapSet(const ColourGains& gains, uint16_t low, uint16_t high, uint16_t range,
                           uint32_t ceiling)
    : redForm_(ColourForm::For(gains.Red, low, high, range)),
      greenForm_(ColourForm::For(gains.Green, low, high, range)),
      blueForm_(ColourForm::For(gains.Blue, low, high, range))
{
    const std::vector<uint8_t> window = WindowMap(low, high, range);
    red_ = GainWindowMap(window, gains.Red, ceiling);
    green_ = GainWindowMap(window, gains.Green, ceiling);
    blue_ = GainWindowMap(window, gains.Blue, ceiling);
}

ColourMaps ColourMapSet::Maps() const
{
    ColourMaps maps{red_.data(), green_.data(), blue_.data()};
    if (redForm_ && greenForm_ && blueForm_) {
        maps.redForm = &*redForm_;
        maps.greenForm = &*greenForm_;
        maps.blueForm = &*blueForm_;
    }
    return maps;
}
