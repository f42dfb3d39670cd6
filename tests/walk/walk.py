#!/usr/bin/env python3
"""A user's walk: a seeded random user at the real keyboard and mouse.

Starts Tarvix.exe under Wine on a store it seeds, presses keys and clicks
through the X server's test extension (xdotool without --window), and after
every step compares what X shows with a small model of the bar: the page's
size and place, and no window the model does not expect. At every exit it
reads the store back. Needs DISPLAY, WINEPREFIX and a running wineserver.
"""

import argparse
import dataclasses
import math
import os
import random
import re
import subprocess
import sys
import time

ROOT = r"HKCU\Software\Quenlow\Lumeq"
BAR = "Tarvix"
BOUND = 15.0  # seconds a step may take before the bar counts as hung
DOUBLE_CLICK = 0.6  # the platform's double-click time is 0.5 s
PACE = 0.15  # a user's pause between one step and the next, in seconds
AWAY = ("1270", "1010")  # where the pointer rests, over no window
PAGES = 9  # seeded pages; the pages in use are the first 1..9 of them
LETTERS = "abcdefghijklmnopqrstuvwyz"  # not x: it would end the bar behind a menu


class WalkFailure(Exception):
    pass


@dataclasses.dataclass
class Page:
    titles: list
    lines: int
    size: int
    name: str


@dataclasses.dataclass
class Window:
    wid: str
    name: str
    x: int
    y: int
    w: int
    h: int


def run(*args, check=False):
    return subprocess.run(args, capture_output=True, text=True, check=check).stdout


def xdo(*args):
    subprocess.run(("xdotool",) + args, capture_output=True, check=False)


def windows():
    """The mapped top-level X windows but the root, by name and geometry."""
    found = []
    for wid in run("xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name", "").split():
        info = run("xwininfo", "-id", wid)
        m = re.search(r'Window id: \S+ (?:"(.*)"|\(has no name\))', info)
        g = re.search(r"-geometry (\d+)x(\d+)([+-]-?\d+)([+-]-?\d+)", info)
        if not m or not g or "(the root window)" in info:
            continue
        w, h, x, y = (int(v) for v in g.groups())
        found.append(Window(wid, m.group(1) or "", x, y, w, h))
    return found


def read_store():
    """{key below the root: {value name: data}} as `reg query` prints it."""
    raw = subprocess.run(["wine", "reg", "query", ROOT, "/s"], capture_output=True).stdout
    tree, key = {}, None
    for line in raw.decode("cp932", "replace").replace("\r", "").split("\n"):
        if line.startswith("HKEY_"):
            key = line.split("Lumeq", 1)[1].lstrip("\\")
            tree[key] = {}
        elif key is not None and (m := re.match(r"    (.*?)    (REG_\w+)    ?(.*)$", line)):
            data = m.group(3)
            tree[key][m.group(1)] = int(data, 16) if m.group(2) == "REG_DWORD" else data
    return tree


def reg_text(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


class Model:
    """What the user should see: pages, the page shown, the stored position."""

    def __init__(self, rng):
        self.rng = rng
        self.pages = {}
        sizes = set()
        for p in range(1, PAGES + 1):
            while True:
                count, lines, size = rng.randint(0, 7), rng.randint(1, 3), rng.choice((20, 28, 34, 41))
                lines = min(lines, max(count, 1))
                key = (math.ceil(count / lines), lines, size)
                if key not in sizes:
                    break
            sizes.add(key)
            titles = [self.title() for _ in range(count)]
            self.pages[p] = Page(titles, lines, size, f"P{p}")
        self.count = rng.randint(2, 5)
        self.cur = rng.randint(1, self.count)
        self.pos = (rng.randint(60, 300), rng.randint(60, 300))
        self.saved = (rng.randint(60, 300), rng.randint(60, 300))
        self.extent = None  # the strip's depth, learned from the first page shown

    def title(self):
        # Titles with "&" before a letter, as "AT&T" and "Q&A".
        return self.rng.choice(("AT&T", "Q&A", "R&D", "M&Ms", "b&w", "plain", "メモ&帳"))

    def seed_file(self):
        out = ["REGEDIT4", "", f"[{ROOT.replace('HKCU', 'HKEY_CURRENT_USER')}\\Setting]",
               f'"Page"="{self.cur},{self.count}"', '"Option"=dword:0000008b',
               '"SetOption"=dword:0000008b', f'"X"=dword:{self.pos[0]:08x}',
               f'"Y"=dword:{self.pos[1]:08x}', f'"SetX"=dword:{self.saved[0]:08x}',
               f'"SetY"=dword:{self.saved[1]:08x}', ""]
        base = ROOT.replace("HKCU", "HKEY_CURRENT_USER")
        for p, page in self.pages.items():
            out += [f"[{base}\\Page{p}\\Button]", f'"Num"=dword:{len(page.titles):08x}',
                    f'"Data"="{page.lines},{page.size},0"', f'"PageName"={reg_text(page.name)}', ""]
            for i, title in enumerate(page.titles, 1):
                # No such file: a start would show its failure box.
                target = reg_text("C:\\walk\\none%d_%d.exe" % (p, i))
                out += [f"[{base}\\Page{p}\\Btn{i}]", f'"Title"={reg_text(title)}',
                        f'"AppName"={target}', ""]
        return "\r\n".join(out).encode("cp932")

    def page(self):
        return self.pages[self.cur]

    def per_line(self):
        page = self.page()
        return math.ceil(len(page.titles) / page.lines)

    def bar_size(self):
        page = self.page()
        return (self.extent + self.per_line() * page.size, page.lines * page.size)

    def button_centre(self, k):
        page, per = self.page(), self.per_line()
        half = page.size // 2
        return (self.pos[0] + self.extent + k % per * page.size + half,
                self.pos[1] + k // per * page.size + half)


class Walk:
    def __init__(self, exe, seed, shots):
        self.exe, self.seed, self.shots = exe, seed, shots
        self.rng = random.Random(seed)
        self.model = Model(self.rng)
        self.log = []
        self.proc = None
        self.last_click = 0.0

    # --- what X shows -----------------------------------------------------
    def wait(self, what, test):
        """Polls until `test(bar, others)` holds; a hang detector, not a timer."""
        end = time.monotonic() + BOUND
        while True:
            found = windows()
            bars = [w for w in found if w.name == BAR]
            others = [w for w in found if w.name != BAR]
            bar = bars[0] if len(bars) == 1 else None
            if test(bar, others):
                return bar, others
            if time.monotonic() > end:
                raise WalkFailure(f"{what}: bar {bar}, other windows {others}")
            time.sleep(0.05)

    def settle(self):
        """The bar shows the model's page at the model's place, and nothing else is open."""
        m = self.model
        if m.extent is None:
            bar, _ = self.wait("the bar appears", lambda b, o: b is not None and not o)
            m.extent = bar.w - m.per_line() * m.page().size
        want = (*m.pos, *m.bar_size())
        bar, _ = self.wait(f"page {m.cur} at {want}",
                           lambda b, o: b is not None and not o and (b.x, b.y, b.w, b.h) == want)
        # X hands the keyboard back to the bar a moment after a window has
        # gone: a user sees the bar in front before typing to it.
        self.wait("the keyboard on the bar", lambda b, o: b is not None and
                  run("xdotool", "getwindowfocus").strip() == b.wid)

    def wait_popup(self, named=None):
        """A menu (a window without a name) or the named window opens."""
        def seen(_, others):
            return any((w.name == named) if named else not w.name for w in others)
        _, others = self.wait(f"{named or 'a menu'} opens", seen)
        return others

    def barrier(self):
        """Keys are handled in order: once the page menu opens and closes,
        every key before it has been handled."""
        xdo("key", "F11")
        self.wait("the page menu opens after the keys before it", lambda _, o: o and not o[0].name)
        xdo("key", "Escape")
        self.settle()

    # --- the program ------------------------------------------------------
    def start(self):
        # One copy runs at a time: an earlier one left running would stand in.
        subprocess.run(["wine", "taskkill", "/f", "/im", "Tarvix.exe"], capture_output=True)
        self.proc = subprocess.Popen(["wine", self.exe], stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait("the bar appears", lambda b, o: b is not None and not o)
        # Without a window manager X gives the keyboard to a window only
        # when it is clicked: the user clicks the strip, as on a desktop
        # where another program had the keyboard.
        self.click(*self.strip())
        self.settle()

    def click(self, x, y, button="1", repeat=1):
        """Clicks, then rests the pointer away from every window. Clicks on
        one spot are kept further apart than a double-click's time, unless
        they are one."""
        time.sleep(max(0.0, self.last_click + DOUBLE_CLICK - time.monotonic()))
        xdo("mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "60",
            button, "mousemove", *AWAY)
        self.last_click = time.monotonic()

    def back_to_bar(self):
        """A dialog has closed: the user clicks the strip, and the X
        keyboard goes to the bar as a window manager gives it to a clicked
        window. Without one, X now and then leaves it on the root window
        after a dialog's window has gone, and Wine then makes the desktop
        the active window; neither happens on a desktop."""
        bar, _ = self.wait("the dialog closes", lambda b, o: b is not None and not o)
        xdo("windowfocus", bar.wid)
        self.click(*self.strip())

    def strip(self):
        return str(self.model.pos[0] + 4), str(self.model.pos[1] + 4)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            subprocess.run(["wine", "taskkill", "/f", "/im", "Tarvix.exe"], capture_output=True)

    def check_store(self):
        m, tree = self.model, read_store()
        setting = tree.get("Setting", {})
        got = (setting.get("Page"), setting.get("X"), setting.get("Y"))
        want = (f"{m.cur},{m.count}", *m.pos)
        if got != want:
            raise WalkFailure(f"stored Page, X, Y {got}, expected {want}")
        for p, page in m.pages.items():
            section = tree.get(f"Page{p}\\Button", {})
            got = (section.get("Num"), section.get("Data", "").split(",")[0], section.get("PageName"))
            want = (len(page.titles), str(page.lines), page.name)
            if got != want:
                raise WalkFailure(f"stored page {p} {got}, expected {want}")

    # --- steps --------------------------------------------------------------
    def switch(self, page):
        if page <= self.model.count:
            self.model.cur = page

    def step_fkey(self):
        n = self.rng.randint(1, 10)
        self.log.append(f"F{n}")
        xdo("key", f"F{n}")
        self.switch(n)
        if n > self.model.count:
            self.barrier()

    def choose_page(self):
        """The page menu is open: a page's digit, or Esc."""
        n = self.rng.randint(0, self.model.count)
        self.log[-1] += f" {n or 'Esc'}"
        xdo("key", str(n) if n else "Escape")
        self.switch(n or self.model.cur)

    def step_page_menu(self):
        self.log.append("F11")
        xdo("key", "F11")
        self.wait_popup()
        self.choose_page()

    def step_hotkey(self):
        self.log.append("Ctrl+Shift+G")
        xdo("key", "ctrl+shift+g")
        self.wait_popup()
        self.choose_page()

    def step_double_click(self):
        m = self.model
        self.log.append("double-click on the strip")
        self.click(*self.strip(), repeat=2)
        if m.count == 2:
            m.cur = 2 if m.cur == 1 else 1
        elif m.count > 2:
            self.wait_popup()
            self.choose_page()
        else:
            self.barrier()

    def step_arrow(self):
        key = self.rng.choice(("Up", "Down", "Left", "Right"))
        self.log.append(key)
        xdo("key", key)
        self.barrier()

    def step_letter(self):
        # Mostly the letter after a title's "&" on the shown page.
        marks = [t[t.index("&") + 1].lower() for t in self.model.page().titles if "&" in t]
        letter = marks and self.rng.random() < 0.7 and self.rng.choice(marks)
        letter = letter if letter and letter in LETTERS else self.rng.choice(LETTERS)
        self.log.append(f"letter {letter}")
        xdo("key", letter)
        self.barrier()

    def bar_menu(self, item):
        """The bar's menu, by Esc or a right click on the strip, then an item."""
        if self.rng.random() < 0.7:
            xdo("key", "Escape")
        else:
            self.log[-1] = "right-click on the strip," + self.log[-1][3:]
            self.click(*self.strip(), button="3")
        self.wait_popup()
        xdo("key", item)

    def step_version(self):
        self.log.append("Esc A, Enter")
        self.bar_menu("a")
        self.wait_popup("Tarvix のﾊﾞｰｼﾞｮﾝ情報")
        xdo("key", "Return")
        self.back_to_bar()

    def step_restore(self):
        self.log.append("Esc R")
        self.bar_menu("r")
        self.model.pos = self.model.saved

    def exit(self):
        """The exit command ends the program, which leaves the model's state stored."""
        self.bar_menu("x")
        try:
            self.proc.wait(BOUND)
        except subprocess.TimeoutExpired:
            raise WalkFailure("the program did not end after its exit command")
        self.check_store()

    def step_restart(self):
        m = self.model
        self.log.append("Esc X, start again")
        self.exit()
        if self.rng.random() < 0.5:
            # The user's page count changes while the bar is not running.
            m.count = self.rng.randint(1, PAGES)
            self.log[-1] += f" with {m.count} pages"
            subprocess.run(["wine", "reg", "add", ROOT + r"\Setting", "/v", "Page", "/d",
                            f"{m.cur},{m.count}", "/f"], capture_output=True)
        self.start()

    def right_click_button(self, what):
        """A button's own menu; `what` names the step for the log."""
        m = self.model
        k = self.rng.randrange(len(m.page().titles))
        self.log.append(f"right-click button {k + 1}, {what}")
        x, y = m.button_centre(k)
        self.click(x, y, button="3")
        self.wait_popup()
        return k

    def step_edit(self):
        if not self.model.page().titles:
            return self.step_fkey()
        ok, title = self.rng.random() < 0.5, self.model.title()
        k = self.right_click_button("S, " + (f"type {title}, Enter" if ok else "Esc"))
        xdo("key", "s")
        self.wait_popup("編集")
        if ok:
            xdo("type", title)
            xdo("key", "Return")
            self.model.page().titles[k] = title
        else:
            xdo("key", "Escape")
        self.back_to_bar()

    def step_delete(self):
        if not self.model.page().titles:
            return self.step_fkey()
        ok = self.rng.random() < 0.5
        k = self.right_click_button("D, " + ("OK" if ok else "Cancel"))
        xdo("key", "d")
        self.wait_popup("Lumeq")  # the question
        xdo("key", "Return" if ok else "Escape")
        if ok:
            del self.model.page().titles[k]
        self.back_to_bar()

    def step_add_remove(self):
        page, ok = self.model.page(), self.rng.random() < 0.5
        name, lines = f"N{self.rng.randint(10, 99)}", self.rng.randint(1, 3)
        self.log.append("Esc B, " + (f"name {name}, {lines} lines, Enter" if ok else "Esc"))
        self.bar_menu("b")
        self.wait_popup("ﾎﾞﾀﾝの追加と削除")
        if ok:
            xdo("type", name)
            xdo("key", "Tab")
            xdo("type", str(lines))
            xdo("key", "Return")
            page.name, page.lines = name, lines
        else:
            xdo("key", "Escape")
        self.back_to_bar()

    def step_settings(self):
        ok = self.rng.random() < 0.5
        self.log.append("Esc C, " + ("Enter" if ok else "Esc"))
        self.bar_menu("c")
        self.wait_popup("各種設定")
        xdo("key", "Return" if ok else "Escape")
        self.back_to_bar()

    STEPS = ((10, step_fkey), (4, step_page_menu), (3, step_hotkey), (3, step_double_click),
             (4, step_arrow), (5, step_letter), (1, step_version), (1, step_restore),
             (1, step_restart), (3, step_edit), (3, step_delete), (2, step_add_remove),
             (2, step_settings))

    def walk(self, steps):
        self.model_seed()
        self.start()
        weights = [w for w, _ in self.STEPS]
        for n in range(steps):
            _, step = self.rng.choices(self.STEPS, weights)[0]
            time.sleep(PACE)
            step(self)
            self.settle()
        self.log.append("Esc X")
        self.exit()

    def model_seed(self):
        path = os.path.join(self.shots, f"walk-seed-{self.seed}.reg")
        with open(path, "wb") as f:
            f.write(self.model.seed_file())
        subprocess.run(["wine", "reg", "delete", ROOT, "/f"], capture_output=True)
        subprocess.run(["wine", "regedit", "/S", path], capture_output=True, check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--steps", type=int, default=200)
    parser.add_argument("--seeds", type=int, default=1, help="walk this many seeds from --seed")
    parser.add_argument("--exe", required=True)
    parser.add_argument("--verbose", action="store_true", help="print every step")
    parser.add_argument("--out", default=".", help="folder for the seed file and screenshots")
    args = parser.parse_args()
    failed = 0
    for seed in range(args.seed, args.seed + args.seeds):
        walk = Walk(args.exe, seed, args.out)
        started = time.monotonic()
        try:
            walk.walk(args.steps)
            print(f"walk: seed {seed}, {args.steps} steps in {time.monotonic() - started:.0f} s")
            if args.verbose:
                print("  " + "\n  ".join(walk.log))
        except WalkFailure as e:
            failed += 1
            shot = os.path.join(args.out, f"walk-seed-{seed}.png")
            subprocess.run(["import", "-window", "root", shot], capture_output=True)
            print(f"walk: seed {seed} FAILED at step {len(walk.log)}: {e}")
            print("steps so far:\n  " + "\n  ".join(walk.log))
            print(f"screenshot: {shot}; replay: scripts/walk.sh --seed {seed} --steps {len(walk.log)}")
        finally:
            walk.stop()
    print(f"walk: {args.seeds - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
