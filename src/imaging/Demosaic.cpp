#include "imaging/Demosaic.h"

#include "imaging/TwoBands.h"

namespace {

// Below this many rows a second thread costs more than it saves.
constexpr size_t RowsForTwoThreads = 64;

// One sensor row between its upper and lower neighbour rows. A row holds two
// kinds of site in turn: a "cross" site (blue or red) whose own sample is its
// colour, and a green site. On a blue row the even columns are blue; on a red
// row the odd columns are red.
template <bool BlueRow, class Pixel>
void DemosaicRow(const uint16_t* __restrict up, const uint16_t* __restrict mid,
                 const uint16_t* __restrict down, int32_t xs, int32_t xe, uint8_t* __restrict out,
                 const Pixel pixel)
{
    const auto cross = [&](int32_t x, uint8_t* o) {
        const uint32_t own = mid[x];
        const uint32_t green = (uint32_t{up[x]} + down[x] + mid[x - 1] + mid[x + 1]) / 4;
        const uint32_t diagonal =
            (uint32_t{up[x - 1]} + up[x + 1] + down[x - 1] + down[x + 1]) / 4;
        if constexpr (BlueRow)
            pixel(o, diagonal, green, own);
        else
            pixel(o, own, green, diagonal);
    };
    const auto green = [&](int32_t x, uint8_t* o) {
        const uint32_t g =
            (uint32_t{mid[x]} + up[x - 1] + up[x + 1] + down[x - 1] + down[x + 1]) / 5;
        const uint32_t across = (uint32_t{mid[x - 1]} + mid[x + 1]) / 2;
        const uint32_t upDown = (uint32_t{up[x]} + down[x]) / 2;
        if constexpr (BlueRow)
            pixel(o, upDown, g, across);
        else
            pixel(o, across, g, upDown);
    };
    const auto even = [&](int32_t x, uint8_t* o) {
        if constexpr (BlueRow)
            cross(x, o);
        else
            green(x, o);
    };
    const auto odd = [&](int32_t x, uint8_t* o) {
        if constexpr (BlueRow)
            green(x, o);
        else
            cross(x, o);
    };
    int32_t x = xs;
    if (x < xe && (x & 1) != 0) {
        odd(x++, out);
        out += 3;
    }
    for (; x + 1 < xe; x += 2, out += 6) {
        even(x, out);
        odd(x + 1, out + 3);
    }
    if (x < xe)
        even(x, out);
}

template <class Pixel>
void DemosaicRows(const DemosaicArea& area, const Pixel& pixel)
{
    const auto rows = static_cast<size_t>(area.ye - area.ys);
    RunInTwoBands(rows, RowsForTwoThreads, [&](size_t begin, size_t end) {
        for (size_t k = begin; k < end; ++k) {
            const auto y = static_cast<int32_t>(area.ys + k);
            const uint16_t* mid = area.samples + static_cast<ptrdiff_t>(y) * area.width;
            const uint16_t* up = mid - area.width;
            const uint16_t* down = mid + area.width;
            uint8_t* out = area.dest + static_cast<ptrdiff_t>(k) * area.rowStep;
            if ((y & 1) != area.bayerPhase)
                DemosaicRow<true>(up, mid, down, area.xs, area.xe, out, pixel);
            else
                DemosaicRow<false>(up, mid, down, area.xs, area.xe, out, pixel);
        }
    });
}

}  // namespace

void DemosaicColour(const DemosaicArea& area, const ColourMaps& maps)
{
    DemosaicRows(area, [maps](uint8_t* o, uint32_t red, uint32_t green, uint32_t blue) {
        o[0] = maps.blue[blue];
        o[1] = maps.green[green];
        o[2] = maps.red[red];
    });
}

void DemosaicGrey(const DemosaicArea& area, const GreyMaps& maps)
{
    DemosaicRows(area, [maps](uint8_t* o, uint32_t red, uint32_t green, uint32_t blue) {
        const double y = maps.red[red] + maps.green[green] + maps.blue[blue] + 0.5;
        const uint8_t grey = maps.window[static_cast<uint16_t>(static_cast<int32_t>(y))];
        o[0] = grey;
        o[1] = grey;
        o[2] = grey;
    });
}
