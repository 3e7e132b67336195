// The decoder page keeps the window's rules: results of every year, the
// completeness check and input errors with their texts and focus, the
// carry-over question, Warranty Number Only, the entry rules and the code book.
import { test, expect } from '@playwright/test';
import {
  FIELDS, answerMessage, chooseYear, enterPlate, expectFocus, openPage, results, whenReady,
} from './page_driver.js';
import { readFileSync } from 'node:fs';
import { readGoodPlates } from './good_plates.js';

// A good plate of each year with its twelve results.
const EXAMPLES = readGoodPlates();

// Per year, one field left empty and one bad code: message and focus.
const FAULTS = [
  { empty: 'body', asks: 'Please select a Body Style', bad: { color: '?' },
    says: 'Invalid Exterior Paint Color entered for 1964-1/2.', focus: 'txtColor' },
  { empty: 'color', asks: 'Please select an Exterior Paint Color', bad: { warranty: '5F99K100001' },
    says: 'Body Style does not agree with Warranty Number for 1965.', focus: 'txtBody' },
  { empty: 'trim', asks: 'Please select an Interior Trim', bad: { date: '32A' },
    says: 'Invalid Date Code entered.', focus: 'txtDate' },
  { empty: 'date', asks: 'Please select a Date Code', bad: { warranty: '7X01C100001' },
    says: 'Invalid Warranty Number entered.\nSecond character (Assembly Plant) invalid.', focus: 'txtWarranty' },
  { empty: 'dso', asks: 'Please select a District', bad: { warranty: '8F02J10000' },
    says: 'Invalid Warranty Number entered.\nLast 6 characters (Consecutive Unit Number) invalid.\nMust be six digits.',
    focus: 'txtWarranty' },
  { empty: 'axle', asks: 'Please select an Axle', bad: { dso: '00' }, says: 'Invalid DSO entered.', focus: 'txtDSO' },
  { empty: 'warranty', asks: 'Please enter a Vehicle Warranty Number', bad: { warranty: '9F05G100001' },
    says: 'Invalid Warranty Number entered for 1970.\nFirst character (First Year Digit) invalid.',
    focus: 'txtWarranty' },
];

test.beforeEach(async ({ page }) => openPage(page));

test('the page opens in 1964-1/2 with the focus in the body field', async ({ page }) => {
  await expect(page.locator('#opt1964')).toBeChecked();
  await expectFocus(page, 'txtBody');
});

for (const { year, plate, results: expected } of EXAMPLES) {
  test(`${expected[0]} example plate decodes, then its faults are reported, the first box answered by Esc`, async ({ page }) => {
    await chooseYear(page, year);
    await enterPlate(page, plate);
    await page.click('#cmdDecode');
    expect(await results(page)).toEqual(expected);

    const fault = FAULTS[year];
    await enterPlate(page, { ...plate, [fault.empty]: '' });
    await page.click('#cmdDecode');
    expect(await answerMessage(page, 'Escape')).toEqual({ title: 'Input Error', text: fault.asks, buttons: ['OK'] });
    await expectFocus(page, FIELDS[fault.empty]);

    await enterPlate(page, { ...plate, ...fault.bad });
    await page.press('#txtTrans', 'Enter');
    expect(await answerMessage(page)).toEqual({ title: 'Input Error', text: fault.says, buttons: ['OK'] });
    await expectFocus(page, fault.focus);
    expect(await results(page)).toEqual(expected);
  });
}

test('1970 does not ask for the date', async ({ page }) => {
  await chooseYear(page, 6);
  await expectFocus(page, 'txtDate');
  await enterPlate(page, { ...EXAMPLES[6].plate, date: '' });
  await page.click('#cmdDecode');
  await expect(page.locator('#lblDateResult')).toHaveText('n/a');
});

test('carry-over: No empties everything, Yes keeps it, Esc does not answer', async ({ page }) => {
  await enterPlate(page, EXAMPLES[0].plate);
  await page.click('#cmdDecode');
  await page.click('#opt1966');
  await page.keyboard.press('Escape');
  expect(await answerMessage(page, 'Yes')).toEqual({
    title: 'Year selection Change',
    text: 'You have selected a different year. Do you want to carry over the current data you have already entered?',
    buttons: ['Yes', 'No'],
  });
  await expect(page.locator('#txtBody')).toHaveValue('65A');
  await expect(page.locator('#lblYearResult')).toHaveText('1964-1/2');
  await expectFocus(page, 'txtWarranty');
  await expect(page.locator('#plateImage')).toHaveAttribute('src', 'plate-1966.svg');

  await page.click('#opt1970');
  await answerMessage(page, 'No');
  for (const id of [...Object.values(FIELDS), 'lblYearResult', 'lblUnitResult']) {
    await expect(page.locator(`#${id}`)).toHaveText('');
    if (id.startsWith('txt')) await expect(page.locator(`#${id}`)).toHaveValue('');
  }
  await expectFocus(page, 'txtDate');
});

test('Warranty Number Only hides the plate fields, also on a year choice, and decodes the number alone; 1970 chosen again shows the date', async ({ page }) => {
  await chooseYear(page, 6);
  await enterPlate(page, { warranty: '0F02G100001' });
  await page.check('#chkWarranty');
  await expect(page.locator('#txtWarranty')).toHaveValue('');
  await chooseYear(page, 6);
  await expectFocus(page, 'txtWarranty');
  for (const id of Object.values(FIELDS).filter((id) => id !== 'txtWarranty')) {
    await expect(page.locator(`#${id}`)).toBeHidden();
  }
  await page.click('#cmdDecode');
  expect((await answerMessage(page)).text).toBe('Please enter a Vehicle Warranty Number');
  await expectFocus(page, 'txtWarranty');
  await enterPlate(page, { warranty: '0F02G100001' });
  await page.click('#cmdDecode');
  expect(await results(page)).toEqual(['1970', 'Sportsroof', 'n/a', 'n/a', 'n/a', '302 4V Boss', 'n/a', 'n/a',
    'n/a', 'Dearborn, Michigan', 'n/a', '100001']);

  await page.uncheck('#chkWarranty');
  await expect(page.locator('#txtBody')).toBeVisible();
  await expect(page.locator('#txtDate')).toBeHidden();
  await expect(page.locator('#lblYearResult')).toHaveText('');
  await chooseYear(page, 6);
  await expectFocus(page, 'txtDate');
});

test('a page given back its year and Warranty Number Only box, by Back or reload, keeps to both', async ({ page }) => {
  await chooseYear(page, 6);
  await page.check('#chkWarranty');
  const back = async () => {
    await page.goto('manifest.webmanifest');
    await page.goBack();
  };
  // Chromium gives the controls back on Back; Firefox does on reload too,
  // while the page is read.
  const reloadAsFirefox = async () => {
    await page.addInitScript(() => new MutationObserver((_, observer) => {
      const [box, year] = ['chkWarranty', 'opt1970'].map((id) => document.getElementById(id));
      if (!box || !year) return;
      box.checked = true;
      year.checked = true;
      observer.disconnect();
    }).observe(document, { childList: true, subtree: true }));
    await page.reload();
  };
  for (const comeBack of [back, reloadAsFirefox]) {
    await comeBack();
    await whenReady(page);
    await expect(page.locator('#opt1970')).toBeChecked();
    await expect(page.locator('#chkWarranty')).toBeChecked();
    await expect(page.locator('#plateFields input:visible')).toHaveCount(1);
    await expectFocus(page, 'txtWarranty');
    await enterPlate(page, { ...EXAMPLES[6].plate, warranty: '0F02G100001' });
    await page.click('#cmdDecode');
    expect(await results(page)).toEqual(['1970', 'Sportsroof', 'n/a', 'n/a', 'n/a', '302 4V Boss', 'n/a', 'n/a',
      'n/a', 'Dearborn, Michigan', 'n/a', '100001']);
  }
});

test('on a phone a decode brings the results into view and tells them; Clear is told', async ({ page }) => {
  await page.setViewportSize({ width: 360, height: 740 });
  await page.emulateMedia({ reducedMotion: 'reduce' });
  await enterPlate(page, EXAMPLES[0].plate);
  await page.press('#txtWarranty', 'Enter');
  const top = () => page.locator('.results').evaluate((section) => Math.round(section.getBoundingClientRect().top));
  expect(await top()).toBe(8);
  const status = page.locator('.results [role="status"]');
  await expect(status).toHaveText(`Decoded: ${EXAMPLES[0].results[0]}, ${EXAMPLES[0].results[1]}`);
  await page.click('#cmdClear');
  await expect(status).toHaveText('Fields and results cleared');
});

// Where the fields stand, by screen: over the plate picture only where each
// is at least 40 px tall with 16 px text.
const SCREENS = [
  { width: 360, height: 740, over: false }, { width: 740, height: 360, over: false },
  { width: 768, height: 1024, over: false }, { width: 1280, height: 800, over: true },
];

for (const { width, height, over } of SCREENS) {
  test(`at ${width}x${height} every field is 40 px tall or more with 16 px text, ${over ? 'over' : 'under'} the plate`,
    async ({ page }) => {
      await page.setViewportSize({ width, height });
      await chooseYear(page, 6);
      const fields = await page.$$eval('#plateFields input', (inputs) => {
        const plate = document.getElementById('plateImage').getBoundingClientRect();
        return inputs.map((input) => {
          const box = input.getBoundingClientRect();
          return {
            tall: box.height >= 40, text: parseFloat(getComputedStyle(input).fontSize) >= 16,
            over: box.top >= plate.top && box.bottom <= plate.bottom,
          };
        });
      });
      expect(fields).toEqual(Array(8).fill({ tall: true, text: true, over }));
    });
}

test('typed letters become capitals within the limit; pasted text stays as it is', async ({ page }) => {
  await page.locator('#txtBody').pressSequentially('65ax');
  await expect(page.locator('#txtBody')).toHaveValue('65A');
  await page.locator('#txtColor').pressSequentially('ß');
  await expect(page.locator('#txtColor')).toHaveValue('ß');
  await page.locator('#txtTrim').pressSequentially('😀ж1');
  await expect(page.locator('#txtTrim')).toHaveValue('😀Ж');
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.evaluate(() => navigator.clipboard.writeText('abc'));
  await page.press('#txtDSO', 'Control+V');
  await expect(page.locator('#txtDSO')).toHaveValue('ab');
});

// Every character that has a simple capital in the Unicode data Debian ships
// (the table the core is built from) becomes that capital when typed, as in
// the window and the tool; the browser's own gives ᾳ two capitals and so left it as typed.
test('typed characters take the capital of the core\'s upper-case table', async ({ page }) => {
  const pairs = readFileSync('/usr/share/unicode/UnicodeData.txt', 'utf8').split('\n')
    .map((line) => line.split(';')).filter((fields) => fields[12])
    .map((fields) => [fields[0], fields[12]].map((hex) => String.fromCodePoint(parseInt(hex, 16))));
  const field = page.locator('#txtWarranty');
  const typed = [];
  for (let i = 0; i < pairs.length; i += 10) {
    await field.fill('');
    await field.focus();
    await page.keyboard.insertText(pairs.slice(i, i + 10).map(([code]) => code).join(''));
    typed.push(await field.inputValue());
  }
  expect(typed.join('')).toBe(pairs.map(([, upper]) => upper).join(''));
});

test('the code book finds a code by its meaning in any case, its exact code first, for the selected year', async ({ page }) => {
  await chooseYear(page, 3);
  await page.fill('#codeSearch', 'candyAPPLE');
  const rows = page.locator('#codeBookTables tbody tr');
  await expect(rows).toHaveCount(1);
  await expect(rows.first()).toHaveText('TCandyapple Red');
  const heading = page.locator('#codeBookTables summary');
  await expect(heading).toHaveText('Exterior Color (1)');
  const marker = () => heading.evaluate((summary) => getComputedStyle(summary, '::before').content);
  expect(await marker()).toBe('"▼" / ""');
  await heading.click();
  expect(await marker()).toBe('"►" / ""');
  await chooseYear(page, 0);
  await expect(page.locator('#codeBookYear')).toHaveText('1964-1/2');
  await expect(rows).toHaveCount(0);
  await chooseYear(page, 3);
  await page.fill('#codeSearch', 't');
  await expect(rows.first()).toHaveText('TCandyapple Red');
});
