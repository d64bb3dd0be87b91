#!/usr/bin/env python3
"""Runs scripts/check_rooms.py over small made-up trees: each case is one include and whether the
room order allows it. usage: check_rooms_cases.py CHECKER"""
import os
import subprocess
import sys
import tempfile

checker = sys.argv[1]
CASES = [
    # (file, the header it includes, allowed)
    ('stock/Ledger.cpp', 'core/Money.h', True),
    ('stock/ui/Screen.cpp', 'stock/Ledger.h', True),
    ('stock/ui/Screen.cpp', 'master/ui/Dialog.h', True),
    ('stock/ui/Screen.cpp', 'widgets/Filter.h', True),
    ('stock/ui/Screen.cpp', 'printing/ui/Printout.h', True),
    ('stock/ui/Screen.cpp', 'reports/ui/Printout.h', False),
    ('stock/Ledger.cpp', 'menu/Ration.h', False),
    ('master/Materials.cpp', 'users/Login.h', False),
    ('stock/Ledger.cpp', 'stock/ui/Screen.h', False),
    ('stock/Ledger.cpp', 'master/ui/Dialog.h', False),
    ('stock/Ledger.cpp', 'widgets/Filter.h', False),
    ('widgets/Filter.cpp', 'printing/ui/Printout.h', True),
    ('widgets/Filter.cpp', 'exchange/Csv.h', False),
    ('newroom/Thing.cpp', 'core/Money.h', False),
]

failures = []
for source, header, allowed in CASES:
    with tempfile.TemporaryDirectory() as root:
        for path, text in ((source, f'#include "{header}"\n'), (header, '#pragma once\n')):
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), 'w', encoding='utf-8') as out:
                out.write(text)
        run = subprocess.run([sys.executable, checker, root], capture_output=True, text=True)
        if (run.returncode == 0) != allowed:
            failures.append(f'{source} -> {header}: expected {"clean" if allowed else "refused"}, got:\n'
                            f'{run.stdout}')
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
