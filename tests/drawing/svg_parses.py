"""quorvel-cli --bridge-svg's files read by an XML parser: well formed,
titled and described, the equation's text intact (an arrow such as <=>
escaped), no script. Usage: svg_parses.py QUORVEL_CLI"""

import os
import subprocess
import sys
import tempfile
import xml.dom.minidom

CASES = [
    # equation, the balanced text, a label the drawing must carry
    ("KMnO4 =△= K2MnO4 + MnO2 + O2↑", "2KMnO4 =△= K2MnO4 + MnO2 + O2↑", "失去 2×2e⁻，化合价升高，被氧化"),
    ("KClO3 + HCl = KCl + Cl2 + H2O", "KClO3 + 6HCl = KCl + 3Cl2 + 3H2O", "得到 1×5e⁻，化合价降低，被还原"),
    ("H2 + O2 <=> H2O", "2H2 + O2 <=> 2H2O", "失去 4×e⁻，化合价升高，被氧化"),
]


def text_of(node):
    return "".join(child.data for child in node.childNodes if child.nodeType == child.TEXT_NODE)


def main():
    cli = sys.argv[1]
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANGUAGE"}
    env["LANG"] = "zh_CN.UTF-8"
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for number, (equation, balanced, label) in enumerate(CASES):
            path = os.path.join(folder, f"bridges{number}.svg")
            run = subprocess.run([cli, "--chemistry", "--bridge-svg", path, equation],
                                 env=env, capture_output=True)
            if run.returncode != 0:
                print(f"{equation}: exit {run.returncode}: {run.stderr.decode()}")
                failures += 1
                continue
            document = xml.dom.minidom.parse(path)
            svg = document.documentElement
            title = text_of(svg.getElementsByTagName("title")[0])
            desc = text_of(svg.getElementsByTagName("desc")[0])
            texts = [text_of(t) for t in svg.getElementsByTagName("text")]
            problems = []
            if svg.tagName != "svg" or svg.getAttribute("xmlns") != "http://www.w3.org/2000/svg":
                problems.append("not an SVG root")
            if balanced not in title:
                problems.append(f"title {title!r}")
            if len(desc.splitlines()) < 2:
                problems.append(f"desc {desc!r}")
            if label not in texts:
                problems.append(f"no label {label!r} among {texts}")
            arrow = balanced.split(" ")[balanced.split(" ").index("+") + 2]
            if arrow not in texts:
                problems.append(f"no arrow {arrow!r}")
            if svg.getElementsByTagName("script"):
                problems.append("a script")
            for problem in problems:
                print(f"{equation}: {problem}")
            failures += len(problems)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
