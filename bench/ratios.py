#!/usr/bin/env python3
"""Prints the table of ratios from one run of bench/run_all.sh.

Usage: ratios.py OUT_DIR [GAME_LOG]

OUT_DIR holds each benchmark's JSON (Google Benchmark's --benchmark_out,
bench_startup's --json). GAME_LOG is the game folder's log, where Krellin
writes the OpenGL version and renderer of its last window. Exits 1 when a
figure of the table is missing.
"""
import json
import os
import re
import subprocess
import sys

FRAME_BUDGET_US = 1e6 / 60 / 100  # 1% of a 60 Hz frame


def load(out, name):
    path = os.path.join(out, name + ".json")
    try:
        with open(path) as f:
            return json.load(f)
    except (OSError, ValueError):
        return None


def base_name(name):
    """The name without the parts Google Benchmark adds for its options."""
    options = ("min_time:", "real_time", "iterations:", "repeats:", "manual_time")
    return "/".join(p for p in name.split("/") if not p.startswith(options))


def entry(data, run_name, aggregate="median"):
    """The benchmark's median over its repetitions (or its only run)."""
    if not data:
        return None
    found = None
    for b in data.get("benchmarks", []):
        if base_name(b.get("run_name", b.get("name", ""))) != run_name or b.get("error_occurred"):
            continue
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == aggregate:
                return b
        elif found is None:
            found = b
    return found


def to_us(b, key):
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b.get("time_unit", "ns")]
    return b[key] * scale


def machine(out, game_log):
    cpu, mhz = "unknown CPU", None
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name") and cpu == "unknown CPU":
                    cpu = line.split(":", 1)[1].strip()
                if line.startswith("cpu MHz") and mhz is None:
                    mhz = float(line.split(":", 1)[1])
    except (OSError, ValueError):
        pass
    if mhz:
        cpu += f" at {mhz:.0f} MHz"
    gl = None
    try:
        with open(game_log, "rb") as f:
            for line in f.read().decode("latin-1").splitlines():
                m = re.match(r"\s*Graficos: OpenGL (.*), ventana \d+x\d+$", line)
                if m:
                    gl = m.group(1)
    except OSError:
        pass
    if not gl:
        try:
            version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libgl1-mesa-dri"],
                                     capture_output=True, text=True).stdout.strip()
            gl = f"Mesa {version}" if version else "unknown OpenGL"
        except OSError:
            gl = "unknown OpenGL"
    loads = []
    for name in ("load_start", "load_end"):
        try:
            with open(os.path.join(out, name)) as f:
                loads.append(float(f.read().split()[0]))
        except (OSError, ValueError, IndexError):
            pass
    for name in os.listdir(out):
        if name.endswith(".json"):
            data = load(out, name[:-5]) or {}
            avg = data.get("context", {}).get("load_avg")
            if avg:
                loads.append(float(avg[0]))
    load_text = f"{min(loads):.1f}-{max(loads):.1f}" if loads else "unknown"
    return f"{os.cpu_count()} cores, {cpu}; OpenGL {gl}; load average (1 min) {load_text}"


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    out = sys.argv[1]
    game_log = sys.argv[2] if len(sys.argv) > 2 else ""
    rows = []  # (what, measured, ratio, goal, met)
    missing = []

    gl = load(out, "bench_fight_gl")
    k, m = entry(gl, "BM_FightFrameKrellin"), entry(gl, "BM_FightFrameMinimalGl")
    if k and m:
        r = k["fps"] / m["fps"]
        rows.append(("render: Krellin against the minimal GL program, same fight frame",
                     f"{k['fps']:.1f} against {m['fps']:.1f} frames/s", r, "at least 0.8",
                     r >= 0.8))
    else:
        missing.append("bench_fight_gl")

    fight = entry(load(out, "bench_fight"), "BM_FightFrame")
    if fight:
        wall, cpu = to_us(fight, "real_time"), to_us(fight, "cpu_time")
        r = wall / FRAME_BUDGET_US
        rows.append(("fight frame against the 1% budget (167 us)",
                     f"{wall:.1f} us wall, {cpu:.1f} us CPU", r, "at most 1", r <= 1.0))
    else:
        missing.append("bench_fight")

    snapshot = entry(load(out, "bench_fight"), "BM_SaveRestoreFight")
    if snapshot:
        us = to_us(snapshot, "cpu_time")
        rows.append((f"fight snapshot, save and restore ({snapshot['snapshot_bytes']:.0f} bytes)",
                     f"{us:.1f} us CPU", us / 20.0, "at most 1 (20 us)", us <= 20.0))
    else:
        missing.append("bench_fight snapshot")
    rollback = entry(load(out, "bench_fight"), "BM_Rollback8")
    if rollback:
        us = to_us(rollback, "cpu_time")
        rows.append(("rollback of 8 frames (restore and 8 muted frames)",
                     f"{us:.0f} us CPU", us / 500.0, "at most 1 (0.5 ms)", us <= 500.0))
    else:
        missing.append("bench_fight rollback")

    creature = entry(load(out, "bench_creature"), "BM_LoadWhole")
    if creature:
        r = creature["vs_uncompress"]
        rows.append(("creature load against bare inflate (48 textures)",
                     f"{to_us(creature, 'real_time') / 1e3:.1f} ms a load", r, "at most 1.3",
                     r <= 1.3))
    else:
        missing.append("bench_creature")

    selection = load(out, "bench_selection")
    for count in (3, 28):
        s = entry(selection, f"BM_SelectionLoad/creatures:{count}/headless:1")
        if s:
            r = s["vs_inflate"]
            rows.append((f"selection of {count} creatures against bare inflate",
                         f"{s['load_cpu_ms']:.1f} against {s['inflate_cpu_ms']:.1f} ms CPU", r,
                         "at most 1.3", r <= 1.3))
        else:
            missing.append(f"bench_selection ({count} creatures)")

    startup = load(out, "bench_startup")
    if startup:
        r = startup["ratio"]
        game = startup["game_ms"]["median"]
        rows.append(("first picture against a bare window",
                     f"{game:.0f} against {startup['bare_ms']['median']:.0f} ms, "
                     f"medians of {startup['runs']}", r,
                     f"at most {startup['max_ratio']:.1f}, game under "
                     f"{startup['max_game_ms']:.0f} ms",
                     r <= startup["max_ratio"] and game < startup["max_game_ms"]))
    else:
        missing.append("bench_startup")

    print(f"Machine: {machine(out, game_log)}")
    print()
    print("| what | measured | ratio | goal | |")
    print("|---|---|---|---|---|")
    for what, measured, r, goal, met in rows:
        print(f"| {what} | {measured} | {r:.2f} | {goal} | {'met' if met else 'missed'} |")

    # The other benchmarks have no goal of their own; their headline figures.
    others = []
    core = entry(load(out, "bench_core"), "BM_CoreFrame")
    if core:
        others.append(f"core loop frame (headless) {to_us(core, 'real_time'):.2f} us")
    part = entry(load(out, "bench_particles"), "BM_ParticlesHeadless")
    if part:
        others.append(f"particles drawn headless {part['per_particle'] * 1e9:.0f} ns a particle")
    music = load(out, "bench_music")
    if music:
        factors = [b["tune_seconds"] * 1e6 / to_us(b, "real_time")
                   for b in music.get("benchmarks", [])
                   if b.get("run_name", b.get("name", "")).startswith("BM_RenderTune")
                   and "tune_seconds" in b and b.get("run_type") != "aggregate"]
        if factors:
            others.append(f"music rendered {min(factors):.0f}-{max(factors):.0f} x real time")
    renderer = load(out, "bench_renderer")
    scene, empty, bare = (entry(renderer, n) for n in
                          ("BM_CheckSceneKrellin", "BM_EmptyFrameKrellin", "BM_ClearAndPresentBare"))
    if scene and empty and bare:
        others.append(f"Krellin check scene {scene['fps']:.0f} frames/s, empty frame "
                      f"{empty['fps']:.0f} against a bare clear and present {bare['fps']:.0f}")
    if others:
        print()
        print("Also: " + "; ".join(others) + ".")
    if missing:
        print(f"missing: {', '.join(missing)} (see the .txt files in {out})")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
