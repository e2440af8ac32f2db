// Performs the lines of tools/surface-pixels/actions.txt in the page as a
// user's DOM events, the same actions that the surface-pixels program
// applies to the desktop's core.
import fs from 'node:fs';
import path from 'node:path';
import { rightDrag, sourceRoot, tick } from './page.mjs';

export const actionsPath = path.join(sourceRoot, 'tools/surface-pixels/actions.txt');

// The lines of an action file (actions.txt unless another is named) as words.
export function readActions(file = actionsPath) {
  return fs.readFileSync(file, 'utf8').split('\n')
    .map((line) => line.trim().split(/\s+/))
    .filter((words) => words[0] && !words[0].startsWith('#'));
}

export async function perform(page, [action, ...args]) {
  switch (action) {
    case 'drag':
      return rightDrag(page, Number(args[0]), Number(args[1]), Number(args[2]));
    case 'click':
      return page.click(`#cmdSource-${args[0]}`);
    case 'key':
      await page.focus(`#cmdSource-${args[0]}`);
      return page.keyboard.press(args[1]);
    case 'random':
      return page.click('#cmdRand');
    case 'bar':
      await page.focus(`#${args[0]}`);
      return page.keyboard.press(args[1]);
    case 'tick':
      return tick(page, Number(args[0]));
    case 'symbol':
      return page.select('#cmbSymbol', args[0]);
    case 'linear':
      return page.click('#chkLinear');
    case 'memory':
      return page.click('#chkMemory');
    case 'eye':
      return page.click(`#${args[0]}`);
    default:
      throw new Error(`no DOM events for the action "${action}"`);
  }
}
