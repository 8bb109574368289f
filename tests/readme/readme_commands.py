#!/usr/bin/env python3
"""Runs the README's examples as a reader would type them.

Every line of a shell code block that calls a program the build makes and
states its output in a trailing `# comment` is run as written, from a folder
where `build` is the build folder under test and the built programs are on
PATH, and its first line of standard output must equal the comment. Lines
that call no built program (make, cmake) or state no output are passed over.

    readme_commands.py README.md BUILD_DIR
"""
import os
import re
import subprocess
import sys
import tempfile

# At least this many examples must be found: a README rewritten so that the
# check finds none would otherwise pass without checking anything.
MIN_CHECKED = 3


def code_lines(readme):
    """(line number, text) of every line inside a ```sh block."""
    inside = False
    for number, line in enumerate(readme.splitlines(), 1):
        fence = line.strip()
        if fence.startswith("```"):
            inside = not inside and fence in ("```sh", "```bash", "```shell")
            continue
        if inside:
            yield number, line


def split_comment(line):
    """(command, comment) split at the first `#` outside quotes that starts a
    word; comment is None when there is none."""
    quote = None
    for k, char in enumerate(line):
        if quote:
            if char == quote:
                quote = None
        elif char in "'\"":
            quote = char
        elif char == "#" and (k == 0 or line[k - 1].isspace()):
            return line[:k].rstrip(), line[k + 1:].strip()
    return line.rstrip(), None


def calls_built_program(command, programs):
    """True when a stage of the pipeline starts with a built program, by its
    path in the build folder or by its name."""
    for stage in command.split("|"):
        words = stage.split()
        if words and (words[0].startswith("build/") or words[0] in programs):
            return True
    return False


def main():
    readme_path, build = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(os.path.join(build, "programs.txt"), encoding="utf-8") as listing:
        paths = [line.split("=", 1)[1].strip() for line in listing if "=" in line]
    paths = [path for path in paths if path]
    programs = {os.path.basename(path) for path in paths}
    with open(readme_path, encoding="utf-8") as readme:
        text = readme.read()

    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    env.pop("LANGUAGE", None)
    env["PATH"] = os.pathsep.join(sorted({os.path.dirname(p) for p in paths}) + [env["PATH"]])
    checked = failed = 0
    with tempfile.TemporaryDirectory() as folder:
        os.symlink(build, os.path.join(folder, "build"))
        for number, line in code_lines(text):
            command, expected = split_comment(line)
            if not command or not expected or not calls_built_program(command, programs):
                continue
            checked += 1
            run = subprocess.run(["bash", "-c", command], cwd=folder, env=env,
                                 capture_output=True, text=True, timeout=60)
            first = (run.stdout.splitlines() or [""])[0]
            if first == expected:
                print(f"README:{number}: {command}  ->  {first}")
            else:
                failed += 1
                print(f"README:{number}: {command}\n  said:  {expected}\n  gave:  {first!r}"
                      f" (exit {run.returncode}; stderr {run.stderr.strip()!r})")
    print(f"{checked} README examples run, {failed} differ")
    if checked < MIN_CHECKED:
        print(f"expected at least {MIN_CHECKED} examples with a stated output")
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
