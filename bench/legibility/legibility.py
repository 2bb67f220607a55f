#!/usr/bin/env python3
"""How well a sign reads: tesseract (Debian's tesseract-ocr and
tesseract-ocr-hin) reads real Hindi drawn by `ledfont preview` with the fonts
`ledfont import` makes by default, and drawn by HarfBuzz + FreeType from the
same typeface in 1 bit at the same pixel size and at 11 pixels. The score is
the character error rate over code points after NFC: edit distance / length
of the text, summed over all samples.

Words: a fixed sample of the Hindi word list of Debian's hunspell-hi
(/usr/share/hunspell/hi_IN.dic, by the janabhaaratii team of NCST/C-DAC,
GPL-2+), read where Debian installs it. Sentences: sentences.txt beside this
script (its head says where they come from and under which terms).

    bench/legibility/legibility.py BUILD_DIR [--words N] [--dump DIR] [--only NAME,...]

--dump DIR writes, for words and for sentences, what each drawer's picture
was read as (DIR/KIND.tsv: the text, then per drawer its reading and edits,
the samples the sign loses most first) and the pictures as PNG
(DIR/KIND-NAME-INDEX.png), to see which clusters cost the sign its reading.
--only keeps the named drawers (sign, harfbuzz-14px, harfbuzz-11px).

Every picture is black LEDs (solid squares, no gaps) on white, 16 rows
(HarfBuzz's letters standing on row 13, as the sign's do), scaled 4 times
with nearest neighbour and framed by 4 white LEDs, which gives letters of
40..60 pixels; words are read with --psm 8, sentences with --psm 7.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile
import unicodedata

TYPEFACE = "/usr/share/fonts/truetype/lohit-devanagari/Lohit-Devanagari.ttf"
WORD_LIST = "/usr/share/hunspell/hi_IN.dic"
VIRAMA = "\u094d"
HERE = os.path.dirname(os.path.abspath(__file__))
SCALE = 4
MARGIN = 4  # LEDs
BASELINE_ROW = 13  # where the sign's letters stand, counted from 1: the import's default


def is_plain_devanagari(word):
    return word and all(0x0900 <= ord(ch) <= 0x097F for ch in word)


def sample_words(count):
    with open(WORD_LIST, encoding="utf-8") as f:
        words = [line.split("/")[0].strip() for line in f.readlines()[1:]]
    words = sorted({w for w in words if is_plain_devanagari(w) and len(w) >= 2})
    return random.Random(19).sample(words, min(count, len(words)))


def sentences():
    with open(os.path.join(HERE, "sentences.txt"), encoding="utf-8") as f:
        return [l.strip() for l in f if l.strip() and not l.startswith("#")]


def rows_of_art(text):
    return [r for r in text.splitlines() if r and set(r) <= {"#", "."}]


def write_pgm(rows, path):
    width = (max(len(r) for r in rows) + 2 * MARGIN) * SCALE
    height = (len(rows) + 2 * MARGIN) * SCALE
    blank = bytes([255]) * width
    lines = [blank] * (MARGIN * SCALE)
    for r in rows:
        line = bytearray([255]) * width
        for x, ch in enumerate(r):
            if ch == "#":
                at = (x + MARGIN) * SCALE
                line[at:at + SCALE] = bytes(SCALE)
        lines += [bytes(line)] * SCALE
    lines += [blank] * (MARGIN * SCALE)
    with open(path, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (width, height) + b"".join(lines))


def sign_rows(ledfont, fonts, text):
    r = subprocess.run([ledfont, "preview", text, "--hindi", fonts[0], "--jukta", fonts[1]],
                       capture_output=True, text=True)
    if r.returncode not in (0, 1):
        raise RuntimeError(r.stderr)
    return rows_of_art(r.stdout)[:16]


def typeset_rows(typeset, pixels, text):
    """The 16 rows of a sign's line, letters standing on BASELINE_ROW."""
    r = subprocess.run([typeset, TYPEFACE, str(pixels), text], capture_output=True, text=True, check=True)
    rows = rows_of_art(r.stdout)
    baseline = int(r.stderr.split("baseline under row ")[1])  # of rows, counted from 1
    blank = "." * len(rows[0])
    rows = [blank] * 16 + rows + [blank] * 16
    first = 16 + baseline - BASELINE_ROW
    return rows[first:first + 16]


def read_all(paths, psm, scratch):
    """tesseract over many pictures at once: one page a picture."""
    listing = os.path.join(scratch, "pages.txt")
    with open(listing, "w") as f:
        f.write("\n".join(paths) + "\n")
    out = os.path.join(scratch, "read")
    subprocess.run(["tesseract", listing, out, "-l", "hin", "--psm", str(psm)],
                   capture_output=True, check=True)
    with open(out + ".txt", encoding="utf-8") as f:
        pages = f.read().split("\f")
    return [p.strip() for p in pages[:len(paths)]]


def distance(a, b):
    previous = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        current = [i]
        for j, cb in enumerate(b, 1):
            current.append(min(previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (ca != cb)))
        previous = current
    return previous[-1]


def cer(texts, read):
    edits = sum(distance(norm(r), norm(t)) for t, r in zip(texts, read))
    return edits / sum(len(norm(t)) for t in texts)


def norm(s):
    return unicodedata.normalize("NFC", " ".join(s.split()))


def score(name, texts, draw, psm, scratch):
    """The CER of all texts, of those without a virama (where half forms,
    conjuncts and reph play no part), their count, the readings and the
    pictures."""
    paths = []
    for i, t in enumerate(texts):
        path = os.path.join(scratch, "%s-%d.pgm" % (name, i))
        write_pgm(draw(t), path)
        paths.append(path)
    read = read_all(paths, psm, scratch)
    plain = [(t, r) for t, r in zip(texts, read) if VIRAMA not in t]
    return cer(texts, read), cer([t for t, _ in plain], [r for _, r in plain]), len(plain), read, paths


def dump(directory, kind, texts, figures):
    """The readings of every drawer, the samples the sign loses most first,
    and the pictures as PNG beside them."""
    os.makedirs(directory, exist_ok=True)
    names = list(figures)
    rows = []
    for i, t in enumerate(texts):
        cells = [(figures[n][3][i], distance(norm(figures[n][3][i]), norm(t))) for n in names]
        rows.append((i, t, cells))
    lead = [n.startswith("harfbuzz") for n in names].index(True) if len(names) > 1 else 0
    rows.sort(key=lambda r: r[2][lead][1] - r[2][0][1])
    with open(os.path.join(directory, kind + ".tsv"), "w", encoding="utf-8") as f:
        f.write("\t".join(["index", "text"] + ["%s read\t%s edits" % (n, n) for n in names]) + "\n")
        for i, t, cells in rows:
            f.write("\t".join([str(i), t] + ["%s\t%d" % c for c in cells]) + "\n")
    for n in names:
        for i, path in enumerate(figures[n][4]):
            subprocess.run(["/usr/bin/convert", path, os.path.join(directory, "%s-%s-%d.png" % (kind, n, i))],
                           check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--words", type=int, default=1000)
    parser.add_argument("--dump")
    parser.add_argument("--only")
    args = parser.parse_args()
    ledfont = os.path.join(args.build, "cli", "ledfont")
    typeset = os.path.join(args.build, "bench", "typeset_line")
    with tempfile.TemporaryDirectory() as scratch:
        fonts = [os.path.join(scratch, "hindi.txt"), os.path.join(scratch, "jukta.txt")]
        for mode, path in zip(("--hindi", "--jukta"), fonts):
            subprocess.run([ledfont, "import", mode, "-o", path], capture_output=True, check=True)
        report = subprocess.run([ledfont, "import", "--hindi", "-o", "-"], capture_output=True, text=True)
        size = int(report.stderr.split(" at ")[1].split(" pixels")[0])
        drawers = {
            "sign": lambda t: sign_rows(ledfont, fonts, t),
            "harfbuzz-%dpx" % size: lambda t: typeset_rows(typeset, size, t),
            "harfbuzz-11px": lambda t: typeset_rows(typeset, 11, t),
        }
        if args.only:
            drawers = {n: d for n, d in drawers.items() if n in args.only.split(",")}
        samples = {"words": (sample_words(args.words), 8), "sentences": (sentences(), 7)}
        print("typeface %s, sign fonts imported at %d pixels" % (os.path.basename(TYPEFACE), size))
        for kind, (texts, psm) in samples.items():
            figures = {name: score(name + kind, texts, draw, psm, scratch) for name, draw in drawers.items()}
            if args.dump:
                dump(args.dump, kind, texts, figures)
            same = "harfbuzz-%dpx" % size
            for part, title in ((0, "all"), (1, "no virama")):
                count = len(texts) if part == 0 else next(iter(figures.values()))[2]
                line = ", ".join("%s %.3f" % (n, f[part]) for n, f in figures.items())
                ratio = ("; sign / harfbuzz at the same size %.2f" % (figures["sign"][part] / figures[same][part])
                         if "sign" in figures and same in figures else "")
                print("%-9s %-9s (%4d): CER %s%s" % (kind, title, count, line, ratio))
            sys.stdout.flush()


if __name__ == "__main__":
    main()
