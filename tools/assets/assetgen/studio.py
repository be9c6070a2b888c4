# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound workshop: notes, voices and mixes made with sox and espeak-ng in a scratch folder."""

import math
import os
import re
import subprocess

# Working format of every intermediate: 44.1 kHz stereo 32-bit float, so mixing never clips.
WORK_RATE = 44100
_WORK = ["-r", str(WORK_RATE), "-c", "2", "-e", "floating-point", "-b", "32"]

NOTE_NAMES = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def note_hz(name):
    """Frequency of a note such as "A4", "C#5" or "Bb3" (equal temperament, A4 = 440 Hz)."""
    m = re.fullmatch(r"([A-G])([#b]?)(-?\d)", name)
    if not m:
        raise ValueError("bad note name: " + name)
    semis = NOTE_NAMES[m.group(1)] + {"#": 1, "b": -1, "": 0}[m.group(2)] + 12 * (int(m.group(3)) - 4)
    return 440.0 * 2.0 ** (semis / 12.0)


def _sox(*args):
    # -R: sox seeds its noise and dither generators the same way on every run.
    subprocess.run(["sox", "-R", "-V1", *map(str, args)], check=True)


class Studio:
    """Makes sound pieces as files in `folder`; every method returns the path of a new piece."""

    def __init__(self, folder):
        self.folder = folder
        self._count = 0

    def _new(self, stem):
        self._count += 1
        return os.path.join(self.folder, "%03d_%s.wav" % (self._count, stem))

    # --- single notes -------------------------------------------------------------------------------

    def note(self, instrument, pitch, seconds, gain_db=0.0):
        """One note; `pitch` is a note name or Hz. Instruments: bell, pluck, marimba, soft, brass, whistle."""
        hz = note_hz(pitch) if isinstance(pitch, str) else float(pitch)
        out = self._new("note")
        d = seconds
        if instrument == "bell":
            # Glockenspiel-like partials with a long logarithmic decay.
            synth = ["synth", d, "sine", hz, "sine", hz * 2.76, "sine", hz * 5.4]
            shape = ["remix", "1v0.6,2v0.22,3v0.08", "fade", "l", 0.002, d, d * 0.97]
            _sox("-n", "-c", 3, "-r", WORK_RATE, out + ".tmp.wav", *synth)
            _sox(out + ".tmp.wav", *_WORK, out, *shape, "gain", gain_db, "channels", 2)
            os.remove(out + ".tmp.wav")
            return out
        if instrument == "marimba":
            synth = ["synth", d, "sine", hz, "sine", hz * 4.0]
            shape = ["remix", "1v0.7,2v0.12", "fade", "l", 0.002, d, d * 0.95]
            _sox("-n", "-c", 2, "-r", WORK_RATE, out + ".tmp.wav", *synth)
            _sox(out + ".tmp.wav", *_WORK, out, *shape, "gain", gain_db, "channels", 2)
            os.remove(out + ".tmp.wav")
            return out
        effects = {
            "pluck": ["synth", d, "pluck", hz, "fade", "t", 0.0, d, d * 0.3],
            "soft": ["synth", d, "triangle", hz, "lowpass", hz * 3, "fade", "q", 0.03, d, d * 0.6],
            "brass": ["synth", d, "sawtooth", hz, "lowpass", 2200, "lowpass", 3000, "fade", "t", 0.03, d, d * 0.35],
            "whistle": ["synth", d, "sine", hz, "tremolo", 6, 15, "fade", "q", 0.04, d, d * 0.5],
        }[instrument]
        _sox("-n", *_WORK, out, *effects, "gain", gain_db - 6)
        return out

    def slide(self, from_hz, to_hz, seconds, wave="sine", gain_db=0.0):
        """A gliding tone with a soft start and end."""
        out = self._new("slide")
        _sox("-n", *_WORK, out, "synth", seconds, wave, "%g-%g" % (from_hz, to_hz),
             "lowpass", 2500, "fade", "q", 0.03, seconds, seconds * 0.5, "gain", gain_db - 6)
        return out

    def shaker(self, seconds, gain_db=0.0):
        """A short burst of filtered noise, like a shaker or a sparkle of applause."""
        out = self._new("shaker")
        _sox("-n", *_WORK, out, "synth", seconds, "pinknoise", "highpass", 3000,
             "fade", "l", 0.005, seconds, seconds * 0.9, "gain", gain_db - 12)
        return out

    # --- voice ---------------------------------------------------------------------------------------

    def say(self, text, pitch=62, words_per_minute=150, gain_db=0.0):
        """Italian speech by espeak-ng, warmed with a little reverb."""
        raw = self._new("voice_raw")
        subprocess.run(["espeak-ng", "-v", "it", "-p", str(pitch), "-s", str(words_per_minute),
                        "-w", raw, text], check=True)
        out = self._new("voice")
        # Silence trimmed at both ends, so that a voice starts exactly where it is placed.
        _sox(raw, *_WORK, out, "silence", 1, 0.01, "0.5%", "reverse", "silence", 1, 0.01, "0.5%", "reverse",
             "highpass", 120, "equalizer", 3000, "1q", 2, "reverb", 15, 50, 40, "norm", -3 + gain_db)
        return out

    @staticmethod
    def seconds(piece):
        """Length of a piece in seconds."""
        report = subprocess.run(["soxi", "-D", piece], capture_output=True, text=True, check=True)
        return float(report.stdout)

    # --- arranging -----------------------------------------------------------------------------------

    def arrange(self, events, seconds):
        """Mixes (start seconds, piece, volume, pan -1..1) events into a piece `seconds` long."""
        inputs = []
        for i, (start, piece, volume, pan) in enumerate(events):
            placed = os.path.join(self.folder, "place_%03d_%02d.wav" % (self._count, i))
            left = volume * math.cos((pan + 1) * math.pi / 4) * math.sqrt(2)
            right = volume * math.sin((pan + 1) * math.pi / 4) * math.sqrt(2)
            _sox(piece, *_WORK, placed, "remix", "1v%g" % left, "2v%g" % right, "pad", start)
            inputs += ["-v", 1, placed]
        out = self._new("mix")
        combine = ["-m"] if len(events) > 1 else []  # sox refuses to mix a single input
        _sox(*combine, *inputs, *_WORK, out, "pad", 0, seconds, "trim", 0, seconds)
        return out

    def sequence(self, instrument, notes, step, start=0.0, volume=1.0, pan=0.0, ring=1.0):
        """Events for a melody: `notes` are names (or None for a rest), one every `step` seconds."""
        events = []
        for i, name in enumerate(notes):
            if name is None:
                continue
            for pitch in name.split("+"):  # "C5+E5" is a chord
                events.append((start + i * step, self.note(instrument, pitch, step + ring), volume, pan))
        return events

    def effect(self, piece, *effects):
        """A copy of `piece` passed through sox effects."""
        out = self._new("fx")
        _sox(piece, *_WORK, out, *effects)
        return out
