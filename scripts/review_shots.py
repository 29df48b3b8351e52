#!/usr/bin/env python3
"""Replays a session in the real renderer and keeps a picture of each moment
the session marks, so a person can look at every screen of the game.

    review_shots.py GAME_DIR SESSION OUT_DIR [SHEET.png [LEADING.png ...]]

A line "# shot: NAME" in the session marks the frame that follows it. The
game folder is copied to a temporary folder and run there with Krellin
(SDL_VIDEODRIVER as the caller set it: offscreen needs no X server), the
session replayed (CORRALON_REPLAY) and those frames saved
(CORRALON_SCREENSHOT_PRESENTS). The pictures land in OUT_DIR as
NN_NAME.png, in order; their paths are printed, one a line. OUT_DIR is emptied
first. With SHEET.png the LEADING pictures that exist and then these go on
one contact sheet
(contact_sheet.py). Exit status 1 when the game fails, a marked frame left
no picture or a picture is blank."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

# The logo goes up with one present of its own before the first frame.
PRESENTS_BEFORE_FIRST_FRAME = 1


def marked_frames(session_path):
    """(present number, name) of every marked frame, in order."""
    marks, pending, frame = [], [], 0
    with open(session_path, encoding="latin-1") as session:
        for line in session:
            text = line.strip()
            shot = re.match(r"#\s*shot:\s*(.+)", text)
            if shot:
                pending.append(re.sub(r"[^A-Za-z0-9]+", "_", shot.group(1)).strip("_"))
                continue
            if not text or text.startswith("#"):
                continue
            repeat = re.search(r"(?:^|\s)\*(\d+)(?:\s|$)", text)
            for name in pending:
                marks.append((PRESENTS_BEFORE_FIRST_FRAME + frame + 1, name))
            pending = []
            frame += int(repeat.group(1)) if repeat else 1
    return marks


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    game_dir, session, out_dir = argv[1:4]
    marks = marked_frames(session)
    if not marks:
        sys.stderr.write("review_shots: %s marks no frame\n" % session)
        return 1
    shutil.rmtree(out_dir, ignore_errors=True)
    os.makedirs(out_dir)
    with tempfile.TemporaryDirectory(prefix="corralon-review-") as work:
        game = os.path.join(work, "game")
        shutil.copytree(game_dir, game, symlinks=True)
        shutil.rmtree(os.path.join(game, "screenshots"), ignore_errors=True)
        with open(os.path.join(game, "cfg", "motorcfg.txt"), "w") as cfg:
            cfg.write("[dll]\ndll = Krellin.dll\n")
        env = dict(os.environ)
        env.pop("CORRALON_RECORD", None)
        env["CORRALON_REPLAY"] = os.path.abspath(session)
        env["CORRALON_SCREENSHOT_PRESENTS"] = ",".join(str(p) for p, _ in marks)
        env.setdefault("SDL_AUDIODRIVER", "dummy")
        try:
            run = subprocess.run(["./Corralon"], cwd=game, env=env, timeout=600)
        except subprocess.TimeoutExpired:
            sys.stderr.write("review_shots: the game did not end within 600 s\n")
            return 1
        if run.returncode != 0:
            sys.stderr.write("review_shots: the game ended with %d\n" % run.returncode)
            return 1
        shots_dir = os.path.join(game, "screenshots")
        shots = sorted(os.listdir(shots_dir)) if os.path.isdir(shots_dir) else []
        if len(shots) != len(marks):
            sys.stderr.write("review_shots: %d frames marked, %d pictures saved\n" %
                             (len(marks), len(shots)))
            return 1
        kept = []
        for index, (shot, (_, name)) in enumerate(zip(shots, marks), 1):
            target = os.path.join(out_dir, "%02d_%s.png" % (index, name))
            shutil.copyfile(os.path.join(shots_dir, shot), target)
            print(target)
            kept.append(target)
    if len(argv) > 4:
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import contact_sheet
        # The walk's pictures are there only when its window could open.
        leading = [path for path in argv[5:] if os.path.exists(path)]
        return contact_sheet.main([argv[0], argv[4]] + leading + kept)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
