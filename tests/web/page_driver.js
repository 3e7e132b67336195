// Driving the decoder page the way a user does, and reading it back.
import { expect } from '@playwright/test';
import { readFileSync } from 'node:fs';

// In the core's field order, as the tool names them.
export const FIELDS = {
  warranty: 'txtWarranty', body: 'txtBody', color: 'txtColor', trim: 'txtTrim',
  date: 'txtDate', dso: 'txtDSO', axle: 'txtAxle', trans: 'txtTrans',
};
export const RESULTS = [
  'lblYearResult', 'lblBodyResult', 'lblExteriorResult', 'lblInteriorResult', 'lblInteriorTypeResult',
  'lblEngineResult', 'lblTransResult', 'lblAxleResult', 'lblDSOResult', 'lblPlantResult', 'lblDateResult',
  'lblUnitResult',
];
export const YEARS = ['opt1964', 'opt1965', 'opt1966', 'opt1967', 'opt1968', 'opt1969', 'opt1970'];

// Waits for the fields and the decoder core.
export async function whenReady(page) {
  await page.waitForSelector('html[data-ready][data-core="ready"]');
}

export async function openPage(page) {
  await page.goto('./');
  await whenReady(page);
}

// Chooses the year on a page whose fields are empty, so nothing is asked.
export async function chooseYear(page, year) {
  await page.click(`#${YEARS[year]}`);
}

// Sets the fields as a program would (no typing rules); '' leaves one empty.
export async function enterPlate(page, plate) {
  await page.evaluate(({ plate, fields }) => {
    for (const [name, id] of Object.entries(fields)) {
      const input = document.getElementById(id);
      if (plate[name] !== undefined && !input.disabled) input.value = plate[name];
    }
  }, { plate, fields: FIELDS });
}

export async function results(page) {
  return page.$$eval(RESULTS.map((id) => `#${id}`).join(','), (labels) => labels.map((l) => l.textContent));
}

// Reads the open message box and answers it with a button, or with Esc.
export async function answerMessage(page, button = 'OK') {
  const dialog = page.locator('#messageBox');
  await expect(dialog).toBeVisible();
  const message = {
    title: await page.textContent('#messageTitle'),
    text: await page.textContent('#messageText'),
    buttons: await dialog.locator('button').allTextContents(),
  };
  if (button === 'Escape') await page.keyboard.press('Escape');
  else await dialog.getByRole('button', { name: button, exact: true }).click();
  await expect(dialog).toBeHidden();
  return message;
}

export async function expectFocus(page, id) {
  await expect(page.locator(`#${id}`)).toBeFocused();
}

// The batch run that ends next: waits for its download link (a new one
// after a run before) and returns the summary and the downloaded file.
export async function batchOutcome(page, previous = null) {
  const link = page.locator('#batchDownload');
  if (previous) await expect(link).not.toHaveAttribute('href', previous);
  await expect(link).toBeVisible();
  const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
  return {
    summary: await page.textContent('#batchSummary'),
    name: download.suggestedFilename(),
    bytes: readFileSync(await download.path()),
    href: await link.getAttribute('href'),
  };
}

// Chooses the file in the batch section, which decodes it at once.
export async function decodeFile(page, file) {
  await page.setInputFiles('#batchFile', file);
  return batchOutcome(page);
}

// Runs the batch again with the options as they are now set; previous is
// the last run's outcome, if it had one.
export async function decodeAgain(page, previous) {
  await page.click('#batchStart');
  return batchOutcome(page, previous?.href);
}
