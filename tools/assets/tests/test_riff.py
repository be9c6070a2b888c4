# SPDX-License-Identifier: GPL-3.0-or-later
"""WAV container writing: chunk padding, format chunks and the splitting of MPEG Layer-3 streams."""

import struct
import unittest

from assetgen import riff


def mpeg25_frame(padding):
    """One MPEG-2.5 Layer III frame header (32 kbit/s, 11025 Hz, stereo) followed by zero bytes."""
    header = 0xFFE00000 | (1 << 17) | (1 << 16) | (4 << 12) | (0 << 10) | (padding << 9)
    return struct.pack(">I", header) + bytes(72000 * 32 // 11025 + padding - 4)


class ChunkTest(unittest.TestCase):
    def test_odd_payload_gets_one_zero_pad_byte_not_counted_in_its_size(self):
        encoded = riff.chunk("alia", b"abc")
        self.assertEqual(encoded, b"alia" + struct.pack("<I", 3) + b"abc\0")
        self.assertEqual(riff.chunk("data", b"ab"), b"data" + struct.pack("<I", 2) + b"ab")

    def test_riff_size_counts_pad_bytes(self):
        data = riff.riff([riff.chunk("data", b"x")])
        self.assertEqual(struct.unpack("<I", data[4:8])[0], len(data) - 8)
        self.assertEqual(len(data) % 2, 0)

    def test_pcm_format_derives_block_align_and_byte_rate(self):
        for channels, rate, bits, align in [(1, 11025, 8, 1), (2, 22050, 8, 2), (1, 44100, 16, 2)]:
            with self.subTest(channels=channels, bits=bits):
                fields = struct.unpack("<HHIIHH", riff.pcm_format(channels, rate, bits))
                self.assertEqual(fields, (1, channels, rate, rate * align, align, bits))

    def test_mp3_format_is_thirty_bytes_with_the_layer3_extension(self):
        fmt = riff.mp3_format(2, 11025, 4000, 208)
        self.assertEqual(len(fmt), 30)
        tag, channels, rate, byte_rate, align, bits, extra = struct.unpack("<HHIIHHH", fmt[:18])
        self.assertEqual((tag, channels, rate, byte_rate, align, bits, extra), (0x55, 2, 11025, 4000, 1, 0, 12))
        self.assertEqual(struct.unpack("<HIHHH", fmt[18:]), (1, 2, 208, 1, 1393))


class Mp3FramesTest(unittest.TestCase):
    def test_frames_with_and_without_padding_are_split_at_their_lengths(self):
        stream = mpeg25_frame(0) + mpeg25_frame(1) + mpeg25_frame(0)
        _, lengths = riff.mp3_frames(stream)
        self.assertEqual(lengths, [208, 209, 208])

    def test_wave_uses_the_unpadded_frame_length_as_block_size(self):
        stream = mpeg25_frame(1) + mpeg25_frame(0)
        wave = riff.mp3_wave(2, 11025, 4000, stream, 1000)
        self.assertEqual(struct.unpack("<H", wave[20 + 24:20 + 26])[0], 208)
        self.assertIn(b"fact" + struct.pack("<II", 4, 1000), wave)

    def test_garbage_and_cut_frames_are_refused(self):
        with self.assertRaises(ValueError):
            riff.mp3_frames(mpeg25_frame(0) + b"ID3\x03")
        with self.assertRaises(ValueError):
            riff.mp3_frames(mpeg25_frame(0)[:-1])


if __name__ == "__main__":
    unittest.main()
