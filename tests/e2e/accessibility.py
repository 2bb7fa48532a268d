"""Reads the running clock through AT-SPI as a screen reader does, and
drives it from the keyboard alone (xdotool). Called by accessibility_test.sh;
prints what it checked and exits non-zero at the first fault."""
import calendar
import datetime
import re
import subprocess
import sys
import time

import pyatspi

LANGUAGES = {
    "rus": {"hide": "Убрать часы", "show": "Показать часы", "holiday": "выходной",
            "months": ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль",
                       "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]},
    "eng": {"hide": "Hide the clock", "show": "Show the clock", "holiday": "holiday",
            "months": list(calendar.month_name)[1:]},
}
# The menu's captions are the program's own and stay Russian in every language.
MENU = ["Добавить", "Настройки", "Помощь", "Выход"]
DIALOGS = [["Добавить", "Напоминание"], ["Добавить", "Запуск"], ["Добавить", "Праздники"],
           ["Настройки", "Язык"], ["Настройки", "Обложки"], ["Настройки", "Автозапуск"],
           ["Настройки", "Другие..."], ["Помощь", "О программе"], ["Помощь", "Справка"]]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, find, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail("waited %d s for %s" % (seconds, what))


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def action(node, name):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == name.lower():
            actions.doAction(i)
            return
    fail("%r has no action %s" % (node.name, name))


def application():
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Chronidex":
                return app
        return None
    return wait_for("the program on the accessibility bus", find)


def top(app, role, name=None):
    for child in children(app):
        if child.getRole() == role and (name is None or child.name == name) and showing(child):
            return child
    return None


def check_alert(app, text):
    alert = wait_for("the notice", lambda: top(app, pyatspi.ROLE_ALERT))
    said = " ".join(c.name for c in children(alert) if c.getRole() == pyatspi.ROLE_LABEL)
    if text not in said or "\u200b" in said:
        fail("the notice reads %r" % said)
    key("Return")
    wait_for("the notice to go", lambda: not top(app, pyatspi.ROLE_ALERT))
    print("the notice reads its text")


def check_clock(app):
    clock = wait_for("the clock", lambda: top(app, pyatspi.ROLE_LABEL, "Chronidex"))
    text = clock.queryText().getText(0, -1)
    match = re.fullmatch(r"(\d{1,2}):(\d{2})", text)
    if not match:
        fail("the clock's text is %r" % text)
    now = datetime.datetime.now()
    said = int(match.group(1)) * 60 + int(match.group(2))
    if min((now.hour * 60 + now.minute - said) % 1440, (said - now.hour * 60 - now.minute) % 1440) > 1:
        fail("the clock says %s at %s" % (text, now.strftime("%H:%M")))
    print("the clock says %s" % text)
    return clock


def check_calendar(app, language, holiday):
    today = datetime.date.today()
    words = LANGUAGES[language]
    title = "%s %d" % (words["months"][today.month - 1], today.year)
    table = wait_for("the calendar", lambda: top(app, pyatspi.ROLE_TABLE, title))
    days = [c for c in children(table)
            if c.getRole() == pyatspi.ROLE_TABLE_CELL and c.name.isdigit()]
    if not 28 <= len(days) <= 31 or len(days) != calendar.monthrange(today.year, today.month)[1]:
        fail("the calendar has %d days" % len(days))
    selected = [c.name for c in days if c.getState().contains(pyatspi.STATE_SELECTED)]
    if selected != [str(today.day)]:
        fail("the calendar selects %s on the %d" % (selected, today.day))
    marked = {int(c.name) for c in days if words["holiday"] in c.description}
    sundays = {d for d in range(1, len(days) + 1)
               if datetime.date(today.year, today.month, d).weekday() == 6}
    if marked != sundays | {holiday}:
        fail("holidays said: %s, expected %s" % (sorted(marked), sorted(sundays | {holiday})))
    headers = [c.name for c in children(table) if c.getRole() == pyatspi.ROLE_TABLE_COLUMN_HEADER]
    if len(headers) != 7 or "" in headers:
        fail("week-day headers %s" % headers)
    print("the calendar: %s, %d days, today %d, holidays %s" % (title, len(days), today.day,
                                                                sorted(marked)))


def check_tab(app, language, clock):
    words = LANGUAGES[language]
    tab = wait_for("the pull tab", lambda: top(app, pyatspi.ROLE_PUSH_BUTTON, words["hide"]))
    action(tab, "press")
    wait_for("the clock to slide away", lambda: not showing(clock))
    wait_for("the tab to say it shows", lambda: tab.name == words["show"])
    action(tab, "press")
    wait_for("the clock to come back", lambda: showing(clock))
    wait_for("the tab to say it hides", lambda: tab.name == words["hide"])
    print("the tab %r brought the clock back" % tab.name)


def open_menu(app, raise_clock):
    """The menu key on the clock, which a second start has given the focus."""
    raise_clock()
    wait_for("the clock to take the focus",
             lambda: top(app, pyatspi.ROLE_LABEL, "Chronidex").getState().contains(
                 pyatspi.STATE_FOCUSED))
    key("Menu")
    return wait_for("the menu", lambda: top(app, pyatspi.ROLE_POPUP_MENU))


def check_menu(app, raise_clock):
    menu = open_menu(app, raise_clock)
    items = [c.name for c in children(menu) if c.getRole() == pyatspi.ROLE_MENU_ITEM]
    if items != MENU:
        fail("the menu's items read %s" % items)
    key("Escape")
    wait_for("the menu to close", lambda: not top(app, pyatspi.ROLE_POPUP_MENU))
    print("the menu reads %s" % items)


def unnamed_controls(node, path, out):
    if not showing(node):
        return
    state = node.getState()
    role = node.getRole()
    if (state.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip()
            and role not in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)):
        out.append("%s (%s)" % (path, node.getRoleName()))
    for child in children(node):
        unnamed_controls(child, path + "/" + child.name, out)


def check_dialogs(app, raise_clock):
    """Each dialog from the menu: no control that takes the focus without a
    name; Escape closes it. The help window, which is no dialog, comes last
    and stays open."""
    def shown():
        return {(c.getRoleName(), c.name) for c in children(app) if showing(c)}

    for path in DIALOGS:
        node = open_menu(app, raise_clock)
        before = shown()
        for name in path:
            item = [c for c in children(node) if c.name == name]
            if not item:
                fail("no menu item %s" % "/".join(path))
            node = item[0]
            if name != path[-1]:
                node = node.getChildAtIndex(0)  # the submenu
        node.queryAction().doAction(0)
        window = wait_for("the window of %s" % "/".join(path), lambda: next(
            (c for c in children(app) if showing(c) and (c.getRoleName(), c.name) not in before),
            None))
        missing = []
        unnamed_controls(window, window.name, missing)
        if missing:
            fail("unnamed controls in %s: %s" % ("/".join(path), missing))
        print("every control named in %r" % window.name)
        if window.getRole() == pyatspi.ROLE_DIALOG:
            key("Escape")
            wait_for("%s to close" % window.name, lambda: not showing(window))


def add_reminder_by_keys(app, raise_clock, text):
    open_menu(app, raise_clock)
    key("Return")  # the first item, "Добавить", opens on its first, "Напоминание"
    wait_for("the submenu", lambda: top(app, pyatspi.ROLE_POPUP_MENU).getChildAtIndex(0)
             .getChildAtIndex(0).getState().contains(pyatspi.STATE_SHOWING))
    key("Return")
    editor = wait_for("the reminder editor", lambda: top(app, pyatspi.ROLE_DIALOG))
    field = wait_for("the text field's focus", lambda: next(
        (c for c in children(editor) if c.getState().contains(pyatspi.STATE_FOCUSED)
         and c.getRole() == pyatspi.ROLE_TEXT), None))
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
    wait_for("the typed text", lambda: field.queryText().getText(0, -1) == text)
    key("Tab", "Return")  # to OK, and press it
    wait_for("the editor to close", lambda: not showing(editor))
    print("a reminder added from the keyboard alone")


def main():
    """first|again, the command of a second start, rus|eng, the holiday, the
    text of the notice at the start, and first the reminder to type."""
    mode, raise_command = sys.argv[1], sys.argv[2]
    language = sys.argv[3]

    def raise_clock():
        subprocess.run(raise_command, shell=True, check=True)

    app = application()
    # First the notice of a reminder that fell due at midnight; again the box
    # of the reminder typed the first time, due now or overdue by then.
    check_alert(app, sys.argv[5])
    clock = check_clock(app)
    check_calendar(app, language, int(sys.argv[4]))
    check_tab(app, language, clock)
    check_menu(app, raise_clock)
    if mode == "first":
        check_dialogs(app, raise_clock)
        add_reminder_by_keys(app, raise_clock, sys.argv[6])


if __name__ == "__main__":
    main()
