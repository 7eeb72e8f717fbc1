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
    // A link's fragment as { error, words, bw, hasSeed }.
    link: (fragment) => withText(fragment, (p) => json(module._vn_link(p))),

    // words: the arguments of `vornia-cli generate`; board.file holds the
    // board file's bytes when a board was made.
    generate(words) {
      const board = withText(words.map((w) => w + '\0').join(''), (p, n) => json(module._vn_generate(p, n)));
      board.file = board.made ? copy(module._vn_board_bytes(), module._vn_board_size()) : null;
      return board;
    },

    // fair: the rules in force, as a comma list of the tool's words ('' for none).
    open(name, bytes, shape, mass, fair = '') {
      const board = withText(name, (namePointer) =>
        withText(shape, (shapePointer) =>
          withText(mass, (massPointer) =>
            withText(fair, (fairPointer) =>
              withBytes(bytes, (p, n) => json(module._vn_open(namePointer, p, n, shapePointer, massPointer, fairPointer)))))));
      board.file = board.made ? copy(module._vn_board_bytes(), module._vn_board_size()) : null;
      return board;
    },

    // The drawing as numbers (see web/display_list.h) and the bytes of its
    // texts; localLabels: the labels in the language in force.
    draw(file, zoom, blackAndWhite, localLabels = false) {
      const drawing = withBytes(file, (p, n) =>
        json(module._vn_draw(p, n, zoom, blackAndWhite ? 1 : 0, localLabels ? 1 : 0)));
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
