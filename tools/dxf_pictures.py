#!/usr/bin/python3
"""Pictures for docs/dxf.md: a counterbore and a core note as two other programs draw the DXF
brasswick-script writes, ezdxf (its drawing add-on through matplotlib) and LibreCAD (dxf2pdf,
then pdftoppm).

usage: dxf_pictures.py BRASSWICK_SCRIPT DOCS_FOLDER
Needs python3-ezdxf, python3-matplotlib, librecad, poppler-utils and imagemagick.
"""

import logging
import os
import subprocess
import sys
import tempfile

import ezdxf
import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402

PICTURES = {
    "cbore": "cbore screw=.25 cbore=.4375 hidden=1 layer=CUR hidden-layer=HID base=0,0",
    "corenote": "corenote kind=CX number=12 base=0,0",
}


def main():
    # matplotlib has no font for the CAD side's "txt" and draws the text in its own.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    tool, docs = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    with tempfile.TemporaryDirectory() as folder:
        env.setdefault("XDG_RUNTIME_DIR", folder)
        for name, args in PICTURES.items():
            dxf, png = os.path.join(folder, name + ".dxf"), os.path.join(docs, f"dxf-{name}-")
            subprocess.run([tool, *args.split(), "--dxf", dxf], check=True, capture_output=True)
            doc = ezdxf.readfile(dxf)
            fig = plt.figure(figsize=(4, 2.4))
            context = RenderContext(doc)
            context.set_current_layout(doc.modelspace())
            # Black on white, as on paper: colour 7 follows the background.
            context.current_layout_properties.set_colors(bg="#ffffff")
            Frontend(context, MatplotlibBackend(fig.add_axes([0, 0, 1, 1]))).draw_layout(
                doc.modelspace(), finalize=True,
                layout_properties=context.current_layout_properties)
            fig.savefig(png + "ezdxf.png", dpi=100, facecolor="white")
            plt.close(fig)
            subprocess.run(["timeout", "120", "librecad", "dxf2pdf", "-a", "-t", folder, dxf],
                           env=env, check=True, capture_output=True)
            # LibreCAD's page for an inch drawing is 210 x 297 inches: a few dots per inch do.
            page = os.path.join(folder, "page")
            subprocess.run(["pdftoppm", "-r", "2", "-singlefile", "-png", dxf[:-4] + ".pdf", page],
                           check=True)
            subprocess.run(["convert", page + ".png", "-trim", "+repage", "-bordercolor", "white",
                            "-border", "12", png + "librecad.png"], check=True)


if __name__ == "__main__":
    main()
