#!/usr/bin/env python3
"""Prints which source folder includes which, and fails when two folders reach each other.

Usage: scripts/folder-graph.py [src folder]   (default: src/ of this checkout)
Every '#include "folder/..."' of a file in src/<folder>/ counts as an edge from <folder>
to that folder. A cycle, however long, is reported with its folders and exits with 1.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/', re.MULTILINE)


def folder_graph(src):
    folders = sorted(p.name for p in src.iterdir() if p.is_dir())
    edges = {folder: {} for folder in folders}
    for folder in folders:
        for path in (src / folder).rglob("*"):
            if path.suffix not in {".h", ".cpp", ".inc"}:
                continue
            for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                if target != folder and target in edges:
                    edges[folder][target] = edges[folder].get(target, 0) + 1
    return edges


def find_cycle(edges):
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for target in sorted(edges[node]):
            if state.get(target) == "open":
                return stack[stack.index(target):] + [target]
            if target not in state:
                cycle = visit(target)
                if cycle:
                    return cycle
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(edges):
        if node not in state:
            cycle = visit(node)
            if cycle:
                return cycle
    return None


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "src"
    edges = folder_graph(src)
    for folder in sorted(edges):
        targets = ", ".join(f"{t} ({n})" for t, n in sorted(edges[folder].items()))
        print(f"{folder:12} -> {targets or '(nothing)'}")
    cycle = find_cycle(edges)
    if cycle:
        print("folder cycle: " + " -> ".join(cycle))
        return 1
    print("no folder cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
