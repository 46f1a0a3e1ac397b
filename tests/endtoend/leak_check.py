#!/usr/bin/env python3
"""LeakSanitizer on the program's way out, in the sanitizer build.

    leak_check.py <program folder> <failures folder> <case> <plant library> [<ASan runtime>]

The program ends at once (std::_Exit), which skips LeakSanitizer's check at
exit; the sanitizer build runs the check just before. Each case starts the
shipped program on a desktop of its own and ends it the user's way: it closes
the main window, waits for the promotion window and closes that.

  clean_end     the program ends with status 0 and no leak report.
  planted_leak  the plant library, preloaded, leaks a block when it loads
                and two more in handlers that Qt's event loop calls; the
                program must report all three leaks, naming the functions
                that made them, and end with a status other than 0.

A dynamically linked ASan runtime must come first among the libraries the
program loads, or it refuses to start; the runtime given (g++ links it so)
is preloaded ahead of the plant. Without one (clang links the runtime into
the program) only the plant is preloaded.

Exit status 0: passed; 1: failed, with the reason on stderr and a screenshot
in the failures folder."""

import sys

from quillet import Quillet, run_reported

# In leak_plant.cpp: before main, and under the event loop, called from
# QtCore and from QtWidgets.
PLANTED_FUNCTIONS = ("quilletPlantedLeak", "quilletPlantedSlotLeak", "quilletPlantedEventLeak")


def clean_end(app, _preload):
    app.start()
    status = app.end_through_promotion()
    report = app.leak_report()
    if report:
        app.fail("a bare start and close reported leaks (status %d):\n%s" % (status, report))
    app.require_status_zero(status)


def planted_leak(app, preload):
    app.start(extra_env={"LD_PRELOAD": ":".join(preload)})
    status = app.end_through_promotion()
    report = app.leak_report()
    if not report:
        app.fail("the leak planted by %s was not reported (status %d); the program wrote:\n%s"
                 % (preload[-1], status, app.stderr_text()[-2000:] or "(nothing)"))
    missing = [f for f in PLANTED_FUNCTIONS if f not in report]
    if missing:
        app.fail("the leak report does not name %s:\n%s" % (" or ".join(missing), report))
    if status == 0:
        app.fail("the program reported the planted leak but ended with status 0")
    print("status %d, and the report:\n%s" % (status, report))


CASES = {"clean_end": clean_end, "planted_leak": planted_leak}


def main(argv):
    if len(argv) not in (5, 6) or argv[3] not in CASES:
        sys.stderr.write(__doc__ + "\ncases: %s\n" % ", ".join(CASES))
        return 2
    bin_dir, failures, name, plant = argv[1:5]
    runtime = argv[5] if len(argv) == 6 else ""
    preload = ([runtime] if runtime else []) + [plant]
    full_name = "leak_check." + name
    return run_reported(full_name,
                        lambda stack: CASES[name](Quillet(stack, bin_dir, failures, full_name), preload))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
