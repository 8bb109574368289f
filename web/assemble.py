#!/usr/bin/env python3
"""Puts the page together as one file: the HTML with its texts from the
library's tables (asked of the built module under node), the style, the
script, the worker with the module's glue, and the module's code (base64),
which the page compiles once. The Content-Security-Policy allows exactly the
inline style and script it carries, by their hashes."""

import argparse
import base64
import hashlib
import html
import json
import pathlib
import re
import subprocess
import sys

# The texts, asked of the module as the page would ask it. Its code is handed
# over as the page hands it, not looked for beside the glue.
READ_TEXTS = """
const start = require(process.argv[1]);
start({ wasmBinary: require('fs').readFileSync(process.argv[2]) }).then((module) => {
  process.stdout.write(module.ccall('quorvel_texts', 'string', [], []));
});
"""


def page_texts(node, module, code):
    out = subprocess.run([node, "-e", READ_TEXTS, str(module), str(code)], check=True,
                         capture_output=True, text=True, encoding="utf-8")
    return json.loads(out.stdout)


def sha256(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def raw_text_safe(name, text):
    """Text inside <script> or <style> ends at the first closing tag."""
    if re.search(r"</(script|style)|<!--", text, re.IGNORECASE):
        sys.exit(f"assemble: {name} holds a closing tag or a comment opening")
    return text


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--node", required=True)
    parser.add_argument("--module", required=True, type=pathlib.Path)
    parser.add_argument("--parts", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    args = parser.parse_args()

    code_file = args.module.resolve().with_suffix(".wasm")
    texts = page_texts(args.node, args.module.resolve(), code_file)
    code = base64.b64encode(code_file.read_bytes()).decode("ascii")
    read = lambda name: (args.parts / name).read_text(encoding="utf-8")
    style = raw_text_safe("page.css", read("page.css"))
    script = raw_text_safe("page.js", read("page.js"))
    worker = raw_text_safe("the worker",
                           args.module.read_text(encoding="utf-8") + "\n" + read("worker.js"))
    # JSON in a script element: "</" written as "<\/" cannot close it.
    texts_json = json.dumps(texts, ensure_ascii=False).replace("</", "<\\/")

    csp = "; ".join([
        "default-src 'none'",
        # The module is compiled from the page's own bytes: no eval of JavaScript.
        f"script-src {sha256(script)} 'wasm-unsafe-eval'",
        f"style-src {sha256(style)}",
        "worker-src blob:",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])

    def fill(match):
        key = match.group(1)
        if key.startswith("text:"):
            return html.escape(texts[key[5:]])
        return {"csp": html.escape(csp), "style": style, "script": script,
                "texts": texts_json, "worker": worker, "code": code}[key]

    page = re.sub(r"\{\{([a-z_:]+)\}\}", fill, read("page.html"))
    args.output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
