# SPDX-License-Identifier: Apache-2.0
# Prints each command of a hyperfine JSON export with its mean wall time and processor time (user and
# system) and their ratios to the first command's, the reference. On a machine shared with other work
# the processor time is the steadier of the two: waiting for a core counts in the wall time only.
# Usage: python3 bench/hyperfine-ratios.py TIMES.json
import json
import sys

results = json.load(open(sys.argv[1]))["results"]
wall = results[0]["mean"]
cpu = results[0]["user"] + results[0]["system"]
print(f"  {'wall':>10}  {'ratio':>5}  {'processor':>10}  {'ratio':>5}")
for r in results:
    used = r["user"] + r["system"]
    print(f"  {r['mean'] * 1000:7.1f} ms  {r['mean'] / wall:4.2f}x  {used * 1000:7.1f} ms  {used / cpu:4.2f}x"
          f"  {r['command']}")
