# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound layouts: the exact chunk structure each stored sound must have, levels and note names."""

import struct
import unittest

from assetgen import mastering, riff, sounds
from assetgen.studio import note_hz


def walk(data):
    """(tag, size, padded) of the chunks inside the RIFF size."""
    end, pos, chunks = 8 + struct.unpack("<I", data[4:8])[0], 12, []
    while pos < end:
        size = struct.unpack("<I", data[pos + 4:pos + 8])[0]
        chunks.append((data[pos:pos + 4].decode(), size, size % 2 == 1))
        pos += 8 + size + size % 2
    return chunks


def silent_file(program, ident):
    """The file `encode` would write for a PCM sound, with silent samples (no sox involved)."""
    fmt = (sounds.FILARINO if program == "filarino" else sounds.CESTARO)[ident]
    samples = bytes([128]) * (fmt.frames * fmt.channels) if fmt.bits == 8 else bytes(2 * fmt.frames)
    before, after = sounds._extra_chunks_109(fmt.frames) if (program, ident) == ("filarino", 109) else ((), ())
    data = riff.pcm_wave(fmt.channels, fmt.rate, fmt.bits, samples, before, after)
    if (program, ident) == ("filarino", 113):
        data += sounds.trailing_garbage(sounds.TRAILING_GARBAGE_BYTES)
    return data


class LayoutTest(unittest.TestCase):
    def test_113_has_9848_riff_bytes_then_392_bytes_of_garbage(self):
        data = silent_file("filarino", 113)
        self.assertEqual(struct.unpack("<I", data[4:8])[0], 9848)
        self.assertEqual(len(data), 9856 + 392)

    def test_garbage_after_113_looks_like_a_huge_data_chunk(self):
        garbage = sounds.trailing_garbage(392)
        self.assertEqual(len(garbage), 392)
        self.assertEqual(garbage[:4], b"data")
        self.assertGreater(struct.unpack("<I", garbage[4:8])[0], 392)

    def test_104_and_105_end_their_data_with_a_pad_byte(self):
        for ident in (104, 105):
            with self.subTest(ident=ident):
                data = silent_file("filarino", ident)
                self.assertEqual(walk(data)[-1][0::2], ("data", True))
                self.assertEqual(data[-1], 0)

    def test_109_carries_fact_alia_and_mark_around_its_data(self):
        chunks = walk(silent_file("filarino", 109))
        self.assertEqual([tag for tag, _, _ in chunks], ["fmt ", "fact", "alia", "data", "mark"])
        self.assertTrue(dict((t, p) for t, _, p in chunks)["alia"])

    def test_cestaro_sound_has_exactly_45392_data_bytes(self):
        self.assertEqual(dict((t, s) for t, s, _ in walk(silent_file("cestaro", 101)))["data"], 45392)

    def test_every_sound_has_a_recipe(self):
        keys = {("filarino", i) for i in sounds.FILARINO} | {("cestaro", i) for i in sounds.CESTARO}
        self.assertEqual(keys, set(sounds.RECIPES))


class LevelsTest(unittest.TestCase):
    def test_gain_reaches_the_target_unless_the_peak_would_pass_the_ceiling(self):
        quiet_peaky = mastering.leveling_gain(peak_db=-3.0, loudest_db=-25.0)
        self.assertAlmostEqual(quiet_peaky, mastering.PEAK_CEILING_DB + 3.0)
        loud = mastering.leveling_gain(peak_db=-1.0, loudest_db=-8.0)
        self.assertAlmostEqual(loud, mastering.TARGET_LOUDEST_DB + 8.0)


class NoteTest(unittest.TestCase):
    def test_note_names(self):
        for name, hz in [("A4", 440.0), ("A5", 880.0), ("C4", 261.626), ("C#5", 554.365), ("Bb3", 233.082)]:
            with self.subTest(name):
                self.assertAlmostEqual(note_hz(name), hz, places=2)
        with self.assertRaises(ValueError):
            note_hz("H2")


if __name__ == "__main__":
    unittest.main()
