// The entry rules of the plate fields: a typed character reaches the field
// as its capital, pasted text stays as it is, and no field takes more
// characters than its limit. Characters are counted whole (code points), so
// a letter outside the Basic Multilingual Plane counts once.

export function countChars(text) {
  let count = 0;
  for (const _ of text) count += 1;
  return count;
}

// Until the core is loaded, the browser's upper case: a character whose
// capital is more than one character (ß) stays as typed.
let upperCaseOf = (ch) => {
  const upper = ch.toUpperCase();
  return countChars(upper) === 1 ? upper : ch;
};

// From then on the core's, which the desktop window and the tool share.
export function useCoreUpperCase(core) {
  upperCaseOf = (ch) => String.fromCodePoint(core.upperCaseOf(ch.codePointAt(0)));
}

export function upperCaseTyped(text) {
  let out = '';
  for (const ch of text) out += upperCaseOf(ch);
  return out;
}

const PASTED = new Set(['insertFromPaste', 'insertFromDrop', 'insertReplacementText', 'insertFromYank']);

function firstChars(text, count) {
  return [...text].slice(0, Math.max(0, count)).join('');
}

// Text as typing would have left it in a field of that limit: in capitals,
// no longer than the limit.
export function typedText(text, limit) {
  return firstChars(upperCaseTyped(text), limit);
}

// limitOf() gives the field's limit at the moment of typing; it changes
// with the year for the date field.
export function attachEntryRules(field, limitOf) {
  field.addEventListener('beforeinput', (event) => {
    const typed = event.inputType === 'insertText';
    if (!typed && !PASTED.has(event.inputType)) return;
    const given = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
    const text = (typed ? upperCaseTyped(given) : given).replace(/[\r\n]+/g, '');
    const { value, selectionStart: start, selectionEnd: end } = field;
    const room = limitOf() - countChars(value) + countChars(value.slice(start, end));
    const kept = firstChars(text, room);
    if (kept === given) return;
    event.preventDefault();
    if (kept !== '' || start !== end) field.setRangeText(kept, start, end, 'end');
  });
  // Phone keyboards compose words and cannot be stopped while composing;
  // the finished text is brought under the rules afterwards.
  field.addEventListener('compositionend', () => {
    const ruled = typedText(field.value, limitOf());
    if (ruled !== field.value) field.value = ruled;
  });
}
