# -*- coding: utf-8 -*-
# Running `tarvo` for the modules: the command line, its JSON output and its
# exit classes. The modules hold no protocol or file logic of their own; what
# the keyboard holds and how it is written is the tool's business.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json

# The tool's exit statuses, by failure class.
EXIT_OK = 0
EXIT_FILE = 1
EXIT_CLASSES = {
    1: "file",
    2: "usage",
    3: "no_answer",
    4: "refused",
    5: "cancelled",
    6: "verify",
    7: "port",
}

# What to do after each class of failure. A write that stopped half-way is
# recovered by the next run: the tool keeps a record of every write and merges
# into the backup taken before it.
_RETRY_RECOVERS = "run the task again; the menus will come from the backup."
ADVICE = {
    1: "Check the document, the backup folder and the options. A slot left half-written is "
    "written again only from a backup (recover_from) or as the document stores it (slots N=I).",
    2: "The installed tarvo does not take the options this module passes: install the tarvo "
    "that came with this collection.",
    3: "Check the cable and the bootloader mode, then " + _RETRY_RECOVERS,
    4: "Check that the keyboard is in bootloader mode and is of the model and version the "
    "document is for, then " + _RETRY_RECOVERS,
    5: "The transfer was cancelled: " + _RETRY_RECOVERS,
    6: "The keyboard holds something other than what was written: check the cable, then "
    "run the task again.",
    7: "Check that the port exists, is not in use and may be opened by the user the task "
    "runs as (for a network serial server: that it is reachable), then " + _RETRY_RECOVERS,
}

# The prefix of the one line the tool prints on standard error when it fails.
_MESSAGE_PREFIX = "tarvo: "


def exit_class(status):
    if status == EXIT_OK:
        return "ok"
    return EXIT_CLASSES.get(status, "unknown")


def tool_message(stderr, events=None):
    """The tool's failure line (its last `tarvo: ...` line), else the error event's message."""
    for line in reversed((stderr or "").splitlines()):
        if line.startswith(_MESSAGE_PREFIX):
            return line[len(_MESSAGE_PREFIX):].strip()
    for event in reversed(events or []):
        if event.get("event") == "error" and event.get("message"):
            return event["message"]
    return (stderr or "").strip()


def json_lines(stdout):
    """The JSON objects the tool printed, one a line; anything else is skipped."""
    events = []
    for line in (stdout or "").splitlines():
        line = line.strip()
        if not line.startswith("{"):
            continue
        try:
            value = json.loads(line)
        except ValueError:
            continue
        if isinstance(value, dict):
            events.append(value)
    return events


def json_document(stdout):
    """The one JSON object the tool printed, or None."""
    try:
        value = json.loads(stdout or "")
    except ValueError:
        return None
    return value if isinstance(value, dict) else None


def port_arguments(module):
    """--port and, where given, --baud."""
    args = ["--port", module.params["port"]]
    if module.params.get("baud"):
        args += ["--baud", module.params["baud"]]
    return args


def run(module, args):
    """Runs `tarvo ARGS`; (status, stdout, stderr)."""
    tarvo = module.get_bin_path("tarvo", required=True)
    return module.run_command([tarvo] + args)


def fail(module, status, message, result=None):
    """Ends the task failed, with the tool's message, its exit class and what to do."""
    result = dict(result or {})
    result.setdefault("changed", False)
    result.update(status=status, exit_class=exit_class(status), message=message)
    advice = ADVICE.get(status, "")
    msg = message
    if advice:
        msg = msg.rstrip(".") + ". " + advice
    module.fail_json(msg=msg, **result)
