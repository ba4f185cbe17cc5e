#!/usr/bin/env python3
"""Synthesises the example sounds of the start menu:

- ding.wav: one bell stroke, mono (mono sounds can be panned);
- drums.wav: a two-second drum bar that loops seamlessly, mono;
- melody.ogg: seventeen seconds of a little tune over bass and drums, the music
  the spectrum example plays (rendered here, then encoded to Ogg Vorbis by ffmpeg).

    python3 tools/artwork/make_sounds.py [OUTPUT_FOLDER]

The default folder is runtime/media. The WAV files are the same on every run.
"""

import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 22050
BEAT = 0.5  # seconds: 120 beats per minute


def bell(t, frequency):
    """A struck bell: a soft attack and decaying inharmonic partials."""
    if t < 0:
        return 0.0
    partials = ((1.0, 1.0, 3.0), (2.0, 0.4, 5.0), (2.76, 0.25, 7.0), (5.4, 0.1, 11.0))
    return min(1.0, t / 0.004) * sum(
        level * math.exp(-decay * t) * math.sin(2 * math.pi * frequency * ratio * t)
        for ratio, level, decay in partials)


def kick(t):
    if t < 0 or t > 0.4:
        return 0.0
    phase = 2 * math.pi * (50 * t + 60 * (1 - math.exp(-t * 30)) / 30)  # falling pitch
    return math.sin(phase) * math.exp(-t * 9)


def snare(t, noise):
    if t < 0 or t > 0.25:
        return 0.0
    return (0.6 * noise.uniform(-1, 1) + 0.4 * math.sin(2 * math.pi * 190 * t)) * math.exp(-t * 18)


def hat(t, noise):
    if t < 0 or t > 0.06:
        return 0.0
    return 0.3 * noise.uniform(-1, 1) * math.exp(-t * 70)


def drum_bar(t, noise):
    """One 4/4 bar: kick on 1 and 3, snare on 2 and 4, hats on every half beat."""
    beat = t / BEAT
    value = kick((beat % 2) * BEAT) + snare(((beat - 1) % 2) * BEAT, noise)
    return value + hat((beat % 0.5) * BEAT, noise)


def note_frequency(semitones_from_a4):
    return 440.0 * 2 ** (semitones_from_a4 / 12)


# The tune, in (beat, length in beats, semitones from A4); four bars per line.
MELODY = [
    (0, 1, 3), (1, 1, 7), (2, 1.5, 10), (3.5, 0.5, 8), (4, 1, 7), (5, 1, 3), (6, 2, 0),
    (8, 1, 5), (9, 1, 8), (10, 1.5, 12), (11.5, 0.5, 10), (12, 1, 8), (13, 1, 7), (14, 2, 5),
    (16, 1, 3), (17, 1, 7), (18, 1, 10), (19, 1, 15), (20, 1.5, 14), (21.5, 0.5, 12), (22, 2, 10),
    (24, 1, 8), (25, 1, 7), (26, 1, 5), (27, 1, 2), (28, 4, 3),
]
# Bass roots, one per bar: C, A minor, F, G, then again.
BASS = [-21, -24, -28, -26, -21, -24, -26, -21]


def lead(t, frequency):
    """A soft plucked tone: a few odd and even harmonics under a decay."""
    if t < 0:
        return 0.0
    envelope = min(1.0, t / 0.01) * math.exp(-t * 2.2)
    w = 2 * math.pi * frequency * t
    return envelope * (math.sin(w) + 0.35 * math.sin(2 * w) + 0.15 * math.sin(3 * w))


def melody_sample(t, noise):
    beat = t / BEAT
    value = 0.0
    for start, length, pitch in MELODY:
        if start <= beat < start + length + 2:
            fade = clamp_fade(beat - start - length)
            value += 0.5 * lead(t - start * BEAT, note_frequency(pitch)) * fade
    bar = int(beat // 4) % len(BASS)
    into_bar = t - bar * 4 * BEAT
    bass = note_frequency(BASS[bar])
    pluck = 0.6 + 0.4 * math.exp(-(into_bar % BEAT) * 6)
    value += 0.45 * math.sin(2 * math.pi * bass * into_bar) * pluck
    return value + 0.35 * drum_bar(t % (4 * BEAT), noise)


def clamp_fade(beats_after_end):
    """1 while the note is held, then a release over two beats."""
    return 1.0 if beats_after_end < 0 else max(0.0, 1.0 - beats_after_end / 2)


def render(seconds, sample, seed, fade_out=0.0):
    noise = random.Random(seed)
    values = [sample(i / RATE, noise) for i in range(int(seconds * RATE))]
    fade = int(fade_out * RATE)
    for i in range(len(values) - fade, len(values)):
        values[i] *= (len(values) - i) / fade
    loudest = max(map(abs, values))
    return b"".join(struct.pack("<h", round(v * 0.8 * 32767 / loudest)) for v in values)


def write_wav(path, frames):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "runtime", "media")
    os.makedirs(folder, exist_ok=True)
    write_wav(os.path.join(folder, "ding.wav"), render(1.5, lambda t, _: bell(t, 880), 1))
    write_wav(os.path.join(folder, "drums.wav"), render(4 * BEAT, drum_bar, 2))
    with tempfile.TemporaryDirectory() as work:
        melody = os.path.join(work, "melody.wav")
        write_wav(melody, render(len(BASS) * 4 * BEAT + 1, melody_sample, 3, fade_out=1.5))
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", melody, "-c:a", "libvorbis",
                        "-q:a", "1", "-fflags", "+bitexact", os.path.join(folder, "melody.ogg")],
                       check=True)


if __name__ == "__main__":
    main()
