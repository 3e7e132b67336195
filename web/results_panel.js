// The twelve result labels. A decode fills them, brings them into view (on a
// phone they lie below the fields, under the on-screen keyboard) and tells
// screen readers the year and body style through a polite live region; an
// emptying is told there too.

const reducedMotion = window.matchMedia('(prefers-reduced-motion: reduce)');

export class ResultsPanel {
  constructor(labels, section, status) {
    this.labels = labels;
    this.section = section;
    this.status = status;
  }

  show(texts) {
    texts.forEach((text, item) => { this.labels[item].textContent = text; });
    this.status.textContent = `Decoded: ${texts[0]}, ${texts[1]}`;
    this.bringIntoView();
  }

  clear() {
    for (const label of this.labels) label.textContent = '';
    this.status.textContent = 'Fields and results cleared';
  }

  // The visual viewport excludes the on-screen keyboard.
  bringIntoView() {
    const box = this.section.getBoundingClientRect();
    const height = window.visualViewport?.height ?? window.innerHeight;
    if (box.top >= 0 && box.bottom <= height) return;
    this.section.scrollIntoView({ block: 'start', behavior: reducedMotion.matches ? 'auto' : 'smooth' });
  }
}
