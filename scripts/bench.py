#!/usr/bin/env python3
"""Figures of the running program, each beside a baseline measured in the same run.

- presses per second that the program keeps up with, against the same number
  of plain keystrokes typed into the same target;
- start-up until the window exists, against a minimal one-window program;
- the i686 binary's size and imports; memory at rest against the minimal program.
"""
import pathlib
import statistics
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from probe import Probe  # noqa: E402
from target_log import read_v_keys  # noqa: E402
from wine_desktop import Desktop, wait_for  # noqa: E402

PRESSES = 300
ROUNDS = 5
LAUNCHES = 9


def linux_process(desktop, exe_name):
    for proc in pathlib.Path("/proc").iterdir():
        if not proc.name.isdigit():
            continue
        try:
            cmdline = (proc / "cmdline").read_bytes()
            environ = (proc / "environ").read_bytes()
        except OSError:
            continue
        if exe_name.encode() in cmdline and desktop.env["WINEPREFIX"].encode() in environ:
            return proc
    return None


def memory_kib(desktop, exe_name):
    proc = wait_for(lambda: linux_process(desktop, exe_name), 30, exe_name)
    time.sleep(2)  # at rest
    fields = {}
    for line in (proc / "status").read_text().splitlines():
        key, _, value = line.partition(":")
        if key in ("VmRSS", "RssAnon"):
            fields[key] = int(value.split()[0])
    return fields


def measure_throughput(desktop, probe):
    utility = desktop.start("zantopo.exe")
    window = wait_for(probe.window, 60, "the utility")
    field = window["fields"][1]["handle"]
    log = desktop.folder / "bench-target.log"
    target = desktop.start("target.exe", desktop.windows_path(log))
    target.stdout.readline()
    desktop.xdotool("mousemove", "200", "150", "click", "1")
    time.sleep(0.5)

    press_rates, key_rates, delivered = [], [], []
    for _ in range(ROUNDS):
        probe.set_text(field, b"0")
        before = len(read_v_keys(log))
        watcher = desktop.start("probe.exe", "watch", hex(field), str(PRESSES).encode().hex())
        assert watcher.stdout.readline().strip() == "watching"
        desktop.xdotool("keydown", "ctrl", "key", "--delay", "0", *["v"] * PRESSES,
                        "keyup", "ctrl")
        elapsed = float(watcher.stdout.readline().strip().partition("=")[2])
        watcher.wait(timeout=30)
        # Every press handled: the number went from 0 to exactly PRESSES.
        assert probe.texts(window["handle"])[1] == str(PRESSES).encode()
        press_rates.append((PRESSES - 1) / (elapsed / 1000))
        time.sleep(1)
        delivered.append(len(read_v_keys(log)) - before)

        before = len(read_v_keys(log))
        desktop.xdotool("key", "--delay", "0", *["v"] * PRESSES)
        wait_for(lambda: len(read_v_keys(log)) - before >= PRESSES, 60, "plain keys")
        stamps = [stamp for stamp, _, _ in read_v_keys(log)[before:]]
        key_rates.append((PRESSES - 1) / ((stamps[-1] - stamps[0]) / 1000))
    utility.kill()
    target.kill()
    return press_rates, key_rates, delivered


def measure_startup(desktop):
    times = {"zantopo.exe": [], "minimal.exe": []}
    classes = {"zantopo.exe": "Tallix_Window", "minimal.exe": "Minimal_Window"}
    for _ in range(LAUNCHES):
        for exe, samples in times.items():  # interleaved, so drift hits both
            code, out = desktop.run("probe.exe", "launch",
                                    desktop.windows_path(desktop.build / exe), classes[exe])
            assert code == 0, out
            samples.append(float(out.strip().partition("=")[2]))
    return times


def binary_facts():
    program = ROOT / "build" / "win32" / "zantopo.exe"
    headers = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(program)],
                             capture_output=True, text=True, check=True).stdout
    dlls = sorted(line.split()[-1] for line in headers.splitlines() if "DLL Name:" in line)
    return program.stat().st_size, dlls


def main():
    with Desktop(ROOT / "build" / "win64") as desktop:
        probe = Probe(desktop)
        press_rates, key_rates, delivered = measure_throughput(desktop, probe)
        startup = measure_startup(desktop)
        for exe in ("zantopo.exe", "minimal.exe"):
            desktop.start(exe)
        memory = {exe: memory_kib(desktop, exe) for exe in ("zantopo.exe", "minimal.exe")}
    size, dlls = binary_facts()

    press = statistics.median(press_rates)
    keys = statistics.median(key_rates)
    ours = statistics.median(startup["zantopo.exe"])
    minimal = statistics.median(startup["minimal.exe"])
    lines = [
        "# Performance",
        "",
        "Made by `bash scripts/bench` (64-bit build under Wine 8 on Xvfb, 2 cores); every",
        "figure stands beside its baseline from the same run. Medians.",
        "",
        "| figure | Zantopo | baseline | ratio |",
        "|---|---|---|---|",
        f"| presses per second kept up with ({PRESSES} Ctrl+V as fast as xdotool sends, "
        f"{ROUNDS} rounds) vs plain keystrokes into the target | {press:.0f}/s | {keys:.0f}/s "
        f"| {press / keys:.2f} |",
        f"| start-up until the window exists ({LAUNCHES} launches each) vs a minimal "
        f"one-window program | {ours:.1f} ms | {minimal:.1f} ms | {ours / minimal:.2f} |",
        f"| memory at rest, resident (VmRSS of the Wine process) | "
        f"{memory['zantopo.exe']['VmRSS']} KiB | {memory['minimal.exe']['VmRSS']} KiB | "
        f"{memory['zantopo.exe']['VmRSS'] / memory['minimal.exe']['VmRSS']:.2f} |",
        f"| memory at rest, anonymous (RssAnon) | {memory['zantopo.exe']['RssAnon']} KiB | "
        f"{memory['minimal.exe']['RssAnon']} KiB | "
        f"{memory['zantopo.exe']['RssAnon'] / memory['minimal.exe']['RssAnon']:.2f} |",
        "",
        f"The shipped i686 program is {size} bytes and imports {', '.join(dlls)}.",
        "",
        "No press was lost: in every round the number went from 0 to exactly "
        f"{PRESSES}. Wine drops the target's foreground at every attach and detach, so at "
        "this pace only some presses find a front window to post the V key to "
        f"(keys that reached the target per round: {', '.join(map(str, delivered))}); "
        "on Windows each press posts one.",
        "",
        "Rounds, presses per second: " + ", ".join(f"{r:.0f}" for r in press_rates) + "; "
        "keystrokes per second: " + ", ".join(f"{r:.0f}" for r in key_rates) + ".",
        "Start-up samples, ms: Zantopo " + ", ".join(f"{t:.1f}" for t in startup["zantopo.exe"])
        + "; minimal " + ", ".join(f"{t:.1f}" for t in startup["minimal.exe"]) + ".",
        "",
    ]
    (ROOT / "docs" / "performance.md").write_text("\n".join(lines))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
