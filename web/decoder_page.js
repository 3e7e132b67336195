// The decoder window's procedures on the page: year selection with the
// carry-over question, Warranty Number Only, the completeness check, the
// decode and Clear. Every rule of a decode is the core's; this file only
// applies its outcomes to the page.
import { showMessage } from './message_box.js';
import { attachEntryRules, typedText } from './entry_rules.js';
import { ResultsPanel } from './results_panel.js';
import { byId } from './dom.js';

// In the core's field order: warranty, body, color, trim, date, DSO, axle, trans.
export const FIELD_IDS = ['txtWarranty', 'txtBody', 'txtColor', 'txtTrim', 'txtDate', 'txtDSO', 'txtAxle', 'txtTrans'];
// In the core's result order.
export const RESULT_IDS = [
  'lblYearResult', 'lblBodyResult', 'lblExteriorResult', 'lblInteriorResult', 'lblInteriorTypeResult',
  'lblEngineResult', 'lblTransResult', 'lblAxleResult', 'lblDSOResult', 'lblPlantResult', 'lblDateResult',
  'lblUnitResult',
];
export const YEAR_IDS = ['opt1964', 'opt1965', 'opt1966', 'opt1967', 'opt1968', 'opt1969', 'opt1970'];

const CARRY_OVER = 'You have selected a different year. Do you want to carry over the current data you have already entered?';
const INPUT_ERROR = 'Input Error';

export class DecoderPage {
  // positions: the core's positions of the warranty and date fields and of
  // 1970, as the build exports them ({ warranty, date, year1970 }).
  constructor(coreLoader, plateView, codeBook, positions) {
    this.loader = coreLoader;
    this.plate = plateView;
    this.codeBook = codeBook;
    this.positions = positions;
    this.fields = FIELD_IDS.map(byId);
    // Clear empties the data plate first, then the warranty number.
    this.clearOrder = [...this.fields.keys()].filter((field) => field !== positions.warranty)
      .concat(positions.warranty);
    const status = byId('resultsStatus');
    this.results = new ResultsPanel(RESULT_IDS.map(byId), status.closest('section'), status);
    this.years = YEAR_IDS.map(byId);
    this.warrantyBox = byId('chkWarranty');
  }

  // On a phone the fields take typing before this runs: whoever is typing
  // keeps the cursor, and what was typed is brought under the entry rules.
  start() {
    const typing = this.fields.includes(document.activeElement);
    this.fields.forEach((input, field) => {
      attachEntryRules(input, () => this.plate.maxLength(field, this.selectedYear()));
      input.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' && !event.isComposing) {
          event.preventDefault();
          this.decode();
        }
      });
    });
    // Click, not change: choosing the year already chosen runs the year change
    // again, as in the window (arrow keys click as well).
    this.years.forEach((option, year) => option.addEventListener('click', () => this.yearSelected(year)));
    this.warrantyBox.addEventListener('change', () => this.warrantyChanged());
    byId('cmdDecode').addEventListener('click', () => this.decode());
    byId('cmdClear').addEventListener('click', () => this.clear());
    this.adoptControls();
    this.ruleEarlyTyping();
    if (!typing) this.focusFirstField();
    // The controls may come back after the page has started (Chromium gives
    // them back once the document is parsed): by the page's showing at the
    // latest.
    window.addEventListener('pageshow', () => {
      if (this.selectedYear() === this.shown.year && this.warrantyOnly() === this.shown.only) return;
      this.adoptControls();
      this.focusFirstField();
    });
  }

  // A fresh page opens as the window does: 1964-1/2, normal mode. A browser
  // may give the year and the Warranty Number Only box back as they were
  // (reload, Back); the page then takes its layout and mode from them, as a
  // year choice in that mode would, rather than half from them.
  adoptControls() {
    const year = Math.max(this.selectedYear(), 0);
    const only = this.warrantyOnly();
    this.shown = { year, only };
    this.years[year].checked = true;
    this.fields.forEach((input, field) => {
      if (field === this.positions.warranty) return;
      if (only) input.value = '';
      input.disabled = only;
      this.box(field).hidden = only;
    });
    this.plate.show(year);
    this.codeBook.show(year);
  }

  // What was typed before the page started, as typing would have left it.
  ruleEarlyTyping() {
    this.fields.forEach((input, field) => {
      const ruled = typedText(input.value, this.plate.maxLength(field, this.shown.year));
      if (ruled !== input.value) input.value = ruled;
    });
  }

  focusFirstField() {
    this.fields[this.warrantyOnly() ? this.positions.warranty : this.plate.firstField(this.shown.year)].focus();
  }

  selectedYear() {
    return this.years.findIndex((option) => option.checked);
  }

  warrantyOnly() {
    return this.warrantyBox.checked;
  }

  texts() {
    return this.fields.map((input) => input.value);
  }

  box(field) {
    return this.fields[field].parentElement;
  }

  async yearSelected(year) {
    if (this.fields.some((input) => input.value !== '')) {
      const answer = await showMessage({
        caption: 'Year selection Change', message: CARRY_OVER, icon: 'question', buttons: ['Yes', 'No'],
      });
      if (answer === 'No') this.clear();
    }
    this.showYear(year);
    this.focusFirstField();
  }

  showYear(year) {
    this.box(this.positions.date).hidden = this.warrantyOnly();
    this.plate.show(year);
    this.codeBook.show(year);
    this.shown.year = year;
  }

  // Puts a plate into the form as a paste would (capitals, cut to each
  // field's length), asking nothing, with the cursor in the field named or
  // else the first one: a failing row of a file, brought here to be fixed.
  load({ year, warrantyOnly, texts, field }) {
    this.years[year].checked = true;
    this.warrantyBox.checked = warrantyOnly;
    this.warrantyChanged();
    this.showYear(year);
    this.fields.forEach((input, i) => {
      if (!input.disabled) input.value = typedText(texts[i], this.plate.maxLength(i, year));
    });
    const first = warrantyOnly ? this.positions.warranty : this.plate.firstField(year);
    this.fields[field >= 0 && !this.fields[field].disabled ? field : first].focus();
  }

  // Before the core has loaded, one Decode waits for it and then reads the
  // fields as they are.
  decode() {
    if (this.loader.core) {
      this.decodeWith(this.loader.core);
    } else if (!this.waitingForCore) {
      this.waitingForCore = this.loader.ready.then((core) => {
        this.waitingForCore = null;
        this.decodeWith(core);
      });
    }
  }

  async decodeWith(core) {
    const year = this.selectedYear();
    const texts = this.texts();
    const missing = core.checkSpaces(year, texts, this.warrantyOnly());
    if (missing) {
      await this.inputError(missing.message, missing.field);
      return;
    }
    const outcome = core.decode(year, texts, this.warrantyOnly());
    if (outcome.lines) {
      await this.inputError(outcome.lines.join('\n'), outcome.field);
      return;
    }
    this.results.show(outcome.results);
  }

  async inputError(message, field) {
    await showMessage({ caption: INPUT_ERROR, message, icon: 'warning' });
    this.fields[field].focus();
  }

  clear() {
    for (const field of this.clearOrder) this.fields[field].value = '';
    this.results.clear();
  }

  warrantyChanged() {
    this.clear();
    const only = this.warrantyOnly();
    this.shown.only = only;
    this.fields.forEach((input, field) => {
      if (field === this.positions.warranty) return;
      input.disabled = only;
      this.box(field).hidden = only || (field === this.positions.date && this.selectedYear() === this.positions.year1970);
    });
  }
}
