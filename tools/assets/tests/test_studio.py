# SPDX-License-Identifier: GPL-3.0-or-later
"""Arranging sound pieces in time with sox: events start where they are placed, pieces have their length."""

import os
import shutil
import subprocess
import tempfile
import unittest

from assetgen.studio import WORK_RATE, Studio


def loudness_per_tenth(piece):
    """Peak of each tenth of a second of a piece, mono, as fractions of full scale."""
    raw = subprocess.run(["sox", piece, "-t", "raw", "-e", "signed-integer", "-b", "16", "-c", "1", "-"],
                         capture_output=True, check=True).stdout
    values = [int.from_bytes(raw[i:i + 2], "little", signed=True) for i in range(0, len(raw), 2)]
    tenth = WORK_RATE // 10
    return [max(abs(v) for v in values[i:i + tenth]) / 32768 for i in range(0, len(values), tenth)]


@unittest.skipUnless(shutil.which("sox"), "sox is not installed")
class ArrangeTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="studio_")
        self.studio = Studio(self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def test_an_event_sounds_from_its_start_and_the_mix_has_the_asked_length(self):
        note = self.studio.note("marimba", "A4", 0.3)
        mix = self.studio.arrange([(0.5, note, 1.0, 0.0)], 1.2)
        self.assertAlmostEqual(Studio.seconds(mix), 1.2, places=3)
        tenths = loudness_per_tenth(mix)
        self.assertTrue(all(level < 0.001 for level in tenths[:5]), tenths)
        self.assertGreater(tenths[5], 0.05)

    def test_pan_puts_a_sound_on_one_side(self):
        note = self.studio.note("bell", "C5", 0.3)
        left = self.studio.arrange([(0.0, note, 1.0, -1.0)], 0.3)
        right_channel = self.studio.effect(left, "remix", "2")
        self.assertLess(max(loudness_per_tenth(right_channel)), 0.001)

    def test_every_instrument_makes_a_sound(self):
        for instrument in ("bell", "pluck", "marimba", "soft", "brass", "whistle"):
            with self.subTest(instrument):
                self.assertGreater(max(loudness_per_tenth(self.studio.note(instrument, "E4", 0.3))), 0.05)


if __name__ == "__main__":
    unittest.main()
