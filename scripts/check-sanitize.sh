#!/usr/bin/env bash
# Placeholder until this check exists.
echo "check-sanitize: nothing to check yet"
