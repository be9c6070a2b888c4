# SPDX-License-Identifier: GPL-3.0-or-later
"""RIFF/WAVE writing: chunks with their pad bytes, PCM and MPEG Layer-3 format chunks, whole files."""

import struct

FORMAT_PCM = 1
FORMAT_MPEGLAYER3 = 0x55


def chunk(tag, payload):
    """One chunk: tag, little-endian size, payload and, for an odd size, one zero pad byte."""
    if len(tag) != 4:
        raise ValueError("chunk tags have four characters")
    body = tag.encode("ascii") + struct.pack("<I", len(payload)) + payload
    return body + b"\0" if len(payload) % 2 else body


def riff(chunks):
    """A RIFF "WAVE" file made of already encoded chunks (the size field counts the pad bytes)."""
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def pcm_format(channels, rate, bits):
    """The 16-byte "fmt " payload of linear PCM."""
    block_align = channels * bits // 8
    return struct.pack("<HHIIHH", FORMAT_PCM, channels, rate, rate * block_align, block_align, bits)


def mp3_format(channels, rate, bytes_per_second, block_size):
    """The 30-byte "fmt " payload of MPEG Layer-3 in WAV (MPEGLAYER3WAVEFORMAT).

    The extra twelve bytes: wID 1 (MPEG), fdwFlags 2 (padding off), nBlockSize the frame length in
    bytes, nFramesPerBlock 1, nCodecDelay 1393 samples."""
    common = struct.pack("<HHIIHHH", FORMAT_MPEGLAYER3, channels, rate, bytes_per_second, 1, 0, 12)
    return common + struct.pack("<HIHHH", 1, 2, block_size, 1, 1393)


def pcm_wave(channels, rate, bits, samples, before_data=(), after_data=()):
    """A PCM WAV file; `before_data`/`after_data` are extra encoded chunks placed around "data"."""
    chunks = [chunk("fmt ", pcm_format(channels, rate, bits)), *before_data, chunk("data", samples),
              *after_data]
    return riff(chunks)


def mp3_frames(stream):
    """Splits an MPEG-2/2.5 Layer-3 stream into its frames; returns (frame headers, frame lengths).

    Only the sample rates used here (MPEG-2 and MPEG-2.5 Layer III) are understood; anything else raises."""
    bitrates = [0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160]
    rates = {2: [22050, 24000, 16000], 0: [11025, 12000, 8000]}  # by version bits
    pos, headers, lengths = 0, [], []
    while pos + 4 <= len(stream):
        h = struct.unpack(">I", stream[pos:pos + 4])[0]
        version, layer = (h >> 19) & 3, (h >> 17) & 3
        if (h >> 21) != 0x7FF or version not in rates or layer != 1:
            raise ValueError("not an MPEG-2/2.5 Layer III frame at byte %d" % pos)
        kbps = bitrates[(h >> 12) & 15]
        rate = rates[version][(h >> 10) & 3]
        length = 72000 * kbps // rate + ((h >> 9) & 1)
        headers.append(h)
        lengths.append(length)
        pos += length
    if pos != len(stream):
        raise ValueError("truncated last frame")
    return headers, lengths


def mp3_wave(channels, rate, bytes_per_second, stream, sample_count):
    """An MPEG Layer-3 WAV file around a raw frame stream, with its "fact" chunk of `sample_count`."""
    _, lengths = mp3_frames(stream)
    fmt = mp3_format(channels, rate, bytes_per_second, min(lengths))
    return riff([chunk("fmt ", fmt), chunk("fact", struct.pack("<I", sample_count)), chunk("data", stream)])
