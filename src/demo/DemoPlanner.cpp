#include "demo/DemoPlanner.h"

#include "demo/DemoClock.h"
#include "demo/DemoRandom.h"

#include <algorithm>
#include <array>

namespace {

constexpr DemoColour BodyColours[] = {
    {168, 28, 30},  {182, 184, 188}, {226, 226, 222}, {28, 48, 112},  {34, 34, 38},
    {38, 104, 62},  {222, 178, 36},  {120, 72, 40},   {70, 120, 170}, {150, 40, 110},
};
constexpr char PlateLetters[] = "ABCEHKMPTX";
constexpr int NightHours[] = {21, 22, 23, 0, 1, 2, 3, 4};

std::string Plate(DemoRandom& random)
{
    const auto letter = [&] { return PlateLetters[random.Between(0, static_cast<int>(sizeof PlateLetters) - 2)]; };
    std::string plate{letter(), letter(), ' '};
    for (int digit = 0; digit < 4; ++digit)
        plate += static_cast<char>('0' + random.Between(0, 9));
    return plate + ' ' + letter() + letter();
}

}  // namespace

const char* DemoPlanner::CodeDescription(int code)
{
    switch (code) {
    case 1:
        return "Number plate unreadable";
    case 2:
        return "Emergency vehicle on call";
    case 3:
        return "Check the signal timing";
    default:
        return "";
    }
}

DemoPlan DemoPlanner::Plan(int recordCount, std::uint64_t seed)
{
    DemoRandom random(seed);
    DemoPlan plan;
    plan.Units = Units(random);
    names_.clear();
    for (int index = 0; index < recordCount; ++index)
        plan.Records.push_back(Record(index, random));
    return plan;
}

std::vector<SiteEntry> DemoPlanner::Units(DemoRandom& random)
{
    static constexpr const char* Addresses[UnitCount] = {
        "Main Street / Station Road, northbound",
        "Harbour Boulevard / Fifth Avenue, eastbound",
        "",
    };
    std::vector<SiteEntry> units;
    for (int unit = 0; unit < UnitCount; ++unit) {
        SiteEntry entry;
        entry.mac = {0x00, 0x1B, 0xC5, static_cast<std::uint8_t>(random.Between(0, 255)),
                     static_cast<std::uint8_t>(random.Between(0, 255)),
                     static_cast<std::uint8_t>(0x10 + unit)};
        entry.address = Addresses[unit];
        units.push_back(entry);
    }
    return units;
}

DemoRecord DemoPlanner::Record(int index, DemoRandom& random)
{
    DemoRecord record;
    record.Night = index % 4 == 2;
    record.RedTime = RedTime(index, record.Night, random);
    record.YellowTime = AddMilliseconds(record.RedTime, -3000 + random.Between(-60, 60));
    record.Name = RecordDirectoryName(record.RedTime);
    record.Unit = index % UnitCount;
    if (index % 6 == 1)
        record.State = RecordState::Confirmed;
    else if (index % 6 == 4)
        record.State = RecordState::Rejected;
    record.GeneralFrames = random.Between(6, 12);
    record.FirstGeneralMs = random.Between(80, 250);
    record.Cars = Cars(record, random);
    record.Note = Note(index);
    record.NoiseSeed = random.Next();
    return record;
}

// A red light on one of three days in a row, at a time no other record has.
FrameTime DemoPlanner::RedTime(int index, bool night, DemoRandom& random)
{
    for (;;) {
        const int hour = night ? random.Pick(NightHours) : random.Between(7, 19);
        const FrameTime time = MakeFrameTime(2024, 5, 13 + index % 3, hour, random.Between(0, 59),
                                             random.Between(0, 59), random.Between(0, 999));
        if (names_.insert(RecordDirectoryName(time)).second)
            return time;
    }
}

std::vector<DemoCar> DemoPlanner::Cars(const DemoRecord& record, DemoRandom& random)
{
    std::array<int, 3> lanes{1, 2, 3};
    for (int i = 2; i > 0; --i)
        std::swap(lanes[i], lanes[random.Between(0, i)]);
    const int violators = random.Between(1, 3);
    std::vector<DemoCar> cars;
    for (int i = 0; i < 3; ++i) {
        if (i < violators) {
            DemoCar car = Car(lanes[i], true, random);
            car.CrossingMs = record.FirstGeneralMs + 700 + 300 * i + random.Between(0, 300);
            cars.push_back(car);
        } else if (random.Between(0, 1) == 1) {
            cars.push_back(Car(lanes[i], false, random));
        }
    }
    std::sort(cars.begin(), cars.end(), [](const DemoCar& a, const DemoCar& b) { return a.Lane < b.Lane; });
    return cars;
}

DemoCar DemoPlanner::Car(int lane, bool violates, DemoRandom& random)
{
    DemoCar car;
    car.Lane = lane;
    car.Violates = violates;
    car.Body = random.Pick(BodyColours);
    car.Plate = Plate(random);
    car.Speed = violates ? 6.5 + 3.0 * random.Unit() : 0.0;
    car.LaneFrames = violates ? random.Between(2, 7) : 0;
    return car;
}

// Two or three records of a dozen carry a note, one of them without text.
std::optional<PrivateNote> DemoPlanner::Note(int index)
{
    if (index % 4 != 1)
        return std::nullopt;
    static const PrivateNote Notes[] = {
        {2, ""},
        {1, "Plate partly hidden by a tow bar"},
        {3, "Yellow phase looked short"},
    };
    return Notes[(index / 4) % 3];
}
