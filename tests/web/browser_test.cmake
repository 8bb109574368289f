# The page in headless Chromium, driven by Selenium: skipped (77) only when
# the page was not built; a missing browser or driver fails.
function(quorvel_browser_test page)
  # The system's Python, which has the distribution's Selenium.
  set(QUORVEL_SELENIUM_PYTHON /usr/bin/python3 CACHE FILEPATH "Python with Selenium")
  add_test(NAME web.browser
           COMMAND ${QUORVEL_SELENIUM_PYTHON} ${PROJECT_SOURCE_DIR}/tests/web/browser_test.py
                   ${page})
  set_tests_properties(web.browser PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS web)
endfunction()
