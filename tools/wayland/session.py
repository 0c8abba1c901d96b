#!/usr/bin/env python3
"""What the Wayland check asks of the session it runs in.

  session.py window TITLE            prints "x y width height floating" of the window's contents
  session.py over CHILD PARENT       the window CHILD floats over PARENT, with its centre inside it
  session.py click X Y [PORT]        a left click at screen point X, Y through the VNC server
  session.py lively FILE X Y W H     the region of a PPM screenshot is not one flat colour
"""
import json
import socket
import struct
import subprocess
import sys
import time


def tree():
    return json.loads(subprocess.check_output(["swaymsg", "-t", "get_tree"]))


def find(node, title, floating=False):
    if node.get("type") in ("con", "floating_con") and node.get("name") == title:
        return node, floating
    for child in node.get("nodes", []):
        hit = find(child, title, floating)
        if hit:
            return hit
    for child in node.get("floating_nodes", []):
        hit = find(child, title, True)
        if hit:
            return hit
    return None


def window(title):
    hit = find(tree(), title)
    if not hit:
        return None
    node, floating = hit
    r, inner = node["rect"], node["window_rect"]
    return r["x"] + inner["x"], r["y"] + inner["y"], inner["width"], inner["height"], floating


def over(child, parent):
    c, p = window(child), window(parent)
    if not c or not p:
        print(f"missing: {child if not c else parent}")
        return False
    cx, cy = c[0] + c[2] // 2, c[1] + c[3] // 2
    inside = p[0] <= cx < p[0] + p[2] and p[1] <= cy < p[1] + p[3]
    print(f"{child}: {c}; {parent}: {p}")
    return c[4] and inside and c[2] < p[2] + 200


def receive(s, n):
    data = b""
    while len(data) < n:
        part = s.recv(n - len(data))
        if not part:
            raise ConnectionError("the VNC server hung up")
        data += part
    return data


def click(x, y, port=5900):
    """A client of the remote framebuffer protocol that only moves and presses."""
    s = socket.create_connection(("127.0.0.1", port), timeout=10)
    version = receive(s, 12)
    s.sendall(version if version >= b"RFB 003.008\n" else b"RFB 003.003\n")
    if version >= b"RFB 003.007\n":
        count = receive(s, 1)[0]
        kinds = receive(s, count)
        if 1 not in kinds:
            raise ConnectionError("the VNC server wants a password")
        s.sendall(b"\x01")
        if struct.unpack(">I", receive(s, 4))[0] != 0:
            raise ConnectionError("the VNC server refused")
    else:
        receive(s, 4)
    s.sendall(b"\x01")  # shared
    head = receive(s, 24)
    receive(s, struct.unpack(">I", head[20:24])[0])
    for mask in (0, 1, 0):
        s.sendall(struct.pack(">BBHH", 5, mask, x, y))
        time.sleep(0.15)
    s.close()


def lively(path, x, y, w, h):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    colours = set()
    for row in range(max(y, 0), min(y + h, height)):
        start = pos + (row * width + max(x, 0)) * 3
        line = data[start:start + (min(x + w, width) - max(x, 0)) * 3]
        colours.update(line[i:i + 3] for i in range(0, len(line), 3 * 4))
    print(f"{len(colours)} colours in {w}x{h}+{x}+{y}")
    return len(colours) >= 8


def main(argv):
    what = argv[1]
    if what == "window":
        w = window(argv[2])
        print(*w) if w else print("none")
        return 0 if w else 1
    if what == "over":
        return 0 if over(argv[2], argv[3]) else 1
    if what == "click":
        click(int(argv[2]), int(argv[3]), int(argv[4]) if len(argv) > 4 else 5900)
        return 0
    if what == "lively":
        return 0 if lively(argv[2], *map(int, argv[3:7])) else 1
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
