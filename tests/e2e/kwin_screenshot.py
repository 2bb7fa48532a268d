#!/usr/bin/python3
"""Writes KWin's picture of its active screen to the PNG file named by the
first argument, through KWin's ScreenShot2 D-Bus interface (the session bus
of the environment). KWin sends the raw pixels through a pipe; ImageMagick
turns them into the file. KWin must run with
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1: it serves only programs that have a
desktop entry allowing it otherwise."""
import os
import subprocess
import sys

from gi.repository import Gio, GLib


def main(path):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    read_end, write_end = os.pipe()
    fds = Gio.UnixFDList.new()
    index = fds.append(write_end)
    options = {"include-cursor": GLib.Variant("b", False),
               "native-resolution": GLib.Variant("b", True)}
    reply, _ = bus.call_with_unix_fd_list_sync(
        "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
        "CaptureActiveScreen", GLib.Variant("(a{sv}h)", (options, index)),
        GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE, 20000, fds, None)
    # Every copy of the write end must close, or the read below never ends.
    os.close(write_end)
    for fd in fds.steal_fds():
        os.close(fd)
    meta = reply.unpack()[0]
    chunks = []
    while True:
        chunk = os.read(read_end, 1 << 20)
        if not chunk:
            break
        chunks.append(chunk)
    data = b"".join(chunks)
    width, height, stride = meta["width"], meta["height"], meta["stride"]
    if len(data) < stride * height:
        sys.exit(f"KWin sent {len(data)} bytes for {width}x{height}")
    # QImage's 32-bit formats lie in memory as B, G, R, A on this platform.
    rows = b"".join(data[y * stride:y * stride + width * 4] for y in range(height))
    subprocess.run(["convert", "-size", f"{width}x{height}", "-depth", "8", "bgra:-",
                    "-alpha", "off", path], input=rows, check=True)


if __name__ == "__main__":
    main(sys.argv[1])
