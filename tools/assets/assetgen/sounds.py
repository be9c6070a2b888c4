# SPDX-License-Identifier: GPL-3.0-or-later
"""The sounds of filarino and cestaro: what each one plays and the exact WAV layout it is stored in."""

import os
import random
import struct
import tempfile
from dataclasses import dataclass

from . import mastering, riff
from .studio import Studio


@dataclass(frozen=True)
class SoundFormat:
    """Storage of one sound: `payload` is "pcm", "adpcm" or "mp3"; `frames` is the length in sample frames."""
    payload: str
    channels: int
    rate: int
    bits: int
    frames: int
    kbps: int = 0


def _frames(rate, seconds):
    return round(rate * seconds)


# Sounds of filarino, by resource id. 102-107 follow a wrong answer, 109-114 a right one, 108 either;
# 114 also greets the pupil when the program starts. Frame counts of 104 and 105 are odd on purpose:
# their "data" chunks end with a pad byte.
FILARINO = {
    102: SoundFormat("pcm", 1, 22050, 8, _frames(22050, 3.40)),
    103: SoundFormat("pcm", 1, 44100, 16, _frames(44100, 0.94)),
    104: SoundFormat("pcm", 1, 11025, 8, 3527),
    105: SoundFormat("pcm", 1, 22257, 8, 9571),
    106: SoundFormat("pcm", 2, 22050, 8, _frames(22050, 1.99)),
    107: SoundFormat("pcm", 2, 22050, 8, _frames(22050, 0.48)),
    108: SoundFormat("mp3", 2, 11025, 0, _frames(11025, 5.86), kbps=32),
    109: SoundFormat("pcm", 1, 11025, 8, _frames(11025, 3.46)),
    110: SoundFormat("adpcm", 1, 22050, 4, _frames(22050, 1.77)),
    111: SoundFormat("pcm", 2, 22050, 8, _frames(22050, 2.93)),
    112: SoundFormat("pcm", 2, 22050, 8, _frames(22050, 1.16)),
    113: SoundFormat("pcm", 1, 11025, 8, 9812),
    114: SoundFormat("mp3", 1, 22050, 0, _frames(22050, 5.83), kbps=24),
}

# The one sound of cestaro: 45392 data bytes of 8-bit mono.
CESTARO = {101: SoundFormat("pcm", 1, 11025, 8, 45392)}

# Resource 113 is followed by this many bytes that belong to no chunk.
TRAILING_GARBAGE_BYTES = 392


def _wrong_102(s):
    return s.arrange([*s.sequence("marimba", ["E5", "C5"], 0.22, ring=0.8, volume=0.7),
                      (0.6, s.say("Riprova! Ce la puoi fare!", pitch=64, words_per_minute=145), 1.0, 0.0),
                      *s.sequence("pluck", ["C5", "E5", "G5"], 0.12, start=2.85, volume=0.5, ring=0.3)],
                     3.40)


def _wrong_103(s):
    return s.arrange([(0.02, s.say("Quasi!", pitch=66, words_per_minute=140), 1.0, 0.0),
                      *s.sequence("marimba", ["G4", "E4"], 0.16, start=0.55, volume=0.5, ring=0.3)], 0.94)


def _wrong_104(s):
    return s.arrange(s.sequence("soft", ["A4", "F4"], 0.14, ring=0.04), 0.32)


def _wrong_105(s):
    return s.arrange(s.sequence("marimba", ["E5", "D5", "C5"], 0.1, ring=0.15, volume=0.8), 0.43)


def _wrong_106(s):
    return s.arrange([*s.sequence("marimba", ["G4"], 0.2, pan=-0.6, ring=0.5),
                      *s.sequence("marimba", ["E4"], 0.2, start=0.2, pan=0.6, ring=0.5),
                      (0.55, s.say("Prova ancora!", pitch=64, words_per_minute=150), 1.0, 0.0)], 1.99)


def _wrong_107(s):
    return s.arrange([(0.0, s.slide(520, 390, 0.45, wave="triangle"), 1.0, -0.3),
                      (0.04, s.slide(523, 392, 0.42), 0.5, 0.4)], 0.48)


def _either_108(s):
    tune = ["C5", "E5", "G5", "E5", "F5", "A5", "G5", None, "E5", "G5", "C6", "B5", "A5", "F5", "G5", None,
            "A5", "G5", "F5", "E5", "D5", "F5", "E5", "C5", "D5", "E5", "G5", "B4", "C5", None, None, None]
    bass = ["C3", "G3", "A2", "E3", "F3", "C3", "G2", "D3", "C3", "G3", "F2", "C3", "G2", "G3", "C3", None]
    return s.arrange([*s.sequence("bell", tune, 0.18, start=0.05, volume=0.8, pan=0.35, ring=0.5),
                      *s.sequence("marimba", bass, 0.36, start=0.05, volume=0.9, pan=-0.35, ring=0.3)], 5.86)


def _right_109(s):
    return s.arrange([*s.sequence("bell", ["C5", "E5", "G5", "C6"], 0.12, ring=0.6),
                      (0.7, s.say("Bravo! Hai indovinato!", pitch=66, words_per_minute=150), 1.0, 0.0),
                      *s.sequence("bell", ["G5", "C6"], 0.15, start=2.55, volume=0.6, ring=0.6)], 3.46)


def _right_110(s):
    return s.arrange([(0.02, s.say("Esatto!", pitch=66, words_per_minute=150), 1.0, 0.0),
                      *s.sequence("bell", ["G5", "C6"], 0.15, start=0.7, volume=0.7, ring=0.7)], 1.77)


def _right_111(s):
    fanfare = s.sequence("brass", ["G4", "G4", "G4", "C5+E5"], 0.16, volume=0.7, ring=0.05)
    fanfare[-1] = (fanfare[-1][0], s.note("brass", "C5", 0.6), 0.7, 0.0)
    return s.arrange([*fanfare, (0.5, s.note("brass", "E5", 0.6), 0.5, 0.3),
                      *s.sequence("bell", ["C6", "E6"], 0.1, start=0.5, volume=0.4, pan=-0.5, ring=0.5),
                      (1.35, s.say("Benissimo!", pitch=66, words_per_minute=150), 1.0, 0.0),
                      *s.sequence("bell", ["G5", "C6"], 0.12, start=2.1, volume=0.5, ring=0.6)], 2.93)


def _right_112(s):
    pans = [-0.8, -0.4, 0.0, 0.4, 0.8]
    events = []
    for i, name in enumerate(["C5", "E5", "G5", "C6", "E6"]):
        events += s.sequence("bell", [name], 0.09, start=0.09 * i, volume=0.7, pan=pans[i], ring=0.6)
    return s.arrange([*events, (0.4, s.shaker(0.6), 0.6, 0.5)], 1.16)


def _right_113(s):
    return s.arrange([(0.02, s.say("Giusto!", pitch=66, words_per_minute=150), 1.0, 0.0),
                      *s.sequence("bell", ["E6"], 0.1, start=0.5, volume=0.5, ring=0.3)], 0.89)


def _welcome_114(s):
    jingle = ["C5", "E5", "G5", "C6", None, "A5", "G5", "E5", "G5", None]
    return s.arrange([*s.sequence("pluck", jingle, 0.16, start=0.05, volume=0.8, ring=0.4),
                      *s.sequence("marimba", ["C3", "G3", "C4"], 0.5, start=0.05, volume=0.6, ring=0.4),
                      (1.75, s.say("Ciao! Benvenuto!", pitch=66, words_per_minute=145), 1.0, 0.0),
                      (3.35, s.say("Giochiamo insieme!", pitch=66, words_per_minute=150), 1.0, 0.0),
                      *s.sequence("bell", ["C5+E5+G5"], 0.3, start=4.55, volume=0.6, ring=0.8)], 5.83)


def _complimenti_101(s):
    fanfare = s.sequence("brass", ["C5", "E5", "G5"], 0.13, volume=0.7, ring=0.05)
    return s.arrange([*fanfare, (0.39, s.note("brass", "C6", 0.8), 0.7, 0.0),
                      (0.39, s.note("brass", "G5", 0.8), 0.4, 0.0),
                      (1.2, s.shaker(1.6), 0.7, 0.0), (1.6, s.shaker(1.2), 0.5, 0.0),
                      (1.35, s.say("Complimenti!", pitch=66, words_per_minute=140), 1.0, 0.0),
                      *s.sequence("bell", ["G5", "C6", "E6", "G6"], 0.12, start=2.3, volume=0.5, ring=0.6),
                      *s.sequence("bell", ["C5+E5+G5+C6"], 0.2, start=3.05, volume=0.45, ring=0.85)],
                     45392 / 11025)


RECIPES = {
    ("filarino", 102): _wrong_102, ("filarino", 103): _wrong_103, ("filarino", 104): _wrong_104,
    ("filarino", 105): _wrong_105, ("filarino", 106): _wrong_106, ("filarino", 107): _wrong_107,
    ("filarino", 108): _either_108, ("filarino", 109): _right_109, ("filarino", 110): _right_110,
    ("filarino", 111): _right_111, ("filarino", 112): _right_112, ("filarino", 113): _right_113,
    ("filarino", 114): _welcome_114, ("cestaro", 101): _complimenti_101,
}


def _extra_chunks_109(frames):
    """The chunks besides "fmt " and "data" that sound 109 carries: fact and an odd-sized alia before
    the data, a mark list after it."""
    fact = riff.chunk("fact", struct.pack("<I", frames))
    alia = riff.chunk("alia", b"Filarino:Suoni:Bravo\0")  # 21 bytes: odd, so a pad byte follows
    marks = [(1, 0, b"inizio"), (2, frames * 2 // 10, b"voce"), (3, frames - 1, b"fine")]
    mark = struct.pack("<H", len(marks)) + b"".join(
        struct.pack("<HI", ident, pos) + bytes([len(name)]) + name + (b"" if len(name) % 2 else b"\0")
        for ident, pos, name in marks)
    return [fact, alia], [riff.chunk("mark", mark)]


def trailing_garbage(count):
    """Bytes that follow sound 113: they open like a "data" chunk header with a huge size, then noise."""
    noise = random.Random(113)
    head = b"data" + struct.pack("<I", 0x7FFFFFF0) + b"LIST" + struct.pack("<I", 0xFFFFFFFF)
    return head + bytes(noise.randrange(256) for _ in range(count - len(head)))


def encode(program, ident, fmt, piece, folder):
    """The bytes of the finished WAV file of one sound."""
    if fmt.payload == "adpcm":
        return mastering.ms_adpcm(piece, folder, fmt.rate, fmt.frames)
    if fmt.payload == "mp3":
        return mastering.mp3(piece, folder, fmt.rate, fmt.channels, fmt.kbps, fmt.frames)
    samples = mastering.pcm(piece, folder, fmt.rate, fmt.channels, fmt.bits, fmt.frames)
    before, after = _extra_chunks_109(fmt.frames) if (program, ident) == ("filarino", 109) else ((), ())
    data = riff.pcm_wave(fmt.channels, fmt.rate, fmt.bits, samples, before, after)
    if (program, ident) == ("filarino", 113):
        data += trailing_garbage(TRAILING_GARBAGE_BYTES)
    return data


def generate(root, log=print):
    """Writes every sound to <root>/<program>/resources/CUSTOM/<id>.wav."""
    tables = {"filarino": FILARINO, "cestaro": CESTARO}
    for program, table in tables.items():
        out_dir = os.path.join(root, program, "resources", "CUSTOM")
        os.makedirs(out_dir, exist_ok=True)
        for ident, fmt in table.items():
            with tempfile.TemporaryDirectory(prefix="sound%d_" % ident) as folder:
                piece = RECIPES[(program, ident)](Studio(folder))
                data = encode(program, ident, fmt, piece, folder)
            with open(os.path.join(out_dir, "%d.wav" % ident), "wb") as f:
                f.write(data)
            log("%s/CUSTOM/%d.wav: %d bytes" % (program, ident, len(data)))
