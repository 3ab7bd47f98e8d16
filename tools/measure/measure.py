#!/usr/bin/env python3
"""Whole-process figures of the built game: resident memory a few seconds after start at
several screen sizes, and idle CPU with the music on and off. Each figure is the median of
several runs, each run a fresh game on its own virtual X display with its own empty
configuration and data folders and a silent audio driver. With --spin, the CPU of continuous
play at 1920x1080 and at 3840x2160@2 (the same layout at four times the pixels), spins started
by key presses (xdotool), and the ratio of the two: what a high-density screen costs in frames.

    tools/measure/measure.py                      # everything, 3 runs each
    tools/measure/measure.py --sizes 1920x1080 --no-cpu
    tools/measure/measure.py --no-cpu --rss-music off
    tools/measure/measure.py --game build/src/ui/varnholt-slots --runs 5
    tools/measure/measure.py --no-rss --no-cpu --spin
    tools/measure/measure.py --music-cache cold   # every run as a first start

By default the runs share a music cache that one run beforehand has filled with the first
piece (a player's second start on): the game then plays it without its synthesizer. With
--music-cache cold each run starts with an empty cache and plays the piece live while it is
rendered, in a separate process whose CPU and memory are not the game's.

A size is WIDTHxHEIGHT, or WIDTHxHEIGHT@2 for a screen at twice the pixel density (the game
then runs with QT_SCALE_FACTOR=2).

Each run has its own HOME, configuration, data and (unless shared as above) cache folders, so no
run sees what another left behind. With --displays the virtual displays take those numbers (one
at a time, the first free one); without it Xvfb picks a free number itself. Music and Sound are
switched off as a player would, through the Options menu (xdotool).

Idle figures are a fraction of a percent of a core, and a busy machine changes them both ways
(a wakeup costs about twice as much when the cores are otherwise idle): quote the figures of a
quiet machine, one whose load average stays well below its number of cores. The load average
is printed with the figures for that reason.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DEFAULT_GAME = os.path.join(ROOT, "build", "src", "ui", "varnholt-slots")
DEFAULT_SIZES = "800x600,1920x1080,3840x2160@2"
# The crystal ball's blink cycle alone is over eight seconds; shorter windows mostly measure
# where in its cycles a window happened to fall.
MIN_WINDOW = 60.0


def parse_size(text):
    size, _, scale = text.partition("@")
    width, _, height = size.partition("x")
    try:
        return int(width), int(height), int(scale or 1)
    except ValueError:
        sys.exit(f"measure: a size is WIDTHxHEIGHT[@SCALE], not '{text}'")


DISPLAYS = []  # the display numbers given with --displays; empty lets Xvfb choose


def parse_displays(text):
    """'46', '46,47' or '46-49' as a list of display numbers."""
    numbers = []
    for part in filter(None, text.split(",")):
        first, _, last = part.partition("-")
        try:
            numbers.extend(range(int(first), int(last or first) + 1))
        except ValueError:
            sys.exit(f"measure: displays are numbers such as 46,47 or 46-49, not '{text}'")
    return numbers


def display_free(number):
    return not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}")


def start_xvfb_on(width, height, number):
    """A virtual X display of this size on the given number, once it answers."""
    xvfb = subprocess.Popen(
        ["Xvfb", f":{number}", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if xvfb.poll() is not None:
            return None
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return xvfb
        time.sleep(0.1)
    xvfb.kill()
    return None


def start_xvfb(width, height):
    """A virtual X display of this size; returns (process, display name)."""
    if DISPLAYS:
        for number in DISPLAYS:
            if display_free(number):
                xvfb = start_xvfb_on(width, height, number)
                if xvfb:
                    return xvfb, f":{number}"
        sys.exit(f"measure: none of the displays {','.join(map(str, DISPLAYS))} could be started")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                xvfb.kill()
                sys.exit("measure: Xvfb did not start")
            number += chunk
    return xvfb, ":" + number.decode().strip()


def switch_off(display, sound, music):
    """The machine starts with Sound and Music on; the Options menu switches them off, as a
    player would: Alt+O opens it, Sound is its first item and Music its second."""
    if sound and music:
        return
    env = dict(os.environ, DISPLAY=display)
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Varnholt Slots$"],
                           env=env, capture_output=True, text=True, timeout=30).stdout.split()
    if not found:
        sys.exit("measure: the machine's window did not appear")
    # The menu takes its switches only once the start-up sound has begun.
    time.sleep(3)

    def keys(*names):
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for name in names:
            subprocess.run(["xdotool", "key", name], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.4)

    if not sound:
        keys("alt+o", "Return")
    if not music:
        keys("alt+o", "Down", "Return")


def status_kib(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    raise RuntimeError(f"no {key} for process {pid}")


def cpu_seconds(pid):
    """CPU time of all the process's threads, in nanosecond steps (the scheduler's own count)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except FileNotFoundError:  # a thread that ended meanwhile
            pass
    return total / 1e9


def press_keys(display, pid):
    """Keeps the machine playing: a chest and Enter on any window in front of the machine (the
    vault, a message), otherwise Space on the machine."""
    env = dict(os.environ, DISPLAY=display)

    def windows(*criteria):
        return subprocess.run(["xdotool", "search", "--onlyvisible", *criteria], env=env,
                              capture_output=True, text=True).stdout.split()

    machine = windows("--name", "^Varnholt Slots$")
    others = [w for w in windows("--pid", str(pid)) if w not in machine]
    for window, keys in ([(w, ["1", "Return"]) for w in others] or [(w, ["space"]) for w in machine[:1]]):
        subprocess.run(["xdotool", "windowfocus", window, "key", *keys], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Game:
    """One run of the game on its own display, stopped when the block ends."""

    cache_home = None  # shared by all runs; None gives each run an empty one

    def __init__(self, game, width, height, scale, music=True, sound=True):
        self.args = (game, width, height, scale, music, sound)

    def __enter__(self):
        game, width, height, scale, music, sound = self.args
        self.home = tempfile.mkdtemp(prefix="varnholt-measure-")
        cache_home = Game.cache_home or os.path.join(self.home, "cache")
        config_home = os.path.join(self.home, "config")
        data_home = os.path.join(self.home, "data")
        os.makedirs(data_home)
        self.xvfb, display = start_xvfb(width, height)
        self.display = display
        env = dict(os.environ, HOME=self.home, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=config_home,
                   XDG_DATA_HOME=data_home, XDG_CACHE_HOME=cache_home, SDL_AUDIODRIVER="dummy")
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("QT_SCALE_FACTOR", None)
        if scale != 1:
            env["QT_SCALE_FACTOR"] = str(scale)
        self.process = subprocess.Popen([game], env=env, cwd=self.home,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        switch_off(display, sound, music)
        return self

    def alive(self):
        return self.process.poll() is None

    def __exit__(self, *exc):
        for process in (self.process, self.xvfb):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def measure_rss(game, size, settle, music):
    width, height, scale = size
    with Game(game, width, height, scale, music=music) as run:
        time.sleep(settle)
        if not run.alive():
            sys.exit(f"measure: the game stopped early at {width}x{height}")
        return status_kib(run.process.pid, "VmRSS"), status_kib(run.process.pid, "VmHWM")


def measure_cpu(game, size, music, settle, window):
    width, height, scale = size
    with Game(game, width, height, scale, music=music) as run:
        time.sleep(settle)
        if not run.alive():
            sys.exit("measure: the game stopped early")
        before, start = cpu_seconds(run.process.pid), time.monotonic()
        time.sleep(window)
        after, elapsed = cpu_seconds(run.process.pid), time.monotonic() - start
        return 100.0 * (after - before) / elapsed


def measure_spin(game, size, settle, window):
    """CPU while the machine plays on: a coin in, then Space whenever it may spin again."""
    width, height, scale = size
    with Game(game, width, height, scale, music=False, sound=False) as run:
        time.sleep(settle)
        if not run.alive():
            sys.exit("measure: the game stopped early")
        subprocess.run(["xdotool", "key", "b"], env=dict(os.environ, DISPLAY=run.display))
        before, start = cpu_seconds(run.process.pid), time.monotonic()
        while time.monotonic() - start < window:
            press_keys(run.display, run.process.pid)
            time.sleep(0.5)
        after, elapsed = cpu_seconds(run.process.pid), time.monotonic() - start
        return 100.0 * (after - before) / elapsed


def fill_music_cache(game, cache_home):
    """One run with Music on until the first piece has been rendered into the shared cache."""
    Game.cache_home = cache_home
    if not os.access(os.path.join(os.path.dirname(game), "varnholt-slots-music"), os.X_OK):
        return  # a build that keeps no music cache
    music = os.path.join(cache_home, "varnholt-slots", "music")
    with Game(game, 800, 600, 1) as run:
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and run.alive():
            if any(name.endswith(".flac") for name in (os.listdir(music) if os.path.isdir(music) else [])):
                return
            time.sleep(0.5)
    sys.exit("measure: the first piece was not rendered into the music cache")


def size_name(size):
    width, height, scale = size
    return f"{width}x{height}" + (f"@{scale}" if scale != 1 else "")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0], epilog=__doc__.split("\n\n")[-1])
    parser.add_argument("--game", default=DEFAULT_GAME, help="the built game (default: %(default)s)")
    parser.add_argument("--runs", type=int, default=3, help="runs per figure; the median is shown")
    parser.add_argument("--sizes", default=DEFAULT_SIZES, help="screen sizes for memory (default: %(default)s)")
    parser.add_argument("--rss-music", choices=("on", "off"), default="on",
                        help="the Music option during the memory figures (default: %(default)s)")
    parser.add_argument("--settle", type=float, default=5.0, help="seconds after start before measuring")
    parser.add_argument("--cpu-size", default="1920x1080", help="screen size for the CPU figures")
    parser.add_argument("--cpu-window", type=float, default=60.0,
                        help=f"seconds of CPU time counted, at least {MIN_WINDOW:g} (default: %(default)s)")
    parser.add_argument("--displays", default="",
                        help="X display numbers to run on, e.g. 46 or 46-49 (default: any free one)")
    parser.add_argument("--no-rss", action="store_true", help="skip the memory figures")
    parser.add_argument("--no-cpu", action="store_true", help="skip the CPU figures")
    parser.add_argument("--spin", action="store_true", help="add the CPU of continuous play at 1x and 2x")
    parser.add_argument("--music-cache", choices=("warm", "cold"), default="warm",
                        help="the first piece already rendered, or an empty cache every run (default: %(default)s)")
    options = parser.parse_args()
    if options.cpu_window < MIN_WINDOW:
        sys.exit(f"measure: a CPU window shorter than {MIN_WINDOW:g} s is mostly the timers' phase, "
                 "not their cost")
    DISPLAYS[:] = parse_displays(options.displays)
    if not os.access(options.game, os.X_OK):
        sys.exit(f"measure: no built game at {options.game} (build it, or name it with --game)")
    if shutil.which("Xvfb") is None:
        sys.exit("measure: Xvfb is needed (Debian package xvfb)")
    game = os.path.abspath(options.game)
    shared = tempfile.mkdtemp(prefix="varnholt-measure-cache-")
    try:
        if options.music_cache == "warm":
            fill_music_cache(game, shared)
        measure_all(game, options)
    finally:
        shutil.rmtree(shared, ignore_errors=True)


LOADS = []


def measure_all(game, options):
    LOADS.append(os.getloadavg())
    rows = []
    if not options.no_rss:
        for size in map(parse_size, options.sizes.split(",")):
            music = options.rss_music == "on"
            runs = [measure_rss(game, size, options.settle, music) for _ in range(options.runs)]
            rss = [r for r, _ in runs]
            peak = [p for _, p in runs]
            rows.append((f"RSS {size_name(size)}" + ("" if music else " music off"), f"{statistics.median(rss) / 1024:.1f} MiB",
                         f"peak {statistics.median(peak) / 1024:.1f} MiB",
                         " ".join(f"{r / 1024:.1f}" for r in rss)))
    if not options.no_cpu:
        size = parse_size(options.cpu_size)
        for music in (True, False):
            runs = [measure_cpu(game, size, music, options.settle, options.cpu_window)
                    for _ in range(options.runs)]
            rows.append((f"CPU {size_name(size)} music {'on' if music else 'off'}",
                         f"{statistics.median(runs):.2f} %", f"over {options.cpu_window:g} s",
                         " ".join(f"{r:.2f}" for r in runs)))
    if options.spin:
        if shutil.which("xdotool") is None:
            sys.exit("measure: --spin needs xdotool (Debian package xdotool)")
        spin = {}
        for size in map(parse_size, ("1920x1080", "3840x2160@2")):
            runs = [measure_spin(game, size, options.settle, options.cpu_window) for _ in range(options.runs)]
            spin[size[2]] = statistics.median(runs)
            rows.append((f"CPU playing {size_name(size)}", f"{spin[size[2]]:.1f} %",
                         f"over {options.cpu_window:g} s", " ".join(f"{r:.1f}" for r in runs)))
        rows.append(("playing 2x / 1x", f"{spin[2] / spin[1]:.2f}", "for 4x the pixels", ""))

    rows.append(("load average", " ".join(f"{x:.2f}" for x in LOADS[0]), "at start",
                 " ".join(f"{x:.2f}" for x in os.getloadavg()) + " at end"))
    header = ("figure", "median", "", "runs")
    widths = [max(len(row[i]) for row in rows + [header]) for i in range(4)]
    for row in [header] + rows:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    print(f"Quote these figures only from a quiet machine: a load average well below its "
          f"{os.cpu_count()} cores, before and after.")


if __name__ == "__main__":
    main()
