#include "imaging/Demosaic.h"

#include "imaging/DemosaicWide.h"
#include "imaging/RunInTwoShares.h"

namespace {

// Below this many rows a second thread costs more than it saves.
constexpr size_t RowsForTwoThreads = 64;

// One sensor row. A row holds two kinds of site in turn: a "cross" site
// (blue or red) whose own sample is its colour, and a green site. On a blue
// row the even columns are blue; on a red row the odd columns are red.
template <bool BlueRow, class Pixel>
void DemosaicRow(const SensorRow& row, const Pixel pixel)
{
    const uint16_t* __restrict up = row.up;
    const uint16_t* __restrict mid = row.mid;
    const uint16_t* __restrict down = row.down;
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
    int32_t x = row.xs;
    uint8_t* __restrict out = row.out;
    if (x < row.xe && (x & 1) != 0) {
        odd(x++, out);
        out += 3;
    }
    for (; x + 1 < row.xe; x += 2, out += 6) {
        even(x, out);
        odd(x + 1, out + 3);
    }
    if (x < row.xe)
        even(x, out);
}

template <class Pixel>
void DemosaicRow(const SensorRow& row, const Pixel pixel)
{
    if (row.blueRow)
        DemosaicRow<true>(row, pixel);
    else
        DemosaicRow<false>(row, pixel);
}

// Hands every processed row, with its neighbours and output, to demosaicRow.
template <class RowFunction>
void DemosaicRows(const DemosaicArea& area, const RowFunction& demosaicRow)
{
    const auto rows = static_cast<size_t>(area.ye - area.ys);
    RunInTwoShares(rows, RowsPerShare, RowsForTwoThreads, [&](size_t begin, size_t end) {
        for (size_t k = begin; k < end; ++k) {
            const auto y = static_cast<int32_t>(area.ys + k);
            SensorRow row;
            row.mid = area.samples + static_cast<ptrdiff_t>(y) * area.width;
            row.up = row.mid - area.width;
            row.down = row.mid + area.width;
            row.xs = area.xs;
            row.xe = area.xe;
            row.blueRow = (y & 1) != area.bayerPhase;
            row.out = area.dest + static_cast<ptrdiff_t>(k) * area.rowStep;
            demosaicRow(row);
        }
    });
}

}  // namespace

void DemosaicColour(const DemosaicArea& area, const ColourMaps& maps)
{
    const auto pixel = [maps](uint8_t* o, uint32_t red, uint32_t green, uint32_t blue) {
        o[0] = maps.blue[blue];
        o[1] = maps.green[green];
        o[2] = maps.red[red];
    };
    const bool wide = area.ceiling <= WideSampleCeiling;
    DemosaicRows(area, [&](SensorRow row) {
        if (wide) {
            const int32_t done = DemosaicColourRowWide(row, maps);
            row.out += 3 * static_cast<ptrdiff_t>(done - row.xs);
            row.xs = done;
        }
        DemosaicRow(row, pixel);
    });
}

void DemosaicGrey(const DemosaicArea& area, const GreyMaps& maps)
{
    const auto pixel = [maps](uint8_t* o, uint32_t red, uint32_t green, uint32_t blue) {
        const double y = maps.red[red] + maps.green[green] + maps.blue[blue] + 0.5;
        const uint8_t grey = maps.window[static_cast<uint16_t>(static_cast<int32_t>(y))];
        o[0] = grey;
        o[1] = grey;
        o[2] = grey;
    };
    DemosaicRows(area, [&](const SensorRow& row) { DemosaicRow(row, pixel); });
}
