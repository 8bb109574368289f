#!/usr/bin/env python3
"""The built page in headless Chromium with the network off: answers typed
equations (Enter and the button), shows details, failures and given amounts
as the library words them, keeps typed text as text, fits a phone's width,
and carries its Content-Security-Policy.

    browser_test.py BUILD-WEB/quorvel.html      (exit 77 when it is missing)
"""

import pathlib
import sys
import time
import unittest

PAGE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/quorvel.html").resolve()
SKIP = 77

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Generous: timing is measured (scripts/measure-web.py), not asserted here.
READY_LIMIT_S = 10
ANSWER_LIMIT_S = 10

KMNO4 = "KMnO4 =△= K2MnO4 + MnO2 + O2↑"


def browser(width=1280, dark=False, wait_for_load=True):
    options = webdriver.ChromeOptions()
    if not wait_for_load:  # control comes back at once: the page may still be reading the module
        options.page_load_strategy = "none"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     # The network off: every request would go to a closed port.
                     "--proxy-server=http://127.0.0.1:9", "--proxy-bypass-list=<-loopback>",
                     f"--window-size={width},900", "--lang=zh-CN"):
        options.add_argument(argument)
    if dark:
        options.add_argument("--force-dark-mode")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": 900, "deviceScaleFactor": 1, "mobile": width < 600})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})
    return driver


def open_page(driver):
    driver.get(PAGE.as_uri())
    WebDriverWait(driver, READY_LIMIT_S).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
    return int(driver.execute_script("return document.documentElement.dataset.readyMs"))


def ask(driver, equation, given="", press="enter"):
    """Types the question, sends it, and waits for its answer."""
    driver.execute_script("document.documentElement.dataset.answerMs = ''")
    for box, text in (("equation", equation), ("given", given)):
        element = driver.find_element(By.ID, box)
        element.clear()
        if len(text) < 1000:
            element.send_keys(text)
        else:  # typing a megabyte would take minutes
            driver.execute_script("arguments[0].value = arguments[1]", element, text)
    if press == "enter":
        driver.find_element(By.ID, "equation").send_keys(Keys.ENTER)
    else:
        driver.find_element(By.ID, "balance").click()
    WebDriverWait(driver, ANSWER_LIMIT_S).until(
        lambda d: d.execute_script("return document.documentElement.dataset.answerMs") != "")
    return int(driver.execute_script("return document.documentElement.dataset.answerMs"))


def text_of(driver, element_id):
    return driver.find_element(By.ID, element_id).text


def detail_lines(driver):
    return [item.text for item in driver.find_elements(By.CSS_SELECTOR, "#details li")]


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()
        cls.ready_ms = open_page(cls.driver)
        print(f"time to interactive: {cls.ready_ms} ms", file=sys.stderr)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def test_answers(self):
        # equation, given, Enter or the button, result, lines the details hold
        rows = [
            (KMNO4, "KMnO4 31.6g", "enter", "2KMnO4 =△= K2MnO4 + MnO2 + O2↑",
             ["质量比：316 : 197 : 87 : 32", "转移电子：4e⁻", "KMnO4：0.2 mol，31.6 g",
              "O2：0.1 mol，3.2 g"]),
            ("H2 + O2 = H2O", "", "button", "2H2 + O2 = 2H2O", ["质量比：4 : 32 : 36"]),
            ("高锰酸钾 =△= 锰酸钾 + 二氧化锰 + 氧气", "", "enter",
             "2KMnO4 =△= K2MnO4 + MnO2 + O2", ["相对分子质量：KMnO4 高锰酸钾 158"]),
        ]
        for equation, given, press, result, lines in rows:
            with self.subTest(equation=equation, press=press):
                took = ask(self.driver, equation, given, press)
                print(f"answer to {equation!r}: {took} ms", file=sys.stderr)
                self.assertEqual(text_of(self.driver, "result"), result)
                shown = detail_lines(self.driver)
                for line in lines:
                    self.assertTrue(any(line in item for item in shown), (line, shown))
                self.assertFalse(self.driver.find_element(By.ID, "given-error").is_displayed())

    def test_draws_the_bridges_of_a_redox_answer_only(self):
        drawing = "const s = document.querySelector('#bridges svg'); return s ? s.textContent : null"
        ask(self.driver, KMNO4)
        text = self.driver.execute_script(drawing)
        self.assertIsNotNone(text)
        for part in ("的双线桥", "失去 2×2e⁻", "得到 1×3e⁻", "+7"):
            self.assertIn(part, text)
        ask(self.driver, "NaOH + HCl = NaCl + H2O")
        self.assertIsNone(self.driver.execute_script(drawing))

    def test_failures_are_told_in_chinese(self):
        # equation, what the reason names
        rows = [("H2 + O2 = H2O + N2", "N"), ("Xq + O2 = XqO", "Xq"), ("H2 + O2", "")]
        for equation, named in rows:
            with self.subTest(equation=equation):
                ask(self.driver, equation, press="button")
                result = text_of(self.driver, "result")
                self.assertTrue(result.startswith("方程式配平失败！"), result)
                reason = result[len("方程式配平失败！"):]
                self.assertTrue(reason and any("\u4e00" <= c <= "\u9fff" for c in reason), result)
                self.assertIn(named, reason)
                self.assertEqual(detail_lines(self.driver), [])

    def test_given_that_does_not_fit_keeps_the_details(self):
        ask(self.driver, "H2 + O2 = H2O", "NaCl 5g")
        self.assertEqual(text_of(self.driver, "result"), "2H2 + O2 = 2H2O")
        self.assertIn("NaCl", text_of(self.driver, "given-error"))
        self.assertTrue(detail_lines(self.driver))

    def test_typed_markup_shows_as_text(self):
        title = self.driver.title
        # The reason quotes the equation's "<"; the given box's error quotes the tag's name.
        ask(self.driver, "<img src=x onerror=\"document.title='pwned'\"> + O2 = <b>H2O</b>")
        self.assertIn("“<”", text_of(self.driver, "result"))
        ask(self.driver, "H2 + O2 = H2O", "<img src=x onerror=\"document.title='pwned'\"> 5g")
        self.assertIn("<img：", text_of(self.driver, "given-error"))
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "#answer img, #answer b"), [])
        self.assertEqual(self.driver.title, title)

    def test_a_pasted_megabyte_is_refused_with_its_reason(self):
        ask(self.driver, "H2O" * 350000 + " = H2 + O2", press="button")
        result = text_of(self.driver, "result")
        self.assertTrue(result.startswith("方程式配平失败！"), result[:80])
        # The page still answers the next question.
        ask(self.driver, "H2 + O2 = H2O")
        self.assertEqual(text_of(self.driver, "result"), "2H2 + O2 = 2H2O")

    def test_result_and_details_are_one_live_region(self):
        live = self.driver.find_element(By.CSS_SELECTOR, "[aria-live='polite']")
        for element_id in ("result", "details"):
            self.assertTrue(self.driver.execute_script(
                "return arguments[0].contains(document.getElementById(arguments[1]))",
                live, element_id), element_id)

    def test_keyboard_reaches_every_control(self):
        # Tabbing goes on from the last click: start at the page's heading.
        ActionChains(self.driver).click(self.driver.find_element(By.TAG_NAME, "h1")).perform()
        reached = []
        for _ in range(3):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            reached.append(self.driver.execute_script("return document.activeElement.id"))
        self.assertEqual(reached, ["equation", "given", "balance"])
        # Every box has its label.
        for box in ("equation", "given"):
            label = self.driver.find_element(By.CSS_SELECTOR, f"label[for='{box}']")
            self.assertTrue(label.text.strip(), box)

    def test_texts_come_from_the_tables(self):
        self.assertEqual(self.driver.find_element(By.TAG_NAME, "html").get_attribute("lang"),
                         "zh-CN")
        self.assertEqual(text_of(self.driver, "balance"), "配平")
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "label[for='given']").text,
                         "已知：")
        shown = self.driver.execute_script("return document.title + document.body.innerText")
        self.assertNotIn("{{", shown)

    def test_content_security_policy(self):
        policy = self.driver.find_element(
            By.CSS_SELECTOR, "meta[http-equiv='Content-Security-Policy']").get_attribute("content")
        directives = dict(part.strip().split(" ", 1) for part in policy.split(";"))
        self.assertEqual(directives["default-src"], "'none'")
        self.assertEqual(directives["worker-src"], "blob:")
        self.assertNotIn("unsafe-eval'", directives["script-src"].replace("wasm-unsafe-eval", ""))
        self.assertNotIn("unsafe-inline", policy)
        self.assertNotIn("http", policy)
        # Nothing was loaded from anywhere, and nothing was refused.
        self.assertEqual(self.driver.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name)"), [])
        refused = [entry["message"] for entry in self.driver.get_log("browser")
                   if "Content Security Policy" in entry["message"]]
        self.assertEqual(refused, [])


class EarlyQuestionTest(unittest.TestCase):
    def test_a_question_sent_before_the_module_is_ready_is_answered(self):
        driver = browser(wait_for_load=False)
        try:
            driver.get(PAGE.as_uri())
            WebDriverWait(driver, READY_LIMIT_S).until(lambda d: d.execute_script(
                "return document.documentElement.dataset.interactiveMs"))
            was_ready = driver.execute_script("""
                document.getElementById('equation').value = arguments[0];
                document.getElementById('question').requestSubmit();
                return document.documentElement.dataset.ready === 'true'""", "H2 + O2 = H2O")
            print(f"asked before the module was ready: {not was_ready}", file=sys.stderr)
            WebDriverWait(driver, ANSWER_LIMIT_S).until(
                lambda d: d.execute_script("return document.documentElement.dataset.answerMs"))
            self.assertEqual(text_of(driver, "result"), "2H2 + O2 = 2H2O")
            # The warm-up's answers never reach the page.
            ask(driver, "NaOH + HCl = NaCl + H2O")
            self.assertEqual(text_of(driver, "result"), "NaOH + HCl = NaCl + H2O")
        finally:
            driver.quit()


class PhoneWidthTest(unittest.TestCase):
    def test_fits_360_pixels_without_sideways_scrolling(self):
        driver = browser(width=360)
        try:
            open_page(driver)
            ask(driver, KMNO4, "KMnO4 31.6g")
            widths = driver.execute_script(
                "const e = document.documentElement; return [e.scrollWidth, e.clientWidth]")
            self.assertLessEqual(widths[0], widths[1], widths)
        finally:
            driver.quit()


if __name__ == "__main__":
    if not PAGE.is_file():
        print(f"{PAGE} was not built (make web builds it)", file=sys.stderr)
        sys.exit(SKIP)
    unittest.main(argv=sys.argv[:1], verbosity=2)
