// Starts the program, compiled to WebAssembly, on a terminal: the page's, or
// a scripted one in the tests. The terminal is what native_io_web.cpp and
// key_web.cpp call: write(stream, bytes) with stream 1 or 2, read(size),
// setKeyMode(on) and readKeyByte(waitMs) (see line_discipline.mjs).

import createTessarivand from './tessarivand.mjs';

// The program ends through exit, which stops it by throwing ExitStatus; once
// it has waited for input, that lands in a promise that nobody handles.
export function isExitStatus(reason) {
  return reason?.name === 'ExitStatus';
}

// One run on the terminal, from the module compiled once (a new run needs no
// network), with the given command-line arguments; resolves with its exit
// status.
export function runProgram(compiled, terminal, args = []) {
  return new Promise((resolve, reject) => {
    createTessarivand({
      terminal,
      arguments: args,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled), reject);
        return {};
      },
      onExit: resolve,
      onAbort: reject,
    }).catch(reject);
  });
}
