#!/usr/bin/python3
"""The web page's figures: its size (plain and gzipped), the time to
interactive and to an answer in headless Chromium, over several loads, and
screenshots at 360 and 1280 px wide, light and dark, with KMnO4 balanced.

    scripts/measure-web.py [build-web/quorvel.html] [OUT-DIR]
"""

import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
sys.argv, arguments = sys.argv[:1], sys.argv[1:]
page = pathlib.Path(arguments[0] if arguments else "build-web/quorvel.html").resolve()
out = pathlib.Path(arguments[1] if len(arguments) > 1 else "build-web/measure")
sys.argv.append(str(page))
import browser_test as bt  # noqa: E402

out.mkdir(parents=True, exist_ok=True)
data = page.read_bytes()
print(f"size: {len(data)} bytes, {len(gzip.compress(data, 9))} gzipped")

ready, answers = [], []
driver = bt.browser()
try:
    for _ in range(5):
        ready.append(bt.open_page(driver))
        answers.append(bt.ask(driver, bt.KMNO4, "KMnO4 31.6g"))
finally:
    driver.quit()
print(f"time to interactive: median {statistics.median(ready)} ms, runs {ready}")
print(f"time to the KMnO4 answer with details: median {statistics.median(answers)} ms, "
      f"runs {answers}")

for width in (360, 1280):
    for dark in (False, True):
        driver = bt.browser(width=width, dark=dark)
        try:
            bt.open_page(driver)
            bt.ask(driver, bt.KMNO4, "KMnO4 31.6g")
            height = driver.execute_script("return document.documentElement.scrollHeight")
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1,
                "mobile": width < 600})
            name = out / f"kmno4-{width}-{'dark' if dark else 'light'}.png"
            driver.save_screenshot(str(name))
            print(f"screenshot: {name}")
        finally:
            driver.quit()
