#!/usr/bin/python3
"""The DXF files brasswick-script writes, read by programs no one here wrote.

For every feature in every view, direction and Hidden state, and the core note:
  - ezdxf's strict reader loads the file with nothing logged, and its auditor finds no error
    and fixes nothing;
  - the file's entities equal, in kind, layer and coordinates (to a single's precision), the
    ones `brasswick-script render` lists for the same script, in the same order;
  - the hidden-line layer, and only it, has the HIDDEN linetype;
  - `librecad dxf2pdf` turns every file into a one-page PDF.

usage: check_dxf.py BRASSWICK_SCRIPT [--keep FOLDER]
Runs on Debian's python3-ezdxf, librecad and poppler-utils (pdfinfo); prints one line per
failure and a summary with the time each part took, and exits 1 on any failure.
"""

import logging
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import ezdxf

BASE = "base=2.5,-3"
LAYERS = ["layer=CUR", "hidden-layer=HID"]

# (name, arguments, has a face view, has directions)
FEATURES = [
    ("ejector", ["pin=.25", "depth=1"], True, True),
    ("corepin", ["pin=.25", "head=.375", "headlen=.125"], True, True),
    ("taper", ["diameter=.25", "length=2"], False, True),
    ("tap", ["major=.25", "drill=.201", "depth=.75"], True, True),
    ("cbore", ["screw=.25", "cbore=.4375"], True, True),
    ("thread", ["diameter=.5", "tpi=13", "length=.5"], False, True),
    ("thread", ["diameter=.25", "tpi=20", "length=.3", "left=1"], False, True),
    ("drill", ["countersunk=0"], True, True),
    ("drill", ["countersunk=1", "angle=100"], True, True),
    ("slot", [], False, True),
    ("cam", [], False, True),
    ("keyway", ["kind=shaft"], False, False),
    ("keyway", ["kind=hub"], False, False),
    ("shaft", ["segments=1.000:1.000,0.750:0.500,1.250:0.250"], True, True),
    ("centerdrill", ["type=plain", "d1=.25", "d2=.0625", "l=.1"], True, True),
    ("centerdrill", ["type=bell", "b1=.25", "b2=.0625", "b3=.125"], True, True),
]


def cases():
    """(file stem, brasswick-script arguments, hidden layer apart from the current one)"""
    out = []
    for n, (name, args, face, turns) in enumerate(FEATURES):
        for view in ["side", "face"] if face else ["side"]:
            for direction in [0, 90, 180, 270] if turns else [0]:
                for hidden in [0, 1]:
                    stem = f"{n:02d}-{name}-{view}-{direction}-{hidden}"
                    extra = [f"view={view}", f"dir={direction}", f"hidden={hidden}"]
                    out.append((stem, [name] + args + extra + [BASE] + LAYERS, True))
    for kind in ["C", "CX"]:
        out.append((f"90-corenote-{kind}", ["corenote", f"kind={kind}", "number=-12", "scale=.5",
                                            BASE] + LAYERS, True))
    # The hidden-line layer is the current one: nothing may be drawn with HIDDEN.
    out.append(("91-ejector-same-layer", ["ejector", "pin=.25", "depth=1", "hidden=1",
                                          "layer=Walls", "hidden-layer=WALLS"], False))
    return out


def close(a, b, reach=1.0):
    """Equal to the precision of a single at this magnitude."""
    return abs(a - b) <= 2.0 ** -23 * max(1.0, abs(a), abs(b), reach)


def point(text):
    x, y = text.split(",")
    return float(x), float(y)


def listing_entities(listing):
    """render's listing as (kind, layer, numbers, extra) tuples."""
    out = []
    for line in listing.splitlines():
        words = line.split(" ")
        kind, layer = words[0], words[1]
        fields = dict(w.split("=", 1) for w in words[2:] if "=" in w)
        if kind == "segment":
            out.append((kind, layer, point(words[2]) + point(words[3]), None))
        elif kind == "circle":
            out.append((kind, layer, point(words[2]) + (float(fields["r"]),), None))
        elif kind == "arc":
            out.append((kind, layer, point(words[2]) + (float(fields["r"]),) +
                        point(fields["from"]) + point(fields["to"]), None))
        elif kind == "insert":
            sx, sy = point(fields["scale"])
            out.append((kind, layer, point(words[3]) + (sx, sy, float(fields["rotation"])),
                        (words[2], fields["value"])))
        else:
            raise ValueError("unknown listing line: " + line)
    return out


def dxf_entities(doc):
    out = []
    for e in doc.modelspace():
        t, layer = e.dxftype(), e.dxf.layer
        if t == "LINE":
            out.append(("segment", layer, tuple(e.dxf.start)[:2] + tuple(e.dxf.end)[:2], None))
        elif t == "CIRCLE":
            out.append(("circle", layer, tuple(e.dxf.center)[:2] + (e.dxf.radius,), None))
        elif t == "ARC":
            c, r = e.dxf.center, e.dxf.radius
            ends = []
            for angle in (e.dxf.start_angle, e.dxf.end_angle):
                a = math.radians(angle)
                ends += [c.x + r * math.cos(a), c.y + r * math.sin(a)]
            out.append(("arc", layer, (c.x, c.y, r) + tuple(ends), None))
        elif t == "INSERT":
            values = [a.dxf.text for a in e.attribs if a.dxf.tag == "NUMBER"]
            out.append(("insert", layer, tuple(e.dxf.insert)[:2] +
                        (e.dxf.xscale, e.dxf.yscale, e.dxf.rotation),
                        (e.dxf.name, values[0] if len(values) == 1 else values)))
        else:
            out.append((t, layer, (), None))
    return out


def compare(expected, actual):
    """The first difference between two entity lists, or None."""
    if len(expected) != len(actual):
        return f"{len(actual)} entities instead of {len(expected)}"
    for i, (want, got) in enumerate(zip(expected, actual)):
        reach = max([1.0] + [abs(v) for v in want[2]])
        # DXF, like the CAD side, takes layer names that differ only in case for one layer.
        same = (want[0] == got[0] and want[1].upper() == got[1].upper() and want[3] == got[3] and
                len(want[2]) == len(got[2]) and
                all(close(a, b, reach) for a, b in zip(want[2], got[2])))
        if not same:
            return f"entity {i}: {got} instead of {want}"
    return None


class Collect(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage())


def check_one(tool, folder, stem, args, hidden_apart, logged):
    dxf = os.path.join(folder, stem + ".dxf")
    scr = os.path.join(folder, stem + ".scr")
    made = subprocess.run([tool] + args + ["--dxf", dxf], capture_output=True)
    if made.returncode != 0:
        return f"brasswick-script {' '.join(args)}: exit {made.returncode}: {made.stderr!r}"
    with open(scr, "wb") as f:
        f.write(made.stdout)
    current = next(a for a in args if a.startswith("layer=")) if any(
        a.startswith("layer=") for a in args) else "layer=0"
    listed = subprocess.run([tool, "render", scr, current], capture_output=True, text=True)
    if listed.returncode != 0:
        return f"render: exit {listed.returncode}: {listed.stderr}"
    del logged.messages[:]
    try:
        doc = ezdxf.readfile(dxf)
    except Exception as e:  # the strict reader's refusal is the failure being looked for
        return f"ezdxf.readfile: {type(e).__name__}: {e}"
    auditor = doc.audit()
    if auditor.has_errors or auditor.has_fixes:
        return "audit: " + "; ".join(e.message for e in auditor.errors + auditor.fixes)
    if logged.messages:
        return "ezdxf logged: " + "; ".join(logged.messages)
    if doc.dxfversion != "AC1009":
        return f"version {doc.dxfversion}"
    if doc.header.get("$INSUNITS") != 1 or doc.header.get("$MEASUREMENT") != 0:
        return "not an inch drawing"
    expected = listing_entities(listed.stdout)
    if not expected:
        return "the script draws nothing"
    difference = compare(expected, dxf_entities(doc))
    if difference:
        return difference
    # Layer 0 holds the blocks' own entities; then the current layer and every layer set.
    named = {"0", current[len("layer="):]} | set(
        re.findall(r"Layer set (\S+) ", made.stdout.decode("cp1252")))
    written = {layer.dxf.name for layer in doc.layers} - {"Defpoints"}
    if {n.upper() for n in written} != {n.upper() for n in named} or len(written) != len(
            {n.upper() for n in named}):
        return f"layers {sorted(written)} for a script on {sorted(named)}"
    for layer in doc.layers:
        want = "HIDDEN" if hidden_apart and layer.dxf.name == "HID" else "CONTINUOUS"
        if layer.dxf.name != "Defpoints" and layer.dxf.linetype != want:
            return f"layer {layer.dxf.name} is drawn {layer.dxf.linetype}, not {want}"
        # The auditor lets a layer name a linetype the file does not define.
        if layer.dxf.linetype not in doc.linetypes:
            return f"layer {layer.dxf.name}'s linetype {layer.dxf.linetype} is not defined"
    low, high = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    for kind, _, numbers, _ in expected:
        pts = [numbers[i:i + 2] for i in range(0, len(numbers) - 1, 2)] if kind == "segment" \
            else [numbers[0:2]]
        for x, y in pts:
            if not (low[0] - 1e-6 <= x <= high[0] + 1e-6 and low[1] - 1e-6 <= y <= high[1] + 1e-6):
                return f"{x},{y} lies outside the extent {low} {high}"
    return None


def self_check():
    """The comparison must see a point moved by more than a single's precision."""
    listed = listing_entities("segment HID 1,2 3,4 at=1:1\narc 0 1,1 r=1 from=1,2 to=2,1 at=2:1")
    moved = [listed[0][:2] + ((1.0, 2.0, 3.0, 4.000001),) + (None,), listed[1]]
    assert compare(listed, listed) is None
    assert compare(listed, moved) is not None
    assert compare(listed, [("segment", "0") + listed[0][2:], listed[1]]) is not None
    assert compare(listed, listed[:1]) is not None


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--keep"):
        print(__doc__.strip().splitlines()[-3], file=sys.stderr)
        return 2
    tool = os.path.abspath(sys.argv[1])
    folder = os.path.abspath(sys.argv[3]) if len(sys.argv) == 4 else tempfile.mkdtemp(
        prefix="bw-dxf-")
    os.makedirs(folder, exist_ok=True)
    self_check()
    logged = Collect()
    logging.getLogger("ezdxf").addHandler(logged)
    failures = []
    start = time.monotonic()
    all_cases = cases()
    for stem, args, apart in all_cases:
        problem = check_one(tool, folder, stem, args, apart, logged)
        if problem:
            failures.append(f"{stem}: {problem}")
    ezdxf_seconds = time.monotonic() - start

    # One LibreCAD run prints every file: starting it costs more than printing one.
    start = time.monotonic()
    pdfs = os.path.join(folder, "pdf")
    os.makedirs(pdfs, exist_ok=True)
    dxfs = sorted(f for f in os.listdir(folder) if f.endswith(".dxf"))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.setdefault("XDG_RUNTIME_DIR", folder)
    printed = subprocess.run(["timeout", "600", "librecad", "dxf2pdf", "-a", "-t", pdfs] + dxfs,
                             cwd=folder, env=env, capture_output=True, text=True)
    if printed.returncode != 0:
        failures.append(f"librecad dxf2pdf: exit {printed.returncode}: {printed.stderr[-500:]}")
    for name in dxfs:
        pdf = os.path.join(pdfs, name[:-4] + ".pdf")
        if not os.path.isfile(pdf) or os.path.getsize(pdf) == 0:
            failures.append(f"{name}: librecad made no PDF")
            continue
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True)
        if info.returncode != 0 or "\nPages:           1\n" not in "\n" + info.stdout:
            failures.append(f"{name}: librecad's PDF is not one readable page: {info.stderr}")
    librecad_seconds = time.monotonic() - start

    for failure in failures:
        print("FAIL " + failure)
    print(f"{len(all_cases)} DXF files: {len(all_cases) - len(failures)} clean; "
          f"ezdxf {ezdxf_seconds:.1f}s, librecad {librecad_seconds:.1f}s")
    if len(sys.argv) == 2:
        shutil.rmtree(folder, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
