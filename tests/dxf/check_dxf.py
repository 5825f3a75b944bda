#!/usr/bin/python3
"""The DXF files brasswick-script writes, read by programs no one here wrote.

For every feature in every view, direction and Hidden state, and the core note: ezdxf's
strict reader loads the file with nothing logged and its auditor neither finds nor fixes
anything; the entities equal, in kind, layer, coordinates (to a single's precision) and order,
the ones `brasswick-script render` lists for the same script; only the hidden-line layer is
HIDDEN; the extent holds every entity; `librecad dxf2pdf` prints every file as one page.

usage: check_dxf.py BRASSWICK_SCRIPT [--keep FOLDER]
Prints one line per failure and a summary with the time each part took; exits 1 on a failure.
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

COMMON = ["base=2.5,-3", "layer=CUR", "hidden-layer=HID"]

# (name and arguments, has a face view, has directions)
FEATURES = [
    ("ejector pin=.25 depth=1", True, True),
    ("corepin pin=.25 head=.375 headlen=.125", True, True),
    ("taper diameter=.25 length=2", False, True),
    ("tap major=.25 drill=.201 depth=.75", True, True),
    ("cbore screw=.25 cbore=.4375", True, True),
    ("thread diameter=.5 tpi=13 length=.5", False, True),
    ("thread diameter=.25 tpi=20 length=.3 left=1", False, True),
    ("drill countersunk=0", True, True),
    ("drill countersunk=1 angle=100", True, True),
    ("slot", False, True),
    ("cam", False, True),
    ("keyway kind=shaft", False, False),
    ("keyway kind=hub", False, False),
    ("shaft segments=1.000:1.000,0.750:0.500,1.250:0.250", True, True),
    ("centerdrill type=plain d1=.25 d2=.0625 l=.1", True, True),
    ("centerdrill type=bell b1=.25 b2=.0625 b3=.125", True, True),
]


def cases():
    """(file stem, brasswick-script arguments, hidden layer apart from the current one)"""
    out = []
    for n, (args, face, turns) in enumerate(FEATURES):
        for view in ["side", "face"] if face else ["side"]:
            for d in [0, 90, 180, 270] if turns else [0]:
                for hidden in [0, 1]:
                    stem = f"{n:02d}-{args.split()[0]}-{view}-{d}-{hidden}"
                    extra = [f"view={view}", f"dir={d}", f"hidden={hidden}"]
                    out.append((stem, args.split() + extra + COMMON, True))
    for kind in ["C", "CX"]:
        out.append((f"90-corenote-{kind}", ["corenote", f"kind={kind}", "number=-12", "scale=.5"]
                    + COMMON, True))
    # The hidden-line layer is the current one: nothing may be drawn with HIDDEN.
    out.append(("91-ejector-same-layer", ["ejector", "pin=.25", "depth=1", "hidden=1",
                                          "layer=Walls", "hidden-layer=WALLS"], False))
    return out


def listed(listing):
    """render's listing as (kind, layer, numbers, (block, value) or None) tuples."""
    out = []
    for line in listing.splitlines():
        kind, layer, *words = [w.split("=", 1)[-1] for w in line.split(" ")[:-1]]
        extra = (words.pop(0), words.pop()) if kind == "insert" else None
        out.append((kind, layer, [float(n) for w in words for n in w.split(",")], extra))
    return out


def read(doc):
    """The modelspace in the same form."""
    out = []
    for e in doc.modelspace():
        t, layer = e.dxftype(), e.dxf.layer
        if t == "LINE":
            out.append(("segment", layer, [*tuple(e.dxf.start)[:2], *tuple(e.dxf.end)[:2]], None))
        elif t in ("CIRCLE", "ARC"):
            c, r = e.dxf.center, e.dxf.radius
            ends = [] if t == "CIRCLE" else [
                f(math.radians(a)) * r + o for a in (e.dxf.start_angle, e.dxf.end_angle)
                for f, o in ((math.cos, c.x), (math.sin, c.y))]
            out.append((t.lower(), layer, [c.x, c.y, r] + ends, None))
        elif t == "INSERT":
            values = [a.dxf.text for a in e.attribs if a.dxf.tag == "NUMBER"]
            out.append(("insert", layer, [*tuple(e.dxf.insert)[:2], e.dxf.xscale, e.dxf.yscale,
                                          e.dxf.rotation], (e.dxf.name, "|".join(values))))
        else:
            out.append((t, layer, [], None))
    return out


def difference(want, got):
    """The first difference between two entity lists, or None. DXF, like the CAD side, takes
    layer names that differ only in case for one layer; numbers agree to a single's precision."""
    if len(want) != len(got):
        return f"{len(got)} entities instead of {len(want)}"
    for i, (w, g) in enumerate(zip(want, got)):
        reach = max([1.0] + [abs(v) for v in w[2]])
        if (w[0], w[1].upper(), w[3], len(w[2])) != (g[0], g[1].upper(), g[3], len(g[2])) or any(
                abs(a - b) > 2.0 ** -23 * reach for a, b in zip(w[2], g[2])):
            return f"entity {i}: {g} instead of {w}"
    return None


def check_one(tool, folder, stem, args, hidden_apart, logged):
    dxf, scr = os.path.join(folder, stem + ".dxf"), os.path.join(folder, stem + ".scr")
    made = subprocess.run([tool] + args + ["--dxf", dxf], capture_output=True)
    if made.returncode != 0:
        return f"brasswick-script {' '.join(args)}: exit {made.returncode}: {made.stderr!r}"
    with open(scr, "wb") as f:
        f.write(made.stdout)
    current = next(a for a in args if a.startswith("layer="))
    listing = subprocess.run([tool, "render", scr, current], capture_output=True, text=True)
    if listing.returncode != 0:
        return f"render: exit {listing.returncode}: {listing.stderr}"
    del logged[:]
    try:
        doc = ezdxf.readfile(dxf)
    except Exception as e:  # the strict reader's refusal is the failure being looked for
        return f"ezdxf.readfile: {type(e).__name__}: {e}"
    auditor = doc.audit()
    if auditor.has_errors or auditor.has_fixes or logged:
        return "audit: " + "; ".join([e.message for e in auditor.errors + auditor.fixes] + logged)
    if (doc.dxfversion, doc.header.get("$INSUNITS"), doc.header.get("$MEASUREMENT")) != (
            "AC1009", 1, 0):
        return f"not an inch drawing of release 12: {doc.dxfversion}"
    want = listed(listing.stdout)
    if not want or difference(want, read(doc)):
        return difference(want, read(doc)) or "the script draws nothing"
    # Layer 0 holds the blocks' own entities; then the current layer and every layer set.
    named = {n.upper() for n in re.findall(r"Layer set (\S+) ", made.stdout.decode("cp1252"))}
    named |= {"0", current[len("layer="):].upper()}
    layers = [layer for layer in doc.layers if layer.dxf.name != "Defpoints"]
    if sorted(layer.dxf.name.upper() for layer in layers) != sorted(named):
        return f"layers {[layer.dxf.name for layer in layers]} for a script on {sorted(named)}"
    for layer in layers:
        linetype = "HIDDEN" if hidden_apart and layer.dxf.name == "HID" else "CONTINUOUS"
        # The auditor lets a layer name a linetype the file does not define.
        if layer.dxf.linetype != linetype or linetype not in doc.linetypes:
            return f"layer {layer.dxf.name} is drawn {layer.dxf.linetype}, not {linetype}"
    low, high = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    for kind, _, numbers, _ in want:
        for x, y in [numbers[i:i + 2] for i in range(0, 4 if kind == "segment" else 2, 2)]:
            if not (low[0] - 1e-6 <= x <= high[0] + 1e-6 and low[1] - 1e-6 <= y <= high[1] + 1e-6):
                return f"{x},{y} lies outside the extent {low} {high}"
    return None


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--keep"):
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    # The comparison must see a point moved by more than a single's precision.
    want = listed("segment HID 1,2 3,4 at=1:1\narc 0 1,1 r=1 from=1,2 to=2,1 at=2:1")
    assert not difference(want, want) and difference(want, want[:1])
    assert difference(want, [("segment", "HID", [1, 2, 3, 4.000001], None), want[1]])
    assert difference(want, [("segment", "0", [1, 2, 3, 4], None), want[1]])
    tool = os.path.abspath(sys.argv[1])
    folder = sys.argv[3] if len(sys.argv) == 4 else tempfile.mkdtemp(prefix="bw-dxf-")
    folder = os.path.abspath(folder)
    os.makedirs(folder, exist_ok=True)
    logged = []
    handler = logging.Handler(logging.WARNING)
    handler.emit = lambda record: logged.append(record.getMessage())
    logging.getLogger("ezdxf").addHandler(handler)
    start, failures, all_cases = time.monotonic(), [], cases()
    # Every feature the tool lists in its usage has its cases here.
    usage = subprocess.run([tool], capture_output=True, text=True).stderr
    features = re.findall(r"^  (\w+) ", usage.split("features:\n")[1], re.M)
    covered = {args[0] for _, args, _ in all_cases}
    failures += [f"{name}: no DXF cases" for name in features if name not in covered]
    for stem, args, apart in all_cases:
        problem = check_one(tool, folder, stem, args, apart, logged)
        failures += [f"{stem}: {problem}"] if problem else []
    ezdxf_seconds, start = time.monotonic() - start, time.monotonic()

    # One LibreCAD run prints every file: starting it costs more than printing one.
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
        # LibreCAD exits 0 even when it fails: each file must give a readable one-page PDF.
        pdf = os.path.join(pdfs, name[:-4] + ".pdf")
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True)
        if info.returncode != 0 or "\nPages:           1\n" not in "\n" + info.stdout:
            failures.append(f"{name}: librecad made no one-page PDF: {info.stderr}")
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
