#!/usr/bin/env python3
"""Packs shapefiles into seed inputs of fuzz_shapefile:
[u32 .shp size][u32 .shx size][.shp][.shx][.dbf].

    python3 make_seeds.py <out folder> <file.shp>...
"""
import pathlib
import struct
import sys

out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
for name in sys.argv[2:]:
    shp = pathlib.Path(name)
    parts = [shp.read_bytes(), shp.with_suffix(".shx").read_bytes(), shp.with_suffix(".dbf").read_bytes()]
    seed = struct.pack("<II", len(parts[0]), len(parts[1])) + b"".join(parts)
    (out / (shp.stem + ".seed")).write_bytes(seed)
