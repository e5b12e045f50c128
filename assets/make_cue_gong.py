#!/usr/bin/env python3
"""Synthesises the "Gong" cue into cue_gong.wav beside this script.

A low gong struck with a soft mallet at D3: a slower attack than the bells,
a handful of inharmonic partials that reach up to where small speakers still
sound (so it is heard on a laptop too), and a fundamental that sags a little
in pitch as it rings. Centred, and faded out well before it would die away,
so it stays a short cue.

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

ATTACK = 0.012  # seconds: a padded mallet, no sharp edge
TAIL_FADE = 0.150  # seconds of fade to silence at the very end
PEAK = 0.75  # of full scale: low tones sound quieter than high ones

PITCH = 146.8  # D3
SAG = 0.015  # the pitch falls by this fraction...
SAG_TIME = 0.25  # ...with this time constant in s
# (frequency ratio to the pitch, amplitude, decay time constant in s)
PARTIALS = [
    (1.000, 1.00, 0.90),
    (1.520, 0.65, 0.55),
    (2.080, 0.55, 0.40),
    (2.630, 0.45, 0.30),
    (3.190, 0.35, 0.22),
    (4.110, 0.22, 0.14),
    (5.370, 0.12, 0.09),
]


def phase_of(t: float, frequency: float) -> float:
    """The phase of a partial whose frequency sags from its struck value."""
    # The integral of frequency * (1 - SAG * (1 - exp(-t / SAG_TIME))).
    sagged = t - SAG * (t - SAG_TIME * (1.0 - math.exp(-t / SAG_TIME)))
    return 2.0 * math.pi * frequency * sagged


def strike(t: float) -> float:
    envelope = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK) if t < ATTACK else 1.0
    value = 0.0
    for ratio, amplitude, decay in PARTIALS:
        value += amplitude * math.exp(-t / decay) * math.sin(phase_of(t, PITCH * ratio))
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
    target = Path(__file__).resolve().parent / "cue_gong.wav"
    temporary = target.with_suffix(".wav.tmp")
    temporary.write_bytes(header(len(pcm)) + pcm)
    temporary.replace(target)
    check(target)
    print(f"{target}: {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
