#!/usr/bin/env python3
"""Fails on a lambda or `auto` function that returns a `+` or `%` expression through a
deduced return type.

With QT_USE_QSTRINGBUILDER, `a + b` of strings is a QStringBuilder that refers to its
operands. Returned through a deduced type, it outlives the temporaries it refers to, and
whoever converts it to a QString later reads freed memory: the optimiser may hide it in
one build and not in the next. The rule here does not guess types: any `+` or `%`
expression returned through a deduced type must say what it returns (`-> QString`,
`-> int`), which costs nothing where it was never a string.

Usage: check-deduced-returns.py [folder or file ...]   (default: src tests fuzz bench tools)
"""

import os
import re
import sys

SOURCE_SUFFIXES = (".cpp", ".h", ".hpp", ".cc", ".inc")
DEFAULT_ROOTS = ("src", "tests", "fuzz", "bench", "tools")
# What may stand before a lambda's `[`: the start of an expression.
LAMBDA_LEAD = set("(,={;:?!&|") | {""}
SPECIFIERS = re.compile(r"^(\s*(mutable|constexpr|consteval|noexcept(\s*\([^()]*\))?|"
                        r"const|override|final|&&|&))*\s*$")
CONTROL_KEYWORDS = {"if", "for", "while", "switch", "catch"}
AUTO_FUNCTION = re.compile(r"(?:^|[\s;{}])(?:static\s+|inline\s+|constexpr\s+)*"
                           r"(?:decltype\s*\(\s*auto\s*\)|auto)\s+(?:[\w:~<>]+)\s*\(")


def blank_comments_and_literals(text):
    """Comments and the insides of string and character literals become spaces, so that
    brackets and operators in them are not read as code; offsets and lines stay."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                out[k] = " "
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if out[k] != "\n":
                    out[k] = " "
            i = j
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if not m:
                i += 1
                continue
            end = text.find(")" + m.group(1) + '"', i)
            end = n if end < 0 else end + len(m.group(1)) + 2
            for k in range(i + 2, end - 1):
                if out[k] != "\n":
                    out[k] = " "
            i = end
        elif c in "\"'":
            # A digit separator (1'000) is no character literal.
            if c == "'" and i > 0 and text[i - 1].isalnum() and i + 1 < n and text[i + 1].isalnum() \
                    and re.match(r"[0-9a-fA-FxX']", text[i - 1]):
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            for k in range(i + 1, min(j, n)):
                out[k] = " "
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching(code, open_at):
    """The offset of the bracket that closes the one at open_at, or -1."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opener = code[open_at]
    closer = pairs[opener]
    depth = 0
    for i in range(open_at, len(code)):
        if code[i] == opener:
            depth += 1
        elif code[i] == closer:
            depth -= 1
            if depth == 0:
                return i
    return -1


def opening(code, close_at):
    """The offset of the bracket that opens the one at close_at, or -1."""
    pairs = {")": "(", "]": "[", "}": "{"}
    closer = code[close_at]
    opener = pairs[closer]
    depth = 0
    for i in range(close_at, -1, -1):
        if code[i] == closer:
            depth += 1
        elif code[i] == opener:
            depth -= 1
            if depth == 0:
                return i
    return -1


def previous_token_char(code, at):
    i = at - 1
    while i >= 0 and code[i].isspace():
        i -= 1
    if i < 0:
        return ""
    if code[i].isalnum() or code[i] == "_":
        j = i
        while j >= 0 and (code[j].isalnum() or code[j] == "_"):
            j -= 1
        word = code[j + 1:i + 1]
        return "" if word == "return" else word
    return code[i]


def function_bodies(code, lambdas=True):
    """(start, end, deduced) for every function body: deduced is True for a lambda or an
    `auto` function without a trailing return type. Without lambdas, only named functions."""
    bodies = []
    for brace in (i for i, c in enumerate(code) if c == "{"):
        end = matching(code, brace)
        if end < 0:
            continue
        # The body follows a parameter list or a capture, with specifiers between.
        k = brace - 1
        while k >= 0 and code[k] not in ")]};{":
            k -= 1
        if k < 0 or code[k] not in ")]" or not SPECIFIERS.match(code[k + 1:brace]):
            continue
        close = k
        if code[close] == "]":
            capture = opening(code, close)
            if lambdas and capture >= 0 and previous_token_char(code, capture) in LAMBDA_LEAD:
                bodies.append((brace, end, True))
            continue
        if code[close] != ")":
            continue
        params = opening(code, close)
        if params < 0:
            continue
        before = code[:params].rstrip()
        if before.endswith("]"):
            capture = opening(code, len(before) - 1)
            if lambdas and capture >= 0 and previous_token_char(code, capture) in LAMBDA_LEAD:
                bodies.append((brace, end, True))
            continue
        if previous_token_char(code, params) in CONTROL_KEYWORDS:
            continue
        line_start = code.rfind("\n", 0, params) + 1
        statement_start = max(code.rfind(";", 0, params), code.rfind("}", 0, params),
                              code.rfind("{", 0, params), line_start - 1)
        if AUTO_FUNCTION.search(code[statement_start:params + 1]):
            bodies.append((brace, end, True))
        else:
            bodies.append((brace, end, False))
    return bodies


# A comparison or a logical operator at the top makes the whole a bool.
BOOLEAN_OPERATOR = re.compile(r"&&|\|\||==|!=|<=|>=")


def top_level(expression):
    """The expression with everything inside brackets left out."""
    out, depth = [], 0
    for c in expression:
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif depth == 0:
            out.append(c)
    return "".join(out)


def has_top_level_concatenation(expression):
    expression = expression.strip()
    while expression.startswith("(") and matching(expression, 0) == len(expression) - 1:
        expression = expression[1:-1].strip()
    if BOOLEAN_OPERATOR.search(top_level(expression)):
        return False
    depth = 0
    operand_before = False
    i = 0
    while i < len(expression):
        c = expression[i]
        if c in "([{":
            depth += 1
            operand_before = False
        elif c in ")]}":
            depth -= 1
            operand_before = True
        elif c in "+%" and depth == 0:
            doubled = expression[i:i + 2] in ("++", "+=", "%=")
            if operand_before and not doubled:
                return True
            if doubled:
                i += 1
            operand_before = False
        elif c.isalnum() or c in "_\"'.":
            operand_before = True
        elif not c.isspace():
            operand_before = False
        i += 1
    return False


def check_file(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    code = blank_comments_and_literals(text)
    bodies = function_bodies(code)
    faults = []
    for m in re.finditer(r"\breturn\b", code):
        at = m.start()
        enclosing = [b for b in bodies if b[0] < at < b[1]]
        if not enclosing:
            continue
        innermost = max(enclosing, key=lambda b: b[0])
        if not innermost[2]:
            continue
        end = at
        depth = 0
        while end < len(code):
            c = code[end]
            if c in "([{":
                depth += 1
            elif c in ")]}":
                depth -= 1
                if depth < 0:
                    break
            elif c == ";" and depth == 0:
                break
            end += 1
        if has_top_level_concatenation(code[m.end():end]):
            line = code.count("\n", 0, at) + 1
            faults.append((path, line, text.splitlines()[line - 1].strip()))
    return faults


def source_files(roots):
    for root in roots:
        if os.path.isfile(root):
            yield root
            continue
        for folder, _, files in os.walk(root):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.join(folder, name)


def main():
    roots = sys.argv[1:] or [r for r in DEFAULT_ROOTS if os.path.exists(r)]
    faults = []
    for path in source_files(roots):
        faults.extend(check_file(path))
    for path, line, source in faults:
        print(f"{path}:{line}: returned through a deduced type; declare it (-> QString): {source}")
    if faults:
        print(f"{len(faults)} deduced return(s) of a + or % expression")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
