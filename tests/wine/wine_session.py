"""Wine sessions for the tests of the Windows programs.

A session starts its own Xvfb display, runs Windows programs in a given WINEPREFIX with code
page 936 (LC_ALL=zh_CN.UTF-8), takes screenshots of screen regions, and on leaving stops the
programs, the prefix's wineserver and the display, also when the test failed.

    with WineSession(prefix, probe="probe.exe") as wine:
        app = wine.start("Vantrelle.exe")
        main = wine.wait_for_window("VantrelleV1.0")      # probe's inspect answer, as a dict
        wine.click(x, y); wine.keys(0x79)                  # real input: cursor, buttons, keys
        wine.screenshot(main["rect"], "main.png")

Creating a prefix (once, it takes a while):  python3 wine_session.py create-prefix <dir>
Running a check program that reports on stdout:  python3 wine_session.py run-check <dir> <exe>
"""

import json
import os
import signal
import subprocess
import sys
import time


def free_display():
    """The first X display number with neither a lock file nor a socket."""
    for number in range(90, 400):
        if not os.path.exists("/tmp/.X%d-lock" % number) and not os.path.exists("/tmp/.X11-unix/X%d" % number):
            return number
    raise RuntimeError("no free X display")


class WineSession:
    def __init__(self, prefix, probe=None, width=1280, height=1024):
        self.prefix = os.path.abspath(prefix)
        self.probe_exe = probe
        self.width = width
        self.height = height
        self.display = None
        self.xvfb = None
        self.programs = []
        self.env = None

    # ----- lifetime -----
    def __enter__(self):
        self.open()
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def open(self):
        self.display = free_display()
        self.xvfb = subprocess.Popen(
            ["Xvfb", ":%d" % self.display, "-screen", "0", "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while not os.path.exists("/tmp/.X11-unix/X%d" % self.display):
            if self.xvfb.poll() is not None or time.time() > deadline:
                raise RuntimeError("Xvfb :%d did not start" % self.display)
            time.sleep(0.1)
        env = dict(os.environ)
        env.update({
            "DISPLAY": ":%d" % self.display,
            "WINEPREFIX": self.prefix,
            "LC_ALL": "zh_CN.UTF-8",
            "LANG": "zh_CN.UTF-8",
            "WINEDEBUG": "-all",
            # No Mono or Gecko installer dialogs.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
        })
        self.env = env

    def close(self):
        if self.env is not None:
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
        for program in self.programs:
            if program.poll() is None:
                program.kill()
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        self.programs = []
        if self.env is not None:
            subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
        if self.xvfb is not None:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
            self.xvfb = None
        self.env = None

    # ----- programs -----
    def start(self, exe, *args):
        """Starts a Windows program; returns its Popen (the wine launcher's process)."""
        program = subprocess.Popen(["wine", exe] + [str(a) for a in args], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.programs.append(program)
        return program

    def run(self, exe, *args, timeout=60):
        """Runs a Windows program to its end; returns its standard output as text."""
        done = subprocess.run(["wine", exe] + [str(a) for a in args], env=self.env, capture_output=True,
                              timeout=timeout)
        return done.stdout.decode("utf-8", "replace")

    def probe(self, *args, timeout=30):
        """Runs the probe; returns its JSON answer. A probe that hangs while Wine is still
        starting up is tried once more."""
        try:
            out = self.run(self.probe_exe, *args, timeout=timeout)
        except subprocess.TimeoutExpired:
            out = self.run(self.probe_exe, *args, timeout=timeout)
        out = out.strip().splitlines()
        if not out:
            raise RuntimeError("probe %s gave no answer" % (args,))
        return json.loads(out[-1])

    # ----- windows and input -----
    def find(self, title=None, window_class=None):
        """The window's handle, 0 when there is none."""
        return self.probe("find", window_class or "-", title if title is not None else "-")["hwnd"]

    def inspect(self, title=None, window_class=None):
        """The window with its rectangles, styles and children; {"hwnd": 0} when there is none."""
        return self.probe("inspect", window_class or "-", title if title is not None else "-")

    def wait_for_window(self, title=None, window_class=None, timeout=60):
        deadline = time.time() + timeout
        while True:
            window = self.inspect(title, window_class)
            if window["hwnd"]:
                return window
            if time.time() > deadline:
                raise AssertionError("no window %r of class %r after %d s" % (title, window_class, timeout))
            time.sleep(0.3)

    def wait_until_gone(self, title=None, window_class=None, timeout=30):
        deadline = time.time() + timeout
        while self.find(title, window_class):
            if time.time() > deadline:
                raise AssertionError("window %r of class %r still there after %d s" % (title, window_class, timeout))
            time.sleep(0.3)

    def close_window(self, title=None, window_class=None):
        """Posts WM_CLOSE to the window, as its close box does."""
        return self.probe("close", window_class or "-", title if title is not None else "-")

    def focus(self):
        """The control with the keyboard focus in the foreground window; {"hwnd": 0} when none."""
        return self.probe("focus")

    def post_chars(self, hwnd, text_cp936):
        """Posts one WM_CHAR per byte of the code page 936 bytes to the window."""
        return self.probe("post-chars", hwnd, text_cp936.hex())

    def click(self, x, y):
        """Real input: cursor to the screen point, left button pressed and released."""
        return self.probe("click", x, y)

    def keys(self, *virtual_keys):
        """Real input: each virtual key pressed and released."""
        return self.probe("key", *["0x%x" % k for k in virtual_keys])

    def screenshot(self, rect, path):
        """Saves the screen region rect = [left, top, width, height] as an image file."""
        left, top, width, height = rect
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        subprocess.run(["import", "-display", ":%d" % self.display, "-window", "root",
                        "-crop", "%dx%d+%d+%d" % (width, height, left, top), "+repage", path],
                       check=True, timeout=60)
        return path


def create_prefix(prefix):
    """Creates the prefix with wineboot -i, unless it is already there."""
    prefix = os.path.abspath(prefix)
    ready = os.path.join(prefix, ".vantrelle-prefix-ready")
    if os.path.exists(ready):
        print("prefix %s already exists" % prefix)
        return
    os.makedirs(prefix, exist_ok=True)
    with WineSession(prefix) as wine:
        subprocess.run(["wineboot", "-i"], env=wine.env, check=True, timeout=240,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine draws the windows' frames and captions itself: there is no window manager on
        # the test display, and screenshots should show what Windows shows.
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f"],
                       env=wine.env, check=True, timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=wine.env, timeout=120)
    if not os.path.exists(os.path.join(prefix, "system.reg")):
        raise RuntimeError("wineboot did not create %s" % prefix)
    open(ready, "w").close()
    print("created prefix %s" % prefix)


def run_check(prefix, exe):
    """Runs a check program in a session, echoes its report, and returns its exit code."""
    with WineSession(prefix) as wine:
        done = subprocess.run(["wine", exe], env=wine.env, capture_output=True, timeout=240)
        sys.stdout.write(done.stdout.decode("utf-8", "replace"))
        return done.returncode


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "create-prefix":
        create_prefix(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "run-check":
        sys.exit(run_check(sys.argv[2], sys.argv[3]))
    else:
        sys.exit("usage: wine_session.py create-prefix <dir> | run-check <dir> <exe>")
