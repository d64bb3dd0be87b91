#!/usr/bin/env python3
"""Checks the folder rooms of the source tree: every include between rooms points downward in the room
order below (never beside or above, so no circle can form), and a logic room (any folder but widgets/ and the
ui/ subfolders) includes no widget or printer header.
usage: scripts/check_rooms.py [ROOT]; exit 1 with the findings printed."""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
skip = {'tests', 'bench', 'build', 'resources', 'scripts'}
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
widget = re.compile(r'^\s*#\s*include\s*<(QtWidgets/|QtPrintSupport/|Q(Widget|Dialog|MainWindow|PushButton|'
                    r'LineEdit|Label|ComboBox|TableView|Application|MessageBox|PrintDialog|Printer|Abstract'
                    r'Button|Layout|HBoxLayout|VBoxLayout|GridLayout|Menu|MenuBar|Action|StatusBar|TextEdit|'
                    r'TextBrowser|CheckBox|RadioButton|SpinBox|DateEdit|HeaderView|ListWidget|TabWidget)\b)')


# The rooms from the floor up; rooms on one line stand beside each other. A logic room may include
# the logic rooms below it; a room's ui/ may include its own logic, the logic and ui/ of the rooms
# below it, widgets/ and printing/ui.
LEVELS = [
    ['core'],
    ['store'],
    ['session'],
    ['printing'],
    ['widgets'],
    ['exchange', 'proceedings'],
    ['master', 'users'],
    ['stock'],
    ['menu'],
    ['alacarte', 'reports', 'maintenance', 'transfer'],
    ['demo'],
    ['shell'],
]
LEVEL = {room: height for height, line in enumerate(LEVELS) for room in line}


def may_include(room, target):
    base, target_base = room.split('/')[0], target.split('/')[0]
    if base not in LEVEL or target_base not in LEVEL:
        return False
    if target in ('widgets', 'printing/ui'):
        return room == 'widgets' or room.endswith('/ui')
    if target.endswith('/ui') and not room.endswith('/ui'):
        return False
    if base == target_base:
        return room.endswith('/ui') and not target.endswith('/ui')
    return LEVEL[target_base] < LEVEL[base]


def room_of(path):
    parts = path.split('/')
    if len(parts) >= 3 and parts[1] == 'ui':
        return parts[0] + '/ui'
    return parts[0]


def is_logic(room):
    return room != 'widgets' and not room.endswith('/ui')


sources = {}
for folder, dirs, files in os.walk(root):
    rel = os.path.relpath(folder, root).replace(os.sep, '/')
    if rel == '.':
        dirs[:] = [d for d in dirs if d not in skip and not d.startswith('.')]
        continue
    for name in files:
        if name.endswith(('.cpp', '.h')):
            sources[f'{rel}/{name}'] = os.path.join(folder, name)

findings = []
for rel, full in sources.items():
    room = room_of(rel)
    with open(full, encoding='utf-8', errors='replace') as text:
        for line in text:
            m = include.match(line)
            if m and m.group(1) in sources and room_of(m.group(1)) != room:
                if not may_include(room, room_of(m.group(1))):
                    findings.append(f'include beside or above: {rel}: {line.strip()}')
            if is_logic(room) and widget.match(line):
                findings.append(f'widget header in logic room: {rel}: {line.strip()}')

for finding in findings:
    print(finding)
sys.exit(1 if findings else 0)
