#pragma once

#include "demo/DemoPlan.h"

#include <cstdint>
#include <set>
#include <string>

class DemoRandom;

// Decides the records of a demo installation from a seed: their times over
// three days (some at night), units, lanes, cars, decisions and notes.
class DemoPlanner {
public:
    static constexpr int UnitCount = 3;

    // Codes 1 to 3 with the descriptions the code-note file gets.
    static const char* CodeDescription(int code);

    DemoPlan Plan(int recordCount, std::uint64_t seed);

private:
    static std::vector<SiteEntry> Units(DemoRandom& random);
    DemoRecord Record(int index, DemoRandom& random);
    FrameTime RedTime(int index, bool night, DemoRandom& random);
    static std::vector<DemoCar> Cars(const DemoRecord& record, DemoRandom& random);
    static DemoCar Car(int lane, bool violates, DemoRandom& random);
    static std::optional<PrivateNote> Note(int index);

    std::set<std::string> names_;
};
