#!/usr/bin/env python3
"""Checks the folder rooms of the source tree: the includes between rooms form no circle, and a logic
room (any folder but widgets/ and the ui/ subfolders) includes no widget or printer header.
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

arrows = {}
findings = []
for rel, full in sources.items():
    room = room_of(rel)
    with open(full, encoding='utf-8', errors='replace') as text:
        for line in text:
            m = include.match(line)
            if m and m.group(1) in sources and room_of(m.group(1)) != room:
                arrows.setdefault(room, set()).add(room_of(m.group(1)))
            if is_logic(room) and widget.match(line):
                findings.append(f'widget header in logic room: {rel}: {line.strip()}')

# A circle exists exactly when a depth-first walk meets a room that is still on its path.
state = {}


def walk(room, path):
    state[room] = 'open'
    for target in sorted(arrows.get(room, ())):
        if state.get(target) == 'open':
            findings.append('circle between rooms: ' + ' -> '.join(path[path.index(target):] + [room, target]))
        elif target not in state:
            walk(target, path + [room])
    state[room] = 'done'


for room in sorted(arrows):
    if room not in state:
        walk(room, [])

for finding in findings:
    print(finding)
sys.exit(1 if findings else 0)
