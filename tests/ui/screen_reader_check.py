#!/usr/bin/python3
"""The window as a screen reader meets it: over the accessibility bus.

Run inside a private session bus (dbus-run-session). Starts its own X server
and the window with the toolkit's accessibility on, then reads and drives
the window through the bus as a screen reader does: the boxes' text
interfaces, typing, results and failures, edits, selections, the events a
screen reader follows, and the names of the other controls.

    dbus-run-session -- screen_reader_check.py PROGRAM
"""
import os
import select
import subprocess
import sys
import tempfile
import time

# Generous for a loaded two-core machine; every wait polls and ends as soon
# as what it waits for is there.
WAIT_SECONDS = 90

EQUATION = "H2 + O2 = H2O"
FAILURE = "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！"
CPU_LINE = "当前系统总CPU占用率："
DRAWN_EQUATION = "KMnO4 =△= K2MnO4 + MnO2 + O2↑"
DRAWING_NAME = "2KMnO4 =△= K2MnO4 + MnO2 + O2↑ 的双线桥"
DRAWING_DESCRIPTION = "\n".join([
    "Mn：+7 → +4（KMnO4 → MnO2），得到 1×3e⁻，化合价降低，被还原",
    "Mn：+7 → +6（KMnO4 → K2MnO4），得到 1×e⁻，化合价降低，被还原",
    "O：-2 → 0（KMnO4 → O2），失去 2×2e⁻，化合价升高，被氧化",
])

# The form's controls in their order on the bus: (role, name, box).
CONTROLS = [
    ("label", "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。", None),
    ("label", "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！", None),
    ("label", "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。", None),
    ("label", "方程式：", None),
    ("text", "", "Text1"),
    ("push button", "配平", None),
    ("label", "结   果：", None),
    ("text", "", "Text3"),
    ("label", "Dravik产品", None),
    ("label", CPU_LINE, None),  # and the reading after it
    ("text", "", "Text2"),
    # The chemistry mode's pane, there but hidden in the default mode.
    ("image", "", None),
    ("text", "", "Text4"),
    ("label", "已知：", None),
    ("text", "", "Text5"),
]

# The boxes that show results: selectable, never edited.
READ_ONLY = {"Text3"}
# Offers the toolkit's editing interface, and takes no edit through it.
REFUSES_EDITS = {"Text4"}

failures = []


def check(what, seen, wanted):
    if seen != wanted:
        failures.append(f"{what}: got {seen!r}, wanted {wanted!r}")
    print(f"{'ok  ' if seen == wanted else 'FAIL'} {what}: {seen!r}", flush=True)


def start_display():
    """An X server on a display of its own choosing; returns it and its name.
    It never resets: a reset when a passing client leaves would drop the
    window's connection as it opens."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + WAIT_SECONDS
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], 1)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip():
        server.kill()
        sys.exit("screen_reader_check: the X server did not start")
    return server, ":" + number.decode().strip()


def main():
    program = sys.argv[1]
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        sys.exit("screen_reader_check: run it inside dbus-run-session")
    home = tempfile.TemporaryDirectory()
    runtime = os.path.join(home.name, "runtime")
    os.mkdir(runtime, 0o700)
    server, display = start_display()
    os.environ.update(DISPLAY=display, HOME=home.name, XDG_RUNTIME_DIR=runtime,
                      XDG_CACHE_HOME=os.path.join(home.name, "cache"))
    os.environ.pop("WAYLAND_DISPLAY", None)

    # After the display is chosen: the client library looks for the
    # accessibility bus on it and on the session bus.
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Gio, GLib
    import pyatspi

    # The accessibility bus and its registry are started by the session bus:
    # give them this display and these private folders.
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                      "UpdateActivationEnvironment",
                      GLib.Variant("(a{ss})", ({"DISPLAY": display, "XDG_RUNTIME_DIR": runtime,
                                                "HOME": home.name},)),
                      None, Gio.DBusCallFlags.NONE, -1, None)

    window_environment = dict(os.environ, QT_QPA_PLATFORM="xcb",
                              QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    try:
        # One window at a time: the second would find the first running.
        for arguments, checks in [([], run_checks), (["--chemistry"], run_drawing_checks)]:
            window = subprocess.Popen([program] + arguments, env=window_environment)
            try:
                checks(pyatspi, GLib, window)
            finally:
                window.terminate()
                try:
                    window.wait(30)
                except subprocess.TimeoutExpired:
                    window.kill()
    finally:
        server.terminate()
        server.wait(30)
        home.cleanup()
    if failures:
        print("\n".join(["", "failures:"] + failures))
    print(f"screen reader checks: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


def waiter(GLib, window):
    """wait_for(what, probe): polls probe() until it returns something true,
    handing out the bus's events meanwhile; fails the run when it never does."""
    context = GLib.MainContext.default()

    def wait_for(what, probe):
        """Polls probe() until it returns something true, handing out the
        bus's events meanwhile; fails the run when it never does."""
        deadline = time.monotonic() + WAIT_SECONDS
        last = None
        while True:
            while context.pending():
                context.iteration(False)
            try:
                last = probe()
            except Exception as error:  # the window may still be starting
                last = error
            if last:
                return last
            if window.poll() is not None:
                raise SystemExit(f"the window ended ({window.returncode}) while waiting for {what}")
            if time.monotonic() > deadline:
                raise SystemExit(f"gave up waiting for {what}; last seen {last!r}")
            time.sleep(0.1)

    return wait_for


def find_window(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == "quorvel" and application.childCount:
            frame = application.getChildAtIndex(0)
            if frame.childCount == len(CONTROLS):
                return frame
    return None


def run_drawing_checks(pyatspi, GLib, window):
    """The chemistry mode's drawing: an image named after the answer, its
    bridges in words as its description."""
    wait_for = waiter(GLib, window)
    frame = wait_for("the chemistry window on the bus", lambda: find_window(pyatspi))
    controls = [frame.getChildAtIndex(i) for i in range(frame.childCount)]
    names = [box for _, _, box in CONTROLS]
    equation = controls[names.index("Text1")].queryEditableText()
    equation.insertText(0, DRAWN_EQUATION, len(DRAWN_EQUATION))
    button = controls[[role for role, _, _ in CONTROLS].index("push button")].queryAction()
    button.doAction([button.getName(i) for i in range(button.nActions)].index("Press"))
    drawing = controls[[role for role, _, _ in CONTROLS].index("image")]
    wait_for("the drawing named", lambda: drawing.name)
    check("drawing role", drawing.getRoleName(), "image")
    check("drawing name", drawing.name, DRAWING_NAME)
    check("drawing description", drawing.description, DRAWING_DESCRIPTION)


def run_checks(pyatspi, GLib, window):
    events = []  # (kind, box, detail1, detail2, data) as heard
    wait_for = waiter(GLib, window)
    frame = wait_for("the window on the accessibility bus", lambda: find_window(pyatspi))
    controls = [frame.getChildAtIndex(i) for i in range(frame.childCount)]
    boxes = {box: controls[i] for i, (_, _, box) in enumerate(CONTROLS) if box}
    button = controls[[role for role, _, _ in CONTROLS].index("push button")]
    text = {name: box.queryText() for name, box in boxes.items()}

    def contents(name):
        return text[name].getText(0, -1)

    # Every box offers the text interfaces a screen reader reads it through;
    # only a box that takes edits offers editing.
    for name, box in boxes.items():
        offered = set(pyatspi.listInterfaces(box))
        wanted = ["Action", "Component", "Text"] + ([] if name in READ_ONLY else ["EditableText"])
        check(f"{name} offers", sorted({"Text", "EditableText", "Action", "Component"} & offered),
              sorted(wanted))

    # The events a screen reader listens to, from the boxes.
    def hear(event):
        for name, box in boxes.items():
            if event.source == box:
                events.append((str(event.type), name, event.detail1, event.detail2, event.any_data))

    pyatspi.Registry.registerEventListener(
        hear, "object:text-changed:insert", "object:text-changed:delete",
        "object:text-caret-moved", "object:text-selection-changed")

    def heard(kind, name):
        return [event for event in events if event[0] == kind and event[1] == name]

    # The window learns of the listeners over the bus; move the caret until
    # it tells of the move, so that no event checked below is missed.
    def caret_heard():
        text["Text2"].setCaretOffset(1 if text["Text2"].caretOffset == 0 else 0)
        return heard("object:text-caret-moved", "Text2")

    wait_for("the window to send caret moves", caret_heard)
    del events[:]

    # Typing in the equation box, as a user types. With no window manager the keyboard goes where the pointer is: a click
    # in the box puts it there and gives the box the focus, as a user does.
    # Clicks before the window shows are lost, so click until it has focus.
    def click_equation_box():
        if boxes["Text1"].getState().contains(pyatspi.STATE_FOCUSED):
            return True
        place = boxes["Text1"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(place.x + place.width // 2,
                                            place.y + place.height // 2, "b1c")
        time.sleep(0.5)  # no double click: the next poll sees the focus first
        return False

    wait_for("focus in the equation box", click_equation_box)
    pyatspi.Registry.generateKeyboardEvent(0, EQUATION, pyatspi.KEY_STRING)
    wait_for("the typed equation", lambda: contents("Text1") == EQUATION)
    check("caret after typing", text["Text1"].caretOffset, len(EQUATION))
    wait_for("the typed text heard", lambda: "".join(
        event[4] for event in heard("object:text-changed:insert", "Text1")) == EQUATION)
    wait_for("the caret heard at the end", lambda: any(
        event[2] == len(EQUATION) for event in heard("object:text-caret-moved", "Text1")))

    # Enter balances; the program sets the three boxes' texts.
    pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
    results = {
        "Text1": "H2+O2=H2O",
        "Text3": "2H2+O2=2H2O",
        "Text2": "2    0    -2    \r\n0    2    -1    \r\n",
    }
    wait_for("the balanced result", lambda: contents("Text3") == results["Text3"])
    for name, wanted in results.items():
        check(f"{name} after balancing", contents(name), wanted)
        check(f"{name} caret after the program set its text", text[name].caretOffset, 0)
    wait_for("the result heard", lambda: any(
        event[4] == results["Text3"] for event in heard("object:text-changed:insert", "Text3")))
    check("the old result heard going", bool(heard("object:text-changed:delete", "Text3")), True)

    # Reading by character, word and line, and where a character is drawn.
    result = text["Text3"]
    for boundary, offset, wanted in [
        (pyatspi.TEXT_BOUNDARY_CHAR, 1, ("H", 1, 2)),
        (pyatspi.TEXT_BOUNDARY_WORD_START, 5, ("O2", 4, 6)),
        (pyatspi.TEXT_BOUNDARY_LINE_START, 3, (results["Text3"], 0, len(results["Text3"]))),
    ]:
        check(f"Text3 item at {offset} by {boundary}",
              tuple(result.getTextAtOffset(offset, boundary)), wanted)
    box = boxes["Text3"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y, width, height = result.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
    check("Text3 first character inside the box",
          box.x <= x and x + width <= box.x + box.width and box.y <= y
          and y + height <= box.y + box.height and width > 0, True)
    check("Text3 character at that place",
          result.getOffsetAtPoint(x + width // 2, y + height // 2, pyatspi.DESKTOP_COORDS), 0)

    # A screen reader selects in the read-only result, and may not edit it.
    result.addSelection(0, 3)
    check("Text3 selection", (result.getNSelections(), tuple(result.getSelection(0))), (1, (0, 3)))
    wait_for("the selection heard", lambda: heard("object:text-selection-changed", "Text3"))
    # A screen reader asks for editing first: the read-only box refuses.
    try:
        boxes["Text3"].queryEditableText()
        answer = "offered"
    except NotImplementedError:
        answer = "refused"
    check("Text3 asked for editing", answer, "refused")
    # A client that edits without asking reaches the toolkit's bridge, which
    # answers whatever it answers; the text stays and the window lives on.
    for edit in [lambda box: box.insert_text(0, "x", 1), lambda box: box.delete_text(0, 3),
                 lambda box: box.set_text_contents("x")]:
        try:
            edit(boxes["Text3"])
        except GLib.Error:
            pass
    check("Text3 after edits sent anyway", contents("Text3"), results["Text3"])
    check("the window after edits sent to Text3", window.poll(), None)

    # A screen reader edits the equation and presses the button.
    equation = boxes["Text1"].queryEditableText()
    for typed, balanced in [("Fe + O2 = Fe2O3", "4Fe+3O2=2Fe2O3"), ("Xx = Yy", FAILURE)]:
        answers = (equation.deleteText(0, text["Text1"].characterCount),
                   equation.insertText(0, typed, len(typed)))
        check("Text1 answers to a delete and an insert", answers, (True, True))
        check("Text1 after an insert", contents("Text1"), typed)
        action = button.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
        wait_for(f"{typed!r} balanced", lambda: contents("Text3") == balanced)
        check(f"Text3 after {typed!r}", contents("Text3"), balanced)
    wait_for("the failure heard", lambda: any(
        event[4] == FAILURE for event in heard("object:text-changed:insert", "Text3")))

    # What a screen reader sends the pane changes nothing in it.
    for name in REFUSES_EDITS:
        before = contents(name)
        boxes[name].queryEditableText().insertText(0, "x", 1)
        wait_for(f"{name} given its text back", lambda: contents(name) == before)
        check(f"{name} after an insert sent to it", contents(name), before)

    # The other controls keep their roles and names.
    for index, (role, name, box_name) in enumerate(CONTROLS):
        if box_name:
            continue
        seen = controls[index]
        shown = seen.name[:len(CPU_LINE)] if name == CPU_LINE else seen.name
        check(f"control {index}", (seen.getRoleName(), shown), (role, name))

    for kind in ["object:text-changed:insert", "object:text-changed:delete",
                 "object:text-caret-moved", "object:text-selection-changed"]:
        check(f"{kind} heard", any(event[0] == kind for event in events), True)


if __name__ == "__main__":
    sys.exit(main())
