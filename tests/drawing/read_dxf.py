"""Reads a gland section DXF back with ezdxf, as a CAD user's reader would, and prints what
it finds as JSON: the reader's complaints, the units, the layers, the ring, and the groove
measured from the PART layer's lines."""
import json
import sys

import ezdxf
from ezdxf import recover


def measure(doc):
    msp = doc.modelspace()
    ring = [c for c in msp.query("CIRCLE") if c.dxf.layer == "RING"]
    lines = [(l.dxf.start, l.dxf.end) for l in msp.query("LINE") if l.dxf.layer == "PART"]
    vertical = [s for s, e in lines if abs(s.x - e.x) < 1e-9]
    horizontal = [(min(s.x, e.x), max(s.x, e.x), s.y) for s, e in lines if abs(s.y - e.y) < 1e-9]
    ends = min(s.x for s in vertical), max(s.x for s in vertical)
    walls = sorted({round(s.x, 9) for s in vertical if ends[0] < s.x < ends[1]})
    bottom = [y for x0, x1, y in horizontal if walls[0] < x0 and x1 < walls[-1]]
    found = {"rings": len(ring), "groove_walls": len(walls), "groove_bottoms": len(bottom)}
    if len(ring) != 1 or len(walls) != 2 or len(bottom) != 1:
        return found
    centre, radius, bottom = ring[0].dxf.center, ring[0].dxf.radius, bottom[0]
    side = 1 if centre.y > bottom else -1
    across = [y for x0, x1, y in horizontal if x0 <= walls[0] and x1 >= walls[-1] and (y - bottom) * side > 0]
    found.update(ring_diameter=2 * radius, ring_rests_on_bottom=abs(abs(centre.y - bottom) - radius) < 1e-9,
                 groove_width=walls[1] - walls[0], groove_bottom_y=bottom,
                 gland_depth=min(abs(y - bottom) for y in across))
    return found


def main(path):
    doc, auditor = recover.readfile(path)
    audit = doc.audit()
    found = {"problems": [str(e) for e in auditor.errors] + [e.message for e in audit.errors],
             "version": doc.dxfversion, "insunits": doc.header.get("$INSUNITS"),
             "extent": [*doc.header.get("$EXTMIN")[:2], *doc.header.get("$EXTMAX")[:2]],
             "layers": sorted(layer.dxf.name for layer in doc.layers),
             "texts": [t.plain_text() for t in doc.modelspace().query("TEXT")]}
    found.update(measure(doc))
    print(json.dumps(found))


main(sys.argv[1])
