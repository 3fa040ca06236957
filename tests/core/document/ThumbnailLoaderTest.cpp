// The thumbnail loader's thread protocol: which slots a hand-over keeps and
// loads, what a frame without a picture shows, and that a withdrawn job or a
// record moved under the lock leaves nothing stale, whichever thread runs first.
#include "document/ThumbnailLoader.h"

#include "CfaFileWriter.h"
#include "QueueDispatcher.h"
#include "ReviewRecordWriter.h"
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
#include <functional>
#include <thread>

namespace {

using Reload = ThumbnailJob::ReloadKind;
using Paths = std::vector<std::string>;

// What the detailed view renders of the frame with the thumbnails' settings.
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

// What a frame that gives no picture shows.
bool IsBlack(const CDibImage& picture)
{
    return picture.Width() == 5 && picture.Height() == 5 &&
           std::all_of(picture.Bits(), picture.Bits() + 5 * picture.Stride(), [](auto b) { return b == 0; });
}

ThumbnailJob LeftLane(Paths paths, Reload reload = Reload::Changed)
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
    // A record directory root/name with frames in its lanes; the paths of one lane.
    Paths Record(const std::string& name, std::array<int, 3> lanes, int lane = 1)
    {
        const std::string directory = testsupport::WriteReviewRecord(dir.Path(), {name, 0, lanes, {}, {}});
        Paths paths;
        for (int frame = 1; frame <= lanes[static_cast<std::size_t>(lane - 1)]; ++frame)
            paths.push_back(testsupport::ReviewLaneFramePath(directory, lane, frame));
        return paths;
    }
    // Runs what the thread hands over until every slot of the lane has its picture.
    void RunUntilLoaded(int lane = 1)
    {
        const auto loaded = [&] {
            const ThumbnailLoader::LaneSnapshot thumbs = loader.Lane(lane);
            return std::all_of(thumbs.Pictures.begin(), thumbs.Pictures.begin() + thumbs.Count,
                               [](const auto& picture) { return picture != nullptr; });
        };
        while (!loaded()) {
            ASSERT_TRUE(ui.WaitForTask()) << "the loader stopped short";
            ui.RunPending();
        }
        ui.RunPending();
    }
    void ExpectRendered(const Paths& paths, int lane = 1, std::int32_t correction = 0, double gamma = 0.0)
    {
        const ThumbnailLoader::LaneSnapshot thumbs = loader.Lane(lane);
        for (std::size_t i = 0; i < paths.size() && i < thumbs.Pictures.size(); ++i)
            EXPECT_TRUE(SamePicture(*thumbs.Pictures[i], Rendered(paths[i], correction, gamma))) << "slot " << i;
    }

    testsupport::TempDir dir;
    testsupport::QueueDispatcher ui;
    std::vector<int> ready;  // slots in the order announced
    ThumbnailLoader loader{ui, [this](int slot) { ready.push_back(slot); }};
};

// The load lane's slots load in order, other lanes wait, and gamma out of
// range renders without a curve. A frame without a picture is black: see
// FramesCutShortOrDeletedWhileLoadingEndWholeOrBlack.
TEST_F(ThumbnailLoaderTest, LoadsTheFirstFiveFramesOfTheLoadLaneInOrder)
{
    const struct {
        int frames;
        std::int32_t correction;
        double gamma, renderedGamma;
        std::vector<int> order;
    } rows[] = {
        {7, 0, 0.0, 0.0, {0, 1, 2, 3, 4}},
        {2, 1, 2.2, 2.2, {0, 1}},
        {3, 3, 7.0, 0.0, {0, 1, 2}},
    };
    loader.Start();
    for (const auto& row : rows) {
        const Paths paths = Record("r" + std::to_string(row.frames), {row.frames, 1, 0});
        ThumbnailJob job = LeftLane(paths);
        job.Lanes[1] = {paths[0]};
        job.Correction = row.correction;
        job.Gamma = row.gamma;
        ready.clear();
        loader.HandOver(job);
        RunUntilLoaded();
        EXPECT_EQ(ready, row.order) << row.frames;
        ExpectRendered(paths, 1, row.correction, row.renderedGamma);
        EXPECT_EQ(loader.Lane(2).Pictures[0], nullptr) << "another lane waits until it is shown";
    }
}

// A second hand-over keeps a slot's picture only as its reload kind says;
// the slots it drops load again from the new names.
TEST_F(ThumbnailLoaderTest, AHandOverKeepsThePicturesItsReloadKindAllows)
{
    const Paths first = Record("a", {3, 0, 0});
    const Paths moved = Record("moved", {3, 0, 0});
    Paths upper = first;
    for (std::string& path : upper)
        std::transform(path.begin() + std::ptrdiff_t(dir.Path().size()), path.end(),
                       path.begin() + std::ptrdiff_t(dir.Path().size()), [](char c) { return char(std::toupper(c)); });
    const struct {
        const char* name;
        Paths second;
        Reload reload;
        std::array<bool, 3> kept;
    } rows[] = {
        {"names differ in case only", upper, Reload::Changed, {true, true, true}},
        {"the third file changed", {first[0], first[1], Record("b", {0, 1, 0}, 2)[0]}, Reload::Changed, {true, true, false}},
        {"another record set up", first, Reload::All, {false, false, false}},
        {"the record moved", moved, Reload::Moved, {true, true, true}},
        {"another record, the same names", moved, Reload::Changed, {false, false, false}},
    };
    loader.Start();
    for (const auto& row : rows) {
        loader.HandOver(LeftLane(first, Reload::All));
        RunUntilLoaded();
        const auto before = loader.Lane(1).Pictures;
        ready.clear();
        loader.HandOver(LeftLane(row.second, row.reload));
        const auto handedOver = loader.Lane(1).Pictures;
        RunUntilLoaded();
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(handedOver[i] == before[i], row.kept[i]) << row.name << " slot " << i;
            const CDibImage expected = Rendered(row.kept[i] ? first[i] : row.second[i]);
            EXPECT_TRUE(SamePicture(*loader.Lane(1).Pictures[i], expected)) << row.name << " slot " << i;
        }
        EXPECT_EQ(ready.size(), std::size_t(std::count(row.kept.begin(), row.kept.end(), false))) << row.name;
    }
}

// Another record set up while the third (and largest) frame renders: that
// picture is dropped, and the new record's slots load from the first on.
TEST_F(ThumbnailLoaderTest, AWithdrawnJobsPictureIsDroppedAndTheNewJobStartsAtItsFirstSlot)
{
    const Paths first = Record("a", {5, 0, 0});
    testsupport::WriteCfaFile(first[2], {testsupport::LaneFrameHeader(1144, 790), {}});
    const Paths second = Record("b", {5, 0, 0});
    loader.Start();
    loader.HandOver(LeftLane(first));
    while (ready.size() < 2) {
        ASSERT_TRUE(ui.WaitForTask());
        ui.RunPending();
    }
    loader.HandOver(LeftLane(second));
    ready.clear();
    RunUntilLoaded();
    EXPECT_EQ(ready, (std::vector<int>{0, 1, 2, 3, 4}));
    ExpectRendered(second);
}

// Records, lanes and withdrawals faster than frames render, while the strip
// repaints: the last job wins.
TEST_F(ThumbnailLoaderTest, RecordsAndLanesChangingWhileTheLoaderWorksEndWithTheLastJob)
{
    std::array<ThumbnailJob, 2> records;
    for (std::size_t r = 0; r < records.size(); ++r)
        for (int lane = 1; lane <= 3; ++lane)
            records[r].Lanes[std::size_t(lane - 1)] = Record("r" + std::to_string(r), {4, 3, 5}, lane);
    loader.Start();
    ThumbnailJob job;
    for (int step = 0; step < 40; ++step) {
        job = records[std::size_t(step % 2)];
        job.LoadLane = 1 + step / 2 % 3;
        job.Reload = step % 5 == 0 ? Reload::All : Reload::Changed;
        loader.HandOver(job);
        if (step % 3 == 0)
            loader.Withdraw();
        for (const auto& picture : loader.Lane(job.LoadLane).Pictures)
            EXPECT_TRUE(!picture || picture->Bits());
        ui.RunPending();
    }
    loader.HandOver(job);
    RunUntilLoaded(job.LoadLane);
    ExpectRendered(job.Lanes[std::size_t(job.LoadLane - 1)], job.LoadLane);
}

// Locked, the loader reads nothing while the record directory moves; the
// job handed over before the unlock names the moved files, so none is black.
TEST_F(ThumbnailLoaderTest, UnderTheLockTheRecordMovesAndItsThumbnailsStillLoad)
{
    const Paths before = Record("rec", {5, 0, 0});
    loader.Start();
    loader.HandOver(LeftLane(before));
    loader.Lock();
    std::filesystem::rename(dir.Path() + "rec", dir.MakeDir("!CONFIRMED") + "rec");
    Paths after;
    for (const std::string& path : before)
        after.push_back(dir.Path() + "!CONFIRMED/" + path.substr(dir.Path().size()));
    loader.HandOver(LeftLane(after, Reload::Moved));
    loader.Unlock();
    RunUntilLoaded();
    ExpectRendered(after);
}

// Another officer's program cuts the lane's frame files short or deletes them
// while the loader reads them: each slot ends with the whole picture it read
// before the damage, or black, never half a frame; no wait outlasts the
// damage, and a reload of the damaged files shows every slot black.
TEST_F(ThumbnailLoaderTest, FramesCutShortOrDeletedWhileLoadingEndWholeOrBlack)
{
    const auto cut = [](std::uintmax_t size) {
        return [size](const std::string& path) { std::filesystem::resize_file(path, size); };
    };
    const struct {
        std::string name;
        std::function<void(const std::string&)> damage;
    } rows[] = {
        {"emptied", cut(0)},
        {"header only", cut(CfaHeader::Size)},
        {"cut inside the samples", cut(CfaHeader::Size + 1144 * 120)},
        {"one byte short", [](const std::string& path) {
             std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1);
         }},
        {"deleted", [](const std::string& path) { std::filesystem::remove(path); }},
    };
    loader.Start();
    // The kernel lets a read and a cut overlap only briefly: a few rounds
    // each give the overlap its chance.
    for (int round = 0; round < 12; ++round) {
        const auto& row = rows[std::size_t(round) % std::size(rows)];
        const Paths paths = Record(row.name + std::to_string(round), {5, 0, 0});
        std::vector<CDibImage> whole;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            testsupport::WriteCfaFile(paths[i], testsupport::TexturedLaneFrame(1144, 240, int(i) + 1));
            whole.push_back(Rendered(paths[i]));
        }
        loader.HandOver(LeftLane(paths, Reload::All));
        std::thread other([&] {
            for (const std::string& path : paths) {
                row.damage(path);
                std::this_thread::yield();
            }
        });
        RunUntilLoaded();
        other.join();
        const ThumbnailLoader::LaneSnapshot racing = loader.Lane(1);
        for (std::size_t i = 0; i < paths.size(); ++i)
            EXPECT_TRUE(IsBlack(*racing.Pictures[i]) || SamePicture(*racing.Pictures[i], whole[i]))
                << row.name << " slot " << i;
        loader.HandOver(LeftLane(paths, Reload::All));
        RunUntilLoaded();
        for (std::size_t i = 0; i < paths.size(); ++i)
            EXPECT_TRUE(IsBlack(*loader.Lane(1).Pictures[i])) << row.name << " slot " << i << " after the damage";
    }
}

}  // namespace
