#!/usr/bin/env bash
# The calendar stand-in as the calendar client of the test prefix, with the sample calendar.
exec "$(dirname "$0")/../calendar-standin.sh" "$LT_BUILD_DIR"
