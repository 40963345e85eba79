"""The stand-in uploader from the harness's side: its video lists, its start and quit, its input
log and its results, and what Vantrelle should have made of each video."""

import os
import time

from e2e_desktop import WM_CLOSE, WM_APP_MARKER, ask, wait_for, windows_path

CATEGORIES = [c.encode("gbk") for c in ["原创", "搞笑", "音乐", "游戏", "体育", "娱乐", "资讯", "生活", "教育", "汽车"]]
FIELDS = ["file", "size", "title", "tags", "description", "category"]
INPUT_NAMES = {"WM_KEYDOWN", "WM_KEYUP", "WM_CHAR", "WM_SYSKEYDOWN", "WM_SYSKEYUP", "WM_SYSCHAR", "WM_MOUSEMOVE",
               "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK", "WM_RBUTTONDOWN", "WM_RBUTTONUP",
               "WM_NCMOUSEMOVE", "WM_NCLBUTTONDOWN", "WM_NCLBUTTONUP", "input"}


def video(file, title, tags, description, category, size="20.0 MB"):
    return {"file": file.encode("gbk"), "size": size.encode("gbk"), "title": encode(title), "tags": encode(tags),
            "description": encode(description), "category": category.encode("gbk")}


def encode(text):
    return text if isinstance(text, bytes) else text.encode("gbk")


def write_list(path, videos):
    with open(path, "w") as f:
        for v in videos:
            f.write("\t".join(v[k].hex() for k in FIELDS) + "\n")


def start_uploader(wine, driver, exe, work, videos, name="uploader"):
    os.makedirs(work, exist_ok=True)
    up = {"list": os.path.join(work, name + "-list.txt"), "log": os.path.join(work, name + "-log.txt"),
          "results": os.path.join(work, name + "-results.txt"), "videos": videos}
    for path in (up["log"], up["results"]):
        if os.path.exists(path):
            os.remove(path)
    write_list(up["list"], videos)
    up["process"] = wine.start(exe, windows_path(up["list"]), windows_path(up["log"]), windows_path(up["results"]))

    def ready():
        path = ask(driver, "tasklist")
        return path if path["window"] and any(e["name"] == "ready" for e in read_log(up["log"])) else None
    found = wait_for("the stand-in uploader's task list", ready, timeout=60)
    up["main"] = found["path"][0]
    up["tasklist"] = found["window"]
    up["path"] = found["path"]
    return up


def mark(driver, up, number):
    """Puts a marker line into the stand-in's log: everything logged after it came later."""
    ask(driver, "post", up["main"], WM_APP_MARKER, number, 0)


def quit_uploader(driver, up):
    ask(driver, "post", up["main"], WM_CLOSE, 0, 0)
    wait_for("the stand-in to write its results and end", lambda: up["process"].poll() is not None, timeout=20)
    return read_results(up["results"])


def read_results(path):
    results = {"videos": [], "selected": None, "dialog": None}
    with open(path, "rb") as f:
        for raw in f.read().decode("ascii").splitlines():
            parts = raw.split("\t")
            if parts[0] == "video":
                results["videos"].append({k: bytes.fromhex(h) for k, h in zip(FIELDS, parts[1:])})
            elif parts[0] == "selected":
                results["selected"] = int(parts[1])
            elif parts[0] == "dialog":
                results["dialog"] = {k: bytes.fromhex(h) for k, h in zip(FIELDS, parts[2:])}
                results["dialog"]["index"] = int(parts[1])
    return results


def read_log(path):
    entries = []
    if not os.path.exists(path):
        return entries
    with open(path, "rb") as f:
        for raw in f.read().decode("ascii", "replace").splitlines():
            p = raw.split("\t")
            if len(p) < 7:
                continue
            entries.append({"qpc": float(p[0]), "time": int(p[1]), "role": p[2], "msg": int(p[3], 16), "name": p[4],
                            "w": int(p[5], 16), "l": int(p[6], 16)})
    return entries


def is_input(e):
    return e["time"] != 0 and e["name"] in INPUT_NAMES


def engine_input(entries):
    """Input that reached the stand-in's windows, leaving out the harness's own F10 presses."""
    keys = {"WM_KEYDOWN", "WM_KEYUP", "WM_SYSKEYDOWN", "WM_SYSKEYUP"}
    return [e for e in entries if is_input(e) and not (e["name"] in keys and e["w"] == 0x79)]


def after_marker(entries, number):
    for i, e in enumerate(entries):
        if e["name"] == "marker" and e["w"] == number:
            return entries[i + 1:]
    raise AssertionError("marker %d not in the stand-in's log" % number)


def count(entries, role, name, w=None):
    return sum(1 for e in entries if e["role"] == role and e["name"] == name and (w is None or e["w"] == w))


# ----- what Vantrelle should have done -----

def cut_entry(title):
    """The first 48 bytes, one fewer when the 48th would be the first byte of a double-byte character."""
    i = 0
    while i < len(title):
        step = 2 if title[i] & 0x80 and i + 1 < len(title) else 1
        if i + step > 48:
            break
        i += step
    return title[:i]


def next_category(category):
    i = CATEGORIES.index(category) if category in CATEGORIES else 0
    return CATEGORIES[min(i + 1, len(CATEGORIES) - 1)]


def edited(v):
    cut = cut_entry(v["title"])
    return dict(v, title=cut, tags=cut + v["tags"], description=cut + v["description"],
                category=next_category(v["category"]))


def show(b):
    return b.decode("gbk", "replace")
