"""Turning written themes and chord charts into notes: melody, harmony voice, accompaniment."""

import random

NOTE_CLASSES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITIES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "dim": (0, 3, 6), "sus4": (0, 5, 7)}


def key_number(name):
    """'F#4' -> 66 (middle C is C4 = 60)."""
    letter, rest = name[0], name[1:]
    pitch = NOTE_CLASSES[letter]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return pitch + 12 * (int(rest) + 1)


def chord(symbol):
    """'F#m' -> (root pitch class, intervals)."""
    root = NOTE_CLASSES[symbol[0]]
    rest = symbol[1:]
    if rest[:1] in ("#", "b"):
        root += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return root % 12, QUALITIES[rest]


def chord_classes(symbol):
    root, intervals = chord(symbol)
    return [(root + i) % 12 for i in intervals]


def melody_bar(text):
    """'D5/1 E5/0.5 r/0.5' -> [(offset, length, key or None)]."""
    notes, at = [], 0.0
    for token in text.split():
        name, length = token.split("/")
        length = float(length)
        notes.append((at, length, None if name == "r" else key_number(name)))
        at += length
    return notes


class Section:
    """A run of bars: one chord chart (a bar may hold several chords, sharing it evenly)
    and optionally a melody written bar by bar."""

    def __init__(self, chords, melody=None):
        self.chords = [bar.split() for bar in chords.split("|")]
        self.melody = [melody_bar(bar) for bar in melody.split("|")] if melody else None
        if self.melody and len(self.melody) != len(self.chords):
            raise ValueError("melody and chords differ in bar count")

    def __len__(self):
        return len(self.chords)


def chord_spans(section, start, beats_per_bar):
    """(start beat, length, symbol) for every chord of the section placed at start."""
    spans = []
    for bar, symbols in enumerate(section.chords):
        each = beats_per_bar / len(symbols)
        for i, symbol in enumerate(symbols):
            spans.append((start + bar * beats_per_bar + i * each, each, symbol))
    return spans


def chord_at(spans, beat):
    for at, length, symbol in spans:
        if at <= beat < at + length:
            return symbol
    return spans[-1][2]


def play_melody(part, section, start, beats_per_bar, velocity, rng, accent=12, legato=0.95):
    for bar, notes in enumerate(section.melody):
        for offset, length, key in notes:
            if key is None:
                continue
            on_beat = offset == int(offset)
            v = velocity + (accent if offset == 0 else 0) + (4 if on_beat else 0) + rng.randint(-4, 4)
            part.note(start + bar * beats_per_bar + offset, length * legato, key, v)


def play_harmony(part, section, start, beats_per_bar, velocity, rng, shortest=1.0, low=55):
    """A second voice a third or sixth under the melody, on chord tones, for the longer notes."""
    spans = chord_spans(section, start, beats_per_bar)
    for bar, notes in enumerate(section.melody):
        for offset, length, key in notes:
            if key is None or length < shortest:
                continue
            at = start + bar * beats_per_bar + offset
            classes = chord_classes(chord_at(spans, at))
            below = [k for k in range(key - 9, key - 2) if k % 12 in classes and k >= low]
            if below:
                part.note(at, length * 0.95, max(below), velocity + rng.randint(-4, 4))


def _voicing(classes, previous, low, high):
    """The chord's tones within [low, high], three voices, moving as little as possible."""
    candidates = []
    for base in range(low, high - 6):
        if base % 12 not in classes:
            continue
        voice = [base]
        for k in range(base + 1, high + 1):
            if k % 12 in classes and k % 12 not in [v % 12 for v in voice]:
                voice.append(k)
            if len(voice) == 3:
                break
        if len(voice) == 3:
            candidates.append(voice)
    if previous is None:
        return candidates[len(candidates) // 2]
    return min(candidates, key=lambda v: sum(abs(a - b) for a, b in zip(v, previous)))


def play_pad(part, section, start, beats_per_bar, velocity, low=52, high=72, rng=None):
    previous = None
    for at, length, symbol in chord_spans(section, start, beats_per_bar):
        voice = _voicing(chord_classes(symbol)[:3], previous, low, high)
        for key in voice:
            part.note(at, length * 0.98, key, velocity + (rng.randint(-3, 3) if rng else 0))
        previous = voice


def play_bass(part, section, start, beats_per_bar, velocity, rng, pattern=((0, 1.0, 0),), octave=2):
    """pattern: (offset in the chord's span as a fraction, length in beats, chord-tone index)."""
    for at, length, symbol in chord_spans(section, start, beats_per_bar):
        root, intervals = chord(symbol)
        for fraction, note_length, index in pattern:
            offset = fraction * length
            if offset >= length:
                continue
            key = 12 * (octave + 1) + root + intervals[index % len(intervals)] + 12 * (index // len(intervals))
            part.note(at + offset, min(note_length, length - offset), key, velocity + rng.randint(-4, 4))


def play_arpeggio(part, section, start, beats_per_bar, velocity, rng, step, order, base=48, length=None):
    """Broken chords: every step beats the next chord tone in order (indexes into the chord's
    tones stacked upward from the first root at or above base)."""
    for at, span, symbol in chord_spans(section, start, beats_per_bar):
        root, intervals = chord(symbol)
        bottom = base + (root - base) % 12
        tones = [bottom + i + 12 * octave for octave in range(3) for i in intervals[:3]]
        count = int(round(span / step))
        for n in range(count):
            key = tones[order[n % len(order)]]
            accent = 8 if n == 0 else 0
            part.note(at + n * step, length or step * 1.6, key, velocity + accent + rng.randint(-5, 5))


def play_drums(part, bars, start, beats_per_bar, hits, velocity, rng):
    """hits: (offset in the bar, drum key, velocity change) repeated each bar."""
    for bar in range(bars):
        for offset, key, change in hits:
            part.note(start + bar * beats_per_bar + offset, 0.2, key, velocity + change + rng.randint(-6, 6))


def timpani_roll(part, start, length, key, low_velocity, high_velocity):
    strokes = int(length / 0.125)
    for n in range(strokes):
        v = low_velocity + (high_velocity - low_velocity) * n / max(1, strokes - 1)
        part.note(start + n * 0.125, 0.12, key, v)


def new_rng(seed):
    return random.Random(seed)
