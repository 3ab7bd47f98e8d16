#include "platform/MusicCache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace varnholt;
namespace fs = std::filesystem;

TEST(MusicCache, FolderFollowsTheCacheConventions)
{
    EXPECT_EQ(musicCacheFolderFrom("/x/cache", "/home/p"), "/x/cache/varnholt-slots/music");
    // A relative XDG_CACHE_HOME is invalid: the home's .cache instead.
    EXPECT_EQ(musicCacheFolderFrom("cache", "/home/p"), "/home/p/.cache/varnholt-slots/music");
    EXPECT_EQ(musicCacheFolderFrom(nullptr, "/home/p"), "/home/p/.cache/varnholt-slots/music");
    EXPECT_EQ(musicCacheFolderFrom(nullptr, nullptr), "");
    EXPECT_EQ(musicCacheFolderFrom("", "relative"), "");
}

TEST(MusicCache, NameChangesWithEverythingTheSoundDependsOn)
{
    const std::vector<std::uint8_t> piece{'M', 'T', 'h', 'd', 1, 2, 3};
    const std::string name = cachedPieceName(piece, 1000, "synth A");
    EXPECT_EQ(name, cachedPieceName(piece, 1000, "synth A"));
    EXPECT_EQ(name.size(), 32u + 5u);
    EXPECT_EQ(name.substr(32), ".flac");

    std::vector<std::uint8_t> other = piece;
    other.back() = 4;
    EXPECT_NE(name, cachedPieceName(other, 1000, "synth A"));
    EXPECT_NE(name, cachedPieceName(piece, 1001, "synth A"));
    EXPECT_NE(name, cachedPieceName(piece, 1000, "synth B"));
}

TEST(MusicCache, PruningKeepsWhatWasPlayedRecentlyAndWhatIsNotOurs)
{
    const fs::path dir = fs::temp_directory_path() / ("varnholt-prune-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto make = [&](const std::string &name, std::chrono::hours age) {
        std::ofstream(dir / name) << "x";
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - age);
    };
    using std::chrono::hours;
    make("recent.flac", hours(24 * 10));
    make("old.flac", hours(24 * 61));
    make("new.flac.part123", hours(1));    // a renderer may be writing it
    make("stale.flac.part456", hours(25)); // left by a renderer that died
    make("notes.txt", hours(24 * 400));

    pruneMusicCache(dir.string());
    EXPECT_TRUE(fs::exists(dir / "recent.flac"));
    EXPECT_FALSE(fs::exists(dir / "old.flac"));
    EXPECT_TRUE(fs::exists(dir / "new.flac.part123"));
    EXPECT_FALSE(fs::exists(dir / "stale.flac.part456"));
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
    pruneMusicCache((dir / "absent").string()); // no folder yet: nothing to do, no throw
    fs::remove_all(dir);
}
