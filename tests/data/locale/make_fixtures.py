#!/usr/bin/env python3
"""Writes the language and holiday file fixtures byte for byte.

Run from anywhere; the files land beside this script and in ../calendar.
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
CALENDAR = os.path.join(HERE, "..", "calendar")


def cp(text):
    return text.encode("cp1251")


def lines(*items, end=b"\r\n", last_end=True):
    out = end.join(cp(i) if isinstance(i, str) else i for i in items)
    return out + end if last_end else out


def put(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


MONTHS = ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль",
          "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]

# A well-formed file with text around the sections, texts with spaces and an
# empty text, and a second [funlang] that a reader must never reach.
put(HERE, "sections.lng", lines(
    "text before any section",
    "[funupu]", "Просрочено напоминание", "Просрочен запуск", " в ", "[end]",
    "text between sections",
    "[funlang]", "  Выбор языка  ", "", "[end]",
    "[funlang]", "Second caption", "Second cancel", "[end]",
    "[month]", *MONTHS, "[end]",
    "[nedelya]", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс", "rus", "[end]",
    "text after the sections"))

# Headers that are not headers, and "[end]" lookalikes that end nothing.
put(HERE, "header-variants.lng", lines(
    "[funlang] ", "trailing space", "x", "[end]",
    "[FUNLANG]", "capitals", "x", "[end]",
    " [funlang]", "leading space", "x", "[end]",
    "[month] ", "Январь", "[end]",
    "[MONTH]", "Январь", "[end]",
    "[nedelya]", "Пн", "[end] ", "[END]", "Чт", "[end]"))

# [funlang] one line short: its "[end]" becomes line 2 and reading goes on
# into [funskin].
put(HERE, "one-short.lng", lines(
    "[funlang]", "Выбор языка", "[end]",
    "[funskin]", "Обложки", "Отмена", "[end]"))

# The last section lacks "[end]" and two of its lines, and the file lacks a
# final line end.
put(HERE, "missing-end.lng", lines(
    "[month]", *MONTHS, "[end]",
    "[funaut]", "Автозапуск", "Автозапуск установлен. Отменить?",
    last_end=False))

# Lines ended by LF alone, with a CR inside a text.
put(HERE, "lone-lf.lng", lines(
    "[funlang]", "Выбор языка", "Отмена", "[end]",
    "[funskin]", "Об\rложки", "Отмена", "[end]",
    end=b"\n"))

put(HERE, "month-26.lng", lines(
    "[month]", *["Месяц %d" % n for n in range(1, 27)], "[end]",
    "[nedelya]", *["День %d" % n for n in range(1, 11)], "[end]"))

# Lines longer than one read piece (64 KiB less one byte): one outside the
# sections, four whose CR LF falls around the piece end, and two with a CR
# around the piece end that belongs to the text.
PIECE = 64 * 1024 - 1
put(HERE, "long-line.lng",
    b"z" * (PIECE * 2 + 17) + b"\r\n" +
    b"[funholi]\r\n" +
    b"".join(b"\xff" * n + b"\r\n" for n in range(PIECE - 2, PIECE + 2)) +
    b"".join(b"b" * n + b"\rc\r\n" for n in (PIECE - 1, PIECE)) +
    b"short 1\r\nshort 2\r\n[end]\r\n")

rng = random.Random(1251)
noise = bytes(rng.randrange(256) for _ in range(8192))
put(HERE, "random.lng", noise)
put(HERE, "random-around-section.lng",
    noise[:3000] + b"\r\n[funlang]\r\n" + cp("Выбор языка") + b"\r\n" +
    cp("Отмена") + b"\r\n[end]\r\n" + noise[3000:])

# Holiday files.
put(CALENDAR, "january.prz", b"1\r\n7\r\n")
put(CALENDAR, "no-final-line-end.prz", b"1\r\n7")
put(CALENDAR, "zero-bytes.prz", b"")
put(CALENDAR, "one-empty-line.prz", b"\r\n")
put(CALENDAR, "lone-lf.prz", b"1\n7\n")
put(CALENDAR, "not-days.prz", b"07\r\n 7\r\n7 \r\n0\r\n32\r\nx\r\n\r\n31\r\n")
put(CALENDAR, "random.prz", bytes(rng.randrange(256) for _ in range(4096)))
