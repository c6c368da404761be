#!/usr/bin/python
# -*- coding: utf-8 -*-
# The transfer history that `tarvo history` keeps, for reports.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: history
short_description: Read the transfer history of a port
description:
  - Runs C(tarvo history --json) on the machine the task runs on and returns its records. Every query,
    import, download and restore appends records there, from the tool and from the editor.
  - The history is the one of the user the task runs as, kept in that user's state folder
    (C($XDG_STATE_HOME/tarvo-script/history.jsonl), by default C(~/.local/state/tarvo-script/)).
    With C(become) it is root's history, not that of the user who ran the downloads.
version_added: "0.1.0"
author:
  - Tarvo Script Application developers
options:
  port:
    description:
      - Only the transfers made on this port, as it was named or in its canonical form.
      - Without it, every port's.
    type: str
  since:
    description:
      - Only the transfers from this day on, C(YYYY-MM-DD).
    type: str
notes:
  - Check mode is supported; the module reads only.
requirements:
  - tarvo on the machine the task runs on
seealso:
  - module: tarvo.keyboards.download
"""

EXAMPLES = r"""
- name: This month's transfers of each keyboard
  tarvo.keyboards.history:
    port: "{{ tarvo_port }}"
    since: "2026-12-01"
  register: transfers

- name: Transfers that never ended
  ansible.builtin.debug:
    msg: "{{ transfers.records | selectattr('record', 'equalto', 'start') | map(attribute='transfer') | list
             | difference(transfers.records | selectattr('record', 'equalto', 'end') | map(attribute='transfer') | list) }}"
"""

RETURN = r"""
records:
  description:
    - The history's records, oldest first, as C(tarvo history --json) prints them. Each has C(record)
      (C(start), C(slot_start), C(slot_end), C(end)), C(transfer) (one id per transfer) and C(time) (UTC).
    - C(start) adds C(program), C(command), C(port), C(device), C(keyboard) and the document with its
      C(document_sha256); C(slot_start) adds C(slot), C(language) and C(table); C(slot_end) adds C(slot),
      C(outcome), C(sha256) and C(backup); C(end) adds C(status) and C(message).
    - A transfer without an C(end) record did not finish (a killed tool or a lost cable).
  returned: success
  type: list
  elements: dict
  sample: [{"record": "end", "transfer": "2935089b-7584-411c-b09f-e50f4e3882c6", "time": "2026-12-09T15:23:52Z",
            "status": 0, "message": ""}]
status:
  description: The tool's exit status.
  returned: always
  type: int
exit_class:
  description: The class of the tool's exit status.
  returned: always
  type: str
message:
  description: The tool's own failure message.
  returned: failure
  type: str
"""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tarvo.keyboards.plugins.module_utils import tarvo_tool


def main():
    module = AnsibleModule(
        argument_spec=dict(
            port=dict(type="str"),
            since=dict(type="str"),
        ),
        supports_check_mode=True,
    )
    args = ["history", "--json"]
    if module.params["port"]:
        args += ["--port", module.params["port"]]
    if module.params["since"]:
        args += ["--since", module.params["since"]]
    status, out, err = tarvo_tool.run(module, args)
    if status != tarvo_tool.EXIT_OK:
        tarvo_tool.fail(module, status, tarvo_tool.tool_message(err))
    module.exit_json(changed=False, records=tarvo_tool.json_lines(out), status=status,
                     exit_class=tarvo_tool.exit_class(status))


if __name__ == "__main__":
    main()
