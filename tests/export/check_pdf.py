#!/usr/bin/env python3
"""Turns the year page tenvik-export prints into text with poppler's pdftotext and checks
the heading, the legend and, day by day, the marks against what the core rules say."""
import argparse
import calendar
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from exportcheck import SKIP, Checks, Workspace  # noqa: E402

MONTHS = [calendar.month_name[m] for m in range(1, 13)]  # the C locale's names
WEEKDAYS = ["Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"]
DAY_NUMBER = re.compile(r"\d{1,2}")


def pdf_text(path):
    # -raw keeps the order the page was drawn in: heading, legend, then day by day.
    return subprocess.run(["pdftotext", "-raw", "-enc", "UTF-8", path, "-"], capture_output=True, text=True,
                          check=True).stdout


def page_size(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    pages = re.search(r"^Pages:\s+(\d+)", info, re.M)
    size = re.search(r"^Page size:\s+(.*)$", info, re.M)
    return (int(pages.group(1)) if pages else 0), (size.group(1).strip() if size else "")


def expected_marks(facts):
    marks = {}
    for date, (code, platoon, payday, period) in facts.items():
        day = set()
        if code == "X":
            day.add("RDO")
        elif platoon in ("A", "B"):
            day.add(platoon)
        if payday:
            day.add("$")
        if period:
            day.add(period)
        marks[date] = day
    return marks


def check_months(checks, name, tokens, year, facts):
    marks = expected_marks(facts)
    if not checks.expect(MONTHS[0] in tokens, f"{name}: no month names"):
        return
    at = tokens.index(MONTHS[0])
    for month, month_name in enumerate(MONTHS, 1):
        if not checks.expect(at < len(tokens) and tokens[at] == month_name,
                             f"{name}: {month_name} expected, found {tokens[at:at + 3]}"):
            return
        checks.expect(tokens[at + 1:at + 8] == WEEKDAYS, f"{name}: {month_name} weekdays {tokens[at + 1:at + 8]}")
        at += 8
        days = []
        while at < len(tokens) and tokens[at] not in MONTHS:
            if DAY_NUMBER.fullmatch(tokens[at]):
                days.append((tokens[at], set()))
            elif days:
                days[-1][1].add(tokens[at])
            else:
                checks.expect(False, f"{name}: {month_name}: {tokens[at]!r} before the first day")
            at += 1
        length = calendar.monthrange(year, month)[1]
        checks.expect([d for d, _ in days] == [str(d) for d in range(1, length + 1)],
                      f"{name}: {month_name} days {[d for d, _ in days]}")
        for number, found in days:
            date = f"{year:04d}-{month:02d}-{int(number):02d}"
            want = marks.get(date)
            checks.expect(found == want, f"{name}: {date} shows {sorted(found)}, the rules give {sorted(want or [])}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--export", required=True)
    parser.add_argument("--facts", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    for tool in ("pdftotext", "pdfinfo"):
        if shutil.which(tool) is None:
            print(f"SKIP: {tool} is missing; install the Debian package poppler-utils "
                  "(scripts/packages.txt lists it)")
            return SKIP

    checks = Checks()
    work = Workspace(args.export, args.facts)
    try:
        work.write_settings("[Config]\nAgency=Velmora Fire\nRDO=A2\n")

        # A group's year on A4: the C locale measures in metric.
        sheet = work.path("2027.pdf")
        run = work.run("--pdf", sheet, "--year", "2027")
        checks.expect(run.returncode == 0, f"2027: export failed: {run.stderr}")
        # No display and no session: Qt has nothing to say.
        checks.expect(run.stderr == "", f"2027: stderr {run.stderr!r}")
        checks.expect(run.stdout == f"{sheet}: the year 2027 on a4 paper\n", f"2027: stdout {run.stdout!r}")
        pages, size = page_size(sheet)
        checks.expect(pages == 1, f"2027: {pages} pages")
        checks.expect(size.startswith("842 x 595"), f"2027: page size {size}, A4 landscape expected")
        text = pdf_text(sheet)
        checks.expect(text.startswith("Velmora Fire - A2 2027"), f"2027: heading {text[:40]!r}")
        for words in ("Group A2, A platoon", "A platoon on duty", "B platoon on duty", "Shaded: you are on duty",
                      "Your RDO (A2)", "Payday", "First day of a pay period", "official roster"):
            checks.expect(words in text, f"2027: {words!r} missing")
        check_months(checks, "2027", text.split(), 2027, work.facts("A2", "2020-12-20", "2027-01-01", "2027-12-31"))

        # In the language of whoever prints it: the words of its translation, the months of
        # its locale.
        sheet = work.path("2027-es.pdf")
        run = work.run("--pdf", sheet, "--year", "2027", locale="es_ES.UTF-8")
        checks.expect(run.returncode == 0 and run.stdout == f"{sheet}: el año 2027 en papel a4\n",
                      f"2027 in Spanish: {run.returncode}, {run.stdout!r}, {run.stderr!r}")
        text = pdf_text(sheet)
        for words in ("Grupo A2, turno A", "Turno A de guardia", "Sombreado: usted está de guardia", "Su RDO (A2)",
                      "Día de pago", "enero", "diciembre"):
            checks.expect(words in text, f"2027 in Spanish: {words!r} missing")

        # No group, in the year the RDO schedule begins (17 January 2012): no platoon
        # before it, no RDO mark and no RDO in the legend.
        sheet = work.path("2012.pdf")
        run = work.run("--pdf", sheet, "--year", "2012", "--group", "RDO")
        checks.expect(run.returncode == 0, f"2012: export failed: {run.stderr}")
        text = pdf_text(sheet)
        checks.expect(text.startswith("Velmora Fire 2012"), f"2012: heading {text[:40]!r}")
        checks.expect("No RDO group chosen" in text, "2012: the heading does not say there is no group")
        checks.expect("Your RDO" not in text, "2012: the legend shows an RDO without a group")
        check_months(checks, "2012", text.split(), 2012, work.facts("RDO", "2020-12-20", "2012-01-01", "2012-12-31"))

        # The paper: --paper, then PAPERSIZE, then the locale's paper category as the C
        # library takes it (LC_ALL, LC_PAPER, LANG).
        sheet = work.path("paper.pdf")
        for name, args, env, want in [
            ("LC_ALL", [], {"LC_ALL": "en_US.UTF-8"}, "792 x 612"),
            ("LC_PAPER", [], {"LC_ALL": None, "LANG": "de_DE.UTF-8", "LC_PAPER": "en_CA.UTF-8"}, "792 x 612"),
            ("LANG", [], {"LC_ALL": None, "LANG": "es_MX.UTF-8"}, "792 x 612"),
            ("LC_ALL over LC_PAPER", [], {"LC_ALL": "en_GB.UTF-8", "LC_PAPER": "en_US.UTF-8"}, "842 x 595"),
            ("PAPERSIZE", [], {"PAPERSIZE": "letter"}, "792 x 612"),
            ("--paper", ["--paper", "a4"], {"LC_ALL": "en_US.UTF-8", "PAPERSIZE": "letter"}, "842 x 595"),
        ]:
            run = work.run("--pdf", sheet, "--year", "2027", *args, env=env)
            checks.expect(run.returncode == 0, f"{name}: export failed: {run.stderr}")
            pages, size = page_size(sheet)
            checks.expect(size.startswith(want), f"{name}: page size {size}, {want} expected")

        # The page on standard output, the summary on standard error.
        run = work.run("--pdf", "-", "--year", "2027", binary=True)
        checks.expect(run.returncode == 0 and run.stdout.startswith(b"%PDF-"), f"--pdf -: {run.stderr!r}")
        checks.expect(run.stderr == b"standard output: the year 2027 on a4 paper\n", f"--pdf -: {run.stderr!r}")
        with open(sheet, "wb") as out:
            out.write(run.stdout)
        checks.expect(page_size(sheet)[0] == 1, "--pdf -: not one page")

        run = work.run("--pdf", sheet, "--year", "2061")
        checks.expect(run.returncode == 2 and "outside the calendar's range" in run.stderr,
                      f"--year 2061: exit {run.returncode}, {run.stderr!r}")
    finally:
        work.close()
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main())
