"""Shared by the export file checks: a throwaway settings folder, the export program and
the day facts the core rules give, straight from tenvik_day_facts."""
import os
import subprocess
import tempfile

SKIP = 77  # CTest reports the check as skipped


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

    def run(self, *args, locale="C.UTF-8"):
        """Runs tenvik-export with the settings folder and no display of any kind."""
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)  # the program must choose offscreen by itself
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        env["XDG_CONFIG_HOME"] = self.config
        env["XDG_RUNTIME_DIR"] = self.root
        env["LC_ALL"] = locale
        env["HOME"] = self.root
        return subprocess.run([self.export, *args], env=env, capture_output=True, text=True, timeout=120)

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
