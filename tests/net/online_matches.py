#!/usr/bin/env python3
"""Online versus on this machine: pairs of real game processes (windowless
renderer, each side's keys from a replay) play one match through a UDP
relay that adds seeded latency, jitter, loss, duplication and reordering.
Each pair must reach the fight, end it with the same winner and the same
final checksum, without a desync, with rollbacks under latency, and each
side's recording must be the other's and replay offline to that checksum.
A side killed mid-match leaves the other to end within its timeout with
its saved files whole. The pairs run side by side.

A pair whose first fighter moves by the clock must call the desync on both
sides and leave that frame's snapshot in logs/.

Usage: online_matches.py GAME_FOLDER [--clock-behaviour LIBRARY] [SCENARIO...]"""
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from udp_relay import Relay  # noqa: E402

FRAME = "0.016667"
SCENARIOS = {
    # name: (round trip ms, jitter ms, loss, duplicate, reorder, killed)
    "direct": (0, 0, 0.0, 0.0, 0.0, False),
    "60ms": (60, 0, 0.01, 0.01, 0.01, False),
    "150ms": (150, 20, 0.05, 0.02, 0.05, False),
    "killed": (0, 0, 0.0, 0.0, 0.0, True),
    "different": (0, 0, 0.0, 0.0, 0.0, False),  # the joiner's stage list differs
    "desync": (0, 0, 0.0, 0.0, 0.0, False),     # player 1 moves by the clock
}
CLOCK_BEHAVIOUR = None
ESCAPE_AT = 1720  # the host leaves the selection after the match (over by 1660)
LINE = re.compile(r"Red: partida terminada: (\d+) fotogramas confirmados, (\d+) rollbacks, "
                  r"suma ([0-9a-f]{16}) del fotograma (-?\d+)")
REPLAYED = re.compile(r"Red: repeticion terminada: (\d+) fotogramas, suma ([0-9a-f]{16}) "
                      r"del fotograma (-?\d+)")
WINNER = re.compile(r"Red: combate terminado en el fotograma (\d+), gana el jugador (\d)")


def session(changes, length):
    """A replay: `changes` maps a frame to its key tokens; idle runs as *N."""
    lines, idle = ["# online test side"], 0
    for frame in range(length):
        tokens = changes.get(frame)
        if tokens is None:
            idle += 1
            continue
        if idle:
            lines.append(f"{FRAME} *{idle}")
            idle = 0
        lines.append(f"{FRAME} {tokens}")
    if idle:
        lines.append(f"{FRAME} *{idle}")
    return "\n".join(lines) + "\n"


def host_keys():
    keys = {30: "+INSERT", 31: "-INSERT", 420: "+RIGHT"}
    for f in range(430, 1200, 12):  # walks in punching
        keys[f], keys[f + 1] = "+INSERT", "-INSERT"
    keys[1200] = "-RIGHT"
    keys[ESCAPE_AT], keys[ESCAPE_AT + 1] = "+ESCAPE", "-ESCAPE"
    return session(keys, ESCAPE_AT + 300)


def joiner_keys():
    keys = {45: "+INSERT", 46: "-INSERT"}
    for f in range(450, 1150, 40):  # steps and kicks now and then
        keys[f], keys[f + 8] = "+LEFT", "-LEFT"
        keys[f + 20], keys[f + 21] = "+DELETE", "-DELETE"
    return session(keys, ESCAPE_AT + 900)


def game_folder(root, name, host_options):
    folder = os.path.join(root, name)
    os.makedirs(folder)
    for entry in os.listdir(GAME):
        if entry not in ("cfg", "logs", "screenshots", "review"):
            os.symlink(os.path.join(GAME, entry), os.path.join(folder, entry))
    shutil.copytree(os.path.join(GAME, "cfg"), os.path.join(folder, "cfg"))
    os.makedirs(os.path.join(folder, "logs"))
    with open(os.path.join(folder, "cfg", "motorcfg.txt"), "w") as f:
        f.write("[dll]\ndll = Headless.dll\n")
    if host_options:
        # One round of six seconds: unlimited, round time, background, rounds.
        with open(os.path.join(folder, "cfg", "config.cfg"), "wb") as f:
            f.write(struct.pack("<BfBI", 0, 6.0, 0, 1))
    return folder


def start(folder, session_text, args):
    with open(os.path.join(folder, "keys.session"), "w") as f:
        f.write(session_text)
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
               CORRALON_REPLAY=os.path.join(folder, "keys.session"),
               CORRALON_RECORD=os.path.join(folder, "online.session"))
    return subprocess.Popen(["./Corralon"] + args, cwd=folder, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def read(path, mode="r"):
    try:
        with open(path, mode, **({} if "b" in mode else {"encoding": "latin-1"})) as f:
            return f.read()
    except OSError:
        return b"" if "b" in mode else ""


def replay_offline(folder):
    """The side's recording played alone: its checksum line."""
    for name in ("log.txt",):
        os.replace(os.path.join(folder, "logs", name), os.path.join(folder, "online-" + name))
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
               CORRALON_REPLAY=os.path.join(folder, "online.session"))
    env.pop("CORRALON_RECORD", None)
    subprocess.run(["./Corralon"], cwd=folder, env=env, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    match = REPLAYED.search(read(os.path.join(folder, "logs", "log.txt")))
    return match.groups() if match else None


def spray(port, seed):
    """A thousand datagrams of any size and content at the port, over 5 s."""
    import random
    import socket
    rng = random.Random(seed)
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as sock:
        for _ in range(1000):
            size = rng.choice((0, 1, 3, 40, 1200, 9000))
            try:
                sock.sendto(bytes(rng.getrandbits(8) for _ in range(size)), ("127.0.0.1", port))
            except OSError:
                pass
            time.sleep(0.005)


def play(name, port, results):
    rtt, jitter, loss, dup, reorder, killed = SCENARIOS[name]
    problems = []
    root = os.path.join(WORK, name)
    host = game_folder(root, "host", True)
    joiner = game_folder(root, "joiner", False)
    if name == "desync":
        for folder in (host, joiner):
            creatures = os.path.join(folder, "Bichos")
            os.remove(creatures)
            os.makedirs(creatures)
            for entry in os.listdir(os.path.join(GAME, "Bichos")):
                if entry != "bichos.txt":
                    os.symlink(os.path.join(GAME, "Bichos", entry), os.path.join(creatures, entry))
            shutil.copy(os.path.join(GAME, "Bichos", "rana.qvl"), os.path.join(creatures, "desorden.qvl"))
            shutil.copy(CLOCK_BEHAVIOUR, os.path.join(creatures, "desorden.so"))
            with open(os.path.join(creatures, "bichos.txt"), "w") as f:
                f.write("[Jugadores]\nbicho = Bichos\\desorden.qvl\nbicho = Bichos\\rana.qvl\n")
    if name == "different":
        stages = os.path.join(joiner, "fondos")
        os.remove(stages)
        os.makedirs(stages)
        for entry in os.listdir(os.path.join(GAME, "fondos")):
            os.symlink(os.path.join(GAME, "fondos", entry), os.path.join(stages, entry))
        os.remove(os.path.join(stages, "fondos.txt"))
        with open(os.path.join(stages, "fondos.txt"), "w") as f:
            f.write(read(os.path.join(GAME, "fondos", "fondos.txt")) + "\n")
    relay = Relay(port + 1, port, rtt, jitter, loss, dup, reorder, seed=port).start()
    began = time.monotonic()
    sides = [start(host, host_keys(), ["--host", str(port)]),
             start(joiner, joiner_keys(), ["--join", f"127.0.0.1:{port + 1}"])]
    if name == "direct":
        # Somebody else sprays the host's port with rubbish meanwhile.
        threading.Thread(target=spray, args=(port, port), daemon=True).start()
    if killed:
        log = os.path.join(joiner, "logs", "log.txt")
        deadline = time.monotonic() + 40
        while "Cargado fondo" not in read(log) and time.monotonic() < deadline:
            time.sleep(0.05)
        sides[1].send_signal(signal.SIGKILL)
        killed_at = time.monotonic()
    for side in sides:
        try:
            side.wait(timeout=90)
        except subprocess.TimeoutExpired:
            side.kill()
            problems.append("a side did not end within 90 s")
    relay.stop()
    logs = [read(os.path.join(f, "logs", "log.txt")) for f in (host, joiner)]
    if name == "different":
        for i, side in enumerate(("host", "joiner")):
            if "Red: el otro juego no es igual: fondos/fondos.txt es distinto" not in logs[i]:
                problems.append(f"the {side} did not name the file that differs")
            if "Cargado fondo" in logs[i]:
                problems.append(f"the {side} played on")
        results[name] = (problems, f"refused in {time.monotonic() - began:.1f} s")
        return
    if name == "desync":
        for i, (folder, side) in enumerate(((host, "host"), (joiner, "joiner"))):
            if "Red: desincronizados en el fotograma" not in logs[i]:
                problems.append(f"the {side} did not call the desync")
            if not any(n.startswith("desincronia_") for n in os.listdir(os.path.join(folder, "logs"))):
                problems.append(f"the {side} left no snapshot in logs/")
            if sides[i].returncode != 0:
                problems.append(f"the {side} ended with {sides[i].returncode}")
        frames = re.findall(r"desincronizados en el fotograma (\d+)", logs[0])
        results[name] = (problems, f"called at frame {frames[0] if frames else '?'} in "
                                   f"{time.monotonic() - began:.1f} s")
        return
    if killed:
        took = time.monotonic() - killed_at
        if sides[0].returncode != 0:
            problems.append(f"the host ended with {sides[0].returncode}")
        if "Red: el otro jugador" not in logs[0]:
            problems.append("the host did not say the other side went away")
        if took > 10 + 2.5 + 3:
            problems.append(f"the host took {took:.1f} s to end after the kill")
        if len(read(os.path.join(host, "cfg", "config.cfg"), "rb")) != 10 or \
                "Fin del log" not in logs[0]:
            problems.append("the host's saved files are not whole")
        results[name] = (problems, f"host ended {took:.1f} s after the kill")
        return
    summaries = [LINE.search(log) for log in logs]
    winners = [WINNER.search(log) for log in logs]
    for i, side in enumerate(("host", "joiner")):
        if sides[i].returncode != 0:
            problems.append(f"{side} exit status {sides[i].returncode}")
        if "Cargado fondo" not in logs[i]:
            problems.append(f"{side} never reached the fight")
        if "desincronizados" in logs[i]:
            problems.append(f"{side} desynchronised")
        if not summaries[i]:
            problems.append(f"{side} wrote no summary")
        if not winners[i]:
            problems.append(f"{side} saw no end of the fight")
    if all(summaries):
        a, b = (s.groups() for s in summaries)
        if (a[0], a[2], a[3]) != (b[0], b[2], b[3]):
            problems.append(f"summaries differ: {a} against {b}")
        if rtt and int(a[1]) + int(b[1]) == 0:
            problems.append("no rollback under latency")
    if all(winners) and winners[0].group(2) != winners[1].group(2):
        problems.append("the sides saw different winners")
    records = [read(os.path.join(f, "online.session"), "rb") for f in (host, joiner)]
    if not records[0] or records[0] != records[1]:
        problems.append("the two recordings differ")
    if all(summaries) and records[0]:
        for folder, side in ((host, "host"), (joiner, "joiner")):
            replayed = replay_offline(folder)
            online = summaries[0].groups()
            if not replayed or (replayed[1], replayed[2]) != (online[2], online[3]):
                problems.append(f"{side}'s recording replays to {replayed}, not {online[2:]}")
    figures = ""
    if all(summaries):
        figures = (f"{summaries[0].group(1)} frames, fight over at "
                   f"{winners[0].group(1) if winners[0] else '?'}, rollbacks {summaries[0].group(2)} + "
                   f"{summaries[1].group(2)}, sum {summaries[0].group(3)}, "
                   f"{time.monotonic() - began:.0f} s")
        for log, side in zip(logs, ("host", "joiner")):
            extra = re.search(r"Red: (\d+) fotogramas repetidos en ([0-9.]+) ms; (\d+) bytes/s "
                              r"enviados, (\d+) recibidos en ([0-9.]+) s", log)
            connected = re.search(r"ida y vuelta (\d+) ms, retardo (\d) fotogramas", log)
            if extra and connected:
                figures += (f"; {side}: delay {connected.group(2)}, {extra.group(1)} frames rerun "
                            f"in {extra.group(2)} ms, {extra.group(3)} B/s out")
    results[name] = (problems, figures)


def main():
    global GAME, WORK
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    global CLOCK_BEHAVIOUR
    GAME = os.path.abspath(sys.argv[1])
    names = sys.argv[2:]
    if names[:1] == ["--clock-behaviour"]:
        CLOCK_BEHAVIOUR = names[1]
        names = names[2:]
    names = names or [n for n in SCENARIOS if n != "desync" or CLOCK_BEHAVIOUR]
    WORK = tempfile.mkdtemp(prefix="corralon-online-")
    results, threads = {}, []
    base = 20000 + (os.getpid() % 2000) * 10
    for i, name in enumerate(names):
        t = threading.Thread(target=play, args=(name, base + 2 * i, results))
        t.start()
        threads.append(t)
    for t in threads:
        t.join()
    failed = False
    for name in names:
        problems, figures = results.get(name, (["did not run"], ""))
        print(f"{name}: {'ok' if not problems else 'FAILED'} {figures}")
        for p in problems:
            print(f"  {p}")
        failed = failed or bool(problems)
    if failed:
        print(f"left in {WORK}")
    else:
        shutil.rmtree(WORK, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
