#!/usr/bin/env python3
"""Every translation file is complete: lupdate, run over the editor's sources
into a copy, finds no source text the file lacks and none it holds in vain,
and the file leaves no translation unfinished or empty.

Usage: ts_complete_test.py LUPDATE SOURCE_FOLDER... -- TS_FILE...
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source) -> translation element, for every current message."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation.get('type') in ('obsolete', 'vanished'):
                continue
            found[(name, message.findtext('source'))] = translation
    return found


def main():
    split = sys.argv.index('--')
    lupdate, folders, ts_files = sys.argv[1], sys.argv[2:split], sys.argv[split + 1:]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        for ts_file in ts_files:
            copy = f'{work}/current.ts'
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, '-no-obsolete', '-locations', 'none', *folders, '-ts', copy],
                           check=True, stdout=subprocess.DEVNULL)
            committed, current = messages(ts_file), messages(copy)
            for key in sorted(current.keys() - committed.keys()):
                failures.append(f'{ts_file}: no translation of {key}')
            for key in sorted(committed.keys() - current.keys()):
                failures.append(f'{ts_file}: {key} is no longer in the sources')
            for key, translation in committed.items():
                if translation.get('type') == 'unfinished' or not (translation.text or '').strip():
                    failures.append(f'{ts_file}: the translation of {key} is unfinished or empty')
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
