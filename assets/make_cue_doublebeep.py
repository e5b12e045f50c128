#!/usr/bin/env python3
"""Synthesises the "Double beep" cue into cue_doublebeep.wav beside this script.

Two short, even beeps at A6, like a sports watch: a sine with a touch of its
third harmonic for a little edge, each beep 90 ms with soft edges so it does
not click, 50 ms apart. Nothing rings on, so it is the crispest of the cues.
Centred.

The file has the cue's format (16-bit stereo PCM at 48000 Hz, the usual
44-byte header) and lasts 0.3 seconds.
"""

import math
import struct
import wave
from pathlib import Path

RATE = 48000
CHANNELS = 2
BITS = 16
BLOCK_ALIGN = CHANNELS * BITS // 8  # 4
FRAMES = 14400  # 0.3 s
DATA_BYTES = FRAMES * BLOCK_ALIGN  # 57600

EDGE = 0.006  # seconds of rise and fall at each end of a beep
PEAK = 0.35  # of full scale: a steady tone sounds louder than a struck one

PITCH = 1760.0  # A6
THIRD_HARMONIC = 0.12
BEEP_LENGTH = 0.090  # seconds
BEEP_STARTS = [0.000, 0.140]  # seconds


def edge(t: float) -> float:
    """The soft rise (and, mirrored, fall) of a beep, t seconds into it."""
    return 0.5 - 0.5 * math.cos(math.pi * t / EDGE) if t < EDGE else 1.0


def beeps(t: float) -> float:
    for start in BEEP_STARTS:
        into = t - start
        if 0.0 <= into < BEEP_LENGTH:
            envelope = edge(into) * edge(BEEP_LENGTH - into)
            phase = 2.0 * math.pi * PITCH * into
            return envelope * (math.sin(phase) + THIRD_HARMONIC * math.sin(3.0 * phase))
    return 0.0


def render() -> list[float]:
    return [beeps(n / RATE) for n in range(FRAMES)]


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
    target = Path(__file__).resolve().parent / "cue_doublebeep.wav"
    temporary = target.with_suffix(".wav.tmp")
    temporary.write_bytes(header(len(pcm)) + pcm)
    temporary.replace(target)
    check(target)
    print(f"{target}: {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
