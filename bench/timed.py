#!/usr/bin/env python3
"""Runs one command with its output discarded and prints its wall-clock and
CPU (user + system, of the command and its children) seconds:

  timed.py [--limit SECONDS] COMMAND...   ->   "WALL CPU", or ">LIMIT -"

Exits non-zero when the command fails. On a machine that others share,
the CPU time moves much less from run to run than the wall-clock time.
"""
import resource
import subprocess
import sys
import time

args = sys.argv[1:]
limit = None
if args[:1] == ["--limit"]:
    limit, args = float(args[1]), args[2:]
before = resource.getrusage(resource.RUSAGE_CHILDREN)
start = time.perf_counter()
try:
    done = subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=limit)
except subprocess.TimeoutExpired:
    print(">%d -" % limit)
    sys.exit(0)
wall = time.perf_counter() - start
after = resource.getrusage(resource.RUSAGE_CHILDREN)
cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
print("%.3f %.3f" % (wall, cpu))
sys.exit(1 if done.returncode else 0)
