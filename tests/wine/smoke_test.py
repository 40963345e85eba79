"""Smoke test of Vantrelle.exe under Wine: the main window with its eight controls, the F10
hotkey, the tutorial window opened with a real click, and Esc closing both windows.

    smoke_test.py --prefix DIR --exe Vantrelle.exe --probe probe.exe --asset tutorial.jpg --artifacts DIR
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_session import WineSession  # noqa: E402

SCREEN = (1280, 1024)

WS_BORDER = 0x00800000
WS_DLGFRAME = 0x00400000
WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_TABSTOP = 0x00010000
WS_EX_CLIENTEDGE = 0x00000200
WS_EX_TOPMOST = 0x00000008
BS_TYPEMASK = 0x0F
BS_DEFPUSHBUTTON = 0x01
BS_CENTER = 0x300
BS_VCENTER = 0xC00
BS_MULTILINE = 0x2000
ES_CENTER, ES_RIGHT, ES_MULTILINE, ES_AUTOHSCROLL, ES_NOHIDESEL = 0x1, 0x2, 0x4, 0x80, 0x100
SS_TYPEMASK = 0x1F
SS_LEFTNOWORDWRAP = 0xC
SS_CENTERIMAGE = 0x200
VK_ESCAPE = 0x1B
VK_TAB = 0x09

# Kind, text, client rectangle (left, top, width, height) of the main window's controls.
CONTROLS = [
    ("label", "Thornwick论坛  by Pellam", [160, 232, 144, 32]),
    ("button", "查看教程", [200, 64, 96, 40]),
    ("button", "去作者的百度空间", [200, 176, 104, 32]),
    ("button", "去关注作者微博", [48, 176, 104, 32]),
    ("label", "按F10键停止", [8, 64, 168, 40]),
    ("label", "需要编辑的个数：", [8, 8, 96, 32]),
    ("edit", "", [112, 8, 72, 32]),
    ("button", "开始编辑", [200, 8, 96, 40]),
]
CLASS_OF_KIND = {"label": "static", "button": "button", "edit": "edit"}

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def centred(size):
    return [(SCREEN[0] - size[0]) // 2, (SCREEN[1] - size[1]) // 2, size[0], size[1]]


def check_frame(window, name):
    style = window["style"]
    check(style & WS_CAPTION == WS_CAPTION and style & WS_SYSMENU, name + ": title bar with system menu")
    check(not style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), name + ": close box only (no minimise, no maximise)")
    check(not style & WS_THICKFRAME, name + ": fixed frame, not resizable")
    check(not window["exstyle"] & WS_EX_TOPMOST, name + ": not kept on top")


def check_control(child, kind, text, rect):
    name = "%s %r" % (kind, text)
    check(child["rect_in_parent"] == rect, "%s at %s (is %s)" % (name, rect, child["rect_in_parent"]))
    check(child["visible"] and child["enabled"], name + ": visible and enabled")
    style, exstyle = child["style"], child["exstyle"]
    if kind == "button":
        check(style & BS_TYPEMASK == 0, name + ": plain push button, not the default one")
        check(style & BS_MULTILINE and style & BS_CENTER == BS_CENTER and style & BS_VCENTER == BS_VCENTER,
              name + ": caption centred both ways, may wrap")
        check(style & WS_TABSTOP, name + ": takes the focus")
    elif kind == "edit":
        check(exstyle & WS_EX_CLIENTEDGE, name + ": sunken border")
        check(style & ES_AUTOHSCROLL and not style & (ES_CENTER | ES_RIGHT | ES_MULTILINE),
              name + ": single line, left-aligned, scrolls horizontally")
        check(not style & ES_NOHIDESEL, name + ": selection hidden without the focus")
        check(style & WS_TABSTOP, name + ": takes the focus")
    else:
        check(style & SS_TYPEMASK == SS_LEFTNOWORDWRAP and style & SS_CENTERIMAGE,
              name + ": left-aligned single line, vertically centred")
        check(not style & WS_TABSTOP, name + ": does not take the focus")
        bordered = text == "按F10键停止"
        check(bool(style & WS_BORDER) == bordered, name + (": thin border" if bordered else ": no border"))


def control(main, text, kind):
    return next(c for c in main["children"] if c["text"] == text and c["class"].lower() == CLASS_OF_KIND[kind])


def check_main_window(main):
    check(main["class"] != "" and main["text"] == "VantrelleV1.0", "main window found by its caption")
    check(main["rect"] == centred((324, 311)), "main window 324 x 311, centred (is %s)" % main["rect"])
    check_frame(main, "main window")
    children = main["children"]
    check(len(children) == len(CONTROLS), "eight controls (found %d)" % len(children))
    for kind, text, rect in CONTROLS:
        matches = [c for c in children if c["text"] == text and c["class"].lower() == CLASS_OF_KIND[kind]]
        check(len(matches) == 1, "one %s control with text %r" % (CLASS_OF_KIND[kind], text))
        if matches:
            check_control(matches[0], kind, text, rect)




def centre_on_screen(main, child):
    left, top, width, height = child["rect"]
    return left + width // 2, top + height // 2


def compare_picture(screenshot, asset, box_rect, artifacts):
    """Root-mean-square difference (0..1) between the asset and the screen at the box's corner."""
    crop = os.path.join(artifacts, "tutorial-picture.png")
    size = subprocess.run(["identify", "-format", "%w %h", asset], check=True, capture_output=True,
                          text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    subprocess.run(["convert", screenshot, "-crop", "%dx%d+%d+%d" % (width, height, box_rect[0], box_rect[1]),
                    "+repage", crop], check=True)
    done = subprocess.run(["compare", "-metric", "RMSE", asset, crop, "null:"], capture_output=True, text=True)
    # "12.3 (0.000188)": the normalised value is in brackets.
    return float(done.stderr.split("(")[1].split(")")[0]), width, height


def pixel(image, x, y):
    out = subprocess.run(["convert", image, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"], check=True,
                         capture_output=True, text=True).stdout.strip()
    return out


def text_box(image, rect):
    """Bounding box [left, top, width, height] of what differs from the background colour of the
    region rect = [left, top, width, height] of the image."""
    out = subprocess.run(["convert", image, "-crop", "%dx%d+%d+%d" % (rect[2], rect[3], rect[0], rect[1]), "+repage", "-fuzz", "20%",
                          "-format", "%@", "info:"], check=True, capture_output=True, text=True).stdout.strip()
    size, left, top = out.split("+")
    width, height = size.split("x")
    return [int(left), int(top), int(width), int(height)]


def check_label_text(screenshot, main, text, font_pixels):
    """The label's text as drawn: left-aligned, vertically centred, of the font's height."""
    label = control(main, text, "label")
    left = label["client_origin"][0] - main["rect"][0]
    top = label["client_origin"][1] - main["rect"][1]
    width, height = label["client"][2], label["client"][3]
    box = text_box(screenshot, [left, top, width, height])
    below = height - box[1] - box[3]
    check(box[0] <= 4 and abs(box[1] - below) <= 3 and font_pixels[0] <= box[3] <= font_pixels[1],
          "label %r drawn left-aligned, vertically centred, %d to %d px high (text at %s in %dx%d)"
          % (text, font_pixels[0], font_pixels[1], box, width, height))


def main():
    parser = argparse.ArgumentParser()
    for option in ("--prefix", "--exe", "--probe", "--asset", "--artifacts"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)

    with WineSession(args.prefix, probe=args.probe, width=SCREEN[0], height=SCREEN[1]) as wine:
        app = wine.start(args.exe)
        main_window = wine.wait_for_window("VantrelleV1.0", timeout=90)
        time.sleep(1)
        main_window = wine.inspect("VantrelleV1.0")
        check_main_window(main_window)

        hotkey = wine.probe("hotkey-f10")
        check(not hotkey["registered"] and hotkey["error"] == 1409,
              "F10 is held by Vantrelle: a second registration fails with 1409 (%s)" % hotkey)

        main_shot = wine.screenshot(main_window["rect"], os.path.join(args.artifacts, "main-window.png"))
        print("screenshot: " + main_shot)
        # The stop hint in its 29-pixel font; the other labels in the default GUI font.
        check_label_text(main_shot, main_window, "按F10键停止", (22, 32))
        check_label_text(main_shot, main_window, "需要编辑的个数：", (8, 16))
        check_label_text(main_shot, main_window, "Thornwick论坛  by Pellam", (8, 16))

        # The tutorial, opened with a real click on 按钮5.
        wine.click(*centre_on_screen(main_window, control(main_window, "查看教程", "button")))
        tutorial = wine.wait_for_window(window_class="VantrelleTutorialWindow", timeout=20)
        check(tutorial["text"] == "", "tutorial window has an empty caption")
        check(tutorial["rect"] == centred((841, 668)), "tutorial window 841 x 668, centred (is %s)" % tutorial["rect"])
        check_frame(tutorial, "tutorial window")
        check(not wine.inspect("VantrelleV1.0")["enabled"], "main window disabled while the tutorial is open")
        boxes = tutorial["children"]
        check(len(boxes) == 1 and boxes[0]["rect_in_parent"] == [0, 8, 832, 624]
              and not boxes[0]["style"] & WS_BORDER and not boxes[0]["exstyle"] & WS_EX_CLIENTEDGE,
              "picture box at (0, 8), 832 x 624, no border (%s)" % [b["rect_in_parent"] for b in boxes])
        time.sleep(1)
        tutorial_shot = wine.screenshot(tutorial["rect"], os.path.join(args.artifacts, "tutorial-window.png"))
        print("screenshot: " + tutorial_shot)
        if boxes:
            box = boxes[0]["rect"]
            box_in_shot = [box[0] - tutorial["rect"][0], box[1] - tutorial["rect"][1]]
            difference, width, height = compare_picture(tutorial_shot, args.asset, box_in_shot, args.artifacts)
            check(difference < 0.03, "the tutorial picture is drawn at natural size at the box's corner "
                  "(RMSE %.4f against the asset)" % difference)
            # The background strips right of and below the picture, and the band above the box,
            # all in the button-face colour of the window.
            band = pixel(tutorial_shot, box_in_shot[0] + 400, box_in_shot[1] - 4)
            right = pixel(tutorial_shot, box_in_shot[0] + width + 5, box_in_shot[1] + 300)
            below = pixel(tutorial_shot, box_in_shot[0] + 400, box_in_shot[1] + height + 9)
            check(band == right == below, "box background in the window's colour (%s, %s, %s)" % (band, right, below))

        wine.keys(VK_ESCAPE)
        wine.wait_until_gone(window_class="VantrelleTutorialWindow", timeout=20)
        check(True, "Esc closes the tutorial window")
        main_after = wine.inspect("VantrelleV1.0")
        check(main_after["hwnd"] == main_window["hwnd"] and main_after["enabled"],
              "the main window stays open and is enabled again")

        # Focus the count box with a real click and type into it; a double-byte character
        # posted as two WM_CHAR bytes arrives whole.
        wine.click(*centre_on_screen(main_window, control(main_window, "", "edit")))
        check(wine.focus().get("id") == control(main_window, "", "edit")["id"], "a click focuses the count box")
        wine.keys(0x34, 0x32)
        wine.post_chars(control(main_window, "", "edit")["hwnd"], "３".encode("gbk"))
        time.sleep(0.5)
        typed = [c["text"] for c in wine.inspect("VantrelleV1.0")["children"] if c["class"].lower() == "edit"]
        check(typed == ["42３"], "typed keys and a posted double-byte character reach the count box (%s)" % typed)
        wine.keys(VK_TAB)
        check(wine.focus().get("text") == "开始编辑", "Tab moves the focus to the start button")
        wine.click(*centre_on_screen(main_window, control(main_window, "", "edit")))
        check(wine.focus().get("class", "").lower() == "edit", "the count box has the focus again")
        wine.keys(VK_ESCAPE)
        wine.wait_until_gone("VantrelleV1.0", timeout=20)
        check(True, "Esc in the count box closes the main window")
        try:
            app.wait(timeout=20)
            exited = True
        except subprocess.TimeoutExpired:
            exited = False
        check(exited, "the process exits")

    if failures:
        print("%d check(s) failed" % len(failures))
        sys.exit(1)
    print("all checks passed")


if __name__ == "__main__":
    main()
