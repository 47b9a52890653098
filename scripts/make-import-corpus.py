#!/usr/bin/env python3
"""Writes the seed corpus of the import fuzzer: one small history for each
kind of layout the proposal reads (tests/fuzz/import-corpus)."""
import os
import random

random.seed(11)
here = os.path.join(os.path.dirname(__file__), "..", "tests", "fuzz", "import-corpus")
os.makedirs(here, exist_ok=True)


def draws(k, m, count):
    return [sorted(random.sample(range(1, m + 1), k)) for _ in range(count)]


def write(name, text, encoding="utf-8"):
    with open(os.path.join(here, name), "wb") as f:
        f.write(text.encode(encoding))


rows = draws(6, 49, 12)
write("csv-header", "Draw,Date,N1,N2,N3,N4,N5,N6,Bonus\n" + "".join(
    f"{i + 1},2024-01-{i + 1:02d},{','.join(map(str, r))},{(i * 7) % 49 + 1}\n" for i, r in enumerate(rows)))
write("semicolon-one-field-newest-first", "Тираж;Дата;Числа\r\n" + "".join(
    f"{12 - i};{i + 1:02d}.05.2024;{' '.join(map(str, r))}\r\n" for i, r in enumerate(rows)))
write("tab-no-header", "".join(f"{10001 + i}\t{chr(9).join(map(str, r))}\n" for i, r in enumerate(rows)))
write("quoted-bom", "\ufeff\"Draw Date\",\"Winning Numbers\"\n" + "".join(
    f"\"0{i % 9 + 1}-Feb-2013\",\"{' '.join(f'{n:02d}' for n in r)}\"\n" for i, r in enumerate(rows)))
write("blanks-russian-dates", "".join(
    f"{i + 1} июля 2024   {'  '.join(map(str, r))}\n" for i, r in enumerate(rows)))
write("pipe-keno", "year|week|draw|numbers\n" + "".join(
    f"2020|{i + 1}|{i + 1}|{' '.join(map(str, r))}\n" for i, r in enumerate(draws(20, 80, 8))))
write("cp1251-header", "Тираж;Числа\r\n" + "".join(
    f"{i + 1};{' '.join(map(str, r))}\r\n" for i, r in enumerate(rows)), "cp1251")
write("bad-rows", "draw,a,b,c\n1,1,2,3\n\n2,1,2\n3,1,x,3\n4,1,50,3\n5,7,7,3\nx,4,5,6\n7,4,5,6")
write("money-and-weekday", "".join(
    f"Sat;{i + 1};{';'.join(map(str, r))};1 000 000 руб.\n" for i, r in enumerate(rows)))
write("empty", "")
write("header-only", "Draw,Date,N1,N2\n")
write("wide-row", ",".join(str(n) for n in range(1, 40)) + "\n" + ",".join(str(n) for n in range(2, 41)) + "\n")
