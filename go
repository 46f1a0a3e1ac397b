#!/bin/sh
# Front door for a fresh Debian 12 machine: installs what is missing (make and
# cmake included), then hands over to the Makefile.
#   ./go run    build and start the tutor
#   ./go test   build and run every test
set -e
cd "$(dirname "$0")"
scripts/setup-debian.sh
exec make "${1:-run}"
