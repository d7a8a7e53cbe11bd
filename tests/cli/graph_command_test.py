#!/usr/bin/env python3
"""fenlo-cli graph as a script uses it: sizes, pages, types and choices change the picture; the
SVG and PDF are what their readers expect; every mistake has its exit status and leaves no file.
(That the pictures are the windows' own is the business of graph_window_test.cpp.)
    graph_command_test.py FENLO-CLI SAMPLE.fnl WORK-DIR
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

cli, sample, work = (os.path.abspath(a) for a in sys.argv[1:4])
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def environment(**changes):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR")}
    env.update(changes)
    return env


def run(kind, out, *options, book=sample, env=None):
    return subprocess.run([cli, "graph", kind, book, "--out", out, *options], capture_output=True,
                          env=env or environment(), timeout=60)


def draw(kind, *options, name="graph.png"):
    """The bytes the command writes, with no display and no platform chosen."""
    out = os.path.join(work, name)
    if os.path.exists(out):
        os.remove(out)
    result = run(kind, out, *options)
    check(result.returncode == 0, f"{kind} {options}: status {result.returncode}: {result.stderr!r}")
    check(result.stderr == b"", f"{kind} {options}: standard error {result.stderr!r}")
    if not os.path.exists(out):
        return b""
    with open(out, "rb") as f:
        return f.read()


def png_size(data):
    check(data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG")
    return struct.unpack(">II", data[16:24])


# Every kind, at the default size and at another.
kinds = ["display1", "display2", "monthly", "makers-count", "makers-economy", "categories-count",
         "categories-economy"]
for kind in kinds:
    check(png_size(draw(kind)) == (800, 600), f"{kind}: not 800x600 by default")
    check(png_size(draw(kind, "--size", "321x123")) == (321, 123), f"{kind}: --size ignored")
    check(png_size(draw(kind, "--size", "1x1")) == (1, 1), f"{kind}: 1x1 not drawn")

# The same arguments draw the same bytes, so a difference below is the option's doing.
base = {kind: draw(kind) for kind in kinds}
for kind in kinds:
    check(draw(kind) == base[kind], f"{kind}: two drawings differ")
check(draw("display1", "--type", "bar", "--page", "84") == base["display1"],
      "display1: the defaults are not the bars of the last page")
changes = [
    ("display1", "--page", "1"),
    ("display1", "--type", "ribbon"),
    ("display1", "--type", "area"),
    ("display1", "--from", "2004/1/1", "--to", "2004/12/31"),
    ("display1", "--maker", "3"),
    ("display1", "--kubun", "2"),
    ("display1", "--order", "economy"),
    ("display1", "--desc"),
    ("display2", "--page", "5"),
    ("display2", "--kubun", "1"),
    ("display2", "--order", "litres", "--desc"),
    ("monthly", "--page", "1"),
    ("monthly", "--type", "area"),
    ("makers-count", "--order", "count"),
    ("makers-count", "--asc"),
    ("makers-economy", "--order", "highest"),
    ("makers-economy", "--order", "lowest", "--asc"),
]
for kind, *options in changes:
    check(draw(kind, *options) != base[kind], f"{kind} {options}: the picture does not change")
check(draw("display1", "--type", "ribbon") != draw("display1", "--type", "area"),
      "ribbon and area draw the same")

# A logbook without fuelings draws every chart empty, on its only page.
with open(sample, "rb") as f:
    lines = f.read().split(b"\r\n")
free_fueling = [b"99999999", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b""]
empty = os.path.join(work, "empty.fnl")
with open(empty, "wb") as f:  # header, car name, 20 makers, then 1000 fueling slots of 9 lines
    f.write(b"\r\n".join(lines[:42] + free_fueling * 1000 + lines[42 + 9000:]))
for kind in kinds:
    result = run(kind, os.path.join(work, "empty.png"), "--page", "1", book=empty)
    check(result.returncode == 0, f"{kind}: an empty logbook gives {result.returncode} {result.stderr!r}")
check(run("display1", os.path.join(work, "empty.png"), "--page", "2", book=empty).returncode == 2,
      "an empty logbook has a second page")

# SVG: well-formed, drawn with shapes, titled with the window's caption, its texts as text.
svg_ns = "{http://www.w3.org/2000/svg}"
for kind, caption, texts in (("display1", "入力データ表示1グラフ", ["燃費(km/L)"]),
                             ("makers-count", "燃料メーカー別給油件数グラフ", []),
                             ("categories-economy", "区分別燃費グラフ", ["平均", "レギュラー"])):
    data = draw(kind, "--size", "640x480", name="graph.svg")
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as e:
        failures.append(f"{kind}: the SVG is not well-formed: {e}")
        continue
    check(root.tag == svg_ns + "svg", f"{kind}: root {root.tag}")
    check(root.get("viewBox") == "0 0 640 480", f"{kind}: viewBox {root.get('viewBox')}")
    check(root.findtext(svg_ns + "title") == caption,
          f"{kind}: title {root.findtext(svg_ns + 'title')!r}")
    shapes = [e for e in root.iter() if e.tag[len(svg_ns):] in ("path", "polygon", "polyline", "rect")]
    check(len(shapes) >= 20, f"{kind}: {len(shapes)} shapes")
    shown = "".join("".join(e.itertext()) for e in root.iter(svg_ns + "text"))
    for text in texts:
        check(text in shown, f"{kind}: no text {text!r} in the SVG")
    # A viewer without the Windows face falls back to the IPA face the window draws with.
    families = {e.get("font-family") for e in root.iter(svg_ns + "text")}
    check(families and all("IPAPMincho" in f for f in families), f"{kind}: fonts {families}")

# PDF: one page of the size asked for, in points.
pdf = draw("monthly", "--size", "640x480", name="graph.PDF")
check(pdf.startswith(b"%PDF-"), f"PDF begins {pdf[:8]!r}")
check(pdf.rstrip().endswith(b"%%EOF"), "PDF is not complete")
check(b"/MediaBox [0 0 640" in pdf and b" 480" in pdf.split(b"/MediaBox", 1)[-1][:40],
      f"PDF page: {pdf.split(b'/MediaBox', 1)[-1][:40]!r}")
pages = len(re.findall(rb"/Type\s*/Page(?![a-zA-Z])", pdf))
check(pages == 1, f"PDF has {pages} pages")

# Mistakes: the exit status, a message, and no file (nor a temporary) left behind.
not_logbook = os.path.join(work, "notes.fnl")
with open(not_logbook, "w") as f:
    f.write("not a logbook\n")
errors = [
    (2, ["bogus", "x.png"], "unknown graph bogus"),
    (2, ["display1", "x.gif"], ".png, .svg or .pdf"),
    (2, ["display1", "x"], ".png, .svg or .pdf"),
    (2, ["display1", "x.png", "--size", "0x10"], "--size"),
    (2, ["display1", "x.png", "--size", "640"], "--size"),
    (2, ["display1", "x.png", "--size", "9000x10"], "--size"),
    (2, ["display1", "x.png", "--size", "ax5"], "--size"),
    (2, ["display1", "x.png", "--page", "0"], "--page"),
    (2, ["display1", "x.png", "--page", "85"], "pages 1 to 84"),
    (2, ["makers-count", "x.png", "--page", "2"], "page 1 only"),
    (2, ["display1", "x.png", "--type", "pie"], "--type"),
    (2, ["categories-count", "x.png", "--type", "bar"], "no --type"),
    (2, ["monthly", "x.png", "--maker", "3"], "takes no options"),
    (2, ["display1", "x.png", "--maker", "1"], "no fuel maker has the code 1"),
    (2, ["makers-economy", "x.png", "--kubun", "1"], "takes only --order"),
    (2, ["display1", "x.png", "--order", "count"], "unknown order"),
    (2, ["display1", "x.png", "--colour", "red"], "unknown option --colour"),
    (1, ["display1", "x.png", "--from", "2004/2/30", "--to", "2004/3/1"], ""),
    (1, ["display1", "x.png", "--book", os.path.join(work, "missing.fnl")], "ファイルが見つかりません"),
    (1, ["display1", "x.png", "--book", not_logbook], "ふぇんろVer3"),
    (1, ["display1", os.path.join("no-such-folder", "x.png")], "no-such-folder"),
]
for status, args, message in errors:
    folder = os.path.join(work, "errors")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    kind, out, *options = args
    book = sample
    if options[:1] == ["--book"]:
        book, options = options[1], options[2:]
    result = subprocess.run([cli, "graph", kind, book, "--out", out, *options], cwd=folder,
                            capture_output=True, env=environment(), timeout=60)
    check(result.returncode == status, f"{args}: status {result.returncode}, expected {status}")
    check(message.encode() in result.stderr, f"{args}: message {result.stderr.decode()!r}")
    check(os.listdir(folder) == [], f"{args}: left {os.listdir(folder)}")
missing_out = subprocess.run([cli, "graph", "display1", sample], capture_output=True, timeout=60)
check(missing_out.returncode == 2 and b"--out is needed" in missing_out.stderr,
      f"no --out: {missing_out.returncode} {missing_out.stderr!r}")

# A failure keeps what was there: an older picture, a folder in the way.
old = os.path.join(work, "old.png")
with open(old, "wb") as f:
    f.write(b"the older picture")
result = run("display1", old, book=os.path.join(work, "missing.fnl"))
check(result.returncode == 1 and open(old, "rb").read() == b"the older picture",
      "a failed drawing touched the older picture")
in_the_way = os.path.join(work, "folder.png")
os.makedirs(os.path.join(in_the_way, "inside"))
result = run("display1", in_the_way)
check(result.returncode == 1 and os.listdir(in_the_way) == ["inside"],
      f"a folder in the way: status {result.returncode}, {os.listdir(in_the_way)}")
check(sorted(n for n in os.listdir(work) if n.startswith(".")) == [],
      f"temporaries left: {os.listdir(work)}")

# The platform a caller chose is kept: a platform that does not exist fails, and writes nothing.
out = os.path.join(work, "chosen.png")
result = run("display1", out, env=environment(QT_QPA_PLATFORM="no-such-platform"))
check(result.returncode != 0 and not os.path.exists(out),
      f"QT_QPA_PLATFORM was not kept: status {result.returncode}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("fenlo-cli graph: every kind, option and mistake as expected")
