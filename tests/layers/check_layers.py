#!/usr/bin/python3
"""Checks every #include "folder/..." of the program against the allowed layers.

Each unit (a folder, or a room of exchange/) may include only itself and the
units the table allows it. The logic units and app/ never include Qt. Tests may
include anything below the desktop program, and test helpers.
Exits 1 and names every forbidden include; run with the repository root.
"""
import pathlib
import re
import sys

LOGIC = ["core", "courses", "handicap", "tournament", "scoring", "report",
         "exchange/network", "exchange/spreadsheets", "exchange/backup", "exchange/imports", "exchange/board"]

ALLOWED = {
    "core": [],
    "courses": ["core"],
    "handicap": ["core"],
    "tournament": ["core", "handicap"],
    "scoring": ["core", "handicap", "tournament"],
    "report": ["core", "handicap", "tournament", "scoring"],
    "exchange/network": ["core", "tournament"],
    "exchange/spreadsheets": ["core"],
    "exchange/backup": ["core", "exchange/network"],
    "exchange/imports": ["core", "courses", "tournament", "exchange/network", "exchange/spreadsheets"],
    "exchange/board": ["core", "handicap", "tournament", "scoring", "report"],
    "print_qt": ["core"],
    "app": LOGIC,
    "cli": LOGIC + ["app", "print_qt"],
    "shell": LOGIC + ["app", "print_qt"],
    "bench": LOGIC + ["app", "print_qt"],
}
QT_FREE = set(LOGIC) | {"app"}

INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^">]+)[">]')


def unit_of(path):
    """The unit a path inside the repository belongs to, or None."""
    parts = pathlib.PurePosixPath(path).parts
    if not parts:
        return None
    if parts[0] == "exchange" and len(parts) > 2:
        return "exchange/" + parts[1]
    if parts[0] == "tests" and len(parts) > 1:
        inner = unit_of("/".join(parts[1:]))
        return "tests/" + inner if inner else None
    return parts[0] if parts[0] in ALLOWED or parts[0] == "tests" else None


def allowed_for(unit):
    if unit.startswith("tests/"):
        # Tests drive whole paths through the program: any layer below the
        # desktop program and any test helper; only the desktop's own tests
        # reach into the desktop program.
        allowed = set(LOGIC) | {"app", "print_qt", "cli"} | {"tests/" + u for u in ALLOWED} | {
            "tests/testing", "tests/exchange/support"}
        if unit == "tests/shell":
            allowed.add("shell")
        return allowed
    return set(ALLOWED[unit]) | {unit}


def included_unit(target):
    if target.startswith("tests/exchange/support/"):
        return "tests/exchange/support"
    return unit_of(target)


def check(root):
    faults = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".cpp", ".h") or "build" in file.relative_to(root).parts[0]:
            continue
        rel = file.relative_to(root).as_posix()
        unit = unit_of(rel)
        if unit is None or unit == "tests":
            continue
        allowed = allowed_for(unit)
        for number, line in enumerate(file.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, target = match.groups()
            if kind == "<":
                if unit in QT_FREE and re.match(r"Q[A-Za-z]|qt", target):
                    faults.append(f"{rel}:{number}: {unit} must not use Qt: <{target}>")
                continue
            other = included_unit(target)
            if other is None:
                continue
            if other not in allowed:
                faults.append(f"{rel}:{number}: {unit} may not include {target} ({other})")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    print(f"{'layers: ' if not faults else ''}{len(faults)} forbidden includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
