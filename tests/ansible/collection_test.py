#!/usr/bin/env python3
"""The collection tarvo.keyboards, built and installed into a temporary folder,
rolls a document out with ansible-playbook to four simulated keyboards: three
that answer (one behind ser2net) and one that stays silent.

Usage: collection_test.py BUILD_DIR SOURCE_DIR
"""

import json
import re
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1])
SOURCE = os.path.abspath(sys.argv[2])
BIN = os.path.join(BUILD, "bin")
HERE = os.path.join(SOURCE, "tests", "ansible")

START_TIMEOUT_S = 20
PLAYBOOK_TIMEOUT_S = 600
# The slot that holds the document's table 1 in a keyboard fresh from the factory.
SLOT = 2
TABLE, MENU, ENTRY, LINE = 1, 80, 3, "Gate"
# The sanity tests that need a virtual environment fetched with pip.
SANITY_SKIPPED = ["ansible-doc", "import", "pylint", "pep8", "validate-modules", "yamllint", "runtime-metadata"]
# Frames that erase, write and end a slot's write.
WRITING_FRAMES = ("C1", "S2", "S8")
# A keyboard that never answers: every ping at either speed goes unanswered.
SILENT_FAULTS = [arg for n in range(1, 33) for arg in ("--fault", "drop:C0:%d" % n)]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL: " + what, file=sys.stderr)
    return condition


def wait_until(predicate, timeout_s):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(0.05)
    return predicate()


def run(args, env, cwd=None, timeout=PLAYBOOK_TIMEOUT_S):
    return subprocess.run(args, env=env, cwd=cwd, timeout=timeout, capture_output=True, text=True)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def listening(port):
    local = "0100007F:%04X" % port
    with open("/proc/net/tcp") as table:
        next(table)
        return any(f[1] == local and f[3] == "0A" for f in (line.split() for line in table))


class Keyboard:
    def __init__(self, work, name, processes, env, faults=()):
        self.name = name
        self.link = os.path.join(work, name)
        self.trace = os.path.join(work, name + ".trace")
        self.port = self.link
        out = open(os.path.join(work, name + ".out"), "w")
        args = [os.path.join(BIN, "tarvo-kbdsim"), "--link", self.link, "--flash",
                os.path.join(work, name + ".flash"), "--trace", self.trace] + list(faults)
        processes.append(subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, env=env))
        if not wait_until(lambda: os.path.exists(self.link), START_TIMEOUT_S):
            raise RuntimeError("the simulator %s did not start" % name)

    def behind_ser2net(self, work, processes, env):
        port = free_port()
        config = os.path.join(work, self.name + "-ser2net.yaml")
        # As the README recommends: no Nagle, no character delay.
        with open(config, "w") as f:
            f.write("%%YAML 1.1\n---\nconnection: &keyboard\n"
                    "  accepter: telnet(rfc2217),tcp(nodelay),127.0.0.1,%d\n"
                    "  connector: serialdev,%s,19200n81,local\n"
                    "  options:\n    chardelay: false\n" % (port, os.path.realpath(self.link)))
        processes.append(subprocess.Popen(
            ["/usr/sbin/ser2net", "-n", "-u", "-c", config, "-P", config + ".pid"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env))
        if not wait_until(lambda: listening(port), START_TIMEOUT_S):
            raise RuntimeError("ser2net did not listen on %d" % port)
        self.port = "rfc2217://127.0.0.1:%d" % port

    def frames(self):
        """The frame types the keyboard received, in order."""
        if not os.path.exists(self.trace):
            return []
        with open(self.trace) as f:
            return [line.split()[2] for line in f if len(line.split()) > 2 and line.split()[1] == "rx"]


def ansible_python(env):
    """The version of the Python that Ansible itself runs on."""
    with open(shutil.which("ansible-test", path=env["PATH"])) as f:
        interpreter = f.readline()[2:].split()
    return run(interpreter + ["-c", "import sys; print('%d.%d' % sys.version_info[:2])"], env).stdout.strip()


# The default callback's lines: a task's result (one JSON object with -v) and the recap.
RESULT_LINE = re.compile(r"^(ok|changed|fatal|skipping): \[([^\]]+)\](?:: FAILED!)? => (\{.*\})$")
RECAP_LINE = re.compile(r"^(\S+)\s+: ok=(\d+)\s+changed=(\d+)\s+unreachable=(\d+)\s+failed=(\d+)")


class Run:
    """One ansible-playbook run: its status, output, each host's last result and the recap."""

    def __init__(self, env, work, name, inventory, *options):
        done = run(["ansible-playbook", "-v", "-i", inventory, os.path.join(HERE, name),
                    "-e", "@" + os.path.join(work, "vars.json")] + list(options), env)
        self.status, self.output = done.returncode, done.stdout + done.stderr
        self.results, self.recap = {}, {}
        for line in done.stdout.splitlines():
            result = RESULT_LINE.match(line)
            if result:
                self.results.setdefault(result.group(2), []).append(json.loads(result.group(3)))
            recap = RECAP_LINE.match(line)
            if recap:
                self.recap[recap.group(1)] = {"ok": int(recap.group(2)), "changed": int(recap.group(3)),
                                              "failed": int(recap.group(5))}

    def result(self, host, task=-1):
        found = self.results.get(host, [])
        return found[task] if -len(found) <= task < len(found) else {}

    def counts(self, host):
        return self.recap.get(host, {})


def entry_line(env, work, keyboard):
    """The edited entry's first line as the keyboard holds it, read back."""
    back = os.path.join(work, keyboard.name + "-back.tvo")
    imported = run([os.path.join(BIN, "tarvo"), "import", "--port", keyboard.port, "--slots", str(SLOT), "-o", back], env)
    if imported.returncode != 0:
        return "import failed: " + imported.stderr
    info = json.loads(run([os.path.join(BIN, "tarvo"), "info", back, "--menus", "--json"], env).stdout)
    menu = next(m for m in info["tables"][0]["menus"] if m["number"] == MENU)
    return next(e for e in menu["entries"] if e["entry"] == ENTRY)["lines"][0].rstrip()


def main():
    work = tempfile.mkdtemp(prefix="tarvo-ansible-")
    processes = []
    env = dict(os.environ)
    home = os.path.join(work, "home")
    os.makedirs(home)
    env.update({
        "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_STATE_HOME": os.path.join(home, ".local", "state"),
        "PATH": BIN + os.pathsep + env.get("PATH", ""),
        "ANSIBLE_COLLECTIONS_PATH": os.path.join(work, "collections"),
        "ANSIBLE_HOME": os.path.join(home, ".ansible"),
        "ANSIBLE_LOCAL_TEMP": os.path.join(work, "ansible-tmp"),
        "ANSIBLE_REMOTE_TMP": os.path.join(work, "ansible-remote-tmp"),
        "ANSIBLE_NOCOLOR": "1", "ANSIBLE_RETRY_FILES_ENABLED": "0",
        "ANSIBLE_PYTHON_INTERPRETER": "auto_silent", "ANSIBLE_FORKS": "4",
    })
    tarvo = os.path.join(BIN, "tarvo")
    try:
        # The collection, built and installed as an integrator does.
        dist = os.path.join(work, "dist")
        built = run(["ansible-galaxy", "collection", "build", os.path.join(SOURCE, "ansible"),
                     "--output-path", dist], env)
        if not check(built.returncode == 0, "ansible-galaxy collection build: " + built.stdout + built.stderr):
            return
        version = run([tarvo, "version"], env).stdout.split()[-1]
        tarball = os.path.join(dist, "tarvo-keyboards-%s.tar.gz" % version)
        check(os.path.exists(tarball), "the collection's version is not tarvo's %s: %s" % (version, os.listdir(dist)))
        installed = run(["ansible-galaxy", "collection", "install", tarball, "-p", env["ANSIBLE_COLLECTIONS_PATH"]], env)
        check(installed.returncode == 0, "ansible-galaxy collection install: " + installed.stdout + installed.stderr)
        collection = os.path.join(env["ANSIBLE_COLLECTIONS_PATH"], "ansible_collections", "tarvo", "keyboards")
        for module in ("query", "download", "history"):
            doc = run(["ansible-doc", "tarvo.keyboards." + module], env)
            check(doc.returncode == 0 and "RETURN VALUES" in doc.stdout, "ansible-doc %s: %s" % (module, doc.stderr))
        sanity = run(["ansible-test", "sanity", "--python", ansible_python(env)]
                     + [arg for test in SANITY_SKIPPED for arg in ("--skip-test", test)], env, cwd=collection)
        check(sanity.returncode == 0, "ansible-test sanity: " + sanity.stdout[-3000:] + sanity.stderr[-3000:])

        # A document with one edited entry.
        document = os.path.join(work, "site.tvo")
        run([tarvo, "new", "-o", document], env)
        edited = run([tarvo, "set-entry", document, "--table", str(TABLE), "--menu", str(MENU), "--entry",
                      str(ENTRY), "--lines", LINE], env)
        if not check(edited.returncode == 0, "set-entry: " + edited.stderr):
            return
        backups = os.path.join(work, "backups")
        os.makedirs(backups)
        with open(os.path.join(work, "vars.json"), "w") as f:
            json.dump({"tarvo_document": document, "tarvo_backups": backups, "tarvo_slots": [str(SLOT)]}, f)

        # In inventory order: a healthy keyboard, the silent one, then two more.
        first = Keyboard(work, "kb-first", processes, env)
        silent = Keyboard(work, "kb-silent", processes, env, SILENT_FAULTS)
        third = Keyboard(work, "kb-third", processes, env)
        networked = Keyboard(work, "kb-networked", processes, env)
        networked.behind_ser2net(work, processes, env)
        keyboards = [first, silent, third, networked]
        healthy = [first, third, networked]
        inventory = os.path.join(work, "inventory")
        with open(inventory, "w") as f:
            f.write("[keyboards]\n")
            for keyboard in keyboards:
                f.write("%s tarvo_port=%s\n" % (keyboard.name, keyboard.port))
        healthy_only = ["--limit", ",".join(k.name for k in healthy)]

        # Check mode with --diff: what would change, and nothing erased or written.
        checked = Run(env, work, "rollout.yml", inventory, "--check", "--diff")
        for keyboard in healthy:
            check(checked.counts(keyboard.name).get("changed") == 1,
                  "check mode: %s is not reported changed: %s" % (keyboard.name, checked.result(keyboard.name)))
            written = [frame for frame in keyboard.frames() if frame in WRITING_FRAMES]
            check(not written, "check mode: %s received %s" % (keyboard.name, written))
        shown = '+menu %d entry %d: "%s", "", ""' % (MENU, ENTRY, LINE)
        check(checked.output.count(shown) == len(healthy), "check mode: the diff does not show %r thrice:\n%s"
              % (shown, checked.output[-4000:]))
        check(checked.counts(silent.name).get("failed") == 1, "check mode: the silent keyboard did not fail")

        # The run: the three healthy keyboards written, the silent one fails alone.
        rollout = Run(env, work, "rollout.yml", inventory)
        for keyboard in healthy:
            check(rollout.counts(keyboard.name) == {"ok": 1, "changed": 1, "failed": 0},
                  "the run: %s was not written: %s" % (keyboard.name, rollout.result(keyboard.name)))
        # The tool's own message, from the tool run by hand while the second run runs.
        direct = subprocess.Popen([tarvo, "download", document, "--port", silent.port, "--slots", str(SLOT)],
                                  env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        again = Run(env, work, "rollout.yml", inventory, *healthy_only)
        message = direct.communicate(timeout=PLAYBOOK_TIMEOUT_S)[1].strip().splitlines()[-1][len("tarvo: "):]
        failed = rollout.result(silent.name)
        check(rollout.counts(silent.name).get("failed") == 1 and failed.get("status") == 3
              and failed.get("message") == message and failed.get("msg", "").startswith(message),
              "the silent keyboard does not fail with the tool's message %r: %s" % (message, failed))
        for keyboard in healthy:
            check(entry_line(env, work, keyboard) == LINE, "%s does not read back the edit" % keyboard.name)
        saved = sorted(os.listdir(backups))
        check(len(saved) == len(healthy), "one backup per written keyboard: %s" % saved)

        # The second run changes nothing and saves no backup.
        for keyboard in healthy:
            check(again.counts(keyboard.name) == {"ok": 1, "changed": 0, "failed": 0},
                  "the second run: %s: %s" % (keyboard.name, again.result(keyboard.name)))
        check(sorted(os.listdir(backups)) == saved, "the second run saved a backup: %s" % os.listdir(backups))

        # The query's facts and the history's records.
        report = Run(env, work, "report.yml", inventory, "--limit", first.name)
        facts = report.result(first.name, 0).get("ansible_facts", {}).get("tarvo_keyboard", {})
        check(any(slot and slot.get("slot") == SLOT for slot in facts.get("slots", [])),
              "query: no slot %d in the facts: %s" % (SLOT, report.output[-3000:]))
        records = report.result(first.name, 1).get("records", [])
        check(any(r.get("record") == "slot_end" and r.get("outcome") == "written" for r in records),
              "history: no written slot: %s" % records)

        # One at a time, no failure allowed: the play stops at the silent keyboard.
        before = {keyboard.name: len(keyboard.frames()) for keyboard in keyboards}
        one_by_one = Run(env, work, "rollout_one_by_one.yml", inventory)
        check(one_by_one.status != 0 and one_by_one.counts(first.name).get("ok") == 1
              and one_by_one.counts(silent.name).get("failed") == 1,
              "one by one: the first keyboard and the failure: %s" % one_by_one.output[-3000:])
        for keyboard in (third, networked):
            check(len(keyboard.frames()) == before[keyboard.name] and not one_by_one.counts(keyboard.name).get("ok"),
                  "one by one: %s was touched after the failure" % keyboard.name)
    finally:
        for process in reversed(processes):
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if failures:
            print("kept for a look: " + work, file=sys.stderr)
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except Exception as error:  # any surprise fails the test, with what it was
        check(False, "%s: %s" % (type(error).__name__, error))
    if failures:
        sys.exit(1)
    print("the collection: built, documented, check mode, run, second run, one by one")
