#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the damaged WAV images beside this script; each must decode to an error and silence.

The expected error of every file is listed in WavCorpusTest.cpp: a new file needs a line there too.
"""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def chunk(tag, body, size=None):
    size = len(body) if size is None else size
    return tag + struct.pack("<I", size) + body + (b"\0" if len(body) % 2 else b"")


def riff(*chunks, size=None):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body) if size is None else size) + body


def fmt(tag=1, channels=1, rate=11025, block=1, bits=8, extra=b""):
    return chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits) + extra)


def adpcm_fmt(block=256, samples_per_block=500, coefficients=7, declared=None):
    standard = [(256, 0), (512, -256), (0, 0), (192, 64), (240, 0), (460, -208), (392, -232)]
    table = b"".join(struct.pack("<hh", *standard[i % 7]) for i in range(coefficients))
    declared = coefficients if declared is None else declared
    extra = struct.pack("<HHH", 4 + 4 * coefficients, samples_per_block, declared) + table
    return fmt(tag=2, rate=22050, block=block, bits=4, extra=extra)


def adpcm_block(predictor):
    header = struct.pack("<Bhhh", predictor, 16, 0, 0)
    return header + bytes(range(249))


RAMP = bytes(range(0, 256, 2))
GOOD = riff(fmt(), chunk(b"data", RAMP))
rng = random.Random(20240607)

CASES = {
    "empty.wav": b"",
    "short_riff.wav": b"RIFF\x04\0",
    "not_wave.wav": riff(fmt(), chunk(b"data", RAMP)).replace(b"WAVE", b"AVI ", 1),
    "truncated_header.wav": GOOD[:30],
    "truncated_payload.wav": GOOD[:-10],
    "riff_size_past_end.wav": riff(fmt(), chunk(b"data", RAMP), size=0xFFFFFFFF),
    "data_size_past_end.wav": riff(fmt(), chunk(b"data", RAMP, size=0xFFFFFFF0)),
    "chunk_size_past_end.wav": riff(fmt(), chunk(b"LIST", b"abc", size=0x7FFFFFFF), chunk(b"data", RAMP)),
    "fake_data_after_riff.wav": riff(fmt()) + chunk(b"data", RAMP),
    "data_before_fmt.wav": riff(chunk(b"data", RAMP), fmt()),
    "no_data.wav": riff(fmt(), chunk(b"LIST", b"INFO")),
    "fmt_too_short.wav": riff(chunk(b"fmt ", struct.pack("<HHI", 1, 1, 11025)), chunk(b"data", RAMP)),
    "zero_channels.wav": riff(fmt(channels=0, block=0), chunk(b"data", RAMP)),
    "absurd_rate.wav": riff(fmt(rate=0xFFFFFFFF), chunk(b"data", RAMP)),
    "zero_rate.wav": riff(fmt(rate=0), chunk(b"data", RAMP)),
    "zero_block_align.wav": riff(fmt(block=0, bits=16), chunk(b"data", RAMP)),
    "garbage_mp3_payload.wav": riff(
        fmt(tag=0x55, rate=22050, block=1, bits=0),
        chunk(b"data", bytes(rng.randrange(0xFF) for _ in range(3000))),
    ),
    "adpcm_block_smaller_than_header.wav": riff(adpcm_fmt(block=6), chunk(b"data", bytes(64))),
    "adpcm_too_many_samples_per_block.wav": riff(adpcm_fmt(samples_per_block=501), chunk(b"data", adpcm_block(0))),
    "adpcm_coefficients_past_fmt.wav": riff(adpcm_fmt(coefficients=5, declared=7), chunk(b"data", adpcm_block(0))),
    "adpcm_bad_predictor.wav": riff(adpcm_fmt(), chunk(b"data", adpcm_block(0) + adpcm_block(7))),
}


def main():
    for name in os.listdir(HERE):
        if name.endswith(".wav"):
            os.remove(os.path.join(HERE, name))
    for name, image in CASES.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(image)


if __name__ == "__main__":
    main()
