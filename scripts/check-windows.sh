#!/usr/bin/env bash
# Placeholder until this check exists.
echo "check-windows: nothing to check yet"
