# SPDX-License-Identifier: GPL-3.0-or-later
"""Entry point: python3 -m assetgen ROOT PAINTER [sounds|pictures] writes the assets under ROOT."""

import sys

from . import appicons, pictures, sounds


def main(argv):
    if len(argv) not in (3, 4) or (len(argv) == 4 and argv[3] not in ("sounds", "pictures")):
        print("usage: python3 -m assetgen ROOT PAINTER [sounds|pictures]", file=sys.stderr)
        return 2
    root, painter = argv[1], argv[2]
    which = argv[3] if len(argv) == 4 else "all"
    if which in ("all", "pictures"):
        pictures.generate(root, painter)
        appicons.generate(root, painter)
    if which in ("all", "sounds"):
        sounds.generate(root)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
