# SPDX-License-Identifier: GPL-3.0-or-later
"""Levels and final encodings of a finished piece: PCM WAV, Microsoft ADPCM WAV, MPEG Layer-3 in WAV."""

import os
import subprocess

from . import riff

# Every sound is brought to the same loudness of its loudest 50 ms, its peak kept below the ceiling.
TARGET_LOUDEST_DB = -13.0
PEAK_CEILING_DB = -1.5


def levels(path):
    """(peak dBFS, loudest-50-ms RMS dBFS) of a sound file, as sox measures them."""
    report = subprocess.run(["sox", path, "-n", "stats"], capture_output=True, text=True, check=True).stderr
    values = {}
    for line in report.splitlines():
        parts = line.split()
        if len(parts) >= 4 and parts[2] == "dB":  # "Pk lev dB  -0.00 ..." : the first value is overall
            values[" ".join(parts[:2])] = float(parts[3])
    return values["Pk lev"], values["RMS Pk"]


def leveling_gain(peak_db, loudest_db):
    """Gain in dB that brings the loudest stretch to the target without pushing the peak over the ceiling."""
    return min(TARGET_LOUDEST_DB - loudest_db, PEAK_CEILING_DB - peak_db)


def _render(piece, folder, stem, rate, channels, frames, encoding):
    """Levels `piece` and converts it to `frames` frames at `rate` and `channels`, with a short fade at the end."""
    # A gentle 2:1 compression above -18 dB with 2 ms look-ahead evens out plucks and voices.
    squeezed = os.path.join(folder, "squeezed.wav")
    subprocess.run(["sox", "-R", "-V1", piece, squeezed, "compand", "0.002,0.15", "6:-70,-70,-18,-18,0,-9",
                    "0", "-90", "0.002"], check=True)
    gain = leveling_gain(*levels(squeezed))
    out = os.path.join(folder, stem)
    # No dither: 8-bit dither would hiss through every pause.
    subprocess.run(["sox", "-R", "-D", "-V1", squeezed, "-r", str(rate), "-c", str(channels), *encoding, out,
                    "gain", "%.2f" % gain, "rate", "-v", str(rate), "channels", str(channels),
                    "pad", "0", "1", "trim", "0", "%ds" % frames, "fade", "t", "0", "%ds" % frames, "0.02"],
                   check=True)
    return out


def pcm(piece, folder, rate, channels, bits, frames):
    """Raw interleaved PCM samples (unsigned 8-bit or signed 16-bit little-endian), exactly `frames` long."""
    encoding = ["-t", "raw", "-b", str(bits), "-e", "unsigned-integer" if bits == 8 else "signed-integer",
                "-L"]
    path = _render(piece, folder, "pcm.raw", rate, channels, frames, encoding)
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    if len(data) != frames * channels * bits // 8:
        raise RuntimeError("sox gave %d bytes, not %d frames" % (len(data), frames))
    return data


def ms_adpcm(piece, folder, rate, frames):
    """A complete mono Microsoft ADPCM WAV file as sox writes it (512-byte blocks at 22050 Hz)."""
    path = _render(piece, folder, "adpcm.wav", rate, 1, frames, ["-t", "wav", "-e", "ms-adpcm"])
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    return data


def mp3(piece, folder, rate, channels, kbps, frames):
    """A complete MPEG Layer-3 WAV file: constant bit rate, no LAME tag frame, a "fact" chunk of `frames`."""
    pcm_path = _render(piece, folder, "mp3in.wav", rate, channels, frames, ["-t", "wav", "-b", "16"])
    stream_path = os.path.join(folder, "stream.mp3")
    subprocess.run(["lame", "--quiet", "-t", "--cbr", "-b", str(kbps), "-m", "s" if channels == 2 else "m",
                    "--resample", "%g" % (rate / 1000), pcm_path, stream_path], check=True)
    with open(stream_path, "rb") as f:
        stream = f.read()
    os.remove(pcm_path)
    os.remove(stream_path)
    return riff.mp3_wave(channels, rate, kbps * 1000 // 8, stream, frames)
