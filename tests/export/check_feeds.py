#!/usr/bin/env python3
"""Publishes a department's feeds with tenvik-export and serves them the way a publisher
would: Debian's nginx with the site the package ships, on 127.0.0.1 with a prefix of its
own. Every feed is fetched over HTTP and read with an independent parser, Python's
icalendar, against what the core rules say about each day; the page is opened in headless
Chromium at a phone's width and a computer's, its links followed and its QR codes read
back with zbarimg."""
import argparse
import datetime
import gzip
import html.parser
import http.client
import os
import re
import shutil
import socket
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from exportcheck import SKIP, Checks, Workspace, need_icalendar  # noqa: E402

icalendar = need_icalendar()

# An ampersand and angle brackets must reach the page escaped and the feeds as written.
AGENCY = "Velmora Fire & Rescue <Station 3>"
PP_START = "2021-01-03"
GROUPS = [f"{platoon}{n}" for platoon in "AB" for n in range(1, 8)]
FEEDS = [g.lower() + ".ics" for g in GROUPS] + ["a.ics", "b.ics", "paydays.ics"]
UID = re.compile(r"(\d{8})-(duty|rdo|payday|pp)(?:-([ab][1-7]?))?@tenvik\.example\.org")
SUMMARY = re.compile(r"(\S+): 17 feeds and index\.html, (\d{4}-\d\d-\d\d) to (\d{4}-\d\d-\d\d); (\d+) files? changed\n")


def find(program, *places):
    return shutil.which(program) or next((p for p in places if os.access(p, os.X_OK)), None)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Nginx:
    """Debian's nginx in the foreground, with the shipped site and paths of its own."""

    def __init__(self, program, site, prefix, folder, port):
        os.makedirs(os.path.join(prefix, "logs"))
        with open(site, encoding="utf-8") as f:
            text = f.read()
        # The shipped site as it is, but for where it listens and what it serves.
        for pattern, replacement in ((r"\n\s*listen 80;", f"\n    listen 127.0.0.1:{port};"),
                                     (r"\n\s*listen \[::\]:80;", ""),
                                     (r"\n\s*root [^;]+;", f"\n    root {folder};")):
            text, count = re.subn(pattern, replacement, text)
            if count != 1:
                raise RuntimeError(f"the shipped site has {count} lines matching {pattern!r}")
        with open(os.path.join(prefix, "site.conf"), "w", encoding="utf-8") as f:
            f.write(text)
        temp = "\n".join(f"  {kind}_temp_path {prefix}/{kind};" for kind in
                         ("client_body", "proxy", "fastcgi", "uwsgi", "scgi"))
        with open(os.path.join(prefix, "nginx.conf"), "w", encoding="utf-8") as f:
            f.write(f"worker_processes 1;\npid {prefix}/nginx.pid;\nerror_log {prefix}/logs/error.log;\n"
                    f"events {{ worker_connections 64; }}\nhttp {{\n  access_log off;\n{temp}\n"
                    f"  include {prefix}/site.conf;\n}}\n")
        self.prefix = prefix
        self.port = port
        self.process = subprocess.Popen([program, "-p", prefix, "-e", os.path.join(prefix, "logs", "error.log"),
                                         "-c", os.path.join(prefix, "nginx.conf"), "-g", "daemon off;"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("nginx stopped: " + self.process.stderr.read().decode() + self.log())
            try:
                socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
                return
            except OSError:
                time.sleep(0.05)
        raise RuntimeError("nginx did not answer within 10 seconds: " + self.log())

    def log(self):
        try:
            with open(os.path.join(self.prefix, "logs", "error.log"), encoding="utf-8") as f:
                return f.read()
        except OSError:
            return ""

    def get(self, path, headers=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)
        try:
            connection.request("GET", path, headers=headers or {})
            response = connection.getresponse()
            return response.status, {k.lower(): v for k, v in response.getheaders()}, response.read()
        finally:
            connection.close()

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def expected(feed, facts):
    """{(date, kind): pay-period label or None} of a feed from the day facts."""
    events = {}
    for date, (code, platoon, payday, period) in facts.items():
        day = datetime.date.fromisoformat(date)
        if feed == "paydays.ics":
            if payday:
                events[(day, "payday")] = None
            if period:
                events[(day, "pp")] = period
        elif feed in ("a.ics", "b.ics"):
            if platoon == feed[0].upper():
                events[(day, "duty")] = None
        else:
            group = feed[:2].upper()
            if code == group[0]:
                events[(day, "duty")] = None
            elif code == "X":
                events[(day, "rdo")] = None
    return events


def read_feed(checks, feed, raw, facts, first):
    """The feed through the parser, against the rules; returns {uid: summary}."""
    try:
        calendar = icalendar.Calendar.from_ical(raw)
    except ValueError as error:
        checks.expect(False, f"{feed}: the parser refuses it: {error}")
        return {}
    if feed == "paydays.ics":
        name = f"{AGENCY} - Paydays"
    elif feed in ("a.ics", "b.ics"):
        name = f"{AGENCY} - {feed[0].upper()} platoon"
    else:
        name = f"{AGENCY} - {feed[:2].upper()}"
    checks.expect(str(calendar.get("METHOD")) == "PUBLISH", f"{feed}: METHOD")
    checks.expect(str(calendar.get("X-WR-CALNAME")) == name, f"{feed}: X-WR-CALNAME {calendar.get('X-WR-CALNAME')!r}")
    checks.expect(str(calendar.get("NAME")) == name, f"{feed}: NAME {calendar.get('NAME')!r}")
    refresh = calendar.get("REFRESH-INTERVAL")
    checks.expect(refresh is not None and refresh.to_ical() == b"P1W", f"{feed}: REFRESH-INTERVAL {refresh!r}")
    checks.expect(str(calendar.get("X-PUBLISHED-TTL")) == "P1W", f"{feed}: X-PUBLISHED-TTL")
    stamp = datetime.datetime.combine(first, datetime.time(), datetime.timezone.utc)
    found = {}
    summaries = {}
    for event in calendar.walk("VEVENT"):
        uid = str(event.get("UID"))
        match = UID.fullmatch(uid)
        if not checks.expect(match is not None, f"{feed}: UID {uid!r}"):
            continue
        start = event.decoded("DTSTART")
        checks.expect(event.decoded("DTSTAMP") == stamp, f"{feed}: {uid}: DTSTAMP {event.decoded('DTSTAMP')}")
        checks.expect(match.group(1) == start.strftime("%Y%m%d"), f"{feed}: {uid} on {start}")
        owner = None if feed == "paydays.ics" else feed[:-4]
        checks.expect(match.group(3) == owner, f"{feed}: {uid} names {match.group(3)}, not {owner}")
        found[(start, match.group(2))] = uid
        summaries[uid] = str(event.get("SUMMARY"))
    want = expected(feed, facts)
    missing = sorted(set(want) - set(found))
    extra = sorted(set(found) - set(want))
    checks.expect(not missing, f"{feed}: days the rules give but the feed lacks: {missing[:4]}")
    checks.expect(not extra, f"{feed}: days the rules do not give: {extra[:4]}")
    for (day, kind), label in want.items():
        if kind == "pp" and (day, kind) in found:
            summary = summaries[found[(day, kind)]]
            checks.expect(summary == f"{label} begins - {AGENCY}", f"{feed}: {day}: {summary!r}")
    return summaries


def check_http(checks, server, first, facts, work):
    """Every feed over HTTP: type, caching, a 304 for what the client has, compression,
    and the days of its group; a group's feed says what that group's own export says."""
    bodies = {}
    for feed in FEEDS:
        status, headers, body = server.get("/" + feed)
        if not checks.expect(status == 200, f"GET /{feed}: {status}"):
            continue
        bodies[feed] = body
        checks.expect(headers.get("content-type") == "text/calendar; charset=utf-8",
                      f"{feed}: Content-Type {headers.get('content-type')!r}")
        checks.expect(headers.get("cache-control") == "public, max-age=604800",
                      f"{feed}: Cache-Control {headers.get('cache-control')!r}")
        etag = headers.get("etag")
        if checks.expect(etag is not None, f"{feed}: no ETag"):
            status, _, again = server.get("/" + feed, {"If-None-Match": etag})
            checks.expect(status == 304 and again == b"", f"{feed}: If-None-Match gave {status}")
        status, headers, packed = server.get("/" + feed, {"Accept-Encoding": "gzip"})
        checks.expect(headers.get("content-encoding") == "gzip" and gzip.decompress(packed) == body,
                      f"{feed}: no gzip, or another body ({headers.get('content-encoding')!r})")
        # Compressed, the ETag is a weak one, and still answers 304.
        status, _, _ = server.get("/" + feed, {"Accept-Encoding": "gzip", "If-None-Match": headers.get("etag", "")})
        checks.expect(status == 304, f"{feed}: If-None-Match with gzip gave {status}")
        group = feed[:2].upper() if len(feed) == 6 else "RDO"
        summaries = read_feed(checks, feed, body, facts[group], first)
        if feed in ("a2.ics", "b7.ics"):
            run = work.run("--ics", "-", "--group", group, "--agency", AGENCY, "--from", first.isoformat(),
                           "--to", max(facts[group]), "--no-paydays", "--no-pay-periods", binary=True)
            own = {str(e.get("UID")): str(e.get("SUMMARY"))
                   for e in icalendar.Calendar.from_ical(run.stdout).walk("VEVENT")}
            checks.expect(own == summaries, f"{feed}: differs from tenvik-export --ics --group {group}")
    status, headers, page = server.get("/")
    checks.expect(status == 200 and headers.get("content-type") == "text/html; charset=utf-8",
                  f"GET /: {status} {headers.get('content-type')!r}")
    return bodies, page


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links = []

    def handle_starttag(self, tag, attrs):
        if tag == "a":
            self.links.append(dict(attrs).get("href", ""))


def chromium(program, work, *args):
    profile = work.path("chromium-profile")
    environment = dict(os.environ, HOME=work.root)
    return subprocess.run([program, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                           "--hide-scrollbars", "--disable-dev-shm-usage", f"--user-data-dir={profile}", *args],
                          capture_output=True, env=environment, timeout=90)


def check_page(checks, server, programs, work, base, keep):
    """The page as Chromium shows it: every link resolves to a feed, every code reads back."""
    url = base + "index.html"
    dom = chromium(programs["chromium"], work, "--dump-dom", url)
    checks.expect(dom.returncode == 0, f"chromium --dump-dom: {dom.stderr.decode()[-400:]}")
    parser = Links()
    parser.feed(dom.stdout.decode())
    links = [link for link in parser.links if not link.startswith("#")]
    webcal = {base.replace("http://", "webcal://", 1) + feed for feed in FEEDS}
    checks.expect(set(links) == webcal | {base + feed for feed in FEEDS} and len(links) == 2 * len(FEEDS),
                  f"the page's links: {sorted(links)[:4]} … ({len(links)})")
    for link in links:
        path = "/" + link.split("/", 3)[3]
        status, _, _ = server.get(path)
        checks.expect(status == 200, f"{link}: {status}")
    for width, height in ((360, 9000), (1280, 2600)):
        shot = work.path(f"page-{width}.png")
        run = chromium(programs["chromium"], work, f"--screenshot={shot}", f"--window-size={width},{height}", url)
        if not checks.expect(run.returncode == 0 and os.path.exists(shot),
                             f"screenshot at {width}: {run.stderr.decode()[-400:]}"):
            continue
        read = subprocess.run([programs["zbarimg"], "--quiet", "--raw", "-Sdisable", "-Sqrcode.enable", shot],
                              capture_output=True, text=True, timeout=60)
        codes = read.stdout.split()
        checks.expect(len(codes) == len(FEEDS) and set(codes) == webcal,
                      f"at {width} pixels zbarimg read {len(codes)} codes: {sorted(set(codes) ^ webcal)[:4]}")
        if keep and width == 1280:
            shutil.copyfile(shot, keep)


def check_republish(checks, server, work, folder, bodies, base):
    """A second publish writes the same bytes and keeps the ETags; a failed one leaves the
    last in place and says so and why; a folder it did not make is refused, with nothing
    published."""
    before = {feed: server.get("/" + feed)[1].get("etag") for feed in FEEDS}
    old_target = os.readlink(folder)
    run = work.run("--publish", folder, "--base-url", base, "--agency", AGENCY)
    match = SUMMARY.fullmatch(run.stdout)
    checks.expect(run.returncode == 0 and match is not None and match.group(4) == "0",
                  f"republish: {run.returncode}, {run.stdout!r}, {run.stderr!r}")
    checks.expect(os.readlink(folder) != old_target and not os.path.exists(work.path(old_target)),
                  "republish: the link still points to the old generation, or it was kept")
    for feed in FEEDS:
        status, headers, body = server.get("/" + feed)
        checks.expect(status == 200 and body == bodies[feed], f"republish: {feed} changed")
        checks.expect(headers.get("etag") == before[feed], f"republish: {feed}: ETag {before[feed]} then "
                      f"{headers.get('etag')}")

    # A name the next generation needs is taken: the publish fails before the switch.
    target = os.readlink(folder)
    number = int(target.rsplit("-", 1)[1])
    blocker = work.path(f".feeds.tenvik-{number + 1}.link")
    os.makedirs(os.path.join(blocker, "taken"))
    run = work.run("--publish", folder, "--base-url", base, "--agency", "Another Agency")
    checks.expect(run.returncode == 1 and "cannot publish to" in run.stderr and "the last publish stays in place"
                  in run.stderr, f"blocked publish: {run.returncode}, {run.stderr!r}")
    checks.expect(os.readlink(folder) == target and not os.path.exists(work.path(f"feeds.tenvik-{number + 1}")),
                  "blocked publish: the link moved, or the new generation was left")
    for feed in FEEDS:
        checks.expect(server.get("/" + feed)[2] == bodies[feed], f"blocked publish: {feed} changed")
    shutil.rmtree(blocker)

    taken = work.path("taken")
    os.makedirs(os.path.join(taken, "keep"))
    run = work.run("--publish", taken, "--base-url", base)
    checks.expect(run.returncode == 1 and "did not make" in run.stderr and "; nothing was published" in run.stderr
                  and os.path.isdir(os.path.join(taken, "keep")),
                  f"a folder of the publisher's own: {run.returncode}, {run.stderr!r}")
    run = work.run("--publish", folder, "--pdf", work.path("x.pdf"), "--base-url", base)
    checks.expect(run.returncode == 2 and "--publish writes a folder of its own" in run.stderr,
                  f"--publish with --pdf: {run.returncode}, {run.stderr!r}")
    run = work.run("--publish", folder)
    checks.expect(run.returncode == 2 and "--base-url" in run.stderr, f"no --base-url: {run.stderr!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--export", required=True)
    parser.add_argument("--facts", required=True)
    parser.add_argument("--site", required=True, help="the shipped nginx site")
    parser.add_argument("--screenshot", help="keep the page at 1280 pixels wide here")
    args = parser.parse_args()

    programs = {"nginx": find("nginx", "/usr/sbin/nginx"), "chromium": find("chromium"), "zbarimg": find("zbarimg")}
    missing = [f"{name} (Debian package {package})" for (name, path), package in
               zip(programs.items(), ("nginx", "chromium", "zbar-tools")) if path is None]
    if missing:
        print("SKIP: missing " + ", ".join(missing) + "; scripts/install-deps installs them")
        return SKIP

    started = time.monotonic()
    checks = Checks()
    work = Workspace(args.export, args.facts)
    server = None
    try:
        # nginx's workers drop root for nobody, who must reach the files.
        os.chmod(work.root, 0o755)
        work.write_settings(f"[Config]\nRDO=A2\nPPStart={PP_START}\n")
        folder = work.path("feeds")
        port = free_port()
        base = f"http://127.0.0.1:{port}/"
        run = work.run("--publish", folder, "--base-url", base, "--agency", AGENCY)
        match = SUMMARY.fullmatch(run.stdout)
        if not checks.expect(run.returncode == 0 and match is not None, f"publish: {run.stdout!r} {run.stderr!r}"):
            return checks.finish()
        first = datetime.date.fromisoformat(match.group(2))
        last = datetime.date.fromisoformat(match.group(3))
        # The default window moves only with the quarter.
        today = datetime.date.today()
        quarter = datetime.date(today.year, (today.month - 1) // 3 * 3 + 1, 1)
        back = datetime.date(quarter.year - (quarter.month == 1), (quarter.month - 4) % 12 + 1, 1)
        checks.expect((first, last) == (back, datetime.date(today.year + 1, 12, 31)),
                      f"default window {first} to {last} on {today}")
        facts = {group: work.facts(group, PP_START, first.isoformat(), last.isoformat())
                 for group in GROUPS + ["RDO"]}

        server = Nginx(programs["nginx"], args.site, work.path("nginx"), folder, port)
        bodies, page = check_http(checks, server, first, facts, work)
        text = page.decode()
        checks.expect("<h1>Velmora Fire &amp; Rescue &lt;Station 3&gt;: shift calendars</h1>" in text,
                      "the page's heading does not name the agency, escaped")
        checks.expect("<script" not in text and text.count("<title>") == 1 + len(FEEDS),
                      "the page has a script, or a code without its title")
        check_page(checks, server, programs, work, base, args.screenshot)
        check_republish(checks, server, work, folder, bodies, base)

        # The publisher's language: the page and the events' titles.
        spanish = work.path("spanish")
        run = work.run("--publish", spanish, "--base-url", base, locale="es_ES.UTF-8")
        with open(os.path.join(spanish, "index.html"), encoding="utf-8") as f:
            text = f.read()
        with open(os.path.join(spanish, "a.ics"), "rb") as f:
            platoon = f.read()
        checks.expect(run.returncode == 0 and '<html lang="es">' in text and "Suscribirse" in text
                      and "Turno A de guardia".encode() in platoon, f"Spanish: {run.stderr!r}")
    except RuntimeError as error:
        checks.expect(False, str(error))
    finally:
        if server is not None:
            errors = [line for line in server.log().splitlines() if "[emerg]" in line or "[crit]" in line]
            checks.expect(not errors, f"nginx: {errors[:3]}")
            server.stop()
        work.close()
    print(f"feeds checked in {time.monotonic() - started:.1f} s")
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main())
