// The registry report: the decoded cars counted by model year, assembly
// plant, body style and exterior colour, each as a bar chart drawn in SVG
// (a picture only) and as a table of the same numbers for screen readers.

const SVG = 'http://www.w3.org/2000/svg';
const CHARTS = [
  { key: 'modelYear', title: 'Model year', sorted: false },
  { key: 'assemblyPlant', title: 'Assembly plant', sorted: true },
  { key: 'bodyStyle', title: 'Body style', sorted: true },
  { key: 'exteriorColor', title: 'Exterior colour', sorted: true },
];
// Chart geometry in CSS pixels, the chart drawn as wide as it is shown.
// Where it is wide enough each label stands left of its bar; on a phone
// above it, so that a long name fits.
const MOST_WIDTH = 544;
const SIDE_LABELS_FROM = 440;
const LABEL_WIDTH = 180;
const LABEL_HEIGHT = 18;
const BAR_HEIGHT = 14;
const GAP = 7;
const COUNT_ROOM = 56;
// The results panel's text for a result the plate read does not give.
const NOT_GIVEN = 'n/a';

function svg(tag, attributes, text) {
  const node = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
  if (text !== undefined) node.textContent = text;
  return node;
}

function barChart(rows, width) {
  const most = Math.max(...rows.map(([, count]) => count));
  const sideLabels = width >= SIDE_LABELS_FROM;
  const barLeft = sideLabels ? LABEL_WIDTH : 0;
  const barTop = sideLabels ? 0 : LABEL_HEIGHT;
  const step = barTop + BAR_HEIGHT + GAP;
  const chart = svg('svg', { viewBox: `0 0 ${width} ${rows.length * step}`, 'aria-hidden': 'true' });
  rows.forEach(([label, count], i) => {
    const top = i * step;
    const length = Math.max(1, ((width - barLeft - COUNT_ROOM) * count) / most);
    chart.append(
      svg('text', { x: 0, y: top + (sideLabels ? BAR_HEIGHT - 2 : LABEL_HEIGHT - 4), class: 'label' }, label),
      svg('rect', { x: barLeft, y: top + barTop, width: length, height: BAR_HEIGHT, class: 'bar' }),
      svg('text', { x: barLeft + length + 4, y: top + barTop + BAR_HEIGHT - 2, class: 'count' },
        count.toLocaleString('en-US')));
  });
  return chart;
}

function numbersTable(title, rows) {
  const table = document.createElement('table');
  table.className = 'visually-hidden';
  table.createCaption().textContent = `${title}: decoded cars`;
  const head = table.createTHead().insertRow();
  for (const caption of [title, 'Cars']) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = caption;
    head.append(th);
  }
  const body = table.createTBody();
  for (const [label, count] of rows) {
    const tr = body.insertRow();
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = label;
    tr.append(th);
    tr.insertCell().textContent = count.toLocaleString('en-US');
  }
  return table;
}

// Most cars first, and those the plate read gave no value for last.
function byCount([a, m], [b, n]) {
  return (a === NOT_GIVEN) - (b === NOT_GIVEN) || n - m || a.localeCompare(b);
}

// tallies: {modelYear: [[label, count], …] in year order, assemblyPlant: …}.
export function showReport(area, tallies, fileName) {
  const figures = [];
  // Two charts side by side on a wide screen (batch.css).
  const width = Math.min(MOST_WIDTH, Math.floor(area.clientWidth / (window.innerWidth >= 720 ? 2 : 1)) - 16);
  for (const { key, title, sorted } of CHARTS) {
    const rows = [...tallies[key]];
    if (rows.length === 0) continue;
    if (sorted) rows.sort(byCount);
    const figure = document.createElement('figure');
    const caption = document.createElement('figcaption');
    caption.textContent = title;
    figure.append(caption, barChart(rows, width), numbersTable(title, rows));
    figures.push(figure);
  }
  if (figures.length === 0) {
    area.replaceChildren();
    return;
  }
  const heading = document.createElement('h3');
  heading.textContent = `Registry report: the decoded cars of ${fileName}`;
  const charts = document.createElement('div');
  charts.className = 'charts';
  charts.append(...figures);
  area.replaceChildren(heading, charts);
}
