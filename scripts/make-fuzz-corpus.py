#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: one small draw file for every rule of the format."""
import pathlib

SEEDS = {
    "header-only": b"06/49\n",
    "header-no-line-end": b"06/49",
    "empty": b"",
    "one-draw": b"06/49\n0001  010203040506\n",
    "crlf": b"05 36\r\n0012  0105091522\r\n0013  0206101623\r\n",
    "lone-cr": b"02/09\r\n00\r01  01\r02\n",
    "ctrl-z-line-start": b"02/09\n0001  0102\n\x1a0002  0304\n",
    "ctrl-z-in-line": b"02/09\n0001  0102\x1ajunk\n0002  0304\n",
    "ctrl-z-first": b"\x1a06/49\n",
    "unread-columns": b"06x49 lotto\n0001ab010203040506 bonus 07\n",
    "blank-padded": b" 3  9\n   7   1 2 3\n",
    "signs-and-hex": b"$3/x9\n-001  +1$2x3\n0002  0X1-1 0\n",
    "repeats-above-m": b"03/09\n0001  070799\n0002  000000\n",
    "zero-k": b"00/09\n0001\n0002xx\n",
    "field-cut-short": b"02/09\n0001  010\n",
    "twenty-numbers": b"20/99\n0001  0102030405060708091011121314151617181920\n",
    "too-many-numbers": b"21/99\n0001  01\n",
    "empty-last-line": b"02/09\n0001  0102\n\n",
    "blank-after-digit": b"02/09\n0001  5 04\n",
    "tab": b"\t6/49\n",
    "nul": b"02/09\n0001  0\x0002\n",
    "cp1251": b"02/09\n0001  \xd2\xe8\n",
    "negative-m": b"02/-5\n0001  0102\n",
    "one-number": b"02/01\n0001  0101\n0002  0101\n",
    "two-numbers": b"02/02\n0005  0102\n0006  0201\n",
    "out-of-order": b"02/04\n0030  0102\n0010  0102\n0020  0304\n",
    "long-line": b"02/09" + b"7" * 5000 + b"\n0001  0102" + b"9" * 5000 + b"\n",
    "thousand-and-one": b"01/05\n" + b"".join(b"%04d  01\n" % i for i in range(1, 1002)),
}


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "tests" / "fuzz" / "corpus"
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
