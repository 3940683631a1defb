"""What probe.exe reports, parsed."""


def parse_fields(line):
    words = line.split()
    record = {"handle": int(words[1], 16)}
    for word in words[2:]:
        key, _, value = word.partition("=")
        record[key] = value
    return record


def ints(text):
    return tuple(int(part) for part in text.split(","))


class Probe:
    def __init__(self, desktop, extra_env=None):
        self.desktop = desktop
        self.extra_env = extra_env

    def _run(self, *args):
        code, out = self.desktop.run("probe.exe", *args, extra_env=self.extra_env)
        if code != 0:
            raise AssertionError(f"probe {' '.join(args)} exited with {code}: {out}")
        return out

    def windows(self):
        """Every utility window, with its fields sorted left to right."""
        found = []
        for line in self._run("windows").splitlines():
            if line.startswith("window "):
                window = parse_fields(line)
                window["outer"] = ints(window["outer"])
                window["client"] = ints(window["client"])
                window["origin"] = ints(window["origin"])
                window["fields"] = []
                found.append(window)
            elif line.startswith("field "):
                field = parse_fields(line)
                field["rect"] = ints(field["rect"])
                field["screen"] = ints(field["screen"])
                field["text"] = bytes.fromhex(field["text"])
                found[-1]["fields"].append(field)
        for window in found:
            window["fields"].sort(key=lambda field: field["rect"][0])
        return found

    def window(self, handle=None):
        for window in self.windows():
            if handle is None or window["handle"] == handle:
                return window
        return None

    def texts(self, handle=None):
        window = self.window(handle)
        return [field["text"] for field in window["fields"]]

    def metrics(self):
        values = {}
        for word in self._run("metrics").split():
            key, _, value = word.partition("=")
            values[key] = ints(value) if "," in value else int(value)
        return values

    def clipboard(self):
        out = self._run("clipboard").split()
        record = {"owner": int(out[0].partition("=")[2], 16)}
        for word in out[1:]:
            key, _, value = word.partition("=")
            record[key] = value
        if "block" in record:
            record["block"] = bytes.fromhex(record["block"])
            record["size"] = int(record["size"])
        return record

    def set_text(self, field_handle, data):
        self._run("settext", hex(field_handle), data.hex())

    def set_clipboard(self, data):
        return int(self._run("setclip", data.hex()).split("=")[1], 16)

    def move(self, handle, x, y, width, height):
        self._run("move", hex(handle), str(x), str(y), str(width), str(height))

    def post(self, handle, message, wparam=0):
        self._run("post", hex(handle), hex(message), str(wparam))

    def hotkey_free(self):
        return self._run("hotkey").strip() == "hotkey=free"
