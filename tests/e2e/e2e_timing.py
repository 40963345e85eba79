"""The waits of an editing run, measured from the stand-in's input log.

Each input message carries the time at which it was posted or injected (MSG::time, whole
milliseconds on one clock), so the gap between two messages is the wait Vantrelle made between
the two steps. Whole-millisecond stamps never make a wait look shorter than it was:
floor(a + d) - floor(a) >= floor(d). Cursor moves show up as WM_MOUSEMOVE at the window under the
new position; where one is missing its waits are counted with the next step's."""

# (label, role, message, wParam or None, optional, waits in ms from this step to the next, steps)
ITEM_EVENTS = [
    ("Enter down on the task list", "tasklist", "WM_KEYDOWN", 0x0D, False, 100, "2"),
    ("Enter up on the task list", "tasklist", "WM_KEYUP", 0x0D, False, 1100, "3+4"),
    ("cursor to the title", "title", "WM_MOUSEMOVE", None, True, 500, "5"),
    ("Backspace on the title", "title", "WM_KEYDOWN", 0x08, False, 2000, "6"),
    ("typing into the title", "title", "WM_CHAR", "text", False, 100, "7"),
    ("cursor to the tags", "tags", "WM_MOUSEMOVE", None, True, 200, "8+9"),
    ("typing into the tags", "tags", "WM_CHAR", "text", False, 100, "10"),
    ("cursor to the description", "description", "WM_MOUSEMOVE", None, True, 200, "11+12"),
    ("typing into the description", "description", "WM_CHAR", "text", False, 1000, "13"),
    ("cursor to the category", "category", "WM_MOUSEMOVE", None, True, 100, "14"),
    ("system click on the category", "category", "WM_LBUTTONDOWN", None, False, 500, "15"),
    ("Down down on the category", "category", "WM_KEYDOWN", 0x28, False, 100, "16"),
    ("Down up on the category", "category", "WM_KEYUP", 0x28, False, 100, "17"),
    ("Enter down on the category", "category", "WM_KEYDOWN", 0x0D, False, 100, "18"),
    ("Enter up on the category", "category", "WM_KEYUP", 0x0D, False, 500, "19"),
    ("cursor to the save button", "save", "WM_MOUSEMOVE", None, True, 100, "20"),
    ("system click on save", "save", "WM_LBUTTONDOWN", None, False, 2000, "21"),
    ("Down down on the task list", "tasklist", "WM_KEYDOWN", 0x28, False, 100, "22"),
    ("Down up on the task list", "tasklist", "WM_KEYUP", 0x28, False, 100, "23+24+1"),
]
ITEM_PERIOD_MS = 9000
START_WAIT_MS = 200  # before the first item (100) and its step 1 (100)


def matches(entry, role, name, w):
    if entry["role"] != role or entry["name"] != name or entry["time"] == 0:
        return False
    if w == "text":
        return entry["w"] != 0x08  # not the Backspace character the dialog's loop makes from the key
    return w is None or entry["w"] == w


def find_from(entries, start, role, name, w):
    for i in range(start, len(entries)):
        if matches(entries[i], role, name, w):
            return i
    return None


def item_events(entries, items):
    """For each item, the log index of each step's message (None for a missing optional one)."""
    first_click = find_from(entries, 0, "tasklist", "WM_LBUTTONDOWN", None)
    if first_click is None:
        raise AssertionError("the first click on the task list is not in the log")
    found = []
    pos = first_click
    for item in range(items):
        row = []
        for k, (label, role, name, w, optional, _, _) in enumerate(ITEM_EVENTS):
            if optional:
                nxt = ITEM_EVENTS[k + 1]
                bound = find_from(entries, pos, nxt[1], nxt[2], nxt[3])
                i = find_from(entries, pos, role, name, w)
                row.append(i if i is not None and bound is not None and i < bound else None)
                if row[-1] is not None:
                    pos = i + 1
                continue
            i = find_from(entries, pos, role, name, w)
            if i is None:
                raise AssertionError("item %d: no '%s' in the log" % (item + 1, label))
            row.append(i)
            pos = i + 1
        found.append(row)
    return first_click, found


def measure(entries, items):
    """Returns (rows, periods, problems): rows of (item, from, to, steps, specified, measured)."""
    first_click, found = item_events(entries, items)
    rows, problems = [], []
    start = entries[first_click]["time"]
    first_enter = entries[found[0][0]]["time"]
    rows.append((1, "first click on the task list", ITEM_EVENTS[0][0], "start+1", START_WAIT_MS,
                 first_enter - start))
    for item, row in enumerate(found):
        present = [(k, i) for k, i in enumerate(row) if i is not None]
        for (k, i), (k2, i2) in zip(present, present[1:]):
            planned = sum(ITEM_EVENTS[j][5] for j in range(k, k2))
            steps = "+".join(ITEM_EVENTS[j][6] for j in range(k, k2))
            rows.append((item + 1, ITEM_EVENTS[k][0], ITEM_EVENTS[k2][0], steps, planned,
                         entries[i2]["time"] - entries[i]["time"]))
        if item + 1 < len(found):
            last = present[-1]
            nxt = found[item + 1][0]
            rows.append((item + 1, ITEM_EVENTS[last[0]][0], "Enter down of the next item", ITEM_EVENTS[last[0]][6],
                         ITEM_EVENTS[last[0]][5], entries[nxt]["time"] - entries[last[1]]["time"]))
    periods = [entries[b[0]]["time"] - entries[a[0]]["time"] for a, b in zip(found, found[1:])]
    for r in rows:
        if r[5] < r[4]:
            problems.append("item %d: %s -> %s waited %d ms, less than the %d ms of step %s" %
                            (r[0], r[1], r[2], r[5], r[4], r[3]))
    for n, p in enumerate(periods):
        if p > ITEM_PERIOD_MS * 1.01:
            problems.append("item %d took %d ms, more than 1 %% over %d ms" % (n + 1, p, ITEM_PERIOD_MS))
        if p < ITEM_PERIOD_MS:
            problems.append("item %d took %d ms, less than %d ms" % (n + 1, p, ITEM_PERIOD_MS))
    return rows, periods, problems
