#!/bin/sh
# Stands in for the web browser in the test prefix (Wine's browser launcher runs it): appends the
# address it was given to a record file, so that a test can see what would have been opened.
# Usage: link-recorder.sh RECORD_FILE ADDRESS
printf '%s\n' "$2" >>"$1"
