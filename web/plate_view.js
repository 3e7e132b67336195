// The plate picture of the selected year with the entry fields over its
// blanks. Layouts and pictures are exported from the desktop window; the
// fields are kept in the document in the layout's tab order, so Tab and the
// narrow-screen list under the picture follow it.

const PICTURE_NAMES = ['1964-1/2 and 1965', '1966 to 1969', '1970'];

export class PlateView {
  constructor(layoutData, fieldBoxes) {
    this.data = layoutData;
    this.boxes = fieldBoxes; // the boxes holding label and input, in the core's field order
    this.image = document.getElementById('plateImage');
    this.container = fieldBoxes[0].parentElement;
  }

  layoutOf(year) {
    return this.data.layouts[this.data.yearLayout[year]];
  }

  firstField(year) {
    return this.layoutOf(year).tabOrder[0];
  }

  maxLength(field, year) {
    return this.data.maxLength[year][field];
  }

  show(year) {
    const index = this.data.yearLayout[year];
    const layout = this.data.layouts[index];
    const [width, height] = this.data.pictureSize;
    if (!this.image.src.endsWith(layout.picture)) {
      this.image.src = layout.picture;
      this.image.alt = `Door data plate, ${PICTURE_NAMES[index]}`;
    }
    this.container.dataset.layout = String(index);
    layout.fields.forEach(([left, top, w, h], field) => {
      // Used only where the fields stand over the picture (wide screens).
      const style = this.boxes[field].style;
      style.setProperty('--left', `${(100 * left) / width}%`);
      style.setProperty('--top', `${(100 * top) / height}%`);
      style.setProperty('--width', `${(100 * w) / width}%`);
      style.setProperty('--height', `${(100 * h) / height}%`);
    });
    // Moving a field takes the focus from it, so only when the order changes.
    const ordered = layout.tabOrder.map((field) => this.boxes[field]);
    if (ordered.some((box, i) => this.container.children[i] !== box)) this.container.append(...ordered);
  }
}
