#include "records/RecordOrder.h"

#include <algorithm>
#include <array>

namespace {

struct Keyed {
    std::uint64_t Key;  // time less the earliest time, so that it is unsigned
    std::uint32_t Index;
};

constexpr int DigitBits = 11;
constexpr std::size_t Buckets = std::size_t{1} << DigitBits;

// One counting pass on the digit at `shift`; stable, so earlier passes keep their order within a bucket.
void SortByDigit(std::vector<Keyed>& items, std::vector<Keyed>& buffer, int shift)
{
    std::array<std::size_t, Buckets + 1> starts{};
    for (const Keyed& item : items)
        ++starts[((item.Key >> shift) & (Buckets - 1)) + 1];
    for (std::size_t bucket = 1; bucket <= Buckets; ++bucket)
        starts[bucket] += starts[bucket - 1];
    for (const Keyed& item : items)
        buffer[starts[(item.Key >> shift) & (Buckets - 1)]++] = item;
    items.swap(buffer);
}

}  // namespace

std::vector<std::uint32_t> StableTimeOrder(const std::vector<RecordEntry>& rows,
                                           const std::vector<std::uint32_t>& indices)
{
    if (indices.empty())
        return {};
    const auto byTime = [&rows](std::uint32_t a, std::uint32_t b) { return rows[a].Time < rows[b].Time; };
    const auto [first, last] = std::minmax_element(indices.begin(), indices.end(), byTime);
    const auto earliest = static_cast<std::uint64_t>(rows[*first].Time);
    const std::uint64_t span = static_cast<std::uint64_t>(rows[*last].Time) - earliest;
    std::vector<Keyed> items;
    items.reserve(indices.size());
    for (const std::uint32_t index : indices)
        items.push_back({static_cast<std::uint64_t>(rows[index].Time) - earliest, index});
    std::vector<Keyed> buffer(items.size());
    for (int shift = 0; shift < 64 && (span >> shift) != 0; shift += DigitBits)
        SortByDigit(items, buffer, shift);
    std::vector<std::uint32_t> order;
    order.reserve(items.size());
    for (const Keyed& item : items)
        order.push_back(item.Index);
    return order;
}
