#!/usr/bin/env python3
"""The rules every test of the suite keeps, read from CTest's own listing:
every test has a time limit, and every GoogleTest case runs through
run-to-end.sh, which fails a case whose program ended before the case did.

    suite_rules.py <ctest> <build folder> <run-to-end.sh>

Exit status 0: every test keeps them; 1: the tests that break one are named
on stderr."""

import json
import os
import subprocess
import sys


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    ctest, build, run_to_end = argv[1:]
    listing = subprocess.run([ctest, "--test-dir", build, "--show-only=json-v1"],
                             capture_output=True, text=True, timeout=600)
    if listing.returncode != 0:
        sys.stderr.write("ctest could not list the tests:\n%s" % listing.stderr)
        return 1
    tests = json.loads(listing.stdout)["tests"]
    unlimited, not_to_end = [], []
    for test in tests:
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        if not properties.get("TIMEOUT", 0) > 0:
            unlimited.append(test["name"])
        command = test.get("command", [])
        is_gtest_case = any(arg.startswith("--gtest_filter=") for arg in command)
        if is_gtest_case and os.path.realpath(command[0]) != os.path.realpath(run_to_end):
            not_to_end.append(test["name"])
    broken = [("have no time limit of their own", unlimited),
              ("are GoogleTest cases not run through %s" % os.path.basename(run_to_end), not_to_end)]
    failed = False
    for what, names in broken:
        if names:
            failed = True
            sys.stderr.write("%d of %d tests %s, among them:\n  %s\n"
                             % (len(names), len(tests), what, "\n  ".join(names[:10])))
    if failed:
        return 1
    print("%d tests, each with its time limit; every GoogleTest case runs to its end" % len(tests))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
