#pragma once

#include <array>
#include <cstdint>

// What the next print job prints. Arrays by [general view, left, middle,
// right]; LaneChecked by [left, middle, right]. Frame numbers are 1-based
// and inclusive.
struct PrintRequest {
    static constexpr std::int32_t NeverPrepared = -2;

    // Choices of GeneralChoice and DetailedChoice.
    static constexpr std::int32_t Nothing = 0;
    static constexpr std::int32_t Selected = 1;
    static constexpr std::int32_t Partial = 2;
    static constexpr std::int32_t All = 3;

    std::int32_t RecordIndex = NeverPrepared;  // SelectedIndex when the choice was made
    std::array<std::int32_t, 4> FrameCount{};
    std::int32_t GeneralChoice = Nothing;
    std::int32_t DetailedChoice = Nothing;
    std::array<std::int32_t, 3> LaneChecked{};
    std::array<std::int32_t, 4> FromFrame{};
    std::array<std::int32_t, 4> ToFrame{};
    std::int32_t PrintRecordsList = 0;
    std::int32_t PrintSubpoena = 0;
    std::int32_t PrintScreen = 0;

    bool operator==(const PrintRequest&) const = default;
};
