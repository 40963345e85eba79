"""Vantrelle.exe from the harness's side: started, its controls found, driven as a person would
(the count typed into its box, the start button clicked at its place on the screen, F10 pressed),
its completion message found, read and dismissed."""

import time

from e2e_desktop import ask, child_windows, click_window, find_top, key, top_windows, type_text, wait_for

CAPTION = b"VantrelleV1.0"
COMPLETION_TEXT = "视频编辑完毕！".encode("gbk")
COMPLETION_CAPTION = "信息：".encode("gbk")


def start_vantrelle(wine, driver, exe):
    wine.start(exe)
    main = wait_for("Vantrelle's main window", lambda: find_top(driver, title=CAPTION), timeout=60)
    v = {"main": main, "pid": main["pid"], "tid": main["tid"]}
    for c in child_windows(driver, main["hwnd"]):
        if c["class_b"].lower() == b"edit":
            v["count"] = c
        elif c["title_b"] == "开始编辑".encode("gbk"):
            v["start"] = c
        elif c["title_b"] == "查看教程".encode("gbk"):
            v["tutorial"] = c
    for control in ("count", "start", "tutorial"):
        if control not in v:
            raise AssertionError("Vantrelle's main window has no %s control" % control)
    return v


def refresh(driver, v):
    """Positions change when the main window is moved."""
    v["main"] = find_top(driver, title=CAPTION, visible=False)
    for c in child_windows(driver, v["main"]["hwnd"]):
        for name in ("count", "start", "tutorial"):
            if c["hwnd"] == v[name]["hwnd"]:
                v[name] = c
    return v


def count_text(driver, v):
    return bytes.fromhex(ask(driver, "text", v["count"]["hwnd"])["text"])


def type_count(wine, driver, v, text):
    """Clicks into the count box, empties it and types the text, as a person would. Returns the
    box's text afterwards (code page 936 bytes)."""
    click_window(wine, v["count"])
    time.sleep(0.1)
    key(wine, "End", *(["BackSpace"] * 12))
    if text:
        type_text(wine, text)
    time.sleep(0.2)
    return count_text(driver, v)


def press_start(wine, v):
    click_window(wine, v["start"])


def message_boxes(driver, v):
    """Vantrelle's message boxes on screen: #32770 windows of its process, with their text."""
    boxes = []
    for w in top_windows(driver):
        if w["class_b"] != b"#32770" or w["pid"] != v["pid"] or not w["visible"]:
            continue
        w["text_b"] = b""
        w["ok"] = None
        for c in child_windows(driver, w["hwnd"]):
            if c["class_b"].lower() == b"static" and c["title_b"]:
                w["text_b"] = c["title_b"]
            if c["class_b"].lower() == b"button":
                w["ok"] = c
        boxes.append(w)
    return boxes


def wait_for_message(driver, v, timeout):
    return wait_for("Vantrelle's completion message", lambda: message_boxes(driver, v), timeout=timeout)[0]


def dismiss(wine, box):
    """Clicks the message box's OK button."""
    click_window(wine, box["ok"])


def quit_vantrelle(wine, driver, v):
    ask(driver, "post", v["main"]["hwnd"], 0x0010, 0, 0)
