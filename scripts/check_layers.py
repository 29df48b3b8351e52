#!/usr/bin/env python3
"""Fails when an #include points the wrong way between the project's folders.

The game is built in layers, each seeing only the ones below it:
    base <- sdk <- platform <- input <- creature <- effects <- fight <- menus <- net <- app
Plug-ins see only sdk/ and base/ (renderers also their shared picture code).
A plug-in's exports header (plugins/x/*Exports.h: the signatures of its
extra exports) may be included by the tools, benchmarks and tests that look
those exports up.
support/ serves tools, benchmarks, fuzz targets and tests, and sees the game
layers. Nothing outside tests/ includes tests/, and nothing includes tools/,
bench/ or fuzz/ but the folder itself (tests may look at tools).
Usage: check_layers.py [source root]; prints each wrong arrow, exits 1 if any.
"""
import os
import re
import sys

LAYERS = ["base", "sdk", "platform", "input", "creature", "effects", "fight", "menus", "net", "app"]
RANK = {name: i for i, name in enumerate(LAYERS)}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")
SKIPPED = {".git", "build", "data"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def area(path):
    """The folder that decides what a file may see: a layer, 'plugins/x',
    'support', 'tools', 'bench', 'fuzz', 'tests', or None (the root)."""
    parts = path.split("/")
    if len(parts) < 2:
        return None
    if parts[0] == "plugins" and len(parts) > 2:
        return "plugins/" + parts[1]
    return parts[0]


def allowed(src, dst):
    if dst is None or src == dst:
        return True
    if src == "tests":
        return True
    if dst in ("tests", "tools", "bench", "fuzz"):
        return False
    if src in RANK:
        return dst in RANK and RANK[dst] <= RANK[src]
    if src.startswith("plugins/"):
        if dst in ("base", "sdk"):
            return True
        return src.startswith("plugins/renderer_") and dst == "plugins/renderer_common"
    if src == "support":
        return dst in RANK
    if src in ("tools", "bench", "fuzz"):
        return dst in RANK or dst == "support"
    return False


def wrong_arrows(root):
    found = []
    for folder, dirs, files in os.walk(root):
        rel_folder = os.path.relpath(folder, root)
        dirs[:] = [d for d in dirs if not (rel_folder == "." and d in SKIPPED)
                   and not d.startswith(".")]
        for name in files:
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            rel = os.path.normpath(os.path.join(rel_folder, name)).replace(os.sep, "/")
            src = area(rel)
            with open(os.path.join(folder, name), encoding="latin-1") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = m.group(1)
                    if "/" not in target:
                        continue  # beside the file itself
                    if target.startswith("."):
                        target = os.path.normpath(os.path.join(os.path.dirname(rel), target))
                    if not os.path.exists(os.path.join(root, target)):
                        found.append(f"{rel}:{number}: includes \"{target}\", which is not a "
                                     "path from the source root")
                        continue
                    dst = area(target)
                    if (src in ("tools", "bench") and dst and dst.startswith("plugins/")
                            and target.endswith("Exports.h")):
                        continue
                    if not allowed(src, dst):
                        found.append(f"{rel}:{number}: {src} may not include {target}")
    return found


def global_include_dirs(root):
    with open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8") as f:
        return [f"CMakeLists.txt:{n}: include_directories() lets every target see everything"
                for n, line in enumerate(f, 1) if re.match(r"\s*include_directories\s*\(", line)]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    problems = wrong_arrows(root) + global_include_dirs(root)
    for p in problems:
        print(p)
    if problems:
        print(f"layers: {len(problems)} wrong arrow(s)")
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
