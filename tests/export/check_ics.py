#!/usr/bin/env python3
"""Reads the calendar files tenvik-export writes with an independent parser, Python's
icalendar, and checks every event against what the core rules say about its day."""
import argparse
import datetime
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from exportcheck import SKIP, Checks, Workspace  # noqa: E402

try:
    import icalendar
except ImportError:
    print("SKIP: Python's icalendar is missing; install the Debian package python3-icalendar "
          "(scripts/packages.txt lists it)")
    sys.exit(SKIP)

# A comma, a semicolon, a backslash and letters beyond ASCII must all come back as written.
AGENCY = "Velmora Fire, Station 3; N\u00f8rd\\\u00d8st \u2013 a name long enough to fold its lines"
PP_START = "2021-01-03"
UID = re.compile(r"(\d{8})-(duty|rdo|payday|pp)@tenvik\.example\.org")
ONE_DAY = datetime.timedelta(days=1)


def expected_events(facts, group, kinds):
    """{(date, kind): pay-period label or None} for the days the rules give."""
    events = {}
    for date, (code, _platoon, payday, period) in facts.items():
        day = datetime.date.fromisoformat(date)
        if "duty" in kinds and group != "RDO" and code == group[0]:
            events[(day, "duty")] = None
        if "rdo" in kinds and code == "X":
            events[(day, "rdo")] = None
        if "payday" in kinds and payday:
            events[(day, "payday")] = None
        if "pp" in kinds and period:
            events[(day, "pp")] = period
    return events


def check_raw(checks, name, raw):
    checks.expect(raw.endswith(b"\r\n"), f"{name}: does not end with CRLF")
    lines = raw.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        if not checks.expect(b"\n" not in line and b"\r" not in line, f"{name}:{number}: a bare line break"):
            break
        if not checks.expect(len(line) <= 75, f"{name}:{number}: {len(line)} octets"):
            break
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            checks.expect(False, f"{name}:{number}: a fold split a UTF-8 character")
            break
    checks.expect(any(line.startswith(b" ") for line in lines), f"{name}: no line was folded")


def read_calendar(checks, name, path, group, facts, kinds):
    """Parses the file, checks each event and returns {(date, kind): uid}."""
    with open(path, "rb") as f:
        raw = f.read()
    check_raw(checks, name, raw)
    calendar = icalendar.Calendar.from_ical(raw)
    checks.expect(str(calendar.get("VERSION")) == "2.0", f"{name}: VERSION")
    checks.expect(str(calendar.get("PRODID", "")).startswith("-//Quorvell//Tenvik"), f"{name}: PRODID")
    checks.expect(str(calendar.get("CALSCALE")) == "GREGORIAN", f"{name}: CALSCALE")

    found = {}
    for event in calendar.walk("VEVENT"):
        uid = str(event.get("UID"))
        match = UID.fullmatch(uid)
        if not checks.expect(match is not None, f"{name}: UID {uid!r}"):
            continue
        start = event.decoded("DTSTART")
        end = event.decoded("DTEND")
        stamp = event.decoded("DTSTAMP")
        where = f"{name}: {uid}"
        checks.expect(type(start) is datetime.date, f"{where}: DTSTART is not a date")
        checks.expect(event["DTSTART"].params.get("VALUE") == "DATE", f"{where}: DTSTART without VALUE=DATE")
        checks.expect(end == start + ONE_DAY, f"{where}: DTEND {end} is not the day after {start}")
        checks.expect(isinstance(stamp, datetime.datetime) and stamp.utcoffset() == datetime.timedelta(0),
                      f"{where}: DTSTAMP {stamp!r} is no UTC time")
        checks.expect(match.group(1) == start.strftime("%Y%m%d"), f"{where}: UID names another day than {start}")
        key = (start, match.group(2))
        checks.expect(key not in found, f"{where}: twice")
        found[key] = uid

        summary = str(event.get("SUMMARY"))
        description = str(event.get("DESCRIPTION"))
        kind = match.group(2)
        if kind == "duty":
            checks.expect(summary == f"On duty - {group}", f"{where}: SUMMARY {summary!r}")
            checks.expect(description.startswith(AGENCY + ", group " + group), f"{where}: DESCRIPTION {description!r}")
        elif kind == "rdo":
            checks.expect(summary == f"RDO - {group}", f"{where}: SUMMARY {summary!r}")
        elif kind == "payday":
            checks.expect(summary == f"Payday - {AGENCY}", f"{where}: SUMMARY {summary!r}")
        else:
            period = facts.get(start.isoformat(), (None, None, None, None))[3]
            checks.expect(summary == f"{period} begins - {AGENCY}", f"{where}: SUMMARY {summary!r}")

    expected = expected_events(facts, group, kinds)
    missing = sorted(set(expected) - set(found))
    extra = sorted(set(found) - set(expected))
    checks.expect(not missing, f"{name}: events the rules give but the file lacks: {missing[:6]}")
    checks.expect(not extra, f"{name}: events the rules do not give: {extra[:6]}")
    checks.expect(len(found) > 0, f"{name}: no events")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--export", required=True)
    parser.add_argument("--facts", required=True)
    args = parser.parse_args()

    checks = Checks()
    work = Workspace(args.export, args.facts)
    try:
        # The group is stored in lower case and the pay-period start in ISO form.
        work.write_settings(f"[Config]\nAgency={AGENCY}\nRDO=a2\nPPStart={PP_START}\n")
        all_kinds = {"duty", "rdo", "payday", "pp"}

        first = work.path("first.ics")
        run = work.run("--ics", first, "--from", "2026-12-10", "--to", "2027-12-10")
        checks.expect(run.returncode == 0, f"first export failed: {run.stderr}")
        facts = work.facts("A2", PP_START, "2026-12-10", "2027-12-10")
        uids_first = read_calendar(checks, "first.ics", first, "A2", facts, all_kinds)

        # A later file for an overlapping range: the same day and kind, the same UID.
        second = work.path("second.ics")
        run = work.run("--ics", second, "--from", "2027-06-01", "--to", "2028-06-01")
        checks.expect(run.returncode == 0, f"second export failed: {run.stderr}")
        facts = work.facts("A2", PP_START, "2027-06-01", "2028-06-01")
        uids_second = read_calendar(checks, "second.ics", second, "A2", facts, all_kinds)
        overlap = set(uids_first) & set(uids_second)
        checks.expect(len(overlap) > 100, f"only {len(overlap)} events in the overlap")
        for key in sorted(overlap):
            checks.expect(uids_first[key] == uids_second[key], f"{key}: {uids_first[key]} then {uids_second[key]}")

        # Another group on the command line, and kinds left out.
        third = work.path("third.ics")
        run = work.run("--ics", third, "--from", "2027-01-01", "--to", "2027-03-31", "--group", "b7", "--no-paydays",
                       "--no-duty")
        checks.expect(run.returncode == 0, f"third export failed: {run.stderr}")
        facts = work.facts("B7", PP_START, "2027-01-01", "2027-03-31")
        read_calendar(checks, "third.ics", third, "B7", facts, {"rdo", "pp"})

        # Errors: a clear message, a non-zero exit and no file.
        for bad_args, message in [
            (["--from", "2027-02-30"], "'2027-02-30' is not a date"),
            (["--to", "31.12.2027"], "'31.12.2027' is not a date"),
            (["--group", "C9"], "'C9' is no group"),
            (["--from", "2028-01-01", "--to", "2027-01-01"], "the range ends before it begins"),
        ]:
            target = work.path("refused.ics")
            run = work.run("--ics", target, *bad_args)
            checks.expect(run.returncode == 2, f"{bad_args}: exit {run.returncode}")
            checks.expect(message in run.stderr, f"{bad_args}: stderr {run.stderr!r}")
            checks.expect(not os.path.exists(target), f"{bad_args}: a file was written")
        run = work.run("--ics", work.path("no/such/folder/x.ics"))
        checks.expect(run.returncode == 1, f"unwritable file: exit {run.returncode}")
        checks.expect("cannot write" in run.stderr, f"unwritable file: stderr {run.stderr!r}")
        run = work.run("--help")
        checks.expect(run.returncode == 0 and "--ics FILE" in run.stdout, "--help")
    finally:
        work.close()
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main())
