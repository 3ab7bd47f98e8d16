"""The five pieces of background music, in the mood of a castle of long ago.

Each piece is written as themes over chord charts and arranged section by section; the
accompaniment is derived from the charts. Instruments are General MIDI programs (numbered
from 0): recorder 74, flute 73, oboe 68, clarinet 71, French horn 60, strings 48/49,
cello 42, contrabass 43, pizzicato 45, harp 46, timpani 47, harpsichord 6, dulcimer 15,
nylon guitar (a lute) 24, choir 52. Drums, on channel 9, are kept sparse.
"""

from compose import (Section, new_rng, play_arpeggio, play_bass, play_drums, play_harmony,
                     play_melody, play_pad, timpani_roll)
from midi import Part

TAMBOURINE, LOW_BONGO, HIGH_BONGO, LOW_TOM, TRIANGLE = 54, 61, 60, 45, 81


def great_hall():
    """A round dance in D dorian, 3/4: recorder over a lute."""
    bpb, rng = 3, new_rng(100)
    intro = Section("Dm | C | Dm | Dm")
    a = Section("Dm | C | Dm | Am | F | F C | Dm C | Dm",
                "A4/1 D5/1.5 E5/0.5 | F5/1 E5/1 C5/1 | D5/1 A4/1 D5/1 | E5/2 C5/1 |"
                "C5/1 F5/1.5 G5/0.5 | A5/1 G5/1 E5/1 | F5/1 E5/0.5 D5/0.5 C5/1 | D5/3")
    b = Section("F | C | G | Dm | Am | G | A | Dm",
                "C6/1 A5/1 F5/1 | G5/1.5 F5/0.5 E5/1 | D5/1 G5/1 B5/1 | A5/2 F5/1 |"
                "E5/1 A5/1 C6/1 | B5/1 A5/0.5 G5/0.5 A5/1 | E5/1.5 C#5/0.5 E5/1 | D5/3")
    coda = Section("Dm | C | Am | Dm", "F5/1 E5/1 D5/1 | E5/1 C5/1 G4/1 | A4/1.5 C5/0.5 E5/1 | D5/3")

    recorder = Part(0, 74, volume=100, pan=70, reverb=80)
    second = Part(1, 73, volume=78, pan=50, reverb=80)
    lute = Part(2, 24, volume=105, pan=40, reverb=60)
    bass = Part(3, 42, volume=80, pan=64, reverb=60)
    strings = Part(4, 49, volume=60, pan=80, reverb=90)
    drums = Part(9, 0, volume=70, reverb=40)

    plan = [(intro, "lute bass"), (a, "lute bass melody"), (a, "lute bass melody harmony drums"),
            (b, "lute bass melody strings"), (b, "lute bass melody harmony strings drums"),
            (a, "lute bass melody harmony strings"), (coda, "lute bass melody strings")]
    beat = 0.0
    for section, layers in plan:
        play_arpeggio(lute, section, beat, bpb, 62, rng, step=0.5, order=(0, 2, 3, 1, 2, 3), base=50)
        play_bass(bass, section, beat, bpb, 70, rng, pattern=((0, 2.0, 0), (2 / 3, 1.0, 2)))
        if "melody" in layers:
            play_melody(recorder, section, beat, bpb, 82, rng)
        if "harmony" in layers:
            play_harmony(second, section, beat, bpb, 60, rng)
        if "strings" in layers:
            play_pad(strings, section, beat, bpb, 50, rng=rng)
        if "drums" in layers:
            play_drums(drums, len(section), beat, bpb, ((0, LOW_BONGO, 0), (1, TAMBOURINE, -18),
                                                       (2, TAMBOURINE, -14)), 64, rng)
        beat += len(section) * bpb
    return "The Great Hall", 100, bpb, [recorder, second, lute, bass, strings, drums], beat + 2


def ramparts():
    """A processional in C major, 4/4: French horn, strings and timpani."""
    bpb, rng = 4, new_rng(200)
    intro = Section("C | G | C | G",
                    "G4/1.5 G4/0.5 C5/2 | D5/1.5 B4/0.5 G4/2 | E5/1.5 E5/0.5 G5/2 | D5/3 r/1")
    a = Section("C | F C | Am | G | C | F | G | C",
                "G4/1.5 C5/0.5 E5/1 G5/1 | A5/1 F5/1 G5/1.5 E5/0.5 | C5/1 E5/1 A5/1.5 G5/0.5 |"
                "B4/1 D5/1 G5/2 | E5/1.5 G5/0.5 C6/2 | A5/1 C6/1 A5/1 F5/1 |"
                "G5/1 F5/0.5 E5/0.5 D5/1 B4/1 | C5/4")
    b = Section("Am | Em | F | C | Dm | G | E | Am",
                "A4/1 C5/1 E5/2 | B4/1 E5/1 G5/1.5 E5/0.5 | F5/2 A5/1 F5/1 | E5/3 D5/1 |"
                "D5/1 F5/1 A5/1.5 G5/0.5 | G5/1 B4/1 D5/2 | E5/1 G#5/1 B5/1.5 G#5/0.5 | A5/4")
    coda = Section("C F | C G | C | C", "E5/1 F5/1 G5/1 A5/1 | G5/2 D5/2 | C5/4 | C5/4")

    horn = Part(0, 60, volume=84, pan=60, reverb=85)
    oboe = Part(1, 68, volume=76, pan=80, reverb=80)
    strings = Part(2, 48, volume=64, pan=70, reverb=90)
    harpsichord = Part(3, 6, volume=62, pan=40, reverb=70)
    bass = Part(4, 43, volume=72, pan=64, reverb=70)
    timpani = Part(5, 47, volume=68, pan=64, reverb=80)
    second_horn = Part(6, 60, volume=68, pan=50, reverb=85)

    plan = [(intro, "horn timpani"), (a, "horn strings bass harpsichord"),
            (b, "oboe strings bass harpsichord hornpad"), (a, "horn harmony strings bass harpsichord timpani"),
            (b, "oboe horn2 strings bass harpsichord"), (coda, "horn harmony strings bass timpani")]
    beat = 0.0
    for section, layers in plan:
        if "horn" in layers.split():
            play_melody(horn, section, beat, bpb, 84, rng)
        if "oboe" in layers:
            play_melody(oboe, section, beat, bpb, 80, rng)
        if "harmony" in layers:
            play_harmony(second_horn, section, beat, bpb, 66, rng)
        if "horn2" in layers:
            play_harmony(second_horn, section, beat, bpb, 60, rng, low=50)
        if "hornpad" in layers:
            play_pad(second_horn, section, beat, bpb, 46, low=48, high=64, rng=rng)
        if "strings" in layers:
            play_pad(strings, section, beat, bpb, 58, low=48, high=67, rng=rng)
        if "bass" in layers:
            play_bass(bass, section, beat, bpb, 72, rng, pattern=((0, 2.0, 0), (0.5, 2.0, 2)))
        if "harpsichord" in layers:
            play_arpeggio(harpsichord, section, beat, bpb, 52, rng, step=0.5, order=(0, 1, 2, 1), base=55)
        if "timpani" in layers:
            for bar in range(len(section)):
                root = 36 if bar % 2 == 0 else 43  # C2 and G2
                timpani.note(beat + bar * bpb, 0.5, root, 80 + rng.randint(-6, 6))
                timpani.note(beat + bar * bpb + 3, 0.25, 43, 58 + rng.randint(-6, 6))
        beat += len(section) * bpb
    timpani_roll(timpani, beat - 2 * bpb, 2 * bpb - 0.5, 36, 50, 100)
    timpani.note(beat - 0.5, 0.5, 36, 110)
    return "The Ramparts", 92, bpb, [horn, oboe, strings, harpsichord, bass, timpani, second_horn], beat + 3


def minstrels_lament():
    """A slow song in A minor, 6/8: flute over harpsichord, with cello and strings."""
    bpb, rng = 3, new_rng(300)
    intro = Section("Am | G | F | E")
    a = Section("Am | G | F | E | Am | Dm | E | Am",
                "E5/1 A5/0.5 C6/1 B5/0.5 | D6/1 B5/0.5 G5/1.5 | A5/1 F5/0.5 C6/1 A5/0.5 | G#5/1.5 E5/1.5 |"
                "A5/1 B5/0.5 C6/1 D6/0.5 | F6/1 E6/0.5 D6/1 A5/0.5 | B5/1 C6/0.5 B5/1 G#5/0.5 | A5/3")
    b = Section("C | G | Am | Em | F | C | Dm E | Am",
                "G5/1 E5/0.5 C5/1 E5/0.5 | D5/1.5 G5/1.5 | A5/1 C6/0.5 B5/1 A5/0.5 | G5/1.5 E5/1.5 |"
                "F5/1 A5/0.5 C6/1 A5/0.5 | G5/1 E5/0.5 C5/1.5 | D5/1 F5/0.5 E5/1 G#5/0.5 | A5/3")
    coda = Section("Dm | E | Am | Am", "F5/1 E5/0.5 D5/1 F5/0.5 | E5/1.5 B4/1.5 | C5/1 B4/0.5 A4/1.5 | A4/3")

    flute = Part(0, 73, volume=98, pan=70, reverb=85)
    clarinet = Part(1, 71, volume=80, pan=45, reverb=85)
    harpsichord = Part(2, 6, volume=82, pan=50, reverb=70)
    cello = Part(3, 42, volume=86, pan=64, reverb=75)
    strings = Part(4, 49, volume=62, pan=80, reverb=95)
    harp = Part(5, 46, volume=80, pan=30, reverb=85)

    plan = [(intro, "harpsichord cello"), (a, "harpsichord cello melody"), (b, "harp cello melody strings"),
            (a, "harpsichord cello melody harmony strings"), (b, "harp harpsichord cello melody harmony"),
            (a, "harpsichord cello melody strings"), (coda, "harp cello melody strings")]
    beat = 0.0
    for section, layers in plan:
        if "harpsichord" in layers:
            play_arpeggio(harpsichord, section, beat, bpb, 58, rng, step=0.5, order=(0, 1, 2, 3, 2, 1), base=45)
        if "harp" in layers.split():
            play_arpeggio(harp, section, beat, bpb, 56, rng, step=0.5, order=(0, 2, 4, 3, 4, 2), base=48,
                          length=2.0)
        play_bass(cello, section, beat, bpb, 64, rng, pattern=((0, 1.5, 0), (0.5, 1.5, 2)))
        if "melody" in layers:
            play_melody(flute, section, beat, bpb, 80, rng)
        if "harmony" in layers:
            play_harmony(clarinet, section, beat, bpb, 58, rng, shortest=0.9)
        if "strings" in layers:
            play_pad(strings, section, beat, bpb, 46, low=52, high=71, rng=rng)
        beat += len(section) * bpb
    return "A Minstrel's Lament", 84, bpb, [flute, clarinet, harpsichord, cello, strings, harp], beat + 2


def market_gate():
    """A lively dance in G mixolydian, 4/4: oboe like a shawm, dulcimer, lute and hand drums."""
    bpb, rng = 4, new_rng(400)
    intro = Section("G | F | G | G")
    a = Section("G | F | G | Dm | G | C | F | G",
                "G5/0.5 A5/0.5 B5/1 D6/1 B5/1 | C6/1 A5/1 F5/1 A5/1 | B5/0.5 A5/0.5 G5/1 D5/1 G5/1 |"
                "A5/1 F5/1 D5/2 | G5/0.5 A5/0.5 B5/1 G5/1 D6/1 | E6/1 D6/0.5 C6/0.5 B5/1 G5/1 |"
                "A5/1 C6/1 F5/1 A5/0.5 G5/0.5 | G5/2 D5/1 G5/1")
    b = Section("C | G | C | D | Em | C | D | G",
                "E5/1 G5/1 C6/1.5 B5/0.5 | A5/0.5 B5/0.5 G5/1 D5/2 | E5/0.5 G5/0.5 C6/1 E6/1 C6/1 |"
                "D6/2 A5/2 | B5/1 G5/1 E5/1 G5/1 | C6/1 E6/1 D6/1 C6/1 |"
                "A5/1 F#5/1 A5/0.5 C6/0.5 B5/0.5 A5/0.5 | G5/4")
    coda = Section("F | G", "A5/1 C6/1 A5/1 F5/1 | G5/4")

    oboe = Part(0, 68, volume=92, pan=64, reverb=70)
    recorder = Part(1, 74, volume=80, pan=90, reverb=70)
    dulcimer = Part(2, 15, volume=78, pan=40, reverb=60)
    lute = Part(3, 24, volume=92, pan=85, reverb=55)
    bass = Part(4, 45, volume=92, pan=64, reverb=50)
    drums = Part(9, 0, volume=78, reverb=35)

    plan = [(intro, "dulcimer bass drums"), (a, "dulcimer bass melody drums"),
            (a, "lute bass melody harmony drums"), (b, "dulcimer lute bass melody"),
            (a, "dulcimer bass melody harmony drums"), (b, "lute bass melody harmony drums"),
            (a, "dulcimer lute bass melody harmony drums"), (coda, "dulcimer lute bass melody drums")]
    beat = 0.0
    for section, layers in plan:
        if "dulcimer" in layers:
            play_arpeggio(dulcimer, section, beat, bpb, 56, rng, step=0.5, order=(0, 2, 1, 2, 3, 2, 1, 2), base=55)
        if "lute" in layers:
            play_arpeggio(lute, section, beat, bpb, 60, rng, step=1.0, order=(0, 2, 1, 2), base=50)
        play_bass(bass, section, beat, bpb, 80, rng, pattern=((0, 1.0, 0), (0.25, 1.0, 2), (0.5, 1.0, 0),
                                                              (0.75, 1.0, 2)))
        if "melody" in layers:
            play_melody(oboe, section, beat, bpb, 78, rng, legato=0.85)
        if "harmony" in layers:
            play_harmony(recorder, section, beat, bpb, 58, rng)
        if "drums" in layers:
            play_drums(drums, len(section), beat, bpb, ((0, LOW_TOM, 0), (1, TAMBOURINE, -20), (1.5, HIGH_BONGO, -16),
                                                       (2, LOW_BONGO, -8), (3, TAMBOURINE, -20)), 70, rng)
        beat += len(section) * bpb
    drums.note(beat, 0.5, LOW_TOM, 90)
    return "Market at the Gate", 126, bpb, [oboe, recorder, dulcimer, lute, bass, drums], beat + 2


def night_watch():
    """A night piece in E minor, 4/4: harp, clarinet and flute, strings and choir."""
    bpb, rng = 4, new_rng(500)
    intro = Section("Em | Em")
    a = Section("Em | C | Am | B | Em | D | C B | Em",
                "B4/1 E5/1 G5/1.5 F#5/0.5 | E5/1.5 D5/0.5 C5/1 E5/1 | A5/2 G5/1 F#5/0.5 E5/0.5 |"
                "D#5/2 B4/2 | E5/1 G5/1 B5/1.5 A5/0.5 | F#5/1 A5/1 D5/2 | E5/1 C5/1 D#5/1 F#5/1 | E5/4")
    b = Section("G | D | Em | Bm | C | G | Am | B",
                "D5/1 G5/1 B5/2 | A5/1.5 F#5/0.5 D5/2 | E5/1 G5/1 B5/1 E6/1 | D6/2 B5/2 |"
                "C6/1 B5/0.5 A5/0.5 G5/1 E5/1 | D5/1 G5/1 B5/2 | A5/1 C6/1 B5/1 A5/1 | F#5/2 D#5/2")
    coda = Section("Am | B | Em | Em", "C5/1 E5/1 A5/2 | F#5/2 D#5/2 | E5/4 | E5/4")

    clarinet = Part(0, 71, volume=96, pan=56, reverb=90)
    flute = Part(1, 73, volume=90, pan=76, reverb=90)
    harp = Part(2, 46, volume=90, pan=40, reverb=85)
    strings = Part(3, 49, volume=70, pan=70, reverb=100)
    choir = Part(4, 52, volume=62, pan=64, reverb=110)
    bass = Part(5, 43, volume=78, pan=64, reverb=80)
    timpani = Part(6, 47, volume=85, pan=64, reverb=90)

    plan = [(intro, "harp"), (a, "harp strings bass clarinet"), (b, "harp choir bass flute"),
            (a, "harp strings bass clarinet harmony"), (coda, "harp strings choir bass clarinet")]
    beat = 0.0
    for section, layers in plan:
        play_arpeggio(harp, section, beat, bpb, 54, rng, step=0.5, order=(0, 1, 2, 4, 5, 4, 2, 1), base=40,
                      length=2.5)
        if "strings" in layers:
            play_pad(strings, section, beat, bpb, 48, low=52, high=71, rng=rng)
        if "choir" in layers:
            play_pad(choir, section, beat, bpb, 50, low=55, high=74, rng=rng)
        if "bass" in layers:
            play_bass(bass, section, beat, bpb, 62, rng, pattern=((0, 4.0, 0),), octave=2)
        if "clarinet" in layers:
            play_melody(clarinet, section, beat, bpb, 76, rng)
        if "flute" in layers:
            play_melody(flute, section, beat, bpb, 76, rng)
        if "harmony" in layers:
            play_harmony(flute, section, beat, bpb, 56, rng, low=60)
        beat += len(section) * bpb
    timpani_roll(timpani, beat - bpb, bpb - 0.5, 40, 36, 84)
    timpani.note(beat - 0.5, 1.0, 40, 92)
    return "Night Watch in the Tower", 66, bpb, [clarinet, flute, harp, strings, choir, bass, timpani], beat + 2


PIECES = [great_hall, ramparts, minstrels_lament, market_gate, night_watch]
