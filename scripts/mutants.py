#!/usr/bin/env python3
"""Mutation sites of the product code, for scripts/mutants.sh.

  mutants.py sites SEED         every mutable site, shuffled by SEED, one per line:
                                id<TAB>file:line<TAB>change
  mutants.py apply ID           writes the mutant into its file (the caller restores it)

A site is an operator or literal in code (comments, string and character
literals and preprocessor lines are skipped) of a product folder's .cpp file:
  <  <=  >  >=   one for the other (binary operators only: spaces either side,
                 so template brackets, << and -> are left alone)
  ==  !=         one for the other
  &&  ||         one for the other (binary: spaces either side)
  integer literal   +1 or -1 (one site each: 0 goes up, others by offset parity)
  true  false    one for the other
  !              removed (logical not, not !=)
An id is file:offset:kind, stable while the file does not change.
"""
import os
import random
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["base", "platform", "app", "catalogue", "factsheet", "search", "mapping", "photos", "keys", "controls", "analysis", "cli"]


def code_mask(text):
    """Returns a list of booleans: True where a character is code (not comment,
    string, character literal or preprocessor line)."""
    mask = [True] * len(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":  # preprocessor line, with continuations
            j = i
            while j < n and not (text[j] == "\n" and text[j - 1] != "\\"):
                j += 1
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        line_start = c == "\n"
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        m = re.compile(r'(?:u8|u|U|L)?R"([^(\s]*)\(').match(text, i)
        if m and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            end = text.find(")" + m.group(1) + '"', m.end())
            j = n if end < 0 else end + len(m.group(1)) + 2
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        if c in "\"'":
            # A digit separator (1'000), not a character literal (u'+').
            if c == "'" and 0 < i < n - 1 and text[i - 1].isdigit() and text[i + 1].isalnum():
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            for k in range(i, min(j + 1, n)):
                mask[k] = False
            i = j + 1
            continue
        i += 1
    return mask


BINARY = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&"}
TOKEN = re.compile(r"(?<= )(<=|>=|==|!=|&&|\|\||<|>)(?= )"
                   r"|(?<![\w.'])(\d+)(?![\w.'])"
                   r"|\b(true|false)\b"
                   r"|(!)(?!=)")


def sites_of(path):
    text = open(os.path.join(ROOT, path), encoding="utf-8", newline="").read()
    mask = code_mask(text)
    out = []
    for m in TOKEN.finditer(text):
        start = m.start()
        if not all(mask[start:m.end()]):
            continue
        line = text.count("\n", 0, start) + 1
        where = f"{path}:{line}"
        if m.group(1):
            op = m.group(1)
            out.append((f"{path}:{start}:op", where, f"{op} -> {BINARY[op]}"))
        elif m.group(2):
            if text[start - 2:start] in ("0x", "0X"):
                continue
            value = m.group(2)
            # One site per literal: 0 goes up; others up or down by the parity
            # of their offset, so the sample is not doubled on literals.
            if int(value) == 0 or start % 2 == 0:
                out.append((f"{path}:{start}:inc", where, f"{value} -> {int(value) + 1}"))
            else:
                out.append((f"{path}:{start}:dec", where, f"{value} -> {int(value) - 1}"))
        elif m.group(3):
            out.append((f"{path}:{start}:bool", where, f"{m.group(3)} -> {'false' if m.group(3) == 'true' else 'true'}"))
        else:
            out.append((f"{path}:{start}:not", where, "! removed"))
    return out


def all_sites():
    sites = []
    for folder in FOLDERS:
        for dirpath, _, files in sorted(os.walk(os.path.join(ROOT, folder))):
            for name in sorted(files):
                if name.endswith(".cpp"):
                    sites += sites_of(os.path.relpath(os.path.join(dirpath, name), ROOT))
    return sites


def apply(site_id):
    path, offset, kind = site_id.rsplit(":", 2)
    offset = int(offset)
    full = os.path.join(ROOT, path)
    text = open(full, encoding="utf-8", newline="").read()
    m = TOKEN.match(text, offset)
    if not m:
        sys.exit(f"no site at {site_id}")
    if kind == "op":
        repl = BINARY[m.group(1)]
    elif kind == "inc":
        repl = str(int(m.group(2)) + 1)
    elif kind == "dec":
        repl = str(int(m.group(2)) - 1)
    elif kind == "bool":
        repl = "false" if m.group(3) == "true" else "true"
    else:
        repl = ""
    with open(full, "w", encoding="utf-8", newline="") as f:
        f.write(text[:offset] + repl + text[m.end():])


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "sites":
        sites = all_sites()
        random.Random(int(sys.argv[2])).shuffle(sites)
        for s in sites:
            print("\t".join(s))
    elif len(sys.argv) == 3 and sys.argv[1] == "apply":
        apply(sys.argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
