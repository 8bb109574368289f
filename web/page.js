// The page: asks the worker and shows its answers. Every text shown comes
// from the library (the answers) or its text tables (#texts), and is set as
// text, never as HTML; the drawing is parsed as SVG, never as HTML.
(function () {
  'use strict';
  const byId = (id) => document.getElementById(id);
  const texts = JSON.parse(byId('texts').textContent);
  const form = byId('question');
  const equation = byId('equation');
  const given = byId('given');
  const status = byId('status');
  const result = byId('result');
  const givenError = byId('given-error');
  const details = byId('details');
  const detailsCaption = byId('details-caption');
  const bridges = byId('bridges');
  const bridgesCaption = byId('bridges-caption');
  const root = document.documentElement;
  const workerSource = new Blob([byId('worker-source').textContent], { type: 'text/javascript' });
  const workerUrl = URL.createObjectURL(workerSource);
  // The module's code comes last in the page, so that the form takes questions
  // and the worker starts while the browser is still reading it; it is compiled
  // once, off this thread, and every worker this page starts gets it.
  const code = pageRead().then(
    () => WebAssembly.compile(base64Bytes(byId('module-code').textContent)));

  // Shown only when an answer is slow to come, so that quick ones do not flash.
  const kBusyDelayMs = 150;
  let worker = null;
  let asked = 0;           // the id of the latest question
  let askedAt = 0;
  let pending = null;      // the latest question, until it is answered
  let busyTimer = 0;

  function pageRead() {
    if (document.readyState !== 'loading') return Promise.resolve();
    return new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));
  }

  function base64Bytes(text) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text.trim());
    const binary = atob(text.trim());
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i += 1) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  function showStatus(text) { status.textContent = text; }

  function start() {
    const started = new Worker(workerUrl);
    worker = started;
    worker.onmessage = (event) => receive(event.data);
    worker.onerror = (event) => {
      event.preventDefault();
      failed(event.message || 'Worker');
    };
    // A worker stopped meanwhile is neither sent the code nor reported again.
    code.then(
      (compiled) => {
        if (worker === started) started.postMessage({ type: 'code', code: compiled });
      },
      (error) => { if (worker === started) failed(String(error)); });
    if (pending) worker.postMessage(pending);
  }

  function failed(message) {
    showStatus(texts.not_started.replace('{1}', () => message));
    if (worker) worker.terminate();
    worker = null;
    delete root.dataset.ready;
    // A worker that stopped on one question must not take the next ones down.
    pending = null;
    clearTimeout(busyTimer);
    form.setAttribute('aria-busy', 'false');
  }

  function receive(message) {
    if (message.type === 'ready') {
      root.dataset.readyMs = Math.round(performance.now()).toString();
      root.dataset.ready = 'true';
      if (!pending) showStatus('');
    } else if (message.type === 'failed') {
      failed(message.message);
    } else if (message.type === 'answer' && message.id === asked) {
      pending = null;
      show(message.answer);
      root.dataset.answerMs = Math.round(performance.now() - askedAt).toString();
    }
  }

  function drawing(svgText) {
    if (!svgText) return null;
    const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
    const svg = parsed.documentElement;
    if (svg.namespaceURI !== 'http://www.w3.org/2000/svg' || svg.localName !== 'svg') return null;
    return document.importNode(svg, true);
  }

  function show(answer) {
    clearTimeout(busyTimer);
    form.setAttribute('aria-busy', 'false');
    showStatus('');
    result.textContent = answer.result;
    result.classList.toggle('failure', !answer.ok);
    givenError.textContent = answer.given_error || '';
    givenError.hidden = !answer.given_error;
    const items = answer.details_lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    });
    details.replaceChildren(...items);
    detailsCaption.hidden = items.length === 0;
    const figure = drawing(answer.svg);
    bridges.replaceChildren(...(figure ? [figure] : []));
    bridgesCaption.hidden = !figure;
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    asked += 1;
    askedAt = performance.now();
    pending = { id: asked, equation: equation.value, given: given.value };
    form.setAttribute('aria-busy', 'true');
    clearTimeout(busyTimer);
    busyTimer = setTimeout(() => showStatus(texts.balancing), kBusyDelayMs);
    if (!worker) start();
    else worker.postMessage(pending);
  });

  start();
  root.dataset.interactiveMs = Math.round(performance.now()).toString();
})();
