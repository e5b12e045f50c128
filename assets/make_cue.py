#!/usr/bin/env python3
"""Synthesises the runner's cue sound into cue.wav beside this script.

The cue is a two-note chime: a bell struck at A5 and, a moment later, a softer
bell a fifth above, each built from a few inharmonic partials that die away
exponentially. The first bell leans left and the second right.

The file is plain 16-bit stereo PCM at 48000 Hz with the usual 44-byte header
(RIFF, a 16-byte fmt chunk, the data chunk) and exactly 358344 bytes of
samples, about 1.87 seconds.
"""

import math
import struct
import wave
from pathlib import Path

RATE = 48000
CHANNELS = 2
BITS = 16
BLOCK_ALIGN = CHANNELS * BITS // 8  # 4
DATA_BYTES = 358344
FRAMES = DATA_BYTES // BLOCK_ALIGN  # 89586 frames, 1.866 s

ATTACK = 0.004  # seconds: fast enough to sound struck, slow enough not to click
TAIL_FADE = 0.060  # seconds of fade to silence at the very end
PEAK = 0.70  # of full scale, leaves headroom for overlapping cues

# (frequency ratio to the strike's pitch, amplitude, decay time constant in s)
BELL_PARTIALS = [
    (1.000, 1.00, 0.55),
    (2.000, 0.45, 0.30),
    (2.756, 0.30, 0.20),
    (5.404, 0.12, 0.09),
]

# (start in s, pitch in Hz, loudness, pan from -1 left to +1 right)
STRIKES = [
    (0.000, 880.0, 1.00, -0.30),
    (0.140, 1318.5, 0.75, 0.30),
]


def bell(t: float, pitch: float) -> float:
    """One bell strike, t seconds after it was struck (t >= 0)."""
    envelope = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    value = 0.0
    for ratio, amplitude, decay in BELL_PARTIALS:
        value += amplitude * math.exp(-t / decay) * math.sin(2.0 * math.pi * pitch * ratio * t)
    return envelope * value


def render() -> list[tuple[float, float]]:
    frames = []
    for n in range(FRAMES):
        t = n / RATE
        left = right = 0.0
        for start, pitch, loudness, pan in STRIKES:
            if t < start:
                continue
            sample = loudness * bell(t - start, pitch)
            # Constant-power pan keeps each bell equally loud wherever it sits.
            angle = (pan + 1.0) * math.pi / 4.0
            left += sample * math.cos(angle)
            right += sample * math.sin(angle)
        remaining = (FRAMES - 1 - n) / RATE
        if remaining < TAIL_FADE:
            fade = remaining / TAIL_FADE
            left *= fade
            right *= fade
        frames.append((left, right))
    return frames


def to_pcm(frames: list[tuple[float, float]]) -> bytes:
    loudest = max(max(abs(l), abs(r)) for l, r in frames)
    scale = PEAK * 32767.0 / loudest
    samples = []
    for left, right in frames:
        samples.append(round(left * scale))
        samples.append(round(right * scale))
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
    target = Path(__file__).resolve().parent / "cue.wav"
    temporary = target.with_suffix(".wav.tmp")
    temporary.write_bytes(header(len(pcm)) + pcm)
    temporary.replace(target)
    check(target)
    print(f"{target}: {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
