#!/bin/sh
# Runs a GoogleTest program, and fails it when it ended before its tests did.
#   run-to-end.sh PROGRAM [ARGUMENT...]
#
# GoogleTest writes the file that TEST_PREMATURE_EXIT_FILE names when it
# starts its tests and removes it once they have all reached their end. A
# file left behind means the program ended in the middle of a test (or never
# came to its tests), and that fails, whatever the program's status was.
marker=$(mktemp "${TMPDIR:-/tmp}/quillet-test-end.XXXXXX") || exit 1
TEST_PREMATURE_EXIT_FILE=$marker "$@"
status=$?
if [ -e "$marker" ]; then
    rm -f "$marker"
    tests=""
    for arg in "$@"; do
        case $arg in --gtest_filter=*) tests=" (${arg#--gtest_filter=})" ;; esac
    done
    echo "run-to-end.sh: ${1##*/}$tests ended with status $status before its test reached its end" >&2
    exit 1
fi
exit $status
