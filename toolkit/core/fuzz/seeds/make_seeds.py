#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes valid WAV images beside this script as seeds of the decoder's fuzzer, for the paths that neither
the damaged corpus nor the fixtures reach: 16-bit PCM, and Microsoft ADPCM whose format chunk has no
extension (the standard coefficients and whole blocks are then assumed)."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def chunk(tag, body):
    return tag + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def riff(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def fmt(tag, channels, rate, block, bits):
    return chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits))


def pcm16(channels, rate, frames):
    samples = b"".join(
        struct.pack("<h", int(12000 * math.sin(2 * math.pi * 440 * n / rate)) * (1 if c == 0 else -1))
        for n in range(frames) for c in range(channels))
    return riff(fmt(1, channels, rate, 2 * channels, 16), chunk(b"data", samples))


def adpcm_without_extension(channels, block, blocks):
    payload = b""
    for b in range(blocks):
        header = bytes([b % 7] * channels)  # predictor indices
        header += struct.pack("<" + "h" * channels, *([32] * channels))  # deltas
        header += struct.pack("<" + "h" * channels, *([100] * channels))  # newer samples
        header += struct.pack("<" + "h" * channels, *([-100] * channels))  # older samples
        payload += header + bytes((17 * i + b) % 256 for i in range(block - len(header)))
    return riff(fmt(2, channels, 22050, block, 4), chunk(b"data", payload))


SEEDS = {
    "pcm16_stereo.wav": pcm16(2, 11025, 300),
    "pcm16_mono.wav": pcm16(1, 22050, 300),
    "adpcm_mono_no_extension.wav": adpcm_without_extension(1, 256, 2),
    "adpcm_stereo_no_extension.wav": adpcm_without_extension(2, 512, 2),
}


def main():
    for name, image in SEEDS.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(image)


if __name__ == "__main__":
    main()
