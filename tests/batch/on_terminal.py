#!/usr/bin/env python3
"""Runs a program with its standard error on a pseudo-terminal and prints what it wrote there.

usage: on_terminal.py PROGRAM [ARGUMENTS...]   (exits with the program's status)
"""

import os
import pty
import subprocess
import sys

master, slave = pty.openpty()
child = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                         stderr=slave)
os.close(slave)
shown = b""
while True:
    try:
        chunk = os.read(master, 4096)
    except OSError:  # the terminal closes with the program
        break
    if not chunk:
        break
    shown += chunk
sys.stdout.buffer.write(shown)
sys.exit(child.wait())
