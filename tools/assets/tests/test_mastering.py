# SPDX-License-Identifier: GPL-3.0-or-later
"""Final encodings made with sox and lame: exact lengths, levels and MPEG Layer-3 framing."""

import math
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

from assetgen import mastering, riff


def sine(folder, seconds, volume, channels=2):
    """A test piece in the studio's working format."""
    path = os.path.join(folder, "sine_%g_%g.wav" % (seconds, volume))
    subprocess.run(["sox", "-R", "-n", "-r", "44100", "-c", str(channels), "-e", "floating-point", "-b", "32",
                    path, "synth", str(seconds), "sine", "440", "vol", str(volume)], check=True)
    return path


@unittest.skipUnless(shutil.which("sox"), "sox is not installed")
class PcmTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="mastering_")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def test_length_is_exact_whether_the_piece_is_short_or_long(self):
        for seconds in (0.2, 1.5):
            for channels, bits in ((1, 8), (2, 8), (1, 16)):
                with self.subTest(seconds=seconds, channels=channels, bits=bits):
                    data = mastering.pcm(sine(self.folder, seconds, 0.5), self.folder, 11025, channels, bits, 9811)
                    self.assertEqual(len(data), 9811 * channels * bits // 8)

    def test_quiet_piece_is_raised_to_the_common_loudness(self):
        data = mastering.pcm(sine(self.folder, 1.0, 0.05), self.folder, 22050, 1, 16, 22050)
        values = [v for (v,) in struct.iter_unpack("<h", data[:20000])]
        rms_db = 20 * math.log10((sum(v * v for v in values) / len(values)) ** 0.5 / 32768)
        self.assertAlmostEqual(rms_db, mastering.TARGET_LOUDEST_DB, delta=1.5)
        self.assertLess(max(abs(v) for v in values), 32767)

    @unittest.skipUnless(shutil.which("lame"), "lame is not installed")
    def test_mp3_wave_holds_whole_frames_at_the_nominal_byte_rate(self):
        wave = mastering.mp3(sine(self.folder, 2.0, 0.5), self.folder, 11025, 2, 32, 22050)
        self.assertEqual(struct.unpack("<HHII", wave[20:32]), (0x55, 2, 11025, 4000))
        data_at = wave.index(b"data")
        size = struct.unpack("<I", wave[data_at + 4:data_at + 8])[0]
        _, lengths = riff.mp3_frames(wave[data_at + 8:data_at + 8 + size])
        self.assertEqual(sum(lengths), size)
        self.assertAlmostEqual(size / 4000, 2.0, delta=0.2)


if __name__ == "__main__":
    unittest.main()
