// The game's WebAssembly started for the page: a module built on its own (no runtime of
// Emscripten's around it), whose only imports are the platform's calls (window.cpp) and the C
// library's two ways out. What the page finds on it, as it would on Emscripten's: each exported
// function with a _ before its name, the memory's views and UTF8ToString; numbers, which reads
// a list the game answered with; and it sets `platform`.
function createPirandella() {
  const m = {};
  let memory;
  const views = () => {
    const { buffer } = memory;
    m.HEAPU8 = new Uint8Array(buffer);
    m.HEAPU32 = new Uint32Array(buffer);
    m.HEAPF64 = new Float64Array(buffer);
  };
  // Numbers the game answered with: their count, then as many (copied: memory may grow).
  m.numbers = (at) => m.HEAPF64.slice(at / 8 + 1, at / 8 + 1 + m.HEAPF64[at / 8]);
  const decoder = new TextDecoder();
  // A text the game wrote, up to its 0.
  m.UTF8ToString = (at) => decoder.decode(m.HEAPU8.subarray(at, m.HEAPU8.indexOf(0, at)));
  const stop = (code) => {
    throw new WebAssembly.RuntimeError(`pirandella.wasm stopped (${code})`);
  };
  const imports = {
    env: {
      js_show_caption: (id, caption) => m.platform.showCaption(id, m.UTF8ToString(caption)),
      js_run_clock: (interval) => m.platform.runClock(interval),
      js_repaint: () => m.platform.repaint(),
      js_tell_screen_reader: () => m.platform.tellScreenReader(),
      js_open_menu_bar: () => m.platform.openMenuBar(),
      js_clock: (at) => {
        const now = new Date();
        m.HEAPU32.set([now.getHours(), now.getMinutes(), now.getSeconds()], at / 4);
        return now.getTime() / 1000;
      },
      emscripten_notify_memory_growth: views, // the memory grew: new views of it
    },
    wasi_snapshot_preview1: { proc_exit: stop }, // abort()
  };
  // The browser compiles it as it comes; a server that names it otherwise than
  // application/wasm gets it read whole first.
  const url = 'pirandella.wasm';
  return WebAssembly.instantiateStreaming(fetch(url), imports).catch(() => fetch(url)
    .then((response) => {
      if (!response.ok) throw new Error(`${url}: ${response.status}`);
      return response.arrayBuffer();
    }).then((bytes) => WebAssembly.instantiate(bytes, imports))).then(({ instance }) => {
    const e = instance.exports;
    memory = e.memory;
    views();
    e._initialize(); // the core's static objects
    for (const name in e) m[`_${name}`] = e[name];
    return m;
  });
}
