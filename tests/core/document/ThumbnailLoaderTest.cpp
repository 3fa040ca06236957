// The thumbnail loader's thread protocol: which slots a hand-over keeps and
// which it loads, what a frame that gives no picture shows, and that a
// withdrawn job, a record that moves under the lock and a stop leave nothing
// stale behind, whichever thread happens to run first.
#include "document/ThumbnailLoader.h"

#include "CfaFileWriter.h"
#include "QueueDispatcher.h"
#include "TempDir.h"

#include "config/CVantrelSettings.h"
#include "document/RenderLaneFrame.h"
#include "document/ThumbnailJob.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Reload = ThumbnailJob::ReloadKind;
using Pictures = std::array<std::shared_ptr<const CDibImage>, ThumbnailLoader::SlotCount>;

// A lane frame with the optical-black corner of the camera, so that it
// prepares on its own and not from what the frame before it left; base
// tells the frames apart.
void WriteFrame(const std::string& path, int base, std::uint16_t width = 1072, std::uint16_t height = 14)
{
    testsupport::CfaFile file{testsupport::LaneFrameHeader(width, height), {}};
    file.samples.resize(std::size_t{width} * height);
    for (std::size_t i = 0; i < file.samples.size(); ++i) {
        const std::size_t x = i % width, y = i / width;
        const bool black = x >= 1070 && y >= 12;
        file.samples[i] = black ? 0 : static_cast<std::uint16_t>(base + (x + 3 * y) % 256);
    }
    testsupport::WriteCfaFile(path, file);
}

// What the detailed view would render of the frame with the thumbnails' settings.
CDibImage Rendered(const std::string& path, std::int32_t correction = 0, double gamma = 0.0)
{
    CCfaImage frame;
    frame.LowCut = CVantrelSettings::ClipDark;
    frame.HighCut = CVantrelSettings::ClipBright;
    frame.Correction = correction;
    frame.Gamma = gamma;
    CDibImage picture;
    RenderLaneFrame(frame, path, {true, 0, false}, picture);
    return picture;
}

// Pixels only: the padding at the end of each row is undefined.
bool SamePicture(const CDibImage& a, const CDibImage& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height() || !a.Bits() || !b.Bits())
        return false;
    for (std::int32_t row = 0; row < a.Height(); ++row)
        if (std::memcmp(a.TopDownRow(row), b.TopDownRow(row), 3 * static_cast<std::size_t>(a.Width())) != 0)
            return false;
    return true;
}

bool IsBlack5x5(const CDibImage& picture)
{
    const std::uint8_t* bits = picture.Bits();
    return picture.Width() == 5 && picture.Height() == 5 &&
           std::all_of(bits, bits + picture.Stride() * 5, [](std::uint8_t byte) { return byte == 0; });
}

ThumbnailJob LeftLaneJob(std::vector<std::string> paths, Reload reload = Reload::Changed)
{
    ThumbnailJob job;
    paths.resize(std::min<std::size_t>(paths.size(), ThumbnailLoader::SlotCount));
    job.Lanes[0] = std::move(paths);
    job.LoadLane = 1;
    job.Reload = reload;
    return job;
}

class ThumbnailLoaderTest : public ::testing::Test {
protected:
    // Frames dir/<name>1.CFA, <name>2.CFA, ... from base upwards.
    std::vector<std::string> Frames(const std::string& directory, const std::string& name, int count, int base)
    {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i) {
            paths.push_back(dir.Make(directory + "/" + name + std::to_string(i) + ".CFA"));
            WriteFrame(paths.back(), base + 40 * i);
        }
        return paths;
    }
    // Runs what the thread hands over until every slot of the lane has its picture.
    void RunUntilLoaded(int lane = 1)
    {
        const auto loaded = [&] {
            const ThumbnailLoader::LaneSnapshot snapshot = loader.Lane(lane);
            return std::all_of(snapshot.Pictures.begin(), snapshot.Pictures.begin() + snapshot.Count,
                               [](const auto& picture) { return picture != nullptr; });
        };
        while (!loaded()) {
            ASSERT_TRUE(ui.WaitForTask()) << "the loader stopped short";
            ui.RunPending();
        }
        ui.RunPending();
    }
    Pictures Current(int lane = 1) const { return loader.Lane(lane).Pictures; }

    testsupport::TempDir dir;
    testsupport::QueueDispatcher ui;
    std::vector<int> ready;  // slots in the order announced
    ThumbnailLoader loader{ui, [this](int slot) { ready.push_back(slot); }};
};

// Each job loads its load lane's slots in order; a frame without a picture
// gives a black one, and gamma out of range renders without a curve.
TEST_F(ThumbnailLoaderTest, LoadsTheFirstFiveFramesOfTheLoadLaneInOrder)
{
    const struct {
        const char* name;
        int frames;
        int unreadable;  // 1-based frame whose file is no frame, 0 for none
        std::int32_t correction;
        double gamma, renderedGamma;
    } rows[] = {
        {"seven frames", 7, 0, 0, 0.0, 0.0},
        {"two frames, day colours, gamma", 2, 0, 1, 2.2, 2.2},
        {"gamma above range", 3, 0, 3, 7.0, 0.0},
        {"an unreadable third", 4, 3, 0, 0.0, 0.0},
    };
    loader.Start();
    int record = 0;
    for (const auto& row : rows) {
        const std::vector<std::string> paths = Frames("r" + std::to_string(++record), "L1F", row.frames, 100);
        if (row.unreadable)
            testsupport::WriteFile(paths[static_cast<std::size_t>(row.unreadable - 1)], "not a frame");
        ThumbnailJob job = LeftLaneJob(paths);
        job.Lanes[1] = {paths[0]};  // another lane's frames wait until it is shown
        job.Correction = row.correction;
        job.Gamma = row.gamma;
        ready.clear();
        loader.HandOver(job);
        RunUntilLoaded();

        const int count = std::min(row.frames, ThumbnailLoader::SlotCount);
        ASSERT_EQ(loader.Lane(1).Count, count) << row.name;
        std::vector<int> order(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            order[static_cast<std::size_t>(i)] = i;
        EXPECT_EQ(ready, order) << row.name;
        const Pictures pictures = Current();
        for (int i = 0; i < count; ++i) {
            const CDibImage& picture = *pictures[static_cast<std::size_t>(i)];
            if (i + 1 == row.unreadable)
                EXPECT_TRUE(IsBlack5x5(picture)) << row.name;
            else
                EXPECT_TRUE(SamePicture(picture, Rendered(paths[static_cast<std::size_t>(i)], row.correction,
                                                          row.renderedGamma)))
                    << row.name << " slot " << i;
        }
        EXPECT_EQ(loader.Lane(2).Pictures[0], nullptr) << row.name;
    }
}

// A second hand-over keeps a slot's picture only as its reload kind says;
// the slots it drops are loaded again from the new names.
TEST_F(ThumbnailLoaderTest, AHandOverKeepsThePicturesItsReloadKindAllows)
{
    const std::vector<std::string> first = Frames("a", "L1F", 3, 100);
    const std::vector<std::string> moved = Frames("moved", "L1F", 3, 100);
    const std::string other = Frames("b", "X", 1, 900)[0];
    std::vector<std::string> upper = first;
    for (std::string& path : upper)
        std::transform(path.begin() + static_cast<std::ptrdiff_t>(dir.Path().size()), path.end(),
                       path.begin() + static_cast<std::ptrdiff_t>(dir.Path().size()),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    const struct {
        const char* name;
        std::vector<std::string> second;
        Reload reload;
        std::array<bool, 3> kept;
    } rows[] = {
        {"colours changed", first, Reload::Changed, {true, true, true}},
        {"names differ in case only", upper, Reload::Changed, {true, true, true}},
        {"the third file changed", {first[0], first[1], other}, Reload::Changed, {true, true, false}},
        {"another record set up", first, Reload::All, {false, false, false}},
        {"the record moved", moved, Reload::Moved, {true, true, true}},
        {"another record with the same names", moved, Reload::Changed, {false, false, false}},
    };
    loader.Start();
    for (const auto& row : rows) {
        loader.HandOver(LeftLaneJob(first, Reload::All));
        RunUntilLoaded();
        const Pictures before = Current();
        ready.clear();
        loader.HandOver(LeftLaneJob(row.second, row.reload));
        const Pictures handedOver = Current();
        RunUntilLoaded();
        const Pictures after = Current();
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(handedOver[i] == before[i], row.kept[i]) << row.name << " slot " << i;
            EXPECT_EQ(after[i] == before[i], row.kept[i]) << row.name << " slot " << i;
            EXPECT_TRUE(SamePicture(*after[i], Rendered(row.kept[i] ? first[i] : row.second[i]))) << row.name << " slot " << i;
        }
        EXPECT_EQ(ready.size(), static_cast<std::size_t>(std::count(row.kept.begin(), row.kept.end(), false)))
            << row.name;
    }
}

// Another record set up while the third (and largest) frame renders: that
// picture is dropped, and the new record's slots load from the first on.
TEST_F(ThumbnailLoaderTest, AWithdrawnJobsPictureIsDroppedAndTheNewJobStartsAtItsFirstSlot)
{
    std::vector<std::string> first = Frames("a", "L1F", 5, 100);
    WriteFrame(first[2], 500, 1144, 790);
    const std::vector<std::string> second = Frames("b", "L1F", 5, 300);
    loader.Start();
    loader.HandOver(LeftLaneJob(first));
    while (ready.size() < 2) {
        ASSERT_TRUE(ui.WaitForTask());
        ui.RunPending();
    }
    loader.HandOver(LeftLaneJob(second));
    ready.clear();
    RunUntilLoaded();
    EXPECT_EQ(ready, (std::vector<int>{0, 1, 2, 3, 4}));
    const Pictures pictures = Current();
    for (std::size_t i = 0; i < second.size(); ++i)
        EXPECT_TRUE(SamePicture(*pictures[i], Rendered(second[i]))) << "slot " << i;
}

// The user switches records and lanes faster than frames render, while the
// strip repaints: the last job wins, and every picture is its own frame's.
TEST_F(ThumbnailLoaderTest, RecordsAndLanesChangingWhileTheLoaderWorksEndWithTheLastJob)
{
    std::array<ThumbnailJob, 2> records;
    for (std::size_t r = 0; r < records.size(); ++r)
        for (int lane = 1; lane <= 3; ++lane)
            records[r].Lanes[static_cast<std::size_t>(lane - 1)] =
                Frames("r" + std::to_string(r), "L" + std::to_string(lane) + "F", 3 + lane % 3,
                       static_cast<int>(100 + 600 * r + 150 * lane));
    loader.Start();
    ThumbnailJob job;
    for (int step = 0; step < 40; ++step) {
        job = records[static_cast<std::size_t>(step % 2)];
        job.LoadLane = 1 + step / 2 % 3;
        job.Reload = step % 5 == 0 ? Reload::All : Reload::Changed;
        loader.HandOver(job);
        if (step % 3 == 0)
            loader.Withdraw();
        for (const auto& picture : Current(job.LoadLane)) {
            if (picture) {
                EXPECT_NE(picture->Bits(), nullptr);
            }
        }
        ui.RunPending();
    }
    loader.HandOver(job);
    RunUntilLoaded(job.LoadLane);
    const std::vector<std::string>& paths = job.Lanes[static_cast<std::size_t>(job.LoadLane - 1)];
    const Pictures pictures = Current(job.LoadLane);
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_TRUE(SamePicture(*pictures[i], Rendered(paths[i]))) << "slot " << i;
}

// The record directory moves while its lane loads. Locked, the loader reads
// nothing; the job handed over before the unlock names the moved files, so no
// slot comes out black.
TEST_F(ThumbnailLoaderTest, UnderTheLockTheRecordMovesAndItsThumbnailsStillLoad)
{
    const std::vector<std::string> before = Frames("root/rec", "L1F", 5, 100);
    loader.Start();
    loader.HandOver(LeftLaneJob(before));
    loader.Lock();
    std::filesystem::rename(dir.Path() + "root/rec", dir.MakeDir("root/!CONFIRMED") + "rec");
    std::vector<std::string> after;
    for (int i = 1; i <= 5; ++i)
        after.push_back(dir.Path() + "root/!CONFIRMED/rec/L1F" + std::to_string(i) + ".CFA");
    loader.HandOver(LeftLaneJob(after, Reload::Moved));
    loader.Unlock();
    RunUntilLoaded();
    const Pictures pictures = Current();
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_TRUE(SamePicture(*pictures[i], Rendered(after[i]))) << "slot " << i;
}

// A stop, like the end of the loader, drops every announcement not yet run.
TEST_F(ThumbnailLoaderTest, AStopDropsTheAnnouncementsNotYetRun)
{
    const struct { const char* name; bool destroy; } rows[] = {{"stop", false}, {"end of the loader", true}};
    for (const auto& row : rows) {
        testsupport::QueueDispatcher queue;
        int announced = 0;
        auto own = std::make_unique<ThumbnailLoader>(queue, [&](int) { ++announced; });
        own->Start();
        own->HandOver(LeftLaneJob(Frames(row.name, "L1F", 2, 100)));
        ASSERT_TRUE(queue.WaitForTask()) << row.name;
        if (row.destroy)
            own.reset();
        else
            own->Stop();
        queue.RunPending();
        EXPECT_EQ(announced, 0) << row.name;
    }
}

}  // namespace
