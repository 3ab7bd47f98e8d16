#include "platform/MusicCache.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace varnholt {

namespace fs = std::filesystem;

std::string musicCacheFolderFrom(const char *xdgCacheHome, const char *home)
{
    // A relative XDG_CACHE_HOME is invalid and must be ignored.
    std::string base;
    if (xdgCacheHome && xdgCacheHome[0] == '/')
        base = xdgCacheHome;
    else if (home && home[0] == '/')
        base = std::string(home) + "/.cache";
    else
        return {};
    return base + "/varnholt-slots/music";
}

std::string musicCacheFolder()
{
    return musicCacheFolderFrom(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
}

namespace {

// FNV-1a, 64 bits; two runs from different starts give a 128-bit name, plenty for a cache.
std::uint64_t fnv1a(std::uint64_t hash, const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace

std::string cachedPieceName(const std::vector<std::uint8_t> &midi, long long frames,
                            const std::string &synthIdentity)
{
    // "piece 2": with its tail, played until it falls silent.
    const std::string about = "piece 2 frames " + std::to_string(frames) + " " + synthIdentity;
    char name[48];
    std::uint64_t halves[2] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL};
    for (std::uint64_t &half : halves) {
        half = fnv1a(half, about.data(), about.size());
        half = fnv1a(half, midi.data(), midi.size());
    }
    std::snprintf(name, sizeof name, "%016llx%016llx.flac", static_cast<unsigned long long>(halves[0]),
                  static_cast<unsigned long long>(halves[1]));
    return name;
}

void pruneMusicCache(const std::string &folder, int keepDays)
{
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const bool partial = name.find(".part") != std::string::npos;
        const bool piece = !partial && entry.path().extension() == ".flac";
        if (!partial && !piece)
            continue; // not ours
        std::error_code timeError;
        const auto age = now - entry.last_write_time(timeError);
        if (timeError)
            continue;
        const auto limit = partial ? std::chrono::hours(24) : std::chrono::hours(24) * keepDays;
        if (age > limit)
            fs::remove(entry.path(), timeError);
    }
}

} // namespace varnholt
