#!/usr/bin/env python3
"""Runs tenvik-export on the user's records in throwaway settings folders: the entries CSV
written, imported into an empty profile and written again; wrong files and second imports
refused with nothing changed; the calendar file with and without the entries; and the pay
periods' CSV."""
import argparse
import csv
import io
import os
import re
import shutil
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from exportcheck import Checks, Workspace  # noqa: E402

HEADER = "id,date,kind,detail,pay,colleague,hours,pays_back,text"
# Every kind of entry, a payback of the first trade, quoting, letters beyond ASCII and texts
# a spreadsheet would run as formulas. Ids in the order the records will give them.
ENTRIES = [
    ["1", "2027-01-05", "trade", "i-worked-for", "", "Ana Ruiz", "24", "", ""],
    ["2", "2027-01-05", "note", "", "", "", "", "", 'Bring the "new" boots, gloves'],
    ["3", "2027-02-10", "leave", "vacation", "", "", "10.5", "", "=1+1"],
    ["4", "2027-03-01", "extra", "overtime", "banked", "", "4", "", ""],
    ["5", "2027-03-20", "trade", "worked-for-me", "", "Ana Ruiz", "24", "1", "paid back"],
    ["6", "2027-12-30", "trade", "i-worked-for", "", "Jürgen Østby", "12", "", "@home"],
]


def csv_text(rows, header=HEADER):
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\r\n")
    out.write(header + "\r\n")
    writer.writerows(rows)
    return out.getvalue()


def rows_of(path):
    with open(path, encoding="utf-8-sig", newline="") as data:
        rows = list(csv.reader(data))
    return rows[0], rows[1:]


def uids(ics_text):
    return re.findall(r"^UID:(.*?)\r?$", ics_text, re.MULTILINE)


class Profile:
    """A settings folder of its own, with or without a records file."""

    def __init__(self, work, name):
        self.work = work
        self.config = work.path(name)
        self.folder = os.path.join(self.config, "Quorvell", "Tenvik")
        self.database = os.path.join(self.folder, "Tenvik.db")

    def run(self, *args):
        return self.work.run(*args, env={"XDG_CONFIG_HOME": self.config})

    def settings(self, text):
        os.makedirs(self.folder, exist_ok=True)
        with open(os.path.join(self.folder, "Tenvik.ini"), "w", encoding="utf-8") as out:
            out.write(text)

    def entries(self, checks, name):
        path = self.work.path(name)
        result = self.run("--entries-csv", path)
        checks.expect(result.returncode == 0, f"--entries-csv {name}: {result.returncode} {result.stderr}")
        return path


def write(work, name, text):
    path = work.path(name)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(text)
    return path


def check_round_trip(checks, work):
    first = Profile(work, "first")
    source = write(work, "source.csv", csv_text(ENTRIES))
    result = first.run("--import-csv", source)
    checks.expect(result.returncode == 0, f"import into an empty profile: {result.returncode} {result.stderr}")
    checks.expect("6 entries imported" in result.stdout, f"import says {result.stdout!r}")
    checks.expect(os.path.exists(first.database), "the import made no records file")

    written = first.entries(checks, "first.csv")
    with open(written, "rb") as data:
        raw = data.read()
    checks.expect(raw.startswith(b"\xef\xbb\xbf") and raw.endswith(b"\r\n"), "not UTF-8 with a BOM and CR LF")
    checks.expect(b"'=1+1" in raw and b"'@home" in raw, "a formula-like text is not neutralised")
    header, rows = rows_of(written)
    checks.expect(",".join(header) == HEADER, f"header {header}")
    # The written text carries the extra quote; reading it back strips it.
    expected = [[*row[:8], ("'" + row[8]) if row[8] and row[8][0] in "=+-@'" else row[8]] for row in ENTRIES]
    checks.expect(rows == expected, f"written entries differ:\n{rows}\n{expected}")

    # On a new computer: an empty profile takes the file and gives the same entries back.
    second = Profile(work, "second")
    result = second.run("--import-csv", written)
    checks.expect(result.returncode == 0, f"second import: {result.returncode} {result.stderr}")
    again = second.entries(checks, "second.csv")
    with open(again, "rb") as data:
        checks.expect(data.read() == raw, "the entries read back differ from those written")
    return first, written


def check_refusals(checks, work, profile, written):
    with open(written, "rb") as data:
        before = data.read()

    def unchanged(what):
        after = profile.entries(checks, "after.csv")
        with open(after, "rb") as data:
            checks.expect(data.read() == before, f"{what}: the records changed")

    bad_files = {
        "hours out of range": (csv_text([ENTRIES[0], ENTRIES[1], ["9", "2027-04-01", "leave", "sick", "", "", "49",
                                                                  "", ""]]), "line 4, column hours"),
        "wrong header": (csv_text(ENTRIES[:1], header="id,date,kind"), "line 1"),
        "broken quoting": (HEADER + "\r\n" + '1,2027-01-05,note,,,,,,"open\r\n', "line 2"),
        "wrong columns": (csv_text([ENTRIES[0], ["2", "2027-01-06", "note"]]), "line 3"),
        "a date out of range": (csv_text([["1", "2061-01-01", "note", "", "", "", "", "", "x"]]), "line 2, column date"),
    }
    for name, (text, where) in bad_files.items():
        result = profile.run("--import-csv", write(work, "bad.csv", text), "--add")
        checks.expect(result.returncode == 1, f"{name}: exit {result.returncode}")
        checks.expect(where in result.stderr, f"{name}: {result.stderr!r} does not say {where!r}")
        unchanged(name)

    # A second import of the same file adds nothing, with --add or without.
    result = profile.run("--import-csv", written)
    checks.expect(result.returncode == 1 and "--add" in result.stderr, f"into full records: {result.stderr!r}")
    unchanged("into full records")
    result = profile.run("--import-csv", written, "--add")
    checks.expect(result.returncode == 1 and "line 2" in result.stderr, f"imported twice: {result.stderr!r}")
    unchanged("imported twice")
    # New entries are added to those there.
    more = write(work, "more.csv", csv_text([["7", "2027-05-01", "note", "", "", "", "", "", "another day"]]))
    result = profile.run("--import-csv", more, "--add")
    checks.expect(result.returncode == 0, f"--add: {result.returncode} {result.stderr}")
    _header, rows = rows_of(profile.entries(checks, "after.csv"))
    checks.expect(len(rows) == len(ENTRIES) + 1, f"--add gave {len(rows)} entries")

    # A wrong file makes no settings folder and no records.
    empty = Profile(work, "never")
    result = empty.run("--import-csv", write(work, "bad.csv", csv_text(ENTRIES[:1], header="id")))
    checks.expect(result.returncode == 1 and not os.path.exists(empty.config), "a wrong file made a folder")


def check_reading_makes_nothing(checks, work):
    profile = Profile(work, "nothing")
    path = profile.entries(checks, "none.csv")
    _header, rows = rows_of(path)
    checks.expect(rows == [], "entries without records")
    checks.expect(not os.path.exists(profile.config), "reading made a settings folder")


def check_damaged_records(checks, work):
    """A damaged file is set aside, never overwritten, and the newest backup is named."""
    profile = Profile(work, "damaged")
    source = write(work, "damaged-source.csv", csv_text(ENTRIES))
    result = profile.run("--import-csv", source)
    checks.expect(result.returncode == 0, f"import: {result.returncode} {result.stderr}")
    # Yesterday's backup, as the first opening of that day left it (a file made today has
    # none yet).
    backups = os.path.join(profile.folder, "backups")
    os.makedirs(backups, exist_ok=True)
    newest = "Tenvik-2026-12-10.db"
    shutil.copyfile(profile.database, os.path.join(backups, newest))
    shutil.copyfile(profile.database, os.path.join(backups, "Tenvik-2026-12-01.db"))
    garbage = b"This is not a database" * 100
    with open(profile.database, "wb") as out:
        out.write(garbage)

    result = profile.run("--import-csv", source)
    checks.expect(result.returncode == 0, f"import after the damage: {result.returncode} {result.stderr}")
    aside = [name for name in os.listdir(profile.folder) if name.startswith("Tenvik.db.corrupt-")]
    checks.expect(len(aside) == 1, f"set aside: {aside}")
    if aside:
        with open(os.path.join(profile.folder, aside[0]), "rb") as data:
            checks.expect(data.read() == garbage, "the damaged file was changed")
        checks.expect(aside[0] in result.stderr, f"the set-aside name is not said: {result.stderr!r}")
    checks.expect("the newest backup is" in result.stderr and newest in result.stderr,
                  f"the newest backup {newest} is not named: {result.stderr!r}")
    _header, rows = rows_of(profile.entries(checks, "damaged.csv"))
    checks.expect(len(rows) == len(ENTRIES), f"{len(rows)} entries in the new file")


def check_calendar(checks, work, profile):
    profile.settings("[Config]\nRDO=A2\nPPStart=2021-01-03\n")
    plain = profile.run("--ics", "-", "--year", "2027")
    full = profile.run("--ics", "-", "--year", "2027", "--with-entries")
    checks.expect(plain.returncode == 0 and full.returncode == 0, f"--ics: {plain.stderr} {full.stderr}")
    plain_uids, full_uids = uids(plain.stdout), uids(full.stdout)
    checks.expect(not any("-entry-" in uid for uid in plain_uids), "entries without --with-entries")
    entry_uids = [uid for uid in full_uids if "-entry-" in uid]
    expected = sorted([(row[1].replace("-", ""), row[0]) for row in ENTRIES] + [("20270501", "7")])
    checks.expect(entry_uids == [f"{day}-entry-{id}@tenvik.example.org" for day, id in expected],
                  f"entry events {entry_uids}")
    checks.expect([uid for uid in full_uids if "-entry-" not in uid] == plain_uids, "the other events changed")
    checks.expect("SUMMARY:Worked for Ana Ruiz (24 h)" in full.stdout, "a trade's title")
    narrow = profile.run("--ics", "-", "--from", "2027-03-01", "--to", "2027-03-31", "--with-entries")
    checks.expect([uid for uid in uids(narrow.stdout) if "-entry-" in uid]
                  == ["20270301-entry-4@tenvik.example.org", "20270320-entry-5@tenvik.example.org"],
                  "entries outside the range")
    result = profile.run("--pdf", "-", "--with-entries")
    checks.expect(result.returncode == 2 and "--ics" in result.stderr, "--with-entries without --ics")


def check_pay_periods(checks, work, profile):
    profile.settings("[Config]\nRDO=A2\nPPStart=2021-01-03\nShiftHours=12\n")
    path = work.path("periods.csv")
    result = profile.run("--pay-periods-csv", path, "--year", "2027")
    checks.expect(result.returncode == 0, f"--pay-periods-csv: {result.returncode} {result.stderr}")
    header, rows = rows_of(path)
    checks.expect(",".join(header) == "pay_period,first_day,last_day,scheduled,trades_in,trades_out,leave,extra,total",
                  f"header {header}")
    checks.expect(rows[0][1] <= "2027-01-01" and rows[-1][2] >= "2027-12-31", "the year is not covered")
    trades_in = sum(float(row[4]) for row in rows)
    checks.expect(trades_in == 36, f"trades in {trades_in}")
    # Twelve-hour shifts: every period's scheduled hours are a multiple of 12.
    checks.expect(all(float(row[3]) % 12 == 0 and float(row[3]) > 0 for row in rows), "scheduled hours")
    # A range across the year's end: each period once.
    result = profile.run("--pay-periods-csv", path, "--from", "2027-12-20", "--to", "2028-01-20")
    _header, rows = rows_of(path)
    firsts = [row[1] for row in rows]
    checks.expect(result.returncode == 0 and len(firsts) == len(set(firsts)) and 2 <= len(rows) <= 3,
                  f"periods of a range {firsts}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--export", required=True)
    parser.add_argument("--facts", required=True)
    parser.add_argument("--version")
    args = parser.parse_args()
    checks = Checks()
    work = Workspace(args.export, args.facts)
    try:
        profile, written = check_round_trip(checks, work)
        check_refusals(checks, work, profile, written)
        check_reading_makes_nothing(checks, work)
        check_damaged_records(checks, work)
        check_calendar(checks, work, profile)
        check_pay_periods(checks, work, profile)
    finally:
        work.close()
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main())
