#!/usr/bin/env python3
"""Writes the damaged files of hostile_install_test.sh into a program folder.

  hostile_fixtures.py schedules DIR        future reminders, launches and holidays
  hostile_fixtures.py settings DIR WHAT    system.ini with one field out of its range
  hostile_fixtures.py reminders DIR WHAT   napom.dat: the future records and bad ones
  hostile_fixtures.py launches DIR WHAT    run.dat alike
  hostile_fixtures.py holidays DIR         day lines out of every range, stray months
  hostile_fixtures.py random PATH SEED     as many random bytes as PATH holds (or 4096)
  hostile_fixtures.py bitmap PATH W H      a 1-bit BMP of W x H pixels
  hostile_fixtures.py expect DIR           DIR/fired-napom.dat, DIR/fired-run.dat

`expect` writes what each schedule must hold once the clock has fired its
overdue records: those of a day before today (a date that names no day counts
as long overdue) or of today at a time before now. Every other record must
stay byte for byte. An empty fired- file stands for a schedule with nothing
left, which the clock removes.
"""
import datetime
import math
import os
import random
import struct
import sys

EPOCH = datetime.date(1899, 12, 30)
REMINDER_SIZE, LAUNCH_SIZE = 168, 272


def short_string(data, capacity, length=None):
    length = len(data) if length is None else length
    return bytes([length]) + data[:capacity].ljust(capacity, b"\0")


def day_count(days_ahead):
    return float((datetime.date.today() - EPOCH).days + days_ahead)


def reminder(date, time, text, time_length=None, text_length=None):
    rec = struct.pack("<d", date) + short_string(time, 5, time_length)
    rec += short_string(text, 150, text_length) + b"\0" * 3
    assert len(rec) == REMINDER_SIZE
    return rec


def launch(date, time, path, time_length=None, path_length=None):
    rec = struct.pack("<d", date) + short_string(time, 5, time_length)
    rec += short_string(path, 250, path_length) + b"\0" * 7
    assert len(rec) == LAUNCH_SIZE
    return rec


def future_reminders():
    return [reminder(day_count(30), b"10:30", "Напоминание через месяц".encode("cp1251")),
            reminder(day_count(400), b"23:59", b"Next year\r\nsecond line")]


def future_launches():
    return [launch(day_count(30), b"07:45", b"/nonexistent/hostile-job.sh")]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def schedules(folder):
    write(os.path.join(folder, "system", "napom.dat"), b"".join(future_reminders()))
    write(os.path.join(folder, "system", "run.dat"), b"".join(future_launches()))
    month = datetime.date.today().month
    write(os.path.join(folder, "prazdniki", f"{month}.prz"), b"1\r\n15\r\n28\r\n")


# Dates that name no day at all, which the reader takes for long overdue.
NO_DAY = [float("nan"), float("inf"), float("-inf"), 1e300, -1e300, 3.5e6]
# Time texts no clock minute ever equals, on a future day: these never fire.
BAD_TIMES = [(b"24:00", None), (b"12:60", None), (b"99:99", None), (b"ab:cd", None),
             (b"1:5", None), (b"10:30", 0), (b"10:30", 255), (b"\xff\xff\xff\xff\xff", None)]


def is_overdue(record):
    (value,) = struct.unpack("<d", record[:8])
    if not math.isfinite(value) or abs(value) > 3.0e6:
        return True
    day = EPOCH + datetime.timedelta(days=math.trunc(value))
    today = datetime.date.today()
    time = record[9:9 + min(record[8], 5)]
    return day < today or (day == today and datetime.datetime.now().strftime("%H:%M").encode() > time)


def expect(folder):
    for name, size in (("napom.dat", REMINDER_SIZE), ("run.dat", LAUNCH_SIZE)):
        path = os.path.join(folder, "system", name)
        if not os.path.isfile(path):  # opening a pipe would wait here
            continue
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError:  # none there, or not a file the clock reads either
            continue
        records = [data[i:i + size] for i in range(0, len(data) - size + 1, size)]
        kept = [r for r in records if not is_overdue(r)]
        # A rewrite keeps whole records only.
        write(os.path.join(folder, "fired-" + name),
              data if len(kept) == len(records) else b"".join(kept))


def bad_schedule(kind, folder, what):
    make, good = (reminder, future_reminders()) if kind == "reminders" else (launch,
                                                                           future_launches())
    text = b"/nonexistent/bad" if kind == "launches" else b"bad"
    if what == "dates":
        bad = [make(d, b"10:30", text) for d in NO_DAY]
    elif what == "times":
        bad = [make(day_count(60), t, text, n) for t, n in BAD_TIMES]
    elif what == "lengths":  # text length bytes beyond the capacity, and zero
        bad = [make(day_count(60), b"10:30", b"x" * 250, None, 255),
               make(day_count(61), b"10:30", b"", None, 0)]
    else:
        sys.exit(f"unknown schedule damage {what}")
    name = "napom.dat" if kind == "reminders" else "run.dat"
    records = good[:1] + bad + good[1:]
    write(os.path.join(folder, "system", name), b"".join(records))


def settings(folder, what):
    path = os.path.join(folder, "system", "system.ini")
    with open(path, "rb") as f:
        rec = bytearray(f.read())
    assert len(rec) == 60
    if what == "lang-length":
        rec[0] = 200
    elif what == "skin-length":
        rec[26] = 200
    elif what == "delay-negative":
        rec[52:56] = struct.pack("<i", -2**31)
    elif what == "delay-huge":
        rec[52:56] = struct.pack("<i", 2**31 - 1)
    elif what == "flags":
        rec[57:60] = b"\xff\x02\x80"
    elif what == "restart-flag":
        rec[56] = 0xff
    elif what == "names-cp1251":  # 0x98 is the one byte cp1251 leaves undefined
        rec[0:26] = short_string(b"\x98\x98.lng", 25)
        rec[26:52] = short_string(b"\x98.skn", 25)
    elif what == "short-skin-name":
        rec[26:52] = short_string(b"ab", 25)
    else:
        sys.exit(f"unknown settings damage {what}")
    write(path, bytes(rec))


def holidays(folder):
    month = datetime.date.today().month
    lines = [b"0", b"32", b"-1", b"4294967296", b"99999999999999999999", b"abc", b"   ",
             b"\xff\xfe", b"7" * 100000, b"15"]
    write(os.path.join(folder, "prazdniki", f"{month}.prz"), b"\r\n".join(lines) + b"\r\n")
    for stray in ("0", "13", "-1", "999"):
        write(os.path.join(folder, "prazdniki", f"{stray}.prz"), b"1\r\n")


def random_bytes(path, seed):
    size = os.path.getsize(path) if os.path.isfile(path) else 4096
    write(path, random.Random(seed).randbytes(max(size, 1)))


def bitmap(path, width, height):
    row = (width + 31) // 32 * 4
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + 8 + pixels, 0, 0, 14 + 40 + 8)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, pixels, 2835, 2835, 2, 2)
    with open(path, "wb") as f:
        f.write(header + info + b"\0\0\0\0\xff\xff\xff\0")
        line = bytes([0xF0]) * row
        for _ in range(height):
            f.write(line)


def main(argv):
    command, rest = argv[1], argv[2:]
    if command == "schedules":
        schedules(rest[0])
    elif command in ("reminders", "launches"):
        bad_schedule(command, rest[0], rest[1])
    elif command == "settings":
        settings(rest[0], rest[1])
    elif command == "holidays":
        holidays(rest[0])
    elif command == "random":
        random_bytes(rest[0], int(rest[1]))
    elif command == "expect":
        expect(rest[0])
    elif command == "bitmap":
        bitmap(rest[0], int(rest[1]), int(rest[2]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
