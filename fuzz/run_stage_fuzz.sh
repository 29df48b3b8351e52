#!/bin/sh
# Fuzzes the stage file reader, the stage list and the picture tiler for the
# given number of seconds (60 by default) under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from a few hand-made stages. Exit
# status non-zero when the fuzzer finds something; the crashing input is
# left in build-fuzz/fuzz/.
# CORRALON_FUZZ_RUNS=N runs N executions instead of SECONDS (budget.sh).
set -e
seconds=${1:-60}
. "$(dirname "$0")/budget.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
"$root/fuzz/build.sh" stage_fuzz
out="$build/fuzz"
rm -rf "$out/stage_seeds" "$out/stage_corpus"
mkdir -p "$out/stage_seeds" "$out/stage_corpus"
python3 - "$out/stage_seeds" "$root/data/stages/granja/granja.txt" <<'PY'
import struct, sys
seeds, farm = sys.argv[1], sys.argv[2]
def bmp(w, h, bpp=24, compression=0, pad=1, pixels=b"\x10\x20\x30"):
    head = b"BM" + struct.pack("<IHHI", 0, pad, 0, 54) + struct.pack("<IiiHHI", 40, w, h, 1, bpp, compression)
    return head + b"\0" * (54 - len(head)) + pixels
stage = (b"[fondo]\nimagen = p.bmp\nancho = 2.0\nsuelo = 0.8\npollo1x = 0.3\npollo2x = 1.7\n"
         b"[actor]\nx = 0.5\ny = 0.6\nsuelo = 0.7\n[fondo]\nalto = 1.5\n[musica]\nogg = a.ogg\n"
         b"[fondos]\nfondo = f.txt\n[personajes]\nrana = f.txt\n")
items = {
    "two_tiles": stage + b"\nBMP\n" + bmp(512, 256),
    "tall": stage + b"\nBMP\n" + bmp(256, 512, pixels=bytes(range(256))),
    "cut": stage + b"\nBMP\n" + bmp(512, 256, pad=0),
    "deep": stage + b"\nBMP\n" + bmp(256, 256, bpp=32),
    "packed": stage + b"\nBMP\n" + bmp(256, 256, compression=0x10000),
    "odd": stage + b"\nBMP\n" + bmp(300, 256),
    "huge": stage + b"\nBMP\n" + bmp(16640, -256),
    "actors": b"[fondo]\n" + b"[actor]\nbicho = Bichos\\flor.qvl\nx = 1\n" * 12,
    "farm": open(farm, "rb").read() + b"\nBMP\n" + bmp(512, 256),
}
for name, data in items.items():
    open(f"{seeds}/{name}", "wb").write(data)
PY
# The target works inside its own folder, so the folders are named in full.
# A quarantine of 64 MB (a quarter of the usual) still holds many inputs'
# freed memory and spares most of the page faults of the big pictures.
cd "$out"
ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64 UBSAN_OPTIONS=print_stacktrace=1 \
    ./stage_fuzz $budget -max_len=65536 -rss_limit_mb=2048 \
    -print_final_stats=1 "$out/stage_corpus" "$out/stage_seeds"
