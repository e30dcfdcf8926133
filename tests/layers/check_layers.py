#!/usr/bin/env python3
"""Every file in src/ includes only from its own layer or the layers below
it, bottom to top: core, mail, platform, settings, ui, app. Only the win32
folders and app/ include <windows.h>. Prints each offending line and exits 1
when there is one.

    tests/layers/check_layers.py [SRC]
"""
import pathlib
import re
import sys

LAYERS = ["core", "mail", "platform", "settings", "ui", "app"]
INCLUDE = re.compile(r'^#include "([^/"]+)/')


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
    faults = []
    for path in sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp")):
        relative = path.relative_to(src)
        layer = relative.parts[0]
        own = LAYERS.index(layer) if layer in LAYERS else len(LAYERS)
        may_use_windows = "win32" in relative.parts or layer == "app"
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            found = INCLUDE.match(line)
            if found and found.group(1) in LAYERS and LAYERS.index(found.group(1)) > own:
                faults.append(f"{relative}:{number}: {layer} may not include {line[9:]}")
            if line.startswith("#include <windows.h>") and not may_use_windows:
                faults.append(f"{relative}:{number}: only the win32 folders and app/ use windows.h")
    print("\n".join(faults) or "layers: every include runs downwards")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
