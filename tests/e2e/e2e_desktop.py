"""The harness's hands on the Wine desktop: the driver program inside Wine (window lists,
clipboard, keybd_event, process times) and real X input with xdotool.

Texts travel as code page 936 bytes, exactly as the ANSI window calls give them."""

import json
import os
import select
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "wine"))
from wine_session import WineSession  # noqa: E402  (the shared Xvfb + Wine session)

WM_CLOSE = 0x0010
WM_APP_MARKER = 0x8001
SCREEN = (2400, 1000)  # wide enough that Vantrelle (centred) and the uploader (at 0, 0) do not overlap


def open_session(prefix):
    return WineSession(prefix, width=SCREEN[0], height=SCREEN[1])


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


# ----- the driver: one command per line, one JSON answer per line -----

def start_driver(wine, exe):
    driver = subprocess.Popen(["wine", exe], env=wine.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL)
    wine.programs.append(driver)
    driver.pending = b""
    hello = read_answer(driver, timeout=90)
    if hello.get("codepage") != 936:
        raise AssertionError("the driver runs with code page %s, not 936" % hello.get("codepage"))
    return driver


def read_answer(driver, timeout=30):
    deadline = time.time() + timeout
    while b"\n" not in driver.pending:
        left = deadline - time.time()
        if left <= 0:
            raise AssertionError("the driver did not answer within %d s" % timeout)
        ready, _, _ = select.select([driver.stdout], [], [], left)
        if ready:
            chunk = os.read(driver.stdout.fileno(), 1 << 20)
            if not chunk:
                raise AssertionError("the driver ended")
            driver.pending += chunk
    line, driver.pending = driver.pending.split(b"\n", 1)
    return json.loads(line.decode("ascii"))


def ask(driver, *words, timeout=30):
    driver.stdin.write((" ".join(str(w) for w in words) + "\n").encode("ascii"))
    driver.stdin.flush()
    return read_answer(driver, timeout)


def decode_window(w):
    w["class_b"] = bytes.fromhex(w["class"])
    w["title_b"] = bytes.fromhex(w["title"])
    return w


def top_windows(driver):
    return [decode_window(w) for w in ask(driver, "windows")]


def child_windows(driver, hwnd):
    return [decode_window(w) for w in ask(driver, "children", hwnd)]


def find_top(driver, cls=None, title=None, pid=None, visible=True):
    for w in top_windows(driver):
        if cls is not None and w["class_b"] != cls:
            continue
        if title is not None and w["title_b"] != title:
            continue
        if pid is not None and w["pid"] != pid:
            continue
        if visible and not w["visible"]:
            continue
        return w
    return None


def wait_for(what, probe, timeout, interval=0.2):
    deadline = time.time() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.time() > deadline:
            raise AssertionError("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def clipboard(driver):
    text = ask(driver, "clipboard")["text"]
    return None if text is None else bytes.fromhex(text)


def cpu_ms(program_name):
    """User and system CPU time, in ms, of the Linux processes that run a Windows program.

    Wine's GetProcessTimes does not report another process's threads, so the time is read
    from /proc, where each Wine process is an ordinary Linux process."""
    ticks = 0
    tick_hz = os.sysconf("SC_CLK_TCK")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                if program_name.encode() not in f.read():
                    continue
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        ticks += int(fields[11]) + int(fields[12])  # utime, stime
    return ticks * 1000 // tick_hz


# ----- real input on the X display -----

def xdotool(wine, *args):
    subprocess.run(["xdotool"] + [str(a) for a in args], env=wine.env, check=True, timeout=30)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def click_window(wine, window):
    x, y = centre(window["rect"])
    xdotool(wine, "mousemove", x, y)
    time.sleep(0.05)
    xdotool(wine, "click", 1)


def key(wine, *names):
    xdotool(wine, "key", "--delay", 40, *names)


def type_text(wine, text):
    xdotool(wine, "type", "--delay", 40, text)


def press_f10(wine):
    """F10 pressed and released on the X keyboard, as a person would: Wine turns it into the
    hotkey wherever the focus is among its windows."""
    xdotool(wine, "key", "F10")


def screenshot(wine, rect, path):
    left, top, right, bottom = rect
    return wine.screenshot([left, top, right - left, bottom - top], path)


def screen_pixels(wine, path):
    """The whole screen as (width, height, bytes of RGB)."""
    subprocess.run(["import", "-display", ":%d" % wine.display, "-window", "root", path], check=True, timeout=60)
    return read_ppm(subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout)


def image_pixels(path):
    return read_ppm(subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout)


def read_ppm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def pixel(image, x, y):
    width, _, rgb = image
    i = (y * width + x) * 3
    return rgb[i], rgb[i + 1], rgb[i + 2]
