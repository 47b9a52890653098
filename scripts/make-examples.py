#!/usr/bin/env python3
"""Writes the example draw files in examples/ (seeded, so the files never change)."""
import pathlib
import random

EXAMPLES = [
    # name, K, M, draws, first draw number, line end
    ("6-49.txt", 6, 49, 100, 1, "\n"),
    ("5-36.txt", 5, 36, 250, 1, "\r\n"),
    ("20-99.txt", 20, 99, 1000, 1, "\n"),
]


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "examples"
    folder.mkdir(exist_ok=True)
    for name, k, m, count, first, end in EXAMPLES:
        rnd = random.Random(name)
        lines = [f"{k:02d}/{m:02d}"]
        for i in range(count):
            numbers = sorted(rnd.sample(range(1, m + 1), k))
            lines.append(f"{first + i:04d}  " + "".join(f"{n:02d}" for n in numbers))
        (folder / name).write_bytes((end.join(lines) + end).encode("ascii"))


if __name__ == "__main__":
    main()
