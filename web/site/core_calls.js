// The calls into the WebAssembly core, shared by the page's worker and the
// Node.js tests: bytes in through the module's heap, JSON and bytes out.

export function wrapCore(module) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder('utf-8');

  // Copies bytes into the heap for the length of one call.
  function withBytes(bytes, call) {
    const pointer = module._malloc(bytes.length + 1);
    try {
      module.HEAPU8.set(bytes, pointer);
      module.HEAPU8[pointer + bytes.length] = 0;
      return call(pointer, bytes.length);
    } finally {
      module._free(pointer);
    }
  }
  const withText = (text, call) => withBytes(encoder.encode(text), call);
  // An object of the page's (its settings, how a board is drawn) as the core
  // reads it: key=value pairs as in a link, lists joined by commas, objects
  // as key=value lists, true and false as 1 and 0. What cannot be written
  // (a value that is not text) is left out, for the core's defaults.
  const pairsOf = (object) => Object.entries(object && typeof object === 'object' ? object : {}).map(([key, value]) => {
    const text = Array.isArray(value) ? value.join(',')
      : value && typeof value === 'object' ? Object.entries(value).map(([k, v]) => `${k}=${v}`).join(',')
        : typeof value === 'boolean' ? (value ? '1' : '0') : String(value);
    try {
      return encodeURIComponent(key) + '=' + encodeURIComponent(text).replace(/%2C/g, ',').replace(/%3D/g, '=');
    } catch {
      return '';
    }
  }).filter(Boolean).join('&');
  const withPairs = (object, call) => withText(pairsOf(object), call);
  const withWords = (words, call) => withText(words.map((w) => w + '\0').join(''), call);
  const json = (pointer) => JSON.parse(module.UTF8ToString(pointer));
  const copy = (pointer, length) => module.HEAPU8.slice(pointer, pointer + length);

  return {
    tables: () => json(module._vn_tables()),
    newVisit: () => module._vn_new_visit(),
    continueNumbering: (boardsNamed) => module._vn_continue_numbering(boardsNamed),
    // The language of the core's texts ('de'); answers the language now in force.
    useLanguage: (language) => withText(language, (p) => module.UTF8ToString(module._vn_use_language(p))),
    // A board's name in the language in force.
    displayName: (name) => withText(name, (p) => module.UTF8ToString(module._vn_board_display_name(p))),
    // A link's fragment as { error, notice, words, drawing }; seed: the board
    // number when the link has none.
    link: (fragment, seed = 0) => withText(fragment, (p) => json(module._vn_link(p, seed))),
    // The page's settings (see web/web_json.h) with a seed as the tool's
    // words: { words, settings }.
    request: (settings, seed) => withPairs(settings, (p) => json(module._vn_request(p, seed))),
    // Settings the page kept, each value checked: the settings the core takes.
    settings: (settings) => withPairs(settings, (p) => json(module._vn_settings(p))),
    // The counts dialog for the shape and the 24 counts as typed.
    counts: (shape, texts) => withText(shape, (s) => withWords(texts.map(String), (p, n) => json(module._vn_counts(s, p, n)))),

    // words: the arguments of `vornia-cli generate`; board.file holds the
    // board file's bytes when a board was made.
    generate(words) {
      const board = withWords(words, (p, n) => json(module._vn_generate(p, n)));
      board.file = board.made ? copy(module._vn_board_bytes(), module._vn_board_size()) : null;
      return board;
    },

    // settings: the page's (see web/web_json.h), whose shape, land mass and
    // rules the status panels read.
    open(name, bytes, settings = {}) {
      const board = withText(name, (namePointer) => withPairs(settings, (settingsPointer) =>
        withBytes(bytes, (p, n) => json(module._vn_open(namePointer, p, n, settingsPointer)))));
      board.file = board.made ? copy(module._vn_board_bytes(), module._vn_board_size()) : null;
      return board;
    },

    // The drawing as numbers (see web/display_list.h) and the bytes of its
    // texts; how: { bw, corners, localLabels }.
    draw(file, zoom, how = {}) {
      const drawing = withPairs(how, (h) => withBytes(file, (p, n) => json(module._vn_draw(p, n, zoom, h))));
      if (drawing.error) return drawing;
      const ops = module._vn_ops() >> 2;
      drawing.ops = module.HEAP32.slice(ops, ops + drawing.opCount);
      drawing.texts = copy(module._vn_texts(), drawing.textSize);
      return drawing;
    },

    pictureError: (width, height) => module.UTF8ToString(module._vn_picture_error(width, height)),
    decode: (bytes) => decoder.decode(bytes),
  };
}
