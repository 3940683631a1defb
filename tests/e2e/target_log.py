"""What target.exe logged: one line per message, "stamp name wParam lParam"."""

VK_V = 0x56


def read_v_keys(path):
    """Every WM_KEYDOWN of the V key, as (milliseconds, wParam, lParam)."""
    keys = []
    for line in path.read_text().splitlines():
        stamp, name, wparam, lparam = line.split()
        if name == "WM_KEYDOWN" and int(wparam, 16) == VK_V:
            keys.append((float(stamp), int(wparam, 16), int(lparam, 16)))
    return keys
