#!/usr/bin/python
# -*- coding: utf-8 -*-
# Writes a document's tables into one keyboard with `tarvo download`.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: download
short_description: Write a document's language tables into a keyboard
description:
  - Runs C(tarvo download) on the machine the task runs on, against the keyboard on C(port).
  - The keyboard's own script menus are read back and the document's edited entries are merged
    into them, as the tool always does; slots that already hold what would be written are left
    alone, so a second run reports no change.
  - In check mode it runs C(tarvo download --dry-run), which reads the keyboard but erases and
    writes nothing. The script-menu entries that would change are the task's diff (shown with
    C(--diff)).
  - A slot an earlier, interrupted run left half-written is recovered as the tool recovers it,
    from the record of that write and the backup taken before it, or from C(recover_from).
version_added: "0.1.0"
author:
  - Tarvo Script Application developers
options:
  document:
    description:
      - The document (C(.tvo)) whose tables are written. It is never changed.
    type: path
    required: true
  port:
    description:
      - The keyboard's port on the machine the task runs on. A device path (C(/dev/ttyUSB0)), a COM
        number (C(3) is COM3) or a network serial server, C(rfc2217://HOST:PORT).
      - Usually the host's C(tarvo_port) variable.
    type: str
    required: true
  slots:
    description:
      - The keyboard slots to write (1 to 13). An item C(N=I) writes the document's table I (from 0)
        into slot N as stored, without merging the keyboard's menus.
      - Without it, every slot that holds one of the document's languages.
    type: list
    elements: str
  backup:
    description:
      - A folder for backups. Before the first erase the tables of the chosen slots are saved to a
        new file there, named after the port and the time; an existing file is never replaced.
      - A run that finds every slot unchanged leaves no file.
      - The folder must exist on the machine the task runs on.
    type: path
  verify:
    description:
      - Read the written slots back and compare them byte for byte.
    type: bool
    default: false
  recover_from:
    description:
      - A backup document whose table of a half-written slot is merged with the document's edits, when
        the tool's own record of the interrupted write does not apply.
    type: path
  baud:
    description:
      - The line speed. C(auto) tries the speed that last answered on that port first, then the other.
    type: str
    choices: [auto, "19200", "57600"]
notes:
  - Check mode and diff mode are supported. The diff lists, per slot, each script-menu entry
    (menus 80 to 95) as the keyboard holds it and as the download would write it.
  - The records of interrupted writes belong to the user the task runs as (with C(become), root's),
    as does the transfer history.
requirements:
  - tarvo on the machine the task runs on
seealso:
  - module: tarvo.keyboards.query
  - module: tarvo.keyboards.history
"""

EXAMPLES = r"""
- name: Roll the site's document out to every keyboard
  tarvo.keyboards.download:
    document: /srv/tarvo/site.tvo
    port: "{{ tarvo_port }}"
    backup: /var/backups/tarvo
    verify: true

- name: Write only slot 2, through a network serial server
  tarvo.keyboards.download:
    document: /srv/tarvo/site.tvo
    port: rfc2217://192.0.2.10:2001
    slots: [2]

- name: Recover a half-written slot from a backup named by hand
  tarvo.keyboards.download:
    document: /srv/tarvo/site.tvo
    port: "{{ tarvo_port }}"
    recover_from: /var/backups/tarvo/dev_ttyUSB0-20260101T101500Z.tvo
"""

RETURN = r"""
slots:
  description:
    - Each slot the download reached, with its outcome (C(written), C(unchanged), C(verified)) and, for
      a recovered slot, what its menus came from (C(backup), C(record), C(as_stored)).
    - In check mode, each slot of the plan with its action (C(write), C(unchanged), C(recover),
      C(as_stored), C(refused)), the backup it would merge into and its changed entries.
  returned: always
  type: list
  elements: dict
  sample: [{"slot": 2, "result": "written"}, {"slot": 3, "result": "unchanged"}]
backup:
  description: The backup saved before the first erase, or null when none was saved.
  returned: always
  type: str
  sample: /var/backups/tarvo/dev_ttyUSB0-20260101T101500Z.tvo
recovered:
  description: The slots written from a recovery source, each with that source.
  returned: always
  type: list
  elements: dict
  sample: [{"slot": 2, "source": "backup"}]
not_written:
  description: Document tables that no slot of the keyboard holds, with the blank slots that could take them.
  returned: always
  type: list
  elements: dict
  sample: [{"table": 4, "language": 18, "blank_slots": [6, 7]}]
status:
  description: The tool's exit status.
  returned: always
  type: int
  sample: 3
exit_class:
  description: The class of the tool's exit status (C(ok), C(file), C(no_answer), C(refused), C(cancelled), C(verify), C(port)).
  returned: always
  type: str
  sample: no_answer
message:
  description: The tool's own failure message.
  returned: failure
  type: str
"""

import datetime
import json
import os
import re

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tarvo.keyboards.plugins.module_utils import tarvo_tool

# The actions of a dry-run plan that would write the slot.
_WRITING_ACTIONS = ("write", "recover", "as_stored")


def _entry_line(menu, entry, side):
    """One entry as a diff line: its three lines (padding dropped) and its action."""
    lines = ", ".join(json.dumps(str(line).rstrip(), ensure_ascii=False) for line in side.get("lines", []))
    return "menu %s entry %s: %s (action %s, A %s, B %s)\n" % (
        menu, entry, lines, side.get("kind"), side.get("a"), side.get("b"))


def _plan_diff(plan):
    """Per slot with changes: the entries as the keyboard holds them and as they would be written."""
    diffs = []
    for slot in plan:
        changes = slot.get("changes") or []
        if not changes:
            continue
        before = "".join(_entry_line(c.get("menu"), c.get("entry"), c.get("old") or {}) for c in changes)
        after = "".join(_entry_line(c.get("menu"), c.get("entry"), c.get("new") or {}) for c in changes)
        name = "slot %s (language %s)" % (slot.get("slot"), slot.get("language"))
        diffs.append({
            "before_header": name + ", in the keyboard",
            "after_header": name + ", after the download",
            "before": before,
            "after": after,
        })
    return diffs


def _common_arguments(module):
    params = module.params
    args = ["download", params["document"]] + tarvo_tool.port_arguments(module) + ["--json"]
    if params["slots"]:
        args += ["--slots", ",".join(str(item).strip() for item in params["slots"])]
    if params["recover_from"]:
        args += ["--recover-from", params["recover_from"]]
    return args


def _event_fields(event):
    return dict((k, v) for k, v in event.items() if k not in ("event", "port"))


def _not_written(events):
    return [_event_fields(e) for e in events if e.get("event") == "not_written"]


def _recovery_source(plan):
    """What a planned slot's menus would come from, in the words of a download's slot_done."""
    if plan.get("action") == "as_stored":
        return "as_stored"
    return "backup" if plan.get("backup") else "record"


def _dry_run(module):
    status, out, err = tarvo_tool.run(module, _common_arguments(module) + ["--dry-run"])
    events = tarvo_tool.json_lines(out)
    plan = [e for e in events if e.get("event") == "plan"]
    slots = [_event_fields(e) for e in plan]
    result = dict(
        changed=any(e.get("action") in _WRITING_ACTIONS for e in plan),
        slots=slots,
        backup=None,
        recovered=[{"slot": e.get("slot"), "source": _recovery_source(e)} for e in plan
                   if e.get("action") in ("recover", "as_stored")],
        not_written=_not_written(events),
        status=status,
        exit_class=tarvo_tool.exit_class(status),
        diff=_plan_diff(plan),
    )
    if status != tarvo_tool.EXIT_OK:
        tarvo_tool.fail(module, status, tarvo_tool.tool_message(err, events), result)
    module.exit_json(**result)


def _backup_path(folder, port):
    """A new file in the folder, named after the port and the time (UTC)."""
    name = re.sub(r"[^A-Za-z0-9.]+", "_", port).strip("_") or "keyboard"
    stamp = datetime.datetime.utcnow().strftime("%Y%m%dT%H%M%SZ")
    path = os.path.join(folder, "%s-%s.tvo" % (name, stamp))
    count = 1
    while os.path.lexists(path):
        count += 1
        path = os.path.join(folder, "%s-%s-%d.tvo" % (name, stamp, count))
    return path


def _download(module):
    params = module.params
    args = _common_arguments(module)
    backup = None
    if params["backup"]:
        backup = _backup_path(params["backup"], params["port"])
        args += ["--backup", backup]
    if params["verify"]:
        args.append("--verify")
    status, out, err = tarvo_tool.run(module, args)
    events = tarvo_tool.json_lines(out)

    slots = {}
    written = False
    for event in events:
        if event.get("event") != "slot_done":
            continue
        slot = slots.setdefault(event.get("slot"), {"slot": event.get("slot")})
        slot["result"] = event.get("result")
        if event.get("result") == "written":
            written = True
        if event.get("recovered"):
            slot["recovered"] = event["recovered"]
    # The tool saves its backup before it knows whether anything will change:
    # a backup of slots that were all left as they were is no backup of anything.
    if backup and status == tarvo_tool.EXIT_OK and not written and os.path.isfile(backup):
        os.remove(backup)
    if backup and not os.path.isfile(backup):
        backup = None

    ordered = [slots[k] for k in sorted(slots, key=lambda s: (s is None, s))]
    result = dict(
        changed=written,
        slots=ordered,
        backup=backup,
        recovered=[{"slot": s["slot"], "source": s["recovered"]} for s in ordered if "recovered" in s],
        not_written=_not_written(events),
        status=status,
        exit_class=tarvo_tool.exit_class(status),
    )
    if status != tarvo_tool.EXIT_OK:
        tarvo_tool.fail(module, status, tarvo_tool.tool_message(err, events), result)
    for table in result["not_written"]:
        module.warn("document table %s (language %s) is held by no slot of the keyboard; blank slots "
                    "that could take it: %s (slots: N=%s)" % (
                        table.get("table"), table.get("language"),
                        ", ".join(str(s) for s in table.get("blank_slots") or []) or "none",
                        table.get("table")))
    module.exit_json(**result)


def main():
    module = AnsibleModule(
        argument_spec=dict(
            document=dict(type="path", required=True),
            port=dict(type="str", required=True),
            slots=dict(type="list", elements="str"),
            backup=dict(type="path"),
            verify=dict(type="bool", default=False),
            recover_from=dict(type="path"),
            baud=dict(type="str", choices=["auto", "19200", "57600"]),
        ),
        supports_check_mode=True,
    )
    folder = module.params["backup"]
    if folder and not os.path.isdir(folder):
        # Found in check mode too, before a roll-out depends on it.
        module.fail_json(msg="backup: %s is not a folder: create it first, or leave backup out" % folder,
                         status=tarvo_tool.EXIT_FILE, exit_class=tarvo_tool.exit_class(tarvo_tool.EXIT_FILE))
    if module.check_mode:
        _dry_run(module)
    else:
        _download(module)


if __name__ == "__main__":
    main()
