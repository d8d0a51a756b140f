"""Prints the accessibility tree of Kelvane's launcher and of each engine
window it opens, as AT-SPI gives it to a screen reader (run by scripts/a11y).
Exits 1 when a control a student can reach (focusable, showing) has no name."""
import subprocess
import sys
import time

import pyatspi

REACHABLE_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST,
}
unnamed = []


def program():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower().startswith("kelvane"):
                return app
        time.sleep(0.2)
    sys.exit("scripts/a11y: Kelvane never appeared on the accessibility bus")


def windows(app):
    return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def walk(node, depth, window):
    try:
        states = node.getState()
        role = node.getRoleName()
        name, description = node.name, node.description
    except Exception:  # an object that went away while being read
        return
    if not states.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return
    flags = [s for s, v in (("focusable", pyatspi.STATE_FOCUSABLE), ("checked", pyatspi.STATE_CHECKED),
                            ("disabled", None)) if v is not None and states.contains(v)]
    if not states.contains(pyatspi.STATE_ENABLED):
        flags.append("disabled")
    text = f"{'  ' * depth}{role} \"{name}\""
    if description:
        text += f" ({description})"
    if flags:
        text += f" [{', '.join(flags)}]"
    print(text)
    if (node.getRole() in REACHABLE_ROLES and states.contains(pyatspi.STATE_FOCUSABLE)
            and states.contains(pyatspi.STATE_ENABLED) and not name.strip()):
        unnamed.append(f"{window}: {role} at depth {depth}")
    # A table's cells are many; its first rows show how it reads.
    children = list(node)
    if node.getRole() == pyatspi.ROLE_TABLE:
        children = children[:8]
    for child in children:
        if child is not None:
            walk(child, depth + 1, window)


def show(app, title):
    print(f"\n===== {title} =====")
    for w in windows(app):
        walk(w, 0, w.name)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "SetFocus") or i == action.nActions - 1:
            action.doAction(i)
            return


def find(node, role, predicate):
    if node is None:
        return None
    try:
        if node.getRole() == role and predicate(node.name):
            return node
        for child in node:
            found = find(child, role, predicate)
            if found is not None:
                return found
    except Exception:
        return None
    return None


app = program()
time.sleep(1.5)
show(app, "Launcher")
launcher = windows(app)[0]
buttons = []
for w in windows(app):
    stack = [w]
    while stack:
        n = stack.pop()
        try:
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name and n.name not in ("Exit", "Quit", "Help"):
                buttons.append(n.name)
            stack.extend(c for c in n if c is not None)
        except Exception:
            pass
engines = [b for b in buttons if b not in ("About", "Introduction", "Tutor", "Tutorial")]
for caption in sorted(set(engines)):
    button = find(launcher, pyatspi.ROLE_PUSH_BUTTON, lambda n, c=caption: n == c)
    if button is None:
        continue
    before = {w.name for w in windows(app)}
    press(button)
    time.sleep(2.5)
    opened = [w for w in windows(app) if w.name not in before]
    if not opened:
        continue
    for w in opened:
        print(f"\n===== {caption}: {w.name} =====")
        walk(w, 0, w.name)
    subprocess.run(["xdotool", "key", "Escape"], check=False)
    time.sleep(1.5)

print("\n===== Reachable controls without a name =====")
print("\n".join(unnamed) if unnamed else "none")
sys.exit(1 if unnamed else 0)
