// Runs a WebAssembly test program (wasm32-wasi) under Node.js, as Wine runs the Windows one.
const {WASI} = require("node:wasi");
const [program, ...args] = process.argv.slice(2);
const wasi = new WASI({version: "preview1", args: [program, ...args], env: process.env, returnOnExit: true});
WebAssembly.compile(require("node:fs").readFileSync(program))
    .then(module => WebAssembly.instantiate(module, {wasi_snapshot_preview1: wasi.wasiImport}))
    .then(instance => process.exit(wasi.start(instance)));
