#!/usr/bin/env python3
"""Reads the calendar files tenvik-export writes with an independent parser, Python's
icalendar, and checks every event against what the core rules say about its day."""
import argparse
import datetime
import os
import re
import stat
import sys
import threading

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from exportcheck import SKIP, Checks, Workspace, need_icalendar  # noqa: E402

icalendar = need_icalendar()

# A comma, a semicolon, a backslash and letters beyond ASCII must all come back as written.
AGENCY = "Velmora Fire, Station 3; N\u00f8rd\\\u00d8st \u2013 a name long enough to fold its lines"
PP_START = "2021-01-03"
UID = re.compile(r"(\d{8})-(duty|rdo|payday|pp)(?:-([ab][1-7]))?@tenvik\.example\.org")
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


def check_raw(checks, name, raw, folded):
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
    if folded:
        checks.expect(any(line.startswith(b" ") for line in lines), f"{name}: no line was folded")


def read_bytes(path):
    """The file's bytes; none when it is missing, which the parser then refuses."""
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return b""


def read_calendar(checks, name, raw, group, facts, kinds, version, agency=AGENCY):
    """Parses the file, checks each event and returns {(date, kind): uid}."""
    check_raw(checks, name, raw, folded=len(agency) > 60)
    try:
        calendar = icalendar.Calendar.from_ical(raw)
    except ValueError as error:
        checks.expect(False, f"{name}: the parser refuses it: {error}")
        return {}
    checks.expect(str(calendar.get("VERSION")) == "2.0", f"{name}: VERSION")
    checks.expect(str(calendar.get("PRODID")) == f"-//Quorvell//Tenvik {version}//EN", f"{name}: PRODID")
    checks.expect(str(calendar.get("CALSCALE")) == "GREGORIAN", f"{name}: CALSCALE")
    checks.expect(str(calendar.get("METHOD")) == "PUBLISH", f"{name}: METHOD")
    title = agency if group == "RDO" else f"{agency} - {group}"
    checks.expect(str(calendar.get("X-WR-CALNAME")) == title, f"{name}: X-WR-CALNAME {calendar.get('X-WR-CALNAME')!r}")
    refresh = calendar.get("REFRESH-INTERVAL")
    checks.expect(refresh is not None and refresh.params.get("VALUE") == "DURATION"
                  and refresh.to_ical() == b"P1W", f"{name}: REFRESH-INTERVAL {refresh!r}")
    checks.expect(str(calendar.get("X-PUBLISHED-TTL")) == "P1W", f"{name}: X-PUBLISHED-TTL")

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
        if match.group(2) in ("duty", "rdo"):
            checks.expect(match.group(3) == group.lower(), f"{where}: UID does not name the group {group}")
        else:
            checks.expect(match.group(3) is None, f"{where}: the agency's days name a group")
        key = (start, match.group(2))
        checks.expect(key not in found, f"{where}: twice")
        found[key] = uid

        summary = str(event.get("SUMMARY"))
        description = str(event.get("DESCRIPTION"))
        kind = match.group(2)
        if kind == "duty":
            checks.expect(summary == f"On duty - {group}", f"{where}: SUMMARY {summary!r}")
            checks.expect(description.startswith(agency + ", group " + group), f"{where}: DESCRIPTION {description!r}")
        elif kind == "rdo":
            checks.expect(summary == f"RDO - {group}", f"{where}: SUMMARY {summary!r}")
        elif kind == "payday":
            checks.expect(summary == f"Payday - {agency}", f"{where}: SUMMARY {summary!r}")
        else:
            period = facts.get(start.isoformat(), (None, None, None, None))[3]
            checks.expect(summary == f"{period} begins - {agency}", f"{where}: SUMMARY {summary!r}")

    expected = expected_events(facts, group, kinds)
    missing = sorted(set(expected) - set(found))
    extra = sorted(set(found) - set(expected))
    checks.expect(not missing, f"{name}: events the rules give but the file lacks: {missing[:6]}")
    checks.expect(not extra, f"{name}: events the rules do not give: {extra[:6]}")
    return found


def check_contents(checks, work, version):
    """The events of the files against the rules, and their identifiers across files."""
    all_kinds = {"duty", "rdo", "payday", "pp"}
    first = work.path("first.ics")
    run = work.run("--ics", first, "--from", "2026-12-10", "--to", "2027-12-10")
    checks.expect(run.returncode == 0, f"first export failed: {run.stderr}")
    # Where there is no session (no XDG_RUNTIME_DIR, no display) Qt has nothing to say.
    checks.expect(run.stderr == "", f"first export: stderr {run.stderr!r}")
    facts = work.facts("A2", PP_START, "2026-12-10", "2027-12-10")
    uids_first = read_calendar(checks, "first.ics", read_bytes(first), "A2", facts, all_kinds, version)
    checks.expect(len(uids_first) > 100, f"first.ics: only {len(uids_first)} events")

    # A later file for an overlapping range: the same day and kind, the same UID.
    second = work.path("second.ics")
    run = work.run("--ics", second, "--from", "2027-06-01", "--to", "2028-06-01")
    checks.expect(run.returncode == 0, f"second export failed: {run.stderr}")
    facts = work.facts("A2", PP_START, "2027-06-01", "2028-06-01")
    uids_second = read_calendar(checks, "second.ics", read_bytes(second), "A2", facts, all_kinds, version)
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
    read_calendar(checks, "third.ics", read_bytes(third), "B7", facts, {"rdo", "pp"}, version)

    # Standard output carries the file and nothing else; the summary goes to stderr. Two
    # groups of one household share one calendar: none of their duty days or RDOs clash.
    by_group = {}
    for group in ("A2", "B3"):
        run = work.run("--ics", "-", "--year", "2027", "--group", group, binary=True)
        out, err = run.stdout, run.stderr.decode()
        checks.expect(run.returncode == 0 and out.startswith(b"BEGIN:VCALENDAR\r\n"), f"--ics - {group}: {err}")
        checks.expect(re.fullmatch(r"standard output: \d+ events, 2027-01-01 to 2027-12-31\n", err) is not None,
                      f"--ics - {group}: stderr {err!r}")
        facts = work.facts(group, PP_START, "2027-01-01", "2027-12-31")
        by_group[group] = read_calendar(checks, f"stdout {group}", out, group, facts, all_kinds, version)
    personal = [{uid for (_day, kind), uid in found.items() if kind in ("duty", "rdo")} for found in by_group.values()]
    checks.expect(personal[0] and not personal[0] & personal[1], "A2 and B3 share duty or RDO UIDs")
    shared = [{uid for (_day, kind), uid in found.items() if kind in ("payday", "pp")} for found in by_group.values()]
    checks.expect(shared[0] and shared[0] == shared[1], "A2 and B3 differ in the agency's paydays")

    # "1 event", not "1 events".
    payday = next(day for day, fact in facts.items() if fact[2])
    run = work.run("--ics", work.path("one.ics"), "--from", payday, "--to", payday, "--no-duty", "--no-rdo",
                   "--no-pay-periods")
    checks.expect(f"one.ics: 1 event, {payday} to {payday}" in run.stdout, f"one event: {run.stdout!r}")


def events_by_uid(raw):
    """{uid: (summary, category)} of a calendar file."""
    try:
        calendar = icalendar.Calendar.from_ical(raw)
    except ValueError:
        return {}
    found = {}
    for event in calendar.walk("VEVENT"):
        categories = event.get("CATEGORIES")
        category = ",".join(str(c) for c in categories.cats) if categories is not None else ""
        found[str(event.get("UID"))] = (str(event.get("SUMMARY")), category)
    return found


def check_language(checks, work):
    """Whoever exports reads the events and the summary in their own language; the events
    keep their identifiers, so a newer file in another language still updates them."""
    days = ("--from", "2027-01-01", "--to", "2027-01-31")
    english, spanish = work.path("english.ics"), work.path("spanish.ics")
    run = work.run("--ics", english, *days)
    checks.expect(run.returncode == 0, f"english: {run.stderr}")
    run = work.run("--ics", spanish, *days, locale="es_ES.UTF-8")
    checks.expect(run.returncode == 0 and run.stderr == "", f"spanish: {run.returncode}, {run.stderr!r}")
    checks.expect(re.fullmatch(re.escape(spanish) + r": \d+ eventos, del 2027-01-01 al 2027-01-31\n", run.stdout)
                  is not None, f"spanish: summary {run.stdout!r}")
    in_english = events_by_uid(read_bytes(english))
    in_spanish = events_by_uid(read_bytes(spanish))
    checks.expect(in_english and set(in_english) == set(in_spanish), "the languages' files differ in their UIDs")
    words = {"duty": ("De guardia - A2", "Guardia"), "rdo": ("RDO - A2", "RDO"),
             "payday": (f"Día de pago - {AGENCY}", "Día de pago")}
    for uid, (summary, category) in in_spanish.items():
        kind = UID.fullmatch(uid).group(2)
        if kind == "pp":
            checks.expect(summary.startswith("Empieza PP") and category == "Período de pago", f"{uid}: {summary!r}")
        else:
            checks.expect((summary, category) == words[kind], f"{uid}: {summary!r}, {category!r}")


def check_notices(checks, work, version):
    """Files with less than asked for say why on stderr, and still parse."""
    run = work.run("--ics", work.path("early.ics"), "--from", "2011-01-01", "--to", "2011-12-31", "--group", "B2")
    checks.expect(run.returncode == 0, f"early: exit {run.returncode}")
    checks.expect("the RDO schedule begins on 2012-01-17: no duty days before it" in run.stderr,
                  f"early: stderr {run.stderr!r}")
    facts = work.facts("B2", PP_START, "2011-01-01", "2011-12-31")
    found = read_calendar(checks, "early.ics", read_bytes(work.path("early.ics")), "B2", facts,
                          {"duty", "rdo", "payday", "pp"}, version)
    checks.expect(not found, f"early.ics: {len(found)} events before the schedule")

    work.write_settings("[Config]\nAgency=Velmora Fire\n")
    run = work.run("--ics", work.path("nogroup.ics"), "--year", "2027", "--no-paydays", "--no-pay-periods")
    checks.expect(run.returncode == 0, f"no group: exit {run.returncode}")
    checks.expect("no assignment group is set: duty days and RDOs are left out; choose one with --group or in "
                  "Settings" in run.stderr, f"no group: stderr {run.stderr!r}")
    found = read_calendar(checks, "nogroup.ics", read_bytes(work.path("nogroup.ics")), "RDO", {}, set(), version,
                          agency="Velmora Fire")
    checks.expect(not found, f"nogroup.ics: {len(found)} events")

    # A pay-period start in a US short date, as the calendar used to write it, read by cron
    # with no LANG: no reader takes it, and the export says so rather than quietly using
    # the default. Written as an ISO date it reads in any locale.
    work.write_settings("[Config]\nRDO=A2\nPPStart=12/20/2020\n")
    run = work.run("--ics", work.path("oldstart.ics"), "--year", "2027", locale="C")
    checks.expect(run.returncode == 0, f"old pay-period start: exit {run.returncode}")
    checks.expect("cannot read PPStart=12/20/2020 in the settings" in run.stderr and "2020-12-20 is used" in run.stderr,
                  f"old pay-period start: stderr {run.stderr!r}")
    work.write_settings("[Config]\nRDO=A2\nPPStart=2020-12-20\n")
    for locale in ("C", "en_GB.UTF-8", "de_DE.UTF-8"):
        run = work.run("--ics", work.path("isostart.ics"), "--year", "2027", locale=locale)
        checks.expect(run.returncode == 0 and "PPStart" not in run.stderr,
                      f"ISO pay-period start under {locale}: {run.returncode}, {run.stderr!r}")

    # A folder where the settings file should be: it is there but cannot be read.
    ini = os.path.join(work.config, "Quorvell", "Tenvik", "Tenvik.ini")
    os.remove(ini)
    os.mkdir(ini)
    run = work.run("--ics", work.path("unreadable.ics"), "--year", "2027")
    checks.expect(run.returncode == 0, f"unreadable settings: exit {run.returncode}")
    checks.expect("cannot read the settings " + ini in run.stderr, f"unreadable settings: stderr {run.stderr!r}")
    os.rmdir(ini)

    # Reading settings makes no folder to read them from.
    fresh = work.path("fresh-config")
    run = work.run("--ics", work.path("fresh.ics"), env={"XDG_CONFIG_HOME": fresh})
    checks.expect(run.returncode == 0, f"fresh: exit {run.returncode}, {run.stderr!r}")
    checks.expect(not os.path.exists(fresh), "fresh: the export made a settings folder")


def device_node(work, name, minor):
    """A copy of /dev/<name> in the work folder, or the system's node where this user
    cannot replace it; None when neither can be had."""
    copy = work.path(name)
    try:
        os.mknod(copy, 0o666 | stat.S_IFCHR, os.makedev(1, minor))
        os.close(os.open(copy, os.O_WRONLY))
        return copy
    except OSError:
        if os.path.exists(copy):
            os.remove(copy)
    system = os.path.join("/dev", name)
    if os.geteuid() != 0 and os.access(system, os.W_OK):
        return system
    return None


def check_outputs(checks, work, version):
    """Where the bytes go: links, pipes, devices, folders, and one file named twice."""
    facts = work.facts("A2", PP_START, "2027-01-01", "2027-12-31")
    kinds = {"duty", "rdo", "payday", "pp"}

    os.mkdir(work.path("synced"))
    os.symlink("synced/year.ics", work.path("link.ics"))
    for round_ in (1, 2):  # the link leads nowhere yet, then to the file the first round made
        run = work.run("--ics", work.path("link.ics"), "--year", "2027")
        checks.expect(run.returncode == 0, f"link {round_}: {run.stderr}")
        checks.expect(os.path.islink(work.path("link.ics")), f"link {round_}: the link was replaced")
    read_calendar(checks, "synced/year.ics", read_bytes(work.path("synced/year.ics")), "A2", facts, kinds, version)

    fifo = work.path("fifo")
    os.mkfifo(fifo)
    received = []
    reader = threading.Thread(target=lambda: received.append(read_bytes(fifo)))
    reader.start()
    run = work.run("--ics", fifo, "--year", "2027")
    reader.join(timeout=60)
    checks.expect(run.returncode == 0, f"fifo: {run.stderr}")
    checks.expect(stat.S_ISFIFO(os.lstat(fifo).st_mode), "fifo: no longer a pipe")
    if checks.expect(received and received[0], "fifo: nothing came through"):
        read_calendar(checks, "fifo", received[0], "A2", facts, kinds, version)

    # /dev/stdout is such a link; its /proc form cannot be harmed by a faulty writer.
    if os.path.isdir("/proc/self/fd"):
        run = work.run("--ics", "/proc/self/fd/1", "--year", "2027", binary=True)
        checks.expect(run.returncode == 0 and run.stdout.startswith(b"BEGIN:VCALENDAR"),
                      f"/proc/self/fd/1: {run.returncode}, {run.stderr!r}")

    folder = work.path("folder")
    os.mkdir(folder)
    for name in (folder, folder + "/"):
        run = work.run("--ics", name, "--year", "2027")
        checks.expect(run.returncode == 1 and f"cannot write {name}: Is a directory" in run.stderr,
                      f"{name}: exit {run.returncode}, {run.stderr!r}")
    checks.expect(os.path.isdir(folder) and not os.listdir(folder), "folder: changed")

    null, full = device_node(work, "null", 3), device_node(work, "full", 7)
    if null and full:
        run = work.run("--ics", null, "--year", "2027")
        checks.expect(run.returncode == 0, f"{null}: {run.stderr}")
        run = work.run("--pdf", full, "--year", "2027")
        checks.expect(run.returncode == 1 and "No space left on device" in run.stderr,
                      f"{full}: exit {run.returncode}, {run.stderr!r}")
        for device in (null, full):
            checks.expect(stat.S_ISCHR(os.lstat(device).st_mode), f"{device}: no longer a device")
    else:
        print("SKIP: the device cases: this user can neither make a device node nor write to /dev/null")

    for ics, pdf in (("same", "same"), ("synced/year.ics", "link.ics"), ("-", "-")):
        names = [name if name == "-" else work.path(name) for name in (ics, pdf)]
        run = work.run("--ics", names[0], "--pdf", names[1], binary=True)
        err = run.stderr.decode()
        checks.expect(run.returncode == 2 and "name the same file" in err, f"{ics} {pdf}: {run.returncode}, {err!r}")
        checks.expect(run.stdout == b"", f"{ics} {pdf}: wrote to stdout")
    checks.expect(not os.path.exists(work.path("same")), "same: a file was written")


def check_errors(checks, work, version):
    for bad_args, message in [
        (["--from", "2027-02-30"], "'2027-02-30' is not a date"),
        (["--to", "31.12.2027"], "'31.12.2027' is not a date"),
        (["--group", "C9"], "'C9' is no group"),
        (["--from", "2028-01-01", "--to", "2027-01-01"], "the range ends before it begins"),
        (["--year", "2027", "--year", "2028"], "--year is given twice"),
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
    checks.expect(run.returncode == 0 and "--ics <FILE>" in run.stdout and "After a change of group" in run.stdout,
                  f"--help: {run.returncode}, {run.stdout[:200]!r}")
    # As a French-speaking Canadian's terminal starts it: only LANG names the language.
    run = work.run("--help", env={"LC_ALL": None, "LANG": "fr_CA.UTF-8"})
    checks.expect(run.returncode == 0 and run.stdout.startswith("Utilisation") and "--ics <FICHIER>" in run.stdout
                  and "Après un changement de" in run.stdout, f"--help in French: {run.stdout[:200]!r}")
    run = work.run("--pdf", "y.pdf", "--year", "27", env={"LC_ALL": None, "LANG": "fr_CA.UTF-8"})
    checks.expect(run.returncode == 2 and "--year\u00a0: 27 est hors de la plage du calendrier, de 1901 à 2060"
                  in run.stderr, f"a mistake in French: {run.stderr!r}")
    run = work.run("--version")
    checks.expect(run.returncode == 0 and run.stdout == f"tenvik-export {version}\n", f"--version: {run.stdout!r}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--export", required=True)
    parser.add_argument("--facts", required=True)
    parser.add_argument("--version", required=True, help="the version the program must report")
    args = parser.parse_args()

    checks = Checks()
    work = Workspace(args.export, args.facts)
    try:
        # The group is stored in lower case and the pay-period start in ISO form.
        work.write_settings(f"[Config]\nAgency={AGENCY}\nRDO=a2\nPPStart={PP_START}\n")
        check_contents(checks, work, args.version)
        check_language(checks, work)
        check_outputs(checks, work, args.version)
        check_errors(checks, work, args.version)
        check_notices(checks, work, args.version)
    finally:
        work.close()
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main())
