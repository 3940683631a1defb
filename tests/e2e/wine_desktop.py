"""A private Windows desktop under Wine for the end-to-end tests.

One Xvfb display on a free number, one fresh Wine prefix in a temporary
folder; both are removed again on exit, also when a test fails.
"""
import os
import pathlib
import shutil
import signal
import subprocess
import tempfile
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER_NAMES = ("/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver")


def free_display():
    for number in range(90, 190):
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(
                f"/tmp/.X11-unix/X{number}"):
            return number
    raise RuntimeError("no free X display number")


def wait_for(condition, timeout, what, interval=0.05):
    """Polls until condition() gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    def __init__(self, build_dir, width=1024, height=768, lang=None):
        self.build = pathlib.Path(build_dir)
        self.size = (width, height)
        self.lang = lang
        self.xvfb = None
        self.folder = None
        self.env = None
        self.processes = []

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _start(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="zantopo-e2e-"))
        for attempt in range(5):
            self.display = free_display()
            self.xvfb = subprocess.Popen(
                ["Xvfb", f":{self.display}", "-screen", "0", f"{self.size[0]}x{self.size[1]}x24",
                 "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{self.display}")
                         or self.xvfb.poll() is not None, 10, "Xvfb")
            except AssertionError:
                pass
            if self.xvfb.poll() is None:
                break
        else:
            raise RuntimeError("Xvfb did not start")
        env = dict(os.environ)
        env.update(DISPLAY=f":{self.display}", WINEPREFIX=str(self.folder / "prefix"),
                   WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64")
        env.pop("WAYLAND_DISPLAY", None)
        if self.lang:
            env["LANG"] = self.lang
            env["LC_ALL"] = self.lang
        self.env = env
        subprocess.run([WINE, "wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=180, check=False)

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
        if self.env is not None:
            for server in WINESERVER_NAMES:
                if os.path.exists(server):
                    subprocess.run([server, "-k"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, timeout=30, check=False)
                    break
        for process in self.processes:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        if self.xvfb is not None and self.xvfb.poll() is None:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        if self.folder is not None:
            shutil.rmtree(self.folder, ignore_errors=True)

    def windows_path(self, path):
        return "Z:" + str(pathlib.Path(path).resolve()).replace("/", "\\")

    def start(self, program, *args, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        process = subprocess.Popen([WINE, str(self.build / program), *args], env=env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.processes.append(process)
        return process

    def run(self, program, *args, timeout=60, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        result = subprocess.run([WINE, str(self.build / program), *args], env=env,
                                capture_output=True, text=True, timeout=timeout, check=False)
        return result.returncode, result.stdout

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=120,
                       stdout=subprocess.DEVNULL)

    def screenshot(self, path, crop=None):
        """The whole screen, or the part left, top, width, height of it."""
        args = ["import", "-window", "root"]
        if crop:
            args += ["-crop", "{2}x{3}+{0}+{1}".format(*crop), "+repage"]
        subprocess.run([*args, str(path)], env=self.env, check=True, timeout=60)
