#!/usr/bin/env python3
"""Fails on a source file over 400 lines or a function over 60 under src/.

Small files with one job and functions that fit on a screen are how this code stays
readable; the limits are checked so they hold. A function is counted from the line of its
name to its closing brace, lambdas inside it included.

Usage: check-sizes.py [folder ...]   (default: src)
"""

import os
import runpy
import re
import sys
import types

MAX_FILE_LINES = 400
MAX_FUNCTION_LINES = 60

# The function scanner of check-deduced-returns.py, whose name cannot be imported.
deduced = types.SimpleNamespace(**runpy.run_path(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "check-deduced-returns.py")))


def function_spans(code):
    """(name, first line, last line) of every function body that is not a lambda."""
    spans = []
    for start, end, _ in deduced.function_bodies(code, lambdas=False):
        k = start - 1
        while k >= 0 and code[k] not in ")]};{":
            k -= 1
        if k < 0 or code[k] != ")":
            continue
        # The name is the first call-like word of the statement: a constructor's
        # initialisers come after it.
        statement = max(code.rfind(";", 0, k), code.rfind("}", 0, k), code.rfind("{", 0, k))
        head = re.search(r"([\w:~]+)\s*\(", code[statement + 1:k])
        if not head:
            continue
        name_start = statement + 1 + head.start(1)
        name = head.group(1)
        first = code.count("\n", 0, name_start) + 1
        last = code.count("\n", 0, end) + 1
        spans.append((name, first, last))
    return spans


def main():
    roots = sys.argv[1:] or ["src"]
    faults = []
    for path in deduced.source_files(roots):
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        lines = text.count("\n") + (0 if text.endswith("\n") else 1)
        if lines > MAX_FILE_LINES and not path.endswith(".inc"):
            faults.append(f"{path}: {lines} lines (at most {MAX_FILE_LINES})")
        code = deduced.blank_comments_and_literals(text)
        outermost = []
        for name, first, last in sorted(function_spans(code), key=lambda s: (s[1], -s[2])):
            if outermost and first >= outermost[-1][1] and last <= outermost[-1][2]:
                continue  # a local class's function, counted with its enclosing one
            outermost.append((name, first, last))
            if last - first + 1 > MAX_FUNCTION_LINES:
                faults.append(f"{path}:{first}: {name} has {last - first + 1} lines "
                              f"(at most {MAX_FUNCTION_LINES})")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} file(s) or function(s) over their limit")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
