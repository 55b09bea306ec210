#!/usr/bin/env python3
"""Start-up and click figures of the program under Xvfb, beside a bare Qt window, from one run.

scripts/benchmark.sh builds the three programs and calls this script. It prints
  - warm start (data directory present) and first start (unpacks it): median milliseconds from
    launch to the first paint of the window, the same for the bare window, and their ratio;
  - CPU per ship shown, painting included, clicking through the 21 templates and through 90 new
    ships (process CPU from /proc, the idle rate measured before subtracted);
  - optionally (--idle SECONDS) the idle CPU of the shown window, nothing happening.
Every run happens in a folder of its own: home, settings, data and a placeholder game.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

CLK_TCK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLK_TCK  # utime + stime


class Sandbox:
    def __init__(self, root, display, portable_app=None):
        self.root = root
        self.game = os.path.join(root, "game")
        os.makedirs(os.path.join(self.game, "Bin", "Win64"), exist_ok=True)
        os.makedirs(os.path.join(self.game, "mods"), exist_ok=True)
        with open(os.path.join(self.game, "Bin", "Win64", "Marvessa.exe"), "w") as f:
            f.write("placeholder")
        config = os.path.join(root, "config", "MarvessaSpantora")
        os.makedirs(config, exist_ok=True)
        prefix = "Microsoft\\Windows\\CurrentVersion\\MarvessaSpantora\\"
        with open(os.path.join(config, "MarvessaSpantora.ini"), "w") as f:
            f.write(f"[SOFTWARE]\n{prefix}GameLocation={self.game}\n{prefix}ModLocation={self.game}/mods/\n")
        self.data_home = os.path.join(root, "data")
        self.data = os.path.join(self.data_home, "MarvessaSpantora")
        if portable_app:  # a program that keeps its data folder next to itself: a copy of it here
            self.data = os.path.join(root, "app")
            os.makedirs(self.data, exist_ok=True)
            self.app = shutil.copy(portable_app, self.data)
        self.env = dict(os.environ, DISPLAY=display, HOME=os.path.join(root, "home"),
                        XDG_CONFIG_HOME=os.path.join(root, "config"), XDG_DATA_HOME=self.data_home,
                        XDG_RUNTIME_DIR=os.path.join(root, "runtime"), WINEPREFIX=os.path.join(root, "no-wine"),
                        QT_QPA_PLATFORM="xcb", LC_ALL="de_DE.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        for d in ("home", "runtime"):
            os.makedirs(os.path.join(root, d), mode=0o700, exist_ok=True)
        self.report = os.path.join(root, "shown")

    def launch(self, program, quit_when_shown):
        env = dict(self.env, SPANTORA_SHOWN_REPORT=self.report)
        if quit_when_shown:
            env["SPANTORA_QUIT_WHEN_SHOWN"] = "1"
        if os.path.exists(self.report):
            os.remove(self.report)
        start = time.monotonic_ns()
        proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return proc, start

    def shown_after(self, start, proc, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if os.path.exists(self.report) and os.path.getsize(self.report) > 0:
                with open(self.report) as f:
                    return (int(f.read()) - start) / 1e6
            if proc.poll() is not None and not os.path.exists(self.report):
                raise RuntimeError(f"exited with {proc.returncode} before its window showed")
            time.sleep(0.002)
        raise RuntimeError("no window within the timeout")

    def time_start(self, program):
        proc, start = self.launch(program, quit_when_shown=True)
        ms = self.shown_after(start, proc)
        proc.wait(timeout=30)
        return ms


def start_figures(box, app, bare, runs):
    box.time_start(app)  # unpacks the data directory once
    warm, first, floor = [], [], []
    for _ in range(runs):
        floor.append(box.time_start(bare))
        warm.append(box.time_start(app))
        shutil.rmtree(os.path.join(box.data, "XMLA"), ignore_errors=True)
        first.append(box.time_start(app))
    f, w, s = statistics.median(floor), statistics.median(warm), statistics.median(first)
    print(f"bare Qt window:              {f:7.1f} ms (median of {runs})")
    print(f"warm start (data present):   {w:7.1f} ms  = {w / f:.2f} x the bare window")
    print(f"first start (unpacks data):  {s:7.1f} ms  = {s / f:.2f} x the bare window")


def xdo(box, *args):
    subprocess.run(["xdotool", *args], env=box.env, check=True, stdout=subprocess.PIPE)


def ships_per_category(xmla):
    counts = {}
    for ship in ET.parse(os.path.join(xmla, "ShipShort.xml")).getroot():
        counts[ship.get("Typ")] = counts.get(ship.get("Typ"), 0) + 1
    return counts


def click_figure(box, app, categories, label, pause, rounds=1):
    """Clicks each category, the first ship in it, then Down through its list (`rounds` times);
    CPU per ship shown."""
    proc, start = box.launch(app, quit_when_shown=False)
    try:
        box.shown_after(start, proc)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Marvessa Spantora"],
                                env=box.env, check=True, stdout=subprocess.PIPE, text=True).stdout.split()[0]
        time.sleep(2.0)
        before, t0 = cpu_seconds(proc.pid), time.monotonic()
        time.sleep(3.0)
        idle_rate = (cpu_seconds(proc.pid) - before) / (time.monotonic() - t0)
        shown = 0
        before, t0 = cpu_seconds(proc.pid), time.monotonic()
        for row, count in categories * rounds:
            xdo(box, "mousemove", "--window", window, "106", str(40 + 38 + 74 * row), "click", "1")
            time.sleep(pause)
            xdo(box, "mousemove", "--window", window, "326", "70", "click", "1")
            time.sleep(pause)
            shown += 2
            for _ in range(count - 1):
                xdo(box, "key", "Down")
                time.sleep(pause)
                shown += 1
        spent = cpu_seconds(proc.pid) - before - idle_rate * (time.monotonic() - t0)
        print(f"CPU per ship shown, {label}: {1000 * spent / shown:5.1f} ms ({shown} shown)")
    finally:
        proc.terminate()
        proc.wait(timeout=30)


def idle_figure(box, app, seconds):
    proc, start = box.launch(app, quit_when_shown=False)
    try:
        box.shown_after(start, proc)
        time.sleep(3.0)
        before, t0 = cpu_seconds(proc.pid), time.monotonic()
        time.sleep(seconds)
        rate = (cpu_seconds(proc.pid) - before) / (time.monotonic() - t0)
        print(f"idle CPU over {seconds} s: {100 * rate:.2f} % of a core")
    finally:
        proc.terminate()
        proc.wait(timeout=30)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--app", required=True)
    p.add_argument("--bare", required=True)
    p.add_argument("--data-tool", required=True)
    p.add_argument("--runs", type=int, default=15)
    p.add_argument("--idle", type=int, default=0)
    p.add_argument("--display", default=":77")
    p.add_argument("--portable", action="store_true",
                   help="the program keeps its data next to itself (builds before the per-user data folder)")
    a = p.parse_args()

    xvfb = subprocess.Popen(["Xvfb", a.display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    root = tempfile.mkdtemp(prefix="spantora-figures-")
    try:
        box = Sandbox(root, a.display, a.app if a.portable else None)
        if a.portable:
            a.app = box.app
        start_figures(box, a.app, a.bare, a.runs)
        counts = ships_per_category(os.path.join(box.data, "XMLA"))
        templates = [(row, counts.get(typ, 0)) for row, typ in
                     enumerate(("Segelschiffe", "Dampfschiffe", "Extraschiffe")) if counts.get(typ, 0)]
        click_figure(box, a.app, templates, f"{sum(c for _, c in templates)} templates, 3 rounds", 0.15, rounds=3)
        shutil.rmtree(os.path.join(box.data, "XMLA"), ignore_errors=True)
        subprocess.run([a.data_tool, box.data, "90"], check=True)
        click_figure(box, a.app, [(3, 90)], "90 new ships", 0.15)
        if a.idle:
            idle_figure(box, a.app, a.idle)
    finally:
        xvfb.terminate()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
