#!/usr/bin/python
# -*- coding: utf-8 -*-
# What a keyboard is and holds, with `tarvo query`, as facts.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: query
short_description: Read a keyboard's identity and the table in each slot
description:
  - Runs C(tarvo query) on the machine the task runs on, against the keyboard on C(port), and sets
    the fact C(tarvo_keyboard) to what it reports. Nothing is written to the keyboard.
version_added: "0.1.0"
author:
  - Tarvo Script Application developers
options:
  port:
    description:
      - The keyboard's port on the machine the task runs on. A device path (C(/dev/ttyUSB0)), a COM
        number (C(3) is COM3) or a network serial server, C(rfc2217://HOST:PORT).
      - Usually the host's C(tarvo_port) variable.
    type: str
    required: true
  baud:
    description:
      - The line speed. C(auto) tries the speed that last answered on that port first, then the other.
    type: str
    choices: [auto, "19200", "57600"]
notes:
  - Check mode is supported; the query reads the keyboard in check mode too.
requirements:
  - tarvo on the machine the task runs on
seealso:
  - module: tarvo.keyboards.download
"""

EXAMPLES = r"""
- name: What each keyboard holds
  tarvo.keyboards.query:
    port: "{{ tarvo_port }}"

- name: Keyboards that still run old firmware
  ansible.builtin.debug:
    msg: "{{ inventory_hostname }} runs {{ tarvo_keyboard.identity.firmware }}"
  when: tarvo_keyboard.identity.firmware is version('1.94', '<')
"""

RETURN = r"""
ansible_facts:
  description: The facts set.
  returned: success
  type: complex
  contains:
    tarvo_keyboard:
      description:
        - The keyboard as C(tarvo query --json) reports it. C(model), C(identity) (bootloader,
          firmware, fonts, generation, slot count, ...), C(baud) (the speed that answered) and
          C(slots).
        - C(slots) holds one entry per slot the keyboard has (5 or 13), each with C(slot), C(language_id),
          C(friendly_name), C(font), C(version), C(incomplete) and C(interrupted), or null where the slot
          holds no table.
      type: dict
      sample: {"model": "KBD-OMNIA", "baud": 19200, "identity": {"firmware": "1.94", "slot_count": 13},
               "slots": [{"slot": 1, "language_id": 0, "friendly_name": "English", "incomplete": false}, null]}
status:
  description: The tool's exit status.
  returned: always
  type: int
exit_class:
  description: The class of the tool's exit status (C(ok), C(no_answer), C(refused), C(port), ...).
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
            port=dict(type="str", required=True),
            baud=dict(type="str", choices=["auto", "19200", "57600"]),
        ),
        supports_check_mode=True,
    )
    status, out, err = tarvo_tool.run(module, ["query"] + tarvo_tool.port_arguments(module) + ["--json"])
    if status != tarvo_tool.EXIT_OK:
        tarvo_tool.fail(module, status, tarvo_tool.tool_message(err))
    keyboard = tarvo_tool.json_document(out)
    if keyboard is None:
        module.fail_json(msg="tarvo query printed no JSON document: %s" % out[:200], status=status,
                         exit_class="unknown")
    module.exit_json(changed=False, ansible_facts=dict(tarvo_keyboard=keyboard), status=status,
                     exit_class=tarvo_tool.exit_class(status))


if __name__ == "__main__":
    main()
