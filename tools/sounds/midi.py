"""Writing standard MIDI files (format 1) from a list of notes."""

import struct

TICKS_PER_BEAT = 480


def _var_length(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(groups))


def _track(events):
    """events: (tick, order, message bytes); returns an MTrk chunk ending with End of Track."""
    body = bytearray()
    now = 0
    end = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        if message is None:  # the end marker
            end = max(end, tick)
            continue
        body += _var_length(tick - now) + message
        now = tick
    body += _var_length(max(end, now) - now) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


class Part:
    """One instrument on one channel."""

    def __init__(self, channel, program, volume=100, pan=64, reverb=70, chorus=0):
        self.channel = channel
        self.program = program
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.chorus = chorus
        self.notes = []  # (start beat, length in beats, key, velocity)

    def note(self, start, length, key, velocity):
        self.notes.append((start, length, key, max(1, min(127, int(velocity)))))


def write_song(path, tempo_bpm, beats_per_bar, parts, end_beat, name):
    """Writes the parts; the file ends exactly at end_beat."""
    def ticks(beat):
        return int(round(beat * TICKS_PER_BEAT))

    micro = int(round(60_000_000 / tempo_bpm))
    title = name.encode("ascii")
    conductor = [
        (0, 0, b"\xff\x03" + _var_length(len(title)) + title),
        (0, 1, b"\xff\x51\x03" + micro.to_bytes(3, "big")),
        (0, 2, bytes([0xFF, 0x58, 0x04, beats_per_bar, 2, 24, 8])),
        (ticks(end_beat), 9, None),
    ]
    chunks = [_track(conductor)]
    for part in parts:
        c = part.channel
        events = [(0, 0, bytes([0xB0 | c, 7, part.volume])),
                  (0, 1, bytes([0xB0 | c, 10, part.pan])),
                  (0, 2, bytes([0xB0 | c, 91, part.reverb])),
                  (0, 3, bytes([0xB0 | c, 93, part.chorus]))]
        if c != 9:
            events.append((0, 4, bytes([0xC0 | c, part.program])))
        for start, length, key, velocity in part.notes:
            on, off = ticks(start), ticks(start + length)
            if off <= on:
                off = on + 1
            # Note-offs sort before note-ons at the same tick, so repeated keys sound again.
            events.append((on, 6, bytes([0x90 | c, key, velocity])))
            events.append((off, 5, bytes([0x80 | c, key, 0])))
        events.append((ticks(end_beat), 9, None))
        chunks.append(_track(events))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TICKS_PER_BEAT)
    with open(path, "wb") as out:
        out.write(header + b"".join(chunks))
    return end_beat * 60.0 / tempo_bpm
