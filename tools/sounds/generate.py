#!/usr/bin/env python3
"""Makes the game's sound effects and music, the same bytes on every run.

    python3 tools/sounds/generate.py            # writes assets/beside/Vrn*.wav and Vrn0..4.mid
    python3 tools/sounds/generate.py --out DIR  # somewhere else
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import effects  # noqa: E402
import midi  # noqa: E402
from pieces import PIECES  # noqa: E402

PREFIX = "Vrn"
SEED = 1987


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "assets", "beside"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    effects.make_all(args.out, PREFIX, SEED)
    for number, piece in enumerate(PIECES):
        name, tempo, beats_per_bar, parts, end_beat = piece()
        seconds = midi.write_song(os.path.join(args.out, f"{PREFIX}{number}.mid"), tempo, beats_per_bar,
                                  parts, end_beat, name)
        if not 60 <= seconds <= 120:
            sys.exit(f"{name} lasts {seconds:.0f} s; every piece must last 60 to 120 s")
        print(f"{PREFIX}{number}.mid  {name}: {seconds:.1f} s")


if __name__ == "__main__":
    main()
