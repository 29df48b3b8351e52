#!/usr/bin/env python3
"""Runs the game in demo mode for a while and checks that it stays healthy.

Usage: soak.py MINUTES GAME_DIR [SAMPLE_SECONDS]

The game runs in a private copy of GAME_DIR with the headless renderer and
a replay that skips the intro and then touches nothing, at 1/60 s a frame,
as fast as the machine goes: the menu starts the demo after 20 s of game
time, the demo fights, the menu comes back, and so on. At the end the game
gets SIGINT and must close normally. Checked: the resident memory after the
first sample never exceeds it by 1 MB or more (CORRALON_SOAK_RSS_LIMIT_KB
changes the limit, 0 only reports), every finished fight gives
the renderer back the textures the menu held before the first one, and the
log holds nothing but the lines a demo loop normally writes.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

FRAME = "0.016667"
# CORRALON_SOAK_RSS_LIMIT_KB=0 only reports the memory: under
# AddressSanitizer the resident size follows its quarantine and its own
# release of freed memory, not the game's live memory.
RSS_GROWTH_LIMIT_KB = int(os.environ.get("CORRALON_SOAK_RSS_LIMIT_KB", "1024"))

# What a demo loop writes in the course of things; any other line is an
# error, a warning or a surprise, and fails the run.
NORMAL_LINES = [re.compile(p) for p in (
    r"<< -+ >>$",
    r"<< - >> Fichero de Log Iniciado +-?\d+ << - >>$",
    r"<< - >> Fin del log +-?\d+ << - >>$",
    r" {5}Bicho: Cargando trozo de bicho: \S+$",
    r" {5}Bicho: Version del bicho: \d+$",
    r" {5}Bicho: Acciones iniciadas \S*$",
    r" {5}Bichos: Cargando Bicho \S+$",
    r" {5}Bichos: Cargado Bicho \S+$",
    r" {5}Fondo: Cargando fondo \S+$",
    r" {5}Fondo: Cargado fondo \S+$",
    r" {5}Interfaz sonido: Cargando \S+$",
    r" {5}Interfaz sonido: Cargado \S+ en \d+$",
    r" {5}Interfaz sonido: Descargado \d+$",
    r" {5}Graficos: Texturas en memoria: \d+ \(imagen \d+\)$",
    r" {5}Graficos: Imagenes presentadas: \d+, texturas en memoria: \d+$",
    r" {5}Particulas: Particulas libres: \d+, tama.o total: \d+ bytes$",
)]
COUNT = re.compile(r" {5}Graficos: Texturas en memoria: (\d+) \(imagen (\d+)\)$")
TOTAL = re.compile(r" {5}Graficos: Imagenes presentadas: (\d+), texturas en memoria: (\d+)$")


class LogReader:
    """Follows the game log as it grows and keeps the figures of the run."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = b""
        self.fights = 0            # fights loaded
        self.returns = []          # textures held on the first frame after each fight
        self.menu_textures = None  # textures held by the menu before the first fight
        self.last_count = None
        self.last_frame = 0
        self.presented = None
        self.errors = []
        self.closed = False
        self._fight_freed = False
        self._first_fight_seen = False

    def read(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return
        self.offset += len(data)
        data = self.partial + data
        lines = data.split(b"\n")
        self.partial = lines.pop()
        for raw in lines:
            self._line(raw.rstrip(b"\r").decode("latin-1"))

    def _line(self, line):
        if not any(p.match(line) for p in NORMAL_LINES):
            self.errors.append(line)
            return
        if "Fin del log" in line:
            self.closed = True
        if line.startswith("     Bicho: Cargando trozo") and not self._first_fight_seen \
                and self.menu_textures is None:
            # The demo's selection starts: what is held now is the menu's.
            self.menu_textures = self.last_count
        if line.startswith("     Fondo: Cargando fondo"):
            self.fights += 1
            self._first_fight_seen = True
            self._fight_freed = False
        if line.startswith("     Interfaz sonido: Descargado") and self.fights:
            self._fight_freed = True
        m = COUNT.match(line)
        if m:
            self.last_count = int(m.group(1))
            self.last_frame = int(m.group(2))
            if self._fight_freed:
                self.returns.append(self.last_count)
                self._fight_freed = False
        m = TOTAL.match(line)
        if m:
            self.presented = int(m.group(1))


def read_rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def read_cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def write_session(path, minutes):
    # Far more frames than any machine runs in the time: the run ends by
    # SIGINT, and a game that reached the end of the session ran out early.
    lines = ["# Soak: skip the intro, then nobody touches anything.",
             f"{FRAME} +ESCAPE", f"{FRAME} -ESCAPE"]
    repeats = max(10, int(minutes * 60) + 1)  # up to 100,000 frames a second
    lines += [f"{FRAME} *100000"] * repeats
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    minutes = float(sys.argv[1])
    game_dir = sys.argv[2]
    sample = float(sys.argv[3]) if len(sys.argv) > 3 else 60.0
    if not os.path.exists(os.path.join(game_dir, "Corralon")):
        print(f"soak: no game program in {game_dir}")
        return 2

    work = tempfile.mkdtemp(prefix="corralon-soak-")
    folder = os.path.join(work, "game")
    shutil.copytree(game_dir, folder, symlinks=True)
    with open(os.path.join(folder, "cfg", "motorcfg.txt"), "w") as f:
        f.write("[dll]\ndll = Headless.dll\n")
    os.makedirs(os.path.join(folder, "logs"), exist_ok=True)
    # A log left unclosed in the game folder would be reported as such.
    if os.path.exists(os.path.join(folder, "logs", "log.txt")):
        os.remove(os.path.join(folder, "logs", "log.txt"))
    session = os.path.join(work, "session.txt")
    write_session(session, minutes)

    env = dict(os.environ)
    env.update({
        "CORRALON_REPLAY": session,
        "CORRALON_HEADLESS_TEXTURE_COUNT": "1",
        "SDL_VIDEODRIVER": "offscreen",
        # Plays in real time while the game runs many times faster: every
        # channel stays busy and new sounds cut the oldest.
        "SDL_AUDIODRIVER": "dummy",
    })
    env.pop("CORRALON_RECORD", None)
    env.pop("CORRALON_HEADLESS_TRACE", None)
    stderr_path = os.path.join(work, "stderr.txt")
    log = LogReader(os.path.join(folder, "logs", "log.txt"))

    print(f"soak: {minutes:g} min in {folder}, a sample every {sample:g} s", flush=True)
    start = time.monotonic()
    with open(stderr_path, "wb") as stderr:
        game = subprocess.Popen(["./Corralon"], cwd=folder, env=env,
                                stdout=subprocess.DEVNULL, stderr=stderr)
    samples = []
    ended_early = False
    end = start + minutes * 60
    next_sample = start + sample
    # The frame is that of the last change of the texture count.
    print(f"{'time':>6} {'RSS KB':>9} {'CPU s':>8} {'frame':>10} {'fights':>6} {'textures':>8}")
    while True:
        deadline = min(next_sample, end)
        try:
            game.wait(timeout=max(0.0, deadline - time.monotonic()))
            ended_early = True
            break
        except subprocess.TimeoutExpired:
            pass
        if time.monotonic() >= next_sample - 0.01:
            log.read()
            rss = read_rss_kb(game.pid)
            cpu = read_cpu_seconds(game.pid)
            samples.append(rss)
            print(f"{time.monotonic() - start:6.0f} {rss:9d} {cpu:8.1f} {log.last_frame:10d} "
                  f"{log.fights:6d} {log.last_count!s:>8}", flush=True)
            next_sample += sample
        if time.monotonic() >= end - 0.01:
            break

    code = None
    if not ended_early:
        game.send_signal(signal.SIGINT)
        try:
            code = game.wait(timeout=120)
        except subprocess.TimeoutExpired:
            game.kill()
            game.wait()
    else:
        code = game.returncode
    elapsed = time.monotonic() - start
    log.read()
    if log.partial:
        log._line(log.partial.decode("latin-1"))

    failures = []
    if ended_early:
        failures.append(f"the game ended by itself after {elapsed:.0f} s (exit {code})")
    elif code is None:
        failures.append("the game did not close within 120 s of SIGINT")
    elif code != 0:
        failures.append(f"the game exited with {code}")
    if not log.closed:
        failures.append("the log has no closing banner")
    if len(samples) >= 2:
        first = samples[0]
        worst = max(samples[1:])
        if RSS_GROWTH_LIMIT_KB > 0 and worst - first >= RSS_GROWTH_LIMIT_KB:
            failures.append(f"memory grew {worst - first} KB after the first sample")
    else:
        failures.append("fewer than two memory samples")
    finished = len(log.returns)
    if finished == 0:
        failures.append("no fight finished")
    odd = [(i + 1, n) for i, n in enumerate(log.returns) if n != log.menu_textures]
    if odd:
        failures.append(f"textures after fights differ from the menu's {log.menu_textures}: "
                        f"{odd[:10]}")
    if log.errors:
        failures.append(f"{len(log.errors)} unexpected log lines, first: {log.errors[:5]}")
    with open(stderr_path, "rb") as f:
        stderr_text = f.read().decode("latin-1")
    for marker in ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"):
        if marker in stderr_text:
            failures.append(f"stderr reports {marker}")

    frames = log.presented if log.presented is not None else log.last_frame
    print(f"soak: {elapsed / 60:.1f} min, {frames} frames ({frames / elapsed:.0f} a second, "
          f"{frames / 60 / 3600:.1f} h of game time), {log.fights} fights started, "
          f"{finished} finished")
    if samples:
        print(f"soak: RSS first sample {samples[0]} KB, last {samples[-1]} KB, "
              f"highest after the first {max(samples[1:] or samples)} KB")
    print(f"soak: textures held by the menu {log.menu_textures}, after each finished fight "
          f"{sorted(set(log.returns))}")
    print(f"soak: unexpected log lines {len(log.errors)}")
    if failures:
        for failure in failures:
            print(f"soak: FAILED: {failure}")
        print(f"soak: kept {work} (logs/log.txt, stderr.txt)")
        return 1
    shutil.rmtree(work, ignore_errors=True)
    print("soak: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
