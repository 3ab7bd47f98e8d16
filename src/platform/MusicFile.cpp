#include "platform/MusicFile.h"

#include <algorithm>
#include <map>

namespace varnholt {

namespace {

class Reader {
public:
    Reader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return pos_ >= size_; }
    std::size_t left() const { return size_ - pos_; }
    bool byte(std::uint8_t &out)
    {
        if (atEnd())
            return false;
        out = data_[pos_++];
        return true;
    }
    bool peek(std::uint8_t &out) const
    {
        if (atEnd())
            return false;
        out = data_[pos_];
        return true;
    }
    bool bigEndian(int bytes, std::uint32_t &out)
    {
        out = 0;
        for (int i = 0; i < bytes; ++i) {
            std::uint8_t b;
            if (!byte(b))
                return false;
            out = (out << 8) | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes, seven bits each.
    bool varLength(std::uint32_t &out)
    {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b))
                return false;
            out = (out << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool skip(std::uint32_t count)
    {
        if (count > left())
            return false;
        pos_ += count;
        return true;
    }
    bool tag(const char *fourLetters)
    {
        if (left() < 4 || !std::equal(fourLetters, fourLetters + 4, data_ + pos_))
            return false;
        pos_ += 4;
        return true;
    }
    const std::uint8_t *here() const { return data_ + pos_; }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

struct TrackScan {
    std::uint64_t endTick = 0;
    int notes = 0;
};

bool fail(std::string *error, const char *why)
{
    if (error)
        *error = why;
    return false;
}

// Walks one track's events, noting tempo changes into tempos (tick -> microseconds per beat).
bool scanTrack(Reader track, TrackScan &scan, std::map<std::uint64_t, std::uint32_t> &tempos,
               std::string *error)
{
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.atEnd()) {
        std::uint32_t delta;
        if (!track.varLength(delta))
            return fail(error, "a track of the file is cut short");
        tick += delta;
        std::uint8_t status;
        if (!track.peek(status))
            return fail(error, "a track of the file is cut short");
        if (status & 0x80)
            track.byte(status);
        else if (running)
            status = running; // running status: the data byte is read below
        else
            return fail(error, "the file holds an event without a status");

        if (status == 0xFF) {
            std::uint8_t type;
            std::uint32_t length;
            if (!track.byte(type) || !track.varLength(length) || length > track.left())
                return fail(error, "a track of the file is cut short");
            if (type == 0x51 && length == 3) {
                const std::uint8_t *p = track.here();
                const std::uint32_t perBeat = (p[0] << 16) | (p[1] << 8) | p[2];
                if (perBeat > 0)
                    tempos[tick] = perBeat;
            }
            track.skip(length);
            if (type == 0x2F)
                break;
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t length;
            if (!track.varLength(length) || !track.skip(length))
                return fail(error, "a track of the file is cut short");
        } else if (status >= 0x80 && status < 0xF0) {
            running = status;
            const int kind = status & 0xF0;
            const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            std::uint8_t data[2] = {0, 0};
            for (int i = 0; i < dataBytes; ++i)
                if (!track.byte(data[i]) || (data[i] & 0x80))
                    return fail(error, "a track of the file is damaged");
            if (kind == 0x90 && data[1] > 0)
                ++scan.notes;
        } else {
            return fail(error, "the file holds an unknown event");
        }
    }
    scan.endTick = tick;
    return true;
}

} // namespace

std::optional<MidiPiece> readMidiPiece(const std::vector<std::uint8_t> &bytes, std::string *error)
{
    Reader file(bytes.data(), bytes.size());
    std::uint32_t headerLength, format, trackCount, division;
    if (!file.tag("MThd") || !file.bigEndian(4, headerLength) || headerLength < 6 ||
        !file.bigEndian(2, format) || !file.bigEndian(2, trackCount) || !file.bigEndian(2, division) ||
        !file.skip(headerLength - 6)) {
        fail(error, "it is not a standard MIDI file");
        return std::nullopt;
    }
    if (format > 1) {
        fail(error, "its MIDI format is not supported");
        return std::nullopt;
    }
    if (division == 0 || trackCount == 0) {
        fail(error, "it is not a standard MIDI file");
        return std::nullopt;
    }

    std::map<std::uint64_t, std::uint32_t> tempos{{0, 500000}};
    MidiPiece piece;
    std::uint64_t endTick = 0;
    for (std::uint32_t found = 0; found < trackCount;) {
        std::uint32_t length;
        const bool isTrack = file.tag("MTrk");
        if (!isTrack && !file.skip(4)) {
            fail(error, "the file has fewer tracks than it announces");
            return std::nullopt;
        }
        if (!file.bigEndian(4, length) || length > file.left()) {
            fail(error, "the file is cut short");
            return std::nullopt;
        }
        if (isTrack) {
            TrackScan scan;
            if (!scanTrack(Reader(file.here(), length), scan, tempos, error))
                return std::nullopt;
            endTick = std::max(endTick, scan.endTick);
            piece.notes += scan.notes;
            ++found;
        }
        file.skip(length); // chunks of unknown kinds are passed over
    }
    if (piece.notes == 0) {
        fail(error, "it holds no notes");
        return std::nullopt;
    }

    if (division & 0x8000) {
        // Time code: frames per second in the high byte (negative), ticks per frame below.
        const int framesPerSecond = 256 - static_cast<int>(division >> 8);
        const int ticksPerFrame = static_cast<int>(division & 0xFF);
        if (framesPerSecond <= 0 || ticksPerFrame == 0) {
            fail(error, "it is not a standard MIDI file");
            return std::nullopt;
        }
        piece.seconds = static_cast<double>(endTick) / (framesPerSecond * ticksPerFrame);
        return piece;
    }
    // Beats: sum each stretch of the tempo map up to the end.
    std::uint64_t tick = 0;
    std::uint32_t perBeat = 500000;
    for (const auto &[at, tempo] : tempos) {
        if (at >= endTick)
            break;
        piece.seconds += static_cast<double>(at - tick) * perBeat / 1e6 / division;
        tick = at;
        perBeat = tempo;
    }
    piece.seconds += static_cast<double>(endTick - tick) * perBeat / 1e6 / division;
    return piece;
}

} // namespace varnholt
