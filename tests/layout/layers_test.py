#!/usr/bin/env python3
"""Fails when the sources include each other in a loop, or a folder of src/ includes one above it.
A file's header and source are one unit (form.h with form.cpp): a unit depends on each unit whose
header it includes."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1]).resolve()
# The folders from the top down: each may include those below it, never one above.
LAYERS = ["app", "run", "screen", "intro", "access", "forms", "platform", "model"]
units = {}
for path in sorted(root.rglob("*")):
    if path.suffix in (".h", ".cpp"):
        units.setdefault(path.with_suffix(""), set())

include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
for unit, needs in units.items():
    for path in (unit.with_suffix(".h"), unit.with_suffix(".cpp")):
        if not path.exists():
            continue
        for name in include.findall(path.read_text(encoding="utf-8")):
            for base in (path.parent, root):  # beside it, or from the root of the sources
                target = (base / name).resolve().with_suffix("")
                if target in units and target != unit:
                    needs.add(target)
                    break

# Depth-first search; a unit met again while it is still open closes a loop.
state, loops = {}, []
def visit(unit, trail):
    state[unit] = "open"
    for need in sorted(units[unit]):
        if state.get(need) == "open":
            loops.append(trail[trail.index(need):] + [need])
        elif need not in state:
            visit(need, trail + [need])
    state[unit] = "done"

for unit in units:
    if unit not in state:
        visit(unit, [unit])
for loop in loops:
    print("include loop:", " -> ".join(str(u.relative_to(root)) for u in loop))

def layer(unit):
    folder = unit.relative_to(root).parts[0]
    return LAYERS.index(folder) if folder in LAYERS else None

upward = [(unit, need) for unit, needs in units.items() for need in needs
          if layer(unit) is not None and layer(need) is not None and layer(need) < layer(unit)]
for unit, need in sorted(upward):
    print("includes a layer above it:", unit.relative_to(root), "->", need.relative_to(root))
unplaced = sorted({u.relative_to(root).parts[0] for u in units if len(u.relative_to(root).parts) > 1
                   and layer(u) is None})
for folder in unplaced:
    print("a folder in no layer:", folder)
print(f"{len(units)} units, {len(loops)} loops, {len(upward)} upward includes")
sys.exit(1 if loops or upward or unplaced else 0)
