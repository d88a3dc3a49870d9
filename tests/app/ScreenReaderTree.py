#!/usr/bin/env python3
"""Reads Quillon's window as a screen reader does, through the accessibility bus (AT-SPI).

Run inside a session bus with an X display (the CTest runner cmake/CheckScreenReaderTree.cmake starts it under
dbus-run-session and xvfb-run). Writes the sample practice, saves one analysis in a scratch case book with
quillon-report, takes the chart that quillon-report prints as the reference, then starts Quillon once per scene
(--show start, chart, weightage, analyses) and checks what the tree reads. Every wait is bounded; Quillon is ended
whatever happens. Prints what it read, and each fault on a line of its own; exits 1 on any fault.
"""

import argparse
import os
import signal
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("pyatspi not found: install the Debian package python3-pyatspi", file=sys.stderr)
    sys.exit(2)

PATIENT = "1001"
ANALYSIS_NAME = "First look"
APP_NAME = "Quillon"
START_SECONDS = 40
# Roles a user acts on or reads a value from: each must have a name.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text", "entry", "password text",
    "spin button", "slider", "scroll bar", "table", "tree table", "list", "tree", "page tab", "menu item",
    "check menu item", "radio menu item", "list box",
}

faults = []


def fault(message):
    faults.append(message)
    print("FAULT: " + message)


def check(condition, message):
    if not condition:
        fault(message)
    return condition


# --- Reference: the chart quillon-report prints ---

def report_chart(report, practice, env):
    out = subprocess.run([report, "chart", PATIENT], cwd=practice, env=env, capture_output=True, text=True,
                         timeout=60, check=True).stdout
    chart = {"symptoms": [], "remedies": []}
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "S":
            chart["symptoms"].append(fields[2])
        elif fields[0] == "R":
            chart["remedies"].append({"name": fields[2], "totality": fields[3], "covered": fields[4]})
    return chart


# --- The tree ---

def name_of(node):
    try:
        return node.name or ""
    except Exception:  # an entry gone while it was read
        return ""


def role_of(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, depth=0, limit=12):
    yield node
    if depth < limit:
        for child in children(node):
            if child is not None and role_of(child) not in ("table cell",):
                yield from walk(child, depth + 1, limit)


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


# The Quillon being read; a wait ends as soon as it has ended.
running = None


def wait_for(what, find, seconds=START_SECONDS):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and (running is None or running.poll() is None):
        found = find()
        if found is not None:
            return found
        time.sleep(0.25)
    fault("not found: %s" % what)
    return None


def first(root, role, name=None):
    for node in walk(root):
        if role_of(node) == role and (name is None or name_of(node) == name) and showing(node):
            return node
    return None


def unnamed_controls(root):
    found = []
    for node in walk(root):
        role = role_of(node)
        if role in CONTROL_ROLES and showing(node) and not name_of(node).strip():
            found.append(role)
    return found


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [name_of(relation.getTarget(i)) for i in range(relation.getNTargets())]
    return names


# --- The scenes ---

def check_start(app, _chart):
    dialog = wait_for("the Select Patient dialog", lambda: first(app, "dialog", "Select Patient"))
    if dialog is None:
        return
    table = wait_for("the patient list", lambda: first(dialog, "table"))
    print("start: dialog %r, patient list %r" % (name_of(dialog), table and name_of(table)))
    check(not unnamed_controls(dialog), "Select Patient: unnamed controls %s" % unnamed_controls(dialog))


def check_menus(app):
    bar = first(app, "menu bar")
    if not check(bar is not None, "no menu bar"):
        return
    read = []
    for menu in children(bar):
        for item in walk(menu):
            if role_of(item) in ("menu item", "menu", "check menu item"):
                read.append(name_of(item))
    print("menus: " + " | ".join(read))
    for name in read:
        check(name and "\t" not in name and "  " not in name and name == name.strip() and "&" not in name,
              "menu item name %r is not its plain text" % name)
    for wanted in ("File", "Select Patient", "Recorded Symptoms", "Repertorisation", "Open Analysis\u2026",
                   "Save Analysis\u2026", "Quillon Help"):
        check(wanted in read, "no menu item named %r" % wanted)


def check_chart(app, chart):
    table = wait_for("the chart table", lambda: first(app, "table", "Repertorisation chart"))
    check_menus(app)
    if table is None:
        return
    t = table.queryTable()
    symptoms, remedies = chart["symptoms"], chart["remedies"]
    print("chart: %d rows x %d columns; row headers %r, %r, %r; column headers %r, %r; cell (0, 0) %r" % (
        t.nRows, t.nColumns, t.getRowDescription(0), t.getRowDescription(1), t.getRowDescription(2),
        t.getColumnDescription(0), t.getColumnDescription(1), name_of(t.getAccessibleAt(0, 0))))
    check(t.nRows == 2 + len(symptoms), "chart rows %d, not %d" % (t.nRows, 2 + len(symptoms)))
    check(t.nColumns == len(remedies), "chart columns %d, not %d" % (t.nColumns, len(remedies)))
    expected_rows = ["Totality", "Symptom Covered", symptoms[0], symptoms[-1]]
    rows = [t.getRowDescription(r) for r in (0, 1, 2, t.nRows - 1)]
    check(rows == expected_rows, "chart row headers %r, not %r" % (rows, expected_rows))
    columns = [t.getColumnDescription(c) for c in (0, 1, t.nColumns - 1)]
    expected_columns = [remedies[0]["name"], remedies[1]["name"], remedies[-1]["name"]]
    check(columns == expected_columns, "chart column headers %r, not %r" % (columns, expected_columns))
    header = t.getColumnHeader(1)
    check(header is not None and name_of(header) == remedies[1]["name"],
          "column header 1 is not %r" % remedies[1]["name"])
    cells = [name_of(t.getAccessibleAt(0, 0)), name_of(t.getAccessibleAt(1, 0))]
    check(cells == [remedies[0]["totality"], remedies[0]["covered"]], "first remedy's totals read %r" % cells)

    # The view's entries in reading order: the buttons left to right, the chart, then its totals with their words.
    view = table.parent
    read = [name_of(c) if role_of(c) != "table" else "[chart]" for c in children(view)]
    print("chart view's entries without a name: %r" % [role_of(c) for c in children(view) if not name_of(c)])
    print("chart view reads: " + " | ".join(read))
    totals = ["Symptoms: %d" % len(symptoms), "Remedies: %d" % len(remedies)]
    for total in totals:
        check(total in read, "no entry reads %r" % total)
    order = ["Mental Symptoms", "General Symptoms", "Symptoms Other than Mind", "ClipBoard 1 Symptoms",
             "Normal Repertorisation", "Weightage Repertorisation", "[chart]"] + totals
    at = [read.index(n) if n in read else -1 for n in order]
    check(-1 not in at and at == sorted(at), "chart view not in reading order: %r" % list(zip(order, at)))
    check(not any(n.isdigit() for n in read), "a counter reads a bare number: %r" % [n for n in read if n.isdigit()])


def rubric_text(line):
    """A rubric without the repertory's name in brackets before it."""
    return line.split("] ", 1)[-1]


def check_weightage(app, chart):
    dialog = wait_for("the Weightage dialog", lambda: first(app, "dialog", "Weightage Repertorisation"))
    if dialog is None:
        return
    lists = [n for n in walk(dialog) if role_of(n) == "combo box" and showing(n)]
    heard = []
    for combo in lists:
        labels = labelled_by(combo)
        heard.append((name_of(combo), labels, combo.description))
    print("weightage rows: " + " | ".join("%s %r (%s)" % (label, value, desc) for value, label, desc in heard))
    check(len(lists) == min(7, len(chart["symptoms"])), "%d intensity lists shown" % len(lists))
    for row, (value, labels, description) in enumerate(heard):
        rubric = labels[0] if len(labels) == 1 else ""
        # The chart's row header names the repertory by its abbreviation, the rubric by its whole name.
        check(rubric_text(rubric) and rubric_text(rubric) == rubric_text(chart["symptoms"][row]),
              "row %d is labelled by %r, not by its rubric %r" % (row, labels, chart["symptoms"][row]))
        check(description == "Intensity of %s" % rubric, "row %d describes itself as %r" % (row, description))
        check(value.isdigit(), "row %d reads %r, not its intensity" % (row, value))
    check(len({h[1][0] for h in heard if h[1]}) == len(heard), "rows cannot be told apart: %r" % heard)
    check(not unnamed_controls(dialog), "Weightage: unnamed controls %s" % unnamed_controls(dialog))


def check_analyses(app, _chart):
    dialog = wait_for("the Open Analysis dialog", lambda: first(app, "dialog", "Open Analysis"))
    if dialog is None:
        return
    table = first(dialog, "table")
    if not check(table is not None, "Open Analysis has no table"):
        return
    t = table.queryTable()
    columns = [t.getColumnDescription(c) for c in range(t.nColumns)]
    names = [name_of(t.getAccessibleAt(r, 1)) for r in range(t.nRows)]
    print("open analysis: table %r, %d rows, columns %r, names %r" % (name_of(table), t.nRows, columns, names))
    check(name_of(table) == "Saved analyses", "the Open Analysis table reads %r" % name_of(table))
    check(columns[:2] == ["Visit", "Name"], "Open Analysis columns %r" % columns)
    check(names == [ANALYSIS_NAME], "Open Analysis lists %r" % names)
    check(not unnamed_controls(dialog), "Open Analysis: unnamed controls %s" % unnamed_controls(dialog))


SCENES = [("start", check_start), ("chart", check_chart), ("weightage", check_weightage),
          ("analyses", check_analyses)]


def run_scene(quillon, practice, env, scene, checker, chart):
    global running
    process = subprocess.Popen([quillon, "--show", scene, "--patient", PATIENT, practice], env=env,
                               start_new_session=True)
    running = process
    try:
        app = wait_for("Quillon on the accessibility bus (--show %s)" % scene, lambda: find_app(process.pid))
        if app is not None:
            checker(app, chart)
        check(process.poll() is None, "Quillon ended early (--show %s): %s" % (scene, process.returncode))
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait(timeout=10)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quillon", required=True)
    parser.add_argument("--sample", required=True)
    parser.add_argument("--report", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    practice = os.path.join(args.work, "practice")
    runtime = os.path.join(args.work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(os.environ)
    env.update({
        "XDG_DATA_HOME": os.path.join(args.work, "data"),
        "XDG_CONFIG_HOME": os.path.join(args.work, "config"),
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "QT_ACCESSIBILITY": "1",
        "LANGUAGE": "en",
        "LC_ALL": "C.UTF-8",
        "XDG_RUNTIME_DIR": runtime,
    })
    subprocess.run([args.sample, "--out", practice], env=env, check=True, timeout=60, stdout=subprocess.DEVNULL)
    subprocess.run([args.report, "save-analysis", PATIENT, "--name", ANALYSIS_NAME, "--do", "mind"], cwd=practice,
                   env=env, check=True, timeout=60, stdout=subprocess.DEVNULL)
    chart = report_chart(args.report, practice, env)
    for scene, checker in SCENES:
        run_scene(args.quillon, practice, env, scene, checker, chart)
    if faults:
        print("%d faults" % len(faults))
        return 1
    print("The tree reads as a screen reader needs it.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
