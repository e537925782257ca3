"""Shared by the export file checks: a throwaway settings folder, the export program and
the day facts the core rules give, straight from tenvik_day_facts."""
import os
import subprocess
import sys
import tempfile

SKIP = 77  # CTest reports the check as skipped


def need_icalendar():
    """Python's icalendar, the independent parser the calendar files are read with; the
    check skips without it."""
    try:
        import icalendar
    except ImportError:
        print("SKIP: Python's icalendar is missing; install the Debian package python3-icalendar "
              "(scripts/packages.txt lists it)")
        sys.exit(SKIP)
    return icalendar


class Workspace:
    """A settings folder of its own (XDG_CONFIG_HOME) and a folder for the output files."""

    def __init__(self, export, facts):
        self._dir = tempfile.TemporaryDirectory(prefix="tenvik-export-check-")
        self.root = self._dir.name
        self.export = export
        self.facts_program = facts
        self.config = os.path.join(self.root, "config")
        os.makedirs(os.path.join(self.config, "Quorvell", "Tenvik"))

    def close(self):
        self._dir.cleanup()

    def path(self, name):
        return os.path.join(self.root, name)

    def write_settings(self, text):
        ini = os.path.join(self.config, "Quorvell", "Tenvik", "Tenvik.ini")
        with open(ini, "w", encoding="utf-8") as out:
            out.write(text)

    def run(self, *args, locale="C.UTF-8", env=None, binary=False):
        """Runs tenvik-export with the settings folder and no display or session of any
        kind, as cron or ssh would; env adds variables or, with None, removes them."""
        environment = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE",
                     "LANG", "LC_PAPER", "PAPERSIZE"):
            environment.pop(name, None)  # the program must do without them
        environment["XDG_CONFIG_HOME"] = self.config
        environment["LC_ALL"] = locale
        environment["HOME"] = self.root
        for name, value in (env or {}).items():
            if value is None:
                environment.pop(name, None)
            else:
                environment[name] = value
        # In the work folder, so that a file named "-" by mistake lands there.
        return subprocess.run([self.export, *args], env=environment, capture_output=True, text=not binary,
                              timeout=120, cwd=self.root)

    def facts(self, group, pp_start, first, last):
        """{date: (code, platoon, payday, pay period starting or None)} from the core rules."""
        out = subprocess.run([self.facts_program, group, pp_start, first, last], capture_output=True, text=True,
                             check=True).stdout
        days = {}
        for line in out.splitlines():
            date, code, platoon, payday, period = line.split()
            days[date] = (code, platoon, payday == "1", None if period == "-" else period)
        return days


class Checks:
    """Collects failures so one run reports all of them."""

    def __init__(self):
        self.failures = []
        self.passed = 0

    def expect(self, condition, message):
        if condition:
            self.passed += 1
        else:
            self.failures.append(message)
        return condition

    def finish(self):
        for failure in self.failures[:40]:
            print("FAIL:", failure)
        if len(self.failures) > 40:
            print(f"... and {len(self.failures) - 40} more")
        print(f"{self.passed} passed, {len(self.failures)} failed")
        return 1 if self.failures else 0
