// The balance, off the page's thread: the module above answers one question
// at a time, in the order asked. Text goes in and out through the module's
// heap, never its stack, so that a pasted megabyte is the library's to
// refuse (its reason says the text is too long) rather than a crash.
'use strict';
const started = QuorvelModule();
started.then(
  () => postMessage({ type: 'ready' }),
  (error) => postMessage({ type: 'failed', message: String(error) }));

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
  started.then((module) => {
    try {
      postMessage({ type: 'answer', id: event.data.id, answer: answer(module, event.data) });
    } catch (error) {
      // An abort leaves the module unusable: the page starts a new worker.
      postMessage({ type: 'failed', message: String(error) });
    }
  });
};
