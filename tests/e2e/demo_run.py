#!/usr/bin/env python3
"""The demo's run: the stand-in uploader with five sample videos, Vantrelle editing three of them
as a person would, a before/after table in the terminal, and screenshots in a folder.

    demo_run.py --prefix WINEPREFIX --win64 BUILD_DIR --out FOLDER"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_desktop import click_window, find_top, key, open_session, screenshot, start_driver, top_windows, wait_for  # noqa: E402,E501
from e2e_samples import sample_videos  # noqa: E402
from e2e_uploader import count, quit_uploader, read_log, show, start_uploader  # noqa: E402
from e2e_vantrelle import dismiss, message_boxes, press_start, start_vantrelle, type_count, wait_for_message  # noqa: E402,E501


def print_table(before, after):
    """Each edited field twice, before and after; an untouched field once."""
    print()
    for n, (b, a) in enumerate(zip(before, after)):
        print("  video %d  %s" % (n + 1, show(b["file"])))
        for field in ("title", "tags", "description", "category"):
            old, new = b[field], a[field]
            sizes = " (%d bytes)" % len(old) if field == "title" else ""
            print("    %-12s %s%s" % (field, show(old) or "(empty)", sizes))
            if new != old:
                sizes = " (%d bytes)" % len(new) if field == "title" else ""
                print("    %-12s %s%s" % ("  ->", show(new), sizes))
        print()
    print("  -> marks what Vantrelle changed: the title cut to at most 48 bytes of code page 936, never inside a")
    print("     character, typed into title, tags and description, and the next category chosen.")
    print()


def progress(up):
    log = read_log(up["log"])
    return count(log, "dialog", "open"), count(log, "dialog", "saved")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--win64", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)
    exe = {n: os.path.join(args.win64, n + ".exe") for n in ("Vantrelle", "stand_in_uploader", "e2e_driver")}
    videos = sample_videos()
    with open_session(args.prefix) as wine:
        driver = start_driver(wine, exe["e2e_driver"])
        print("== the stand-in uploader with %d videos, and Vantrelle" % len(videos), flush=True)
        up = start_uploader(wine, driver, exe["stand_in_uploader"], out, videos, name="stand-in")
        v = start_vantrelle(wine, driver, exe["Vantrelle"])
        uploader_rect = find_top(driver, cls=b"{3C021028-DFC7-4c31-9ABB-B98E813F05D5}")["rect"]
        screenshot(wine, v["main"]["rect"], os.path.join(out, "vantrelle-main-window.png"))

        print("== typing 3 into the count box and clicking 开始编辑 (three videos, 9 s each)", flush=True)
        type_count(wine, driver, v, "3")
        started = time.time()
        press_start(wine, v)
        both = [0, 0, v["main"]["rect"][2] + 8, max(uploader_rect[3], v["main"]["rect"][3]) + 8]
        wait_for("the first description typed", lambda: count(read_log(up["log"]), "description", "WM_CHAR") > 0,
                 timeout=20, interval=0.1)
        time.sleep(0.4)
        screenshot(wine, both, os.path.join(out, "run-in-progress.png"))
        last = None
        while not message_boxes(driver, v):
            now = progress(up)
            if now != last:
                print("   %5.1f s  video information dialogs opened %d, saved %d" % ((time.time() - started,) + now),
                      flush=True)
                last = now
            if time.time() - started > 60:
                sys.exit("no completion message after 60 s")
            time.sleep(0.2)
        box = wait_for_message(driver, v, timeout=5)
        print("   %5.1f s  message box %r: %r" % (time.time() - started, show(box["title_b"]), show(box["text_b"])))
        screenshot(wine, both, os.path.join(out, "completion-message.png"))
        dismiss(wine, box)
        wait_for("the message box to close", lambda: not message_boxes(driver, v), timeout=10)
        time.sleep(0.3)
        screenshot(wine, uploader_rect, os.path.join(out, "stand-in-after-run.png"))

        print("== the tutorial window (查看教程)", flush=True)
        click_window(wine, v["tutorial"])
        tutorial = wait_for("the tutorial window", lambda: next(
            (w for w in top_windows(driver) if w["pid"] == v["pid"] and w["visible"] and
             w["hwnd"] != v["main"]["hwnd"]), None), timeout=10)
        time.sleep(0.3)
        screenshot(wine, tutorial["rect"], os.path.join(out, "tutorial-window.png"))
        click_window(wine, tutorial)
        key(wine, "Escape")
        results = quit_uploader(driver, up)
    print_table(videos, results["videos"])
    print("== screenshots in %s:" % out)
    for name in sorted(os.listdir(out)):
        if name.endswith(".png"):
            print("   " + name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
