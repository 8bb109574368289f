// The balance, off the page's thread: the module above answers one question
// at a time, in the order asked. The page compiles the module's code once and
// sends it here first, so that a worker started again after an abort starts
// at once. Text goes in and out through the module's heap, never its stack,
// so that a pasted megabyte is the library's to refuse (its reason says the
// text is too long) rather than a crash.
'use strict';
let receiveCode = null;
const code = new Promise((resolve) => { receiveCode = resolve; });
const started = code.then((compiled) => QuorvelModule({
  instantiateWasm(imports, receive) {
    WebAssembly.instantiate(compiled, imports).then(
      (instance) => receive(instance, compiled),
      (error) => postMessage({ type: 'failed', message: String(error) }));
    return {};
  },
}));
started.then(
  (module) => {
    postMessage({ type: 'ready' });
    warmUp(module);
  },
  (error) => postMessage({ type: 'failed', message: String(error) }));

// The engine compiles each function of the module on its first call: one
// answer of each kind while the user types takes that cost off the first
// question (a question asked meanwhile waits for it, as it would have paid it).
const kWarmUp = [
  { equation: 'KMnO4 =△= K2MnO4 + MnO2 + O2↑', given: 'KMnO4 31.6g' },
  { equation: '高锰酸钾 =△= 锰酸钾 + 二氧化锰 + 氧气', given: '' },
  { equation: 'H2 + O2 = H2O + N2', given: 'NaCl 5g' },
];

function warmUp(module) {
  try {
    for (const question of kWarmUp) answer(module, question);
  } catch (error) {
    // An abort here is the first question's to report: the page starts a new worker.
    postMessage({ type: 'failed', message: String(error) });
  }
}

function heapText(module, text) {
  const size = module.lengthBytesUTF8(text) + 1;
  const pointer = module._malloc(size);
  module.stringToUTF8(text, pointer, size);
  return pointer;
}

function answer(module, question) {
  const equation = heapText(module, question.equation);
  const given = heapText(module, question.given);
  try {
    return JSON.parse(module.UTF8ToString(module._quorvel_answer(equation, given)));
  } finally {
    module._free(equation);
    module._free(given);
  }
}

onmessage = (event) => {
  if (event.data.type === 'code') {
    receiveCode(event.data.code);
    return;
  }
  started.then((module) => {
    try {
      postMessage({ type: 'answer', id: event.data.id, answer: answer(module, event.data) });
    } catch (error) {
      // An abort leaves the module unusable: the page starts a new worker.
      postMessage({ type: 'failed', message: String(error) });
    }
  });
};
