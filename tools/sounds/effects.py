"""The six sound effects, synthesised sample by sample (44.1 kHz, 16-bit mono)."""

import math
import random
import struct
import wave

RATE = 44100


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(target, sound, at_seconds, gain=1.0):
    start = int(at_seconds * RATE)
    if len(target) < start + len(sound):
        target.extend([0.0] * (start + len(sound) - len(target)))
    for i, value in enumerate(sound):
        target[start + i] += value * gain
    return target


def decaying_partials(partials, seconds, attack=0.002):
    """partials: (frequency, amplitude, decay time constant in seconds)."""
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        rise = min(1.0, t / attack) if attack else 1.0
        out.append(rise * sum(a * math.exp(-t / d) * math.sin(2 * math.pi * f * t) for f, a, d in partials))
    # Cutting a ringing tone off short would click; let the last 20 ms fade instead.
    return fade_out(out, 0.02)


def lowpass(samples, cutoff):
    alpha = 1 - math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for x in samples:
        y += alpha * (x - y)
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [x - y for x, y in zip(samples, low)]


def noise_burst(rng, seconds, decay):
    return [rng.uniform(-1, 1) * math.exp(-(n / RATE) / decay) for n in range(int(seconds * RATE))]


def fade_out(samples, seconds):
    count = min(len(samples), int(seconds * RATE))
    for i in range(count):
        samples[len(samples) - count + i] *= 1 - i / count
    return samples


def normalise(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wave(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in samples))


def reel_stop(rng):
    """A reel locking into place: a dull thump with a short metallic latch, 120 ms."""
    length = 0.12
    thump = []
    phase = 0.0
    for n in range(int(length * RATE)):
        t = n / RATE
        frequency = 70 + 90 * math.exp(-t / 0.012)  # the pitch drops as the reel settles
        phase += 2 * math.pi * frequency / RATE
        thump.append(math.sin(phase) * math.exp(-t / 0.028))
    latch = decaying_partials([(1850, 0.25, 0.010), (2730, 0.15, 0.007), (4100, 0.08, 0.005)], length)
    click = lowpass(noise_burst(rng, length, 0.002), 3000)
    sound = [a + b + 0.8 * c for a, b, c in zip(thump, latch, click)]
    return normalise(fade_out(sound, 0.01), 0.85)


def coin_drop(rng):
    """A coin falling into the slot: a bright clink and two smaller bounces."""
    def clink(scale):
        partials = [(2093, 0.5, 0.09), (3290, 0.35, 0.06), (4715, 0.25, 0.045), (6230, 0.12, 0.03)]
        tone = decaying_partials([(f, a * scale, d) for f, a, d in partials], 0.3, attack=0.0005)
        hit = highpass(noise_burst(rng, 0.3, 0.0015), 2000)
        return [x + 0.4 * scale * y for x, y in zip(tone, hit)]
    sound = silence(0.45)
    mix_into(sound, clink(1.0), 0.0)
    mix_into(sound, clink(0.5), 0.11)
    mix_into(sound, clink(0.28), 0.18)
    return normalise(fade_out(sound[:int(0.45 * RATE)], 0.05), 0.7)


def chest_creak(rng):
    """An old lid creaking open: a dry wooden creak of irregular stick-slip pulses, then a knock."""
    length = 0.75
    pulses = [0.0] * int(length * RATE)
    t = 0.02
    while t < 0.62:
        rate = 55 + 40 * math.sin(2 * math.pi * 1.3 * t) + rng.uniform(-8, 8)  # the creak's pitch wanders
        strength = math.sin(math.pi * (t - 0.02) / 0.6) * (0.7 + 0.3 * rng.random())
        index = int(t * RATE)
        for k in range(60):
            if index + k < len(pulses):
                pulses[index + k] += strength * math.exp(-k / 12) * (1 if k % 2 == 0 else -0.6)
        t += 1 / rate
    pulses = lowpass(pulses, 4500)  # dry wood, not a buzz
    # Wood resonances colour the pulses.
    body = [0.0] * len(pulses)
    for f, q in ((420, 0.004), (910, 0.003), (1650, 0.002)):
        ring = decaying_partials([(f, 1.0, q)], 0.03, attack=0)
        for i, p in enumerate(pulses):
            if abs(p) > 1e-4:
                for k, r in enumerate(ring):
                    if i + k < len(body):
                        body[i + k] += p * r
    knock = decaying_partials([(95, 1.0, 0.05), (190, 0.4, 0.03)], 0.12)
    sound = normalise(body, 0.6)
    mix_into(sound, [x * 0.7 for x in knock], 0.62)
    return normalise(fade_out(sound, 0.03), 0.75)


def count_tick(rng):
    """One crisp tick of the win counter, 40 ms, bright enough to be heard over the music."""
    tone = decaying_partials([(2637, 0.7, 0.006), (5274, 0.25, 0.004)], 0.04, attack=0.0003)
    click = highpass(noise_burst(rng, 0.04, 0.001), 4000)
    return normalise(fade_out([a + 0.5 * b for a, b in zip(tone, click)], 0.005), 0.6)


def brass_note(frequency, seconds, loudness=1.0):
    """A bright horn-like tone: harmonics that open up during the attack, with a little vibrato."""
    out = []
    phase = 0.0
    for n in range(int(seconds * RATE)):
        t = n / RATE
        attack = min(1.0, t / 0.04)
        release = min(1.0, (seconds - t) / 0.06)
        vibrato = 1 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3)
        phase += 2 * math.pi * frequency * vibrato / RATE
        brightness = 0.35 + 0.65 * attack
        value = sum(math.sin(h * phase) * (brightness ** (h - 1)) / h for h in range(1, 9))
        out.append(value * attack * max(0.0, release) * loudness)
    return out


def fanfare(rng):
    """A short castle fanfare: G4 G4 C5 E5 ... G5, over a held C chord."""
    def hz(key):
        return 440 * 2 ** ((key - 69) / 12)
    sound = silence(1.7)
    beat = 0.14
    for at, key, length in ((0, 67, 0.8), (1, 67, 0.8), (2, 72, 0.8), (3, 76, 1.6), (5, 72, 0.8), (6, 76, 0.8)):
        mix_into(sound, brass_note(hz(key), beat * length + 0.02), at * beat, 0.5)
    mix_into(sound, brass_note(hz(79), 0.75), 7 * beat, 0.55)
    for key in (60, 64, 67):
        mix_into(sound, brass_note(hz(key), 0.75, 0.5), 7 * beat, 0.3)
    return normalise(fade_out(sound, 0.15), 0.8)


def win_jingle(rng):
    """Bells running up a C major arpeggio and ringing together, 1.6 s."""
    def bell(frequency, loudness):
        partials = [(frequency, 1.0, 0.5), (frequency * 2.0, 0.5, 0.3), (frequency * 3.01, 0.3, 0.18),
                    (frequency * 4.2, 0.18, 0.1), (frequency * 5.4, 0.1, 0.06)]
        return [x * loudness for x in decaying_partials(partials, 1.1, attack=0.001)]
    sound = silence(1.6)
    for n, key in enumerate((72, 76, 79, 84, 88)):
        mix_into(sound, bell(440 * 2 ** ((key - 69) / 12), 0.6), n * 0.09)
    for key in (72, 76, 79, 84):
        mix_into(sound, bell(440 * 2 ** ((key - 69) / 12), 0.45), 0.5)
    return normalise(fade_out(sound[:int(1.6 * RATE)], 0.2), 0.8)


EFFECTS = [("0.wav", reel_stop), ("1.wav", coin_drop), ("2.wav", chest_creak), ("3.wav", count_tick),
           ("7.wav", fanfare), ("Win.wav", win_jingle)]


def make_all(directory, prefix, seed):
    for n, (ending, make) in enumerate(EFFECTS):
        write_wave(f"{directory}/{prefix}{ending}", make(random.Random(seed + n)))
