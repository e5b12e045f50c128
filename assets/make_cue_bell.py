#!/usr/bin/env python3
"""Synthesises the "Bell" cue into cue_bell.wav beside this script.

A single hand bell struck at G5: the partials of a tuned bell (the hum an
octave below, the prime, a minor third, a fifth, the nominal an octave above
and two higher ones), the higher ones dying away first, so it rings darker
and rounder than the two-note chime of cue.wav. Centred.

The file has the cue's format (16-bit stereo PCM at 48000 Hz, the usual
44-byte header) and lasts 0.6 seconds.
"""

import math
import struct
import wave
from pathlib import Path

RATE = 48000
CHANNELS = 2
BITS = 16
BLOCK_ALIGN = CHANNELS * BITS // 8  # 4
FRAMES = 28800  # 0.6 s
DATA_BYTES = FRAMES * BLOCK_ALIGN  # 115200

ATTACK = 0.003  # seconds: struck, without a click
TAIL_FADE = 0.100  # seconds of fade to silence at the very end
PEAK = 0.70  # of full scale, as the chime

PITCH = 784.0  # G5, the prime
# (frequency ratio to the prime, amplitude, decay time constant in s)
PARTIALS = [
    (0.500, 0.55, 0.60),  # hum
    (1.000, 1.00, 0.42),  # prime
    (1.200, 0.50, 0.30),  # tierce, the minor third that makes it a bell
    (1.500, 0.30, 0.22),  # quint
    (2.000, 0.45, 0.18),  # nominal
    (2.510, 0.18, 0.10),
    (3.000, 0.10, 0.07),
]


def strike(t: float) -> float:
    envelope = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    value = 0.0
    for ratio, amplitude, decay in PARTIALS:
        value += amplitude * math.exp(-t / decay) * math.sin(2.0 * math.pi * PITCH * ratio * t)
    return envelope * value


def render() -> list[float]:
    frames = []
    for n in range(FRAMES):
        value = strike(n / RATE)
        remaining = (FRAMES - 1 - n) / RATE
        if remaining < TAIL_FADE:
            value *= remaining / TAIL_FADE
        frames.append(value)
    return frames


def to_pcm(frames: list[float]) -> bytes:
    scale = PEAK * 32767.0 / max(abs(v) for v in frames)
    samples = []
    for value in frames:
        sample = round(value * scale)
        samples.extend((sample, sample))
    return struct.pack(f"<{len(samples)}h", *samples)


def header(data_bytes: int) -> bytes:
    byte_rate = RATE * BLOCK_ALIGN
    return (
        b"RIFF"
        + struct.pack("<I", 36 + data_bytes)
        + b"WAVE"
        + b"fmt "
        + struct.pack("<IHHIIHH", 16, 1, CHANNELS, RATE, byte_rate, BLOCK_ALIGN, BITS)
        + b"data"
        + struct.pack("<I", data_bytes)
    )


def check(path: Path) -> None:
    """Reads the file back and refuses anything but the exact expected layout."""
    raw = path.read_bytes()
    assert len(raw) == 44 + DATA_BYTES, len(raw)
    assert raw[:44] == header(DATA_BYTES)
    with wave.open(str(path), "rb") as reader:
        assert reader.getnchannels() == CHANNELS
        assert reader.getframerate() == RATE
        assert reader.getsampwidth() == BITS // 8
        assert reader.getnframes() == FRAMES


def main() -> None:
    pcm = to_pcm(render())
    assert len(pcm) == DATA_BYTES
    target = Path(__file__).resolve().parent / "cue_bell.wav"
    temporary = target.with_suffix(".wav.tmp")
    temporary.write_bytes(header(len(pcm)) + pcm)
    temporary.replace(target)
    check(target)
    print(f"{target}: {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
