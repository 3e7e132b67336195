// The decoder core's WebAssembly started by the page itself, and the calls
// the page makes on it: the field texts are written into the core's memory
// as UTF-8, each answer read back as json. Every rule stays with the core.
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The core asks its host for one thing only: to stop, should it fail.
const IMPORTS = {
  wasi_snapshot_preview1: {
    proc_exit: (status) => { throw new WebAssembly.RuntimeError(`the decoder core stopped (${status})`); },
  },
};

class DecoderCore {
  constructor(exports) {
    this.exports = exports;
  }

  // The json answer the core wrote at `address`.
  answer(address) {
    const bytes = new Uint8Array(this.exports.memory.buffer, address, this.exports.tarnwick_answer_size());
    return JSON.parse(decoder.decode(bytes));
  }

  // The eight texts in the core's field order: their byte lengths, then
  // their bytes.
  writeFields(texts) {
    const encoded = texts.map((text) => encoder.encode(text));
    const lengths = 4 * encoded.length;
    const size = encoded.reduce((sum, bytes) => sum + bytes.length, lengths);
    const address = this.exports.tarnwick_input_area(size);
    const area = new DataView(this.exports.memory.buffer, address, size);
    let at = lengths;
    encoded.forEach((bytes, i) => {
      area.setUint32(4 * i, bytes.length, true);
      new Uint8Array(area.buffer, address + at, bytes.length).set(bytes);
      at += bytes.length;
    });
  }

  // {field, message} of the first empty field the mode needs, or null.
  checkSpaces(year, texts, warrantyOnly) {
    this.writeFields(texts);
    return this.answer(this.exports.tarnwick_check_spaces(year, warrantyOnly));
  }

  // {lines, field} of the first input error, or {results}: the twelve texts.
  decode(year, texts, warrantyOnly) {
    this.writeFields(texts);
    return this.answer(this.exports.tarnwick_decode(year, warrantyOnly));
  }

  // [{title, reads, rows: [[code, meaning]…]}…], the year's tables.
  codeBook(year) {
    return this.answer(this.exports.tarnwick_code_book(year));
  }

  yearLabels() {
    return this.answer(this.exports.tarnwick_year_labels());
  }

  upperCaseOf(codePoint) {
    return this.exports.tarnwick_upper_case_of(codePoint);
  }
}

// The core from its WebAssembly's bytes: compiled at once where the browser
// allows it on the page's thread, so that the page can decode before it
// next paints; in the background where it refuses (older Chrome takes no
// more than 4 KB so).
export async function startCore(bytes) {
  let instance;
  try {
    instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), IMPORTS);
  } catch (error) {
    if (!(error instanceof RangeError)) throw error;
    ({ instance } = await WebAssembly.instantiate(bytes, IMPORTS));
  }
  instance.exports._initialize();
  return new DecoderCore(instance.exports);
}
