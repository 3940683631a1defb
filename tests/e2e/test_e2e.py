"""The real program under Wine, driven with real keys and clicks.

Every assertion rests on what the target application and the probe observe
from outside the utility.
"""
import os
import pathlib
import signal
import sys
import time
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from probe import Probe  # noqa: E402
from target_log import VK_V, read_v_keys  # noqa: E402
from wine_desktop import Desktop, wait_for  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(os.environ.get("ZANTOPO_WIN64_BUILD", ROOT / "build" / "win64"))
SCREENSHOT = ROOT / "build" / "e2e-screenshot.png"

WM_CLOSE = 0x0010
WM_APP = 0x8000
MAIN_STYLE = 0x80CE0000
WS_VISIBLE = 0x10000000
WS_CLIPSIBLINGS = 0x04000000
WS_EX_WINDOWEDGE = 0x00000100
FIELD_STYLE = 0x54000180
WS_EX_CLIENTEDGE = 0x00000200
# Where the tests put the utility so that it can be clicked: under Wine the
# formula places it partly below the screen.
PLACE = (480, 232)
SETTLE = 0.4  # how long to watch for keys that should not come

DESKTOP = None


def end_on_signal(*_):
    if DESKTOP is not None:
        DESKTOP.close()
    os._exit(1)


def setUpModule():
    global DESKTOP
    # A time-out from CTest ends the run with SIGTERM: clean up all the same.
    signal.signal(signal.SIGTERM, end_on_signal)
    DESKTOP = Desktop(BUILD).__enter__()


def tearDownModule():
    if DESKTOP is not None:
        DESKTOP.close()


def signed32(value):
    value &= 0xFFFFFFFF
    return value - (1 << 32) if value >= 1 << 31 else value


class Session(unittest.TestCase):
    """Starts and ends the programs of one test."""

    def setUp(self):
        self.desktop = DESKTOP
        self.probe = Probe(self.desktop)
        self.started = []
        self.log_path = None

    def tearDown(self):
        for process, handle in reversed(self.started):
            if process.poll() is None and handle is not None:
                try:
                    self.probe.post(handle, WM_CLOSE)
                    process.wait(timeout=10)
                except Exception:  # the test already failed; clean up regardless
                    pass
            if process.poll() is None:
                process.kill()
                process.wait(timeout=10)

    # -- the utility ---------------------------------------------------

    def start_utility(self, extra_env=None, place=True):
        known = {window["handle"] for window in self.probe.windows()}
        process = self.desktop.start("zantopo.exe", extra_env=extra_env)
        window = wait_for(
            lambda: next((w for w in self.probe.windows() if w["handle"] not in known), None),
            60, "the utility's window")
        self.started.append((process, window["handle"]))
        if place:
            self.probe.move(window["handle"], *PLACE, *self.outer_size(window))
            window = self.probe.window(window["handle"])
        return process, window

    @staticmethod
    def outer_size(window):
        left, top, right, bottom = window["outer"]
        return right - left, bottom - top

    def set_fields(self, window, prefix, number, suffix):
        for field, text in zip(window["fields"], (prefix, number, suffix)):
            self.probe.set_text(field["handle"], text)

    def number(self, handle):
        return self.probe.texts(handle)[1]

    def wait_number(self, handle, expected):
        return wait_for(lambda: self.number(handle) == expected, 20,
                        f"number field {expected!r} (now {self.number(handle)!r})")

    def click(self, x, y):
        self.desktop.xdotool("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.2)

    def click_field(self, window, index):
        left, top, right, bottom = window["fields"][index]["screen"]
        self.click(right - 4, (top + bottom) // 2)

    def press(self, *keys, delay=None):
        """Holds Ctrl and presses each key once."""
        args = ["keydown", "ctrl", "key"]
        if delay is not None:
            args += ["--delay", str(delay)]
        self.desktop.xdotool(*args, *keys, "keyup", "ctrl")

    # -- the target ----------------------------------------------------

    def start_target(self, *options):
        self.log_path = self.desktop.folder / f"target-{len(self.started)}.log"
        process = self.desktop.start("target.exe", self.desktop.windows_path(self.log_path),
                                     *options)
        line = process.stdout.readline().split()
        self.assertEqual(line[0], "ready")
        self.target = int(line[1], 16)
        self.started.append((process, self.target))
        self.click(200, 150)  # a real click makes it the foreground window
        return self.target

    def keep_target_in_front(self, keep):
        self.probe.post(self.target, WM_APP, 1 if keep else 0)

    def v_keys(self):
        return [(wparam, lparam) for _, wparam, lparam in read_v_keys(self.log_path)]

    def wait_v_keys(self, count):
        """The V keys once at least count have come and no more follow."""
        wait_for(lambda: len(self.v_keys()) >= count, 20, f"{count} V key(s) at the target")
        seen = self.v_keys()
        while True:
            time.sleep(SETTLE)
            now = self.v_keys()
            if now == seen:
                return now
            seen = now

    def clipboard_text(self):
        block = self.probe.clipboard()["block"]
        return block[:block.index(b"\0")]


class PressTest(Session):
    def test_press_in_another_application(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.set_fields(window, b"ID-", b"007", b"-A")
        self.start_target("paste")

        self.press("v")
        self.wait_number(handle, b"008")
        clipboard = self.probe.clipboard()
        self.assertEqual(clipboard["block"], b"ID-007-A".ljust(260, b"\0"))
        self.assertEqual(clipboard["size"], 260)
        self.assertEqual(clipboard["owner"], handle)
        self.assertEqual(self.wait_v_keys(1), [(VK_V, 0)])

        self.press("v")
        self.wait_number(handle, b"009")
        self.assertEqual(self.clipboard_text(), b"ID-008-A")
        self.assertEqual(self.wait_v_keys(2), [(VK_V, 0)] * 2)
        self.assertEqual(self.probe.texts(handle), [b"ID-", b"009", b"-A"])

        for number in (b"010", b"011", b"012"):
            self.press("v")
            self.wait_number(handle, number)
        self.wait_v_keys(5)
        self.desktop.screenshot(SCREENSHOT, crop=(20, 20, 700, 300))

    def test_fast_presses(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.set_fields(window, b"N", b"000", b"")
        self.start_target()

        # As fast as xdotool sends: every press is handled once, in order.
        # Wine drops the target's foreground at each detach, so at this pace
        # some presses find no front window and post no key; none may post two.
        started = time.monotonic()
        self.press(*["v"] * 200, delay=0)
        self.wait_number(handle, b"200")
        self.assertLess(time.monotonic() - started, 30)
        self.assertEqual(self.clipboard_text(), b"N199")
        burst = self.wait_v_keys(1)
        self.assertLessEqual(len(burst), 200)
        self.assertTrue(all(key == (VK_V, 0) for key in burst))

        # Paced so that the target can take the foreground back: one key each.
        self.set_fields(window, b"N", b"000", b"")
        self.press(*["v"] * 200, delay=10)
        self.wait_number(handle, b"200")
        keys = self.wait_v_keys(len(burst) + 200)
        self.assertEqual(len(keys), len(burst) + 200)
        self.assertTrue(all(key == (VK_V, 0) for key in keys))
        self.assertEqual(self.clipboard_text(), b"N199")

    def test_other_ctrl_combinations_are_not_taken(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.set_fields(window, b"", b"5", b"")
        self.start_target()
        for modifier in ("shift", "alt"):
            self.desktop.xdotool("keydown", "ctrl", "keydown", modifier, "key", "v",
                                 "keyup", modifier, "keyup", "ctrl")
        keys = self.wait_v_keys(2)
        self.assertEqual(len(keys), 2)
        self.assertTrue(all(lparam != 0 for _, lparam in keys), keys)  # real key strokes
        self.assertEqual(self.number(handle), b"5")

    def test_clipboard_held_by_another_program(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.set_fields(window, b"ID-", b"1", b"")
        self.start_target()
        self.probe.set_clipboard(b"earlier text")

        holder = self.desktop.start("probe.exe", "hold", "4")
        self.assertEqual(holder.stdout.readline().strip(), "held")
        self.press("v")
        self.wait_number(handle, b"2")
        time.sleep(SETTLE)
        self.assertEqual(self.v_keys(), [], "a key would paste the stale clipboard")
        holder.wait(timeout=20)
        clipboard = self.probe.clipboard()
        self.assertEqual(self.clipboard_text(), b"earlier text")
        self.assertNotEqual(clipboard["owner"], handle)

        self.press("v")
        self.wait_number(handle, b"3")
        self.assertEqual(self.clipboard_text(), b"ID-2")
        self.assertEqual(self.wait_v_keys(1), [(VK_V, 0)])


class OwnWindowTest(Session):
    def test_own_window_in_front(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.start_target()
        self.keep_target_in_front(False)
        self.set_fields(window, b"ID-", b"007", b"")
        self.probe.set_clipboard(b"from clipboard")

        # The strip right of the fields is the window itself: no field focused.
        origin_x, origin_y = window["origin"]
        self.click(origin_x + 199, origin_y + 10)
        self.press("v")
        time.sleep(SETTLE)
        self.assertEqual(self.probe.texts(handle), [b"ID-", b"007", b""])

        self.click_field(window, 2)
        self.press("v")
        wait_for(lambda: self.probe.texts(handle)[2] == b"from clipboard", 10,
                 "the paste into the suffix field")
        time.sleep(SETTLE)
        self.assertEqual(self.probe.texts(handle), [b"ID-", b"007", b"from clipboard"])
        clipboard = self.probe.clipboard()
        self.assertEqual(self.clipboard_text(), b"from clipboard")
        self.assertNotEqual(clipboard["owner"], handle)
        self.assertEqual(self.v_keys(), [])


class WindowTest(Session):
    def test_window_class_styles_size_and_place(self):
        _, window = self.start_utility(place=False)
        metrics = self.probe.metrics()
        client_height = abs(metrics["fontheight"]) * metrics["logpixelsy"] // 72
        left, top, right, _ = metrics["adjust"]  # 200 x 0 client, adjusted
        width, height = right - left, client_height + (metrics["adjust"][3] - top)
        x = metrics["cxmaximized"] - width - 2 * metrics["cxframe"]
        y = metrics["cymaximized"] - height - 2 * metrics["cyframe"]

        self.assertEqual(window["title"], "Zantopo")
        self.assertEqual(int(window["style"], 16) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), MAIN_STYLE)
        self.assertEqual(int(window["exstyle"], 16) & ~WS_EX_WINDOWEDGE, 0)
        self.assertEqual(int(window["classstyle"], 16), 0x000B)
        self.assertEqual(window["outer"], (x, y, x + width, y + height))
        self.assertEqual(window["client"], (0, 0, 200, client_height))
        self.assertFields(window, 200, client_height)

        handle = window["handle"]
        for asked_width, asked_height, expected_width in (
                (width - 60, height, width),         # narrower than at start
                (width, height + 40, width),         # taller
                (width, height - 10, width),         # shorter
                (width + 100, height, width + 100),  # wider
                (width + 1, height + 5, width + 1)):
            self.probe.move(handle, *PLACE, asked_width, asked_height)
            window = self.probe.window(handle)
            self.assertEqual(self.outer_size(window), (expected_width, height),
                             (asked_width, asked_height))
            self.assertFields(window, 200 + expected_width - width, client_height)

    def assertFields(self, window, client_width, client_height):
        self.assertEqual(window["client"][2:], (client_width, client_height))
        third = client_width // 3
        self.assertEqual([field["rect"] for field in window["fields"]],
                         [(i * third, 0, (i + 1) * third, client_height) for i in range(3)])
        for field in window["fields"]:
            self.assertEqual(field["class"].upper(), "EDIT")
            self.assertEqual(int(field["style"], 16), FIELD_STYLE)
            self.assertEqual(int(field["exstyle"], 16), WS_EX_CLIENTEDGE)
            self.assertEqual(field["id"], "0")
            self.assertEqual(int(field["parent"], 16), window["handle"])


class FilterTest(Session):
    def test_number_field_keeps_its_digits(self):
        _, window = self.start_utility()
        handle = window["handle"]
        self.click_field(window, 1)
        self.desktop.xdotool("type", "--delay", "20", "12a3")
        self.click_field(window, 0)
        wait_for(lambda: self.number(handle) == b"123", 10, "the filtered number")

        # Digits only: left alone, so the field keeps its modified flag
        # (writing the text back would clear it).
        self.click_field(window, 1)
        self.desktop.xdotool("type", "--delay", "20", "45")
        self.click_field(window, 2)
        time.sleep(SETTLE)
        field = self.probe.window(handle)["fields"][1]
        self.assertEqual(field["text"], b"12345")
        self.assertEqual(field["modified"], "1")

    def test_double_byte_characters_under_code_page_932(self):
        japanese = {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8"}
        probe = Probe(self.desktop, extra_env=japanese)
        _, window = self.start_utility(extra_env=japanese)
        handle = window["handle"]
        for text, expected in ((b"\x82\x50\x82\x51\x82\x52", b""),  # full-width 1 2 3
                               (b"1\x88\x9f2", b"12")):
            probe.set_text(window["fields"][1]["handle"], text)
            self.assertEqual(probe.texts(handle)[1], text)
            self.click_field(window, 1)
            self.click_field(window, 0)
            wait_for(lambda: probe.texts(handle)[1] == expected, 10, f"{expected!r}")


class InstanceTest(Session):
    def test_second_instance_never_takes_the_hot_key(self):
        first_process, first = self.start_utility()
        _, second = self.start_utility()
        self.set_fields(first, b"", b"1", b"")
        self.set_fields(second, b"", b"1", b"")
        self.start_target()

        self.press("v")
        self.wait_number(first["handle"], b"2")
        self.assertEqual(self.wait_v_keys(1), [(VK_V, 0)])
        self.assertEqual(self.number(second["handle"]), b"1")

        self.probe.post(first["handle"], WM_CLOSE)
        self.assertEqual(first_process.wait(timeout=20), 0)
        self.press("v")
        keys = self.wait_v_keys(2)
        self.assertEqual(len(keys), 2)
        self.assertNotEqual(keys[1][1], 0, "Ctrl+V reached the target as a real key")
        self.assertEqual(self.number(second["handle"]), b"1")

    def test_closing_ends_with_zero_and_frees_the_hot_key(self):
        process, window = self.start_utility()
        self.assertFalse(self.probe.hotkey_free())
        self.probe.post(window["handle"], WM_CLOSE)
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertTrue(self.probe.hotkey_free())

        _, window = self.start_utility()
        self.set_fields(window, b"", b"1", b"")
        self.start_target()
        self.press("v")
        self.wait_number(window["handle"], b"2")


class InputTest(Session):
    def paste(self, window, prefix, number, suffix, expected_number):
        self.set_fields(window, prefix, number, suffix)
        self.assertEqual(self.probe.texts(window["handle"]), [prefix, number, suffix])
        self.press("v")
        self.wait_number(window["handle"], expected_number)
        return self.probe.clipboard()

    def test_every_byte_and_the_longest_fields(self):
        _, window = self.start_utility()
        self.start_target()

        every_byte = bytes(range(1, 256))
        clipboard = self.paste(window, every_byte, b"1", every_byte[::-1], b"2")
        text = every_byte + b"1" + every_byte[::-1]
        self.assertEqual(clipboard["block"][:len(text) + 1], text + b"\0")

        longest = self.paste(window, b"P" * 259, b"9" * 259, b"S" * 259,
                             b"%0259d" % signed32(int("9" * 259) + 1))
        text = b"P" * 259 + b"%0259d" % signed32(int("9" * 259)) + b"S" * 259
        self.assertEqual(len(text), 777)
        self.assertEqual(longest["block"], text + b"\0")
        self.assertEqual(longest["size"], 778)

        number = b"1" + b"0" * 299  # only its first 259 bytes take part
        first = int(number[:259])
        overlong = self.paste(window, b"", number, b"", b"%0259d" % signed32(first + 1))
        self.assertEqual(overlong["block"][:260], b"%0259d" % signed32(first) + b"\0")
        self.assertEqual(len(self.wait_v_keys(3)), 3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
