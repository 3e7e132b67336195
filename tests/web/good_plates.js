// The good plate of every year with its twelve results, as the build writes
// them from tests/support/good_plates.h: [{year, plate: {warranty, …}, results}].
import { readFileSync } from 'node:fs';

export function readGoodPlates(file = process.env.TARNWICK_GOOD_PLATES) {
  return JSON.parse(readFileSync(file, 'utf8'));
}
