#!/usr/bin/env python3
"""Writes the start-up chime: a soft rising major arpeggio of bell tones.

Usage: make_chime.py OUTPUT.wav
The result is 2 s of 16-bit stereo PCM at 44100 Hz, the same bytes on every run.
"""
import math
import struct
import sys
import wave

RATE = 44100
SECONDS = 2.0
PEAK = 0.7  # of full scale, leaving headroom

# (start in seconds, frequency in hertz, pan -1 left .. 1 right)
NOTES = [
    (0.00, 523.25, -0.4),  # C5
    (0.16, 659.25, -0.1),  # E5
    (0.32, 783.99, 0.15),  # G5
    (0.48, 1046.50, 0.4),  # C6
]
# Bell partials: (frequency ratio, relative level, decay rate per second)
PARTIALS = [(1.0, 1.0, 2.6), (2.0, 0.35, 4.0), (3.01, 0.12, 6.5), (4.2, 0.05, 9.0)]


def bell(t, frequency):
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.008)  # a soft strike, no click
    return attack * sum(level * math.exp(-decay * t) * math.sin(2 * math.pi * frequency * ratio * t)
                        for ratio, level, decay in PARTIALS)


def render():
    frames = int(RATE * SECONDS)
    left = [0.0] * frames
    right = [0.0] * frames
    for start, frequency, pan in NOTES:
        gain_left = math.cos((pan + 1) * math.pi / 4)
        gain_right = math.sin((pan + 1) * math.pi / 4)
        for i in range(int(start * RATE), frames):
            value = bell(i / RATE - start, frequency)
            left[i] += value * gain_left
            right[i] += value * gain_right
    # Fade the last 0.3 s to silence so the file ends without a click.
    fade = int(0.3 * RATE)
    for i in range(frames - fade, frames):
        scale = (frames - i) / fade
        left[i] *= scale
        right[i] *= scale
    loudest = max(max(map(abs, left)), max(map(abs, right)))
    scale = PEAK * 32767 / loudest
    return b"".join(struct.pack("<hh", round(l * scale), round(r * scale)) for l, r in zip(left, right))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(render())


if __name__ == "__main__":
    main()
