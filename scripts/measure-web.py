#!/usr/bin/python3
"""The web page's figures: its size (plain and gzipped), the time to
interactive and to an answer in headless Chromium, over several loads, beside
the same setup's floor (a page whose worker compiles an empty module), the
load on the machine while measuring, and screenshots at 360 and 1280 px wide,
light and dark, with KMnO4 balanced.

Interactive is timed three ways, each beside the floor timed the same way:
reloaded in the same tab, opened in a new tab of a running browser (what a
student who opens the file gets), and as the first page of a browser just
started (where even the floor's first script waits on the browser's own
start).

    scripts/measure-web.py [build-web/quorvel.html] [OUT-DIR]
"""

import gzip
import os
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
sys.argv, arguments = sys.argv[:1], sys.argv[1:]
page = pathlib.Path(arguments[0] if arguments else "build-web/quorvel.html").resolve()
out = pathlib.Path(arguments[1] if len(arguments) > 1 else "build-web/measure").resolve()
sys.argv.append(str(page))
import browser_test as bt  # noqa: E402

RUNS = 7

# The floor: the same file:// page, Blob worker and compile, with nothing in
# the module, marked ready the way the page marks it.
FLOOR_PAGE = """<!DOCTYPE html><html><body><script>
const source = "WebAssembly.instantiate(new Uint8Array([0,97,115,109,1,0,0,0]))" +
               ".then(() => postMessage('ready'));";
const worker = new Worker(URL.createObjectURL(new Blob([source], {type: 'text/javascript'})));
worker.onmessage = () => {
  document.documentElement.dataset.readyMs = Math.round(performance.now()).toString();
  document.documentElement.dataset.ready = 'true';
};
</script></body></html>
"""


# Every main-thread task over 50 ms, noted from before the page's own script.
WATCH_LONG_TASKS = """
window.longestTaskMs = 0;
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) {
    window.longestTaskMs = Math.max(window.longestTaskMs, Math.round(entry.duration));
  }
}).observe({ type: 'longtask', buffered: true });
"""


def load():
    return "{:.2f} {:.2f} {:.2f}".format(*os.getloadavg())


def figures(name, runs):
    return (f"{name}: median {statistics.median(runs)} ms, cold {runs[0]} ms, "
            f"runs {runs}")


def wait_ready(driver):
    bt.WebDriverWait(driver, bt.READY_LIMIT_S).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
    return int(driver.execute_script("return document.documentElement.dataset.readyMs"))


def in_new_tabs(target):
    """Ready, each time opened in a new tab (a new renderer) of one running browser."""
    driver = bt.browser()
    runs = []
    try:
        for _ in range(RUNS):
            driver.switch_to.new_window("tab")
            driver.get(target.as_uri())
            runs.append(wait_ready(driver))
            driver.close()
            driver.switch_to.window(driver.window_handles[0])
    finally:
        driver.quit()
    return runs


def in_new_browsers(target, runs=5):
    """Ready, each time as the first page of a browser just started."""
    times = []
    for _ in range(runs):
        driver = bt.browser()
        try:
            driver.get(target.as_uri())
            times.append(wait_ready(driver))
        finally:
            driver.quit()
    return times


def ask_at_once(driver):
    """The question sent the moment the page is ready: the worker may still be warming up."""
    driver.get(page.as_uri())
    return int(driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const root = document.documentElement;
        const [equation, given] = arguments;
        const ask = () => {
          document.getElementById('equation').value = equation;
          document.getElementById('given').value = given;
          document.getElementById('question').requestSubmit();
          const poll = () => (root.dataset.answerMs ? done(root.dataset.answerMs)
                                                    : setTimeout(poll, 1));
          poll();
        };
        const wait = () => root.dataset.ready === 'true' ? ask() : setTimeout(wait, 1);
        wait();
    """, bt.KMNO4, "KMnO4 31.6g"))


out.mkdir(parents=True, exist_ok=True)
data = page.read_bytes()
print(f"size: {len(data)} bytes, {len(gzip.compress(data, 9))} gzipped")
floor_page = out / "floor.html"
floor_page.write_text(FLOOR_PAGE, encoding="utf-8")

print(f"load before: {load()}")
taking, ready, answers, at_once, floor, longest = [], [], [], [], [], []
driver = bt.browser()
driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_LONG_TASKS})
try:
    driver.set_script_timeout(bt.ANSWER_LIMIT_S)
    for _ in range(RUNS):
        ready.append(bt.open_page(driver))
        taking.append(int(driver.execute_script(
            "return document.documentElement.dataset.interactiveMs || -1")))
        answers.append(bt.ask(driver, bt.KMNO4, "KMnO4 31.6g"))
        longest.append(int(driver.execute_script("return window.longestTaskMs")))
        at_once.append(ask_at_once(driver))
        driver.get(floor_page.as_uri())
        bt.WebDriverWait(driver, bt.READY_LIMIT_S).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        floor.append(int(driver.execute_script("return document.documentElement.dataset.readyMs")))
finally:
    driver.quit()
if min(taking) >= 0:  # pages built before the mark was made lack it
    print(figures("the form takes questions", taking))
print(figures("time to interactive (the module answers), reloaded in one tab", ready))
print(figures("the floor (an empty module, same setup)", floor))
tabs, tabs_floor = in_new_tabs(page), in_new_tabs(floor_page)
started, started_floor = in_new_browsers(page), in_new_browsers(floor_page)
print(figures("the same, in a new tab of a running browser", tabs))
print(figures("the floor, in a new tab", tabs_floor))
print(figures("the same, first page of a browser just started", started))
print(figures("the floor, first page of a browser just started", started_floor))
print(figures("time to the KMnO4 answer with details, typed", answers))
print(figures("the same, asked the moment the page is ready", at_once))
print(figures("the page's longest task over 50 ms (0: none), load and answer", longest))
print(f"load after: {load()}")

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
