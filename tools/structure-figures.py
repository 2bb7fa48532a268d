#!/usr/bin/env python3
"""Prints the figures the structure is judged by: lines of src/ and tests/,
files over 200 lines, and function bodies over 40 and over 60 lines.

A function body is counted from the line of its opening brace to the line of
its closing one, for every brace that follows a parameter list at namespace
or class level; lambdas inside a body count with that body."""
import re
import sys
from pathlib import Path

ROOT = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
SOURCES = (".cpp", ".h")


def strip(text):
    # Comments, strings and characters, kept as line structure only.
    text = re.sub(r"//[^\n]*", "", text)
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    text = re.sub(r'R"(\w*)\((.*?)\)\1"', lambda m: "\"\"" + "\n" * m.group(0).count("\n"), text, flags=re.S)
    text = re.sub(r'"(\\.|[^"\\\n])*"', '""', text)
    text = re.sub(r"'(\\.|[^'\\\n])*'", "''", text)
    return text


def functions(path):
    text = strip(path.read_text(encoding="utf-8", errors="replace"))
    found, stack, line = [], [], 1
    head = ""  # what came since the last ; { or } at this level
    for ch in text:
        if ch == "\n":
            line += 1
        if ch == "{":
            outer = all(kind != "body" for kind, _ in stack)
            is_body = outer and re.search(r"\)\s*(const|override|noexcept|final|->[^{;]*|:\s*[^;{]*|\s)*$", head) \
                and not re.search(r"\b(namespace|class|struct|enum|union)\b", head.split("(")[0])
            stack.append(("body" if is_body else "scope", line))
            head = ""
        elif ch == "}":
            if stack:
                kind, start = stack.pop()
                if kind == "body":
                    found.append((line - start + 1, start))
            head = ""
        elif ch == ";":
            head = ""
        else:
            head += ch
    return found


def main():
    for folder in ("src", "tests"):
        files = [p for p in (ROOT / folder).rglob("*") if p.suffix in SOURCES]
        lines = {p: len(p.read_text(encoding="utf-8", errors="replace").splitlines()) for p in files}
        bodies = [(n, p, s) for p in files for n, s in functions(p)]
        print(f"{folder}/: {len(files)} files, {sum(lines.values())} lines, "
              f"{sum(1 for n in lines.values() if n > 200)} files over 200 lines, "
              f"{sum(1 for n, _, _ in bodies if n > 40)} functions over 40 lines, "
              f"{sum(1 for n, _, _ in bodies if n > 60)} over 60")
        if "-v" in sys.argv:
            for n, p, s in sorted(bodies, reverse=True):
                if n > 40:
                    print(f"  {n:4} {p.relative_to(ROOT)}:{s}")
            for p, n in sorted(lines.items(), key=lambda x: -x[1]):
                if n > 200:
                    print(f"  file {n:4} {p.relative_to(ROOT)}")


main()
