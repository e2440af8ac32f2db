// A change of the channel made by the user is said once, politely, with the
// mean delay and the delay spread it gives: after a path edit, Random, Reset
// or a drop, when the statistics have followed (the next tick analyses the
// channel). A held key or a run of clicks is one announcement once it
// settles; ticks on their own, fading included, say nothing, and so does an
// edit that leaves the channel as it was (a click that only selects a
// marker, a move of a path that is off), even while fading moves the figures.
import { setText } from './dom.js';
import { records } from './view.js';

// How long the user's edits must rest before the result is said.
export const SETTLE_MS = 600;
const MEAN_DELAY = 'lblAt-19';
const DELAY_SPREAD = 'lblAt-3';

const announcement = document.getElementById('announcement');
let edited = false;  // an edit of the user's whose statistics are not said yet
let before = '';  // the statistics when that edit began
let channelBefore = '';  // the switched-on paths then, as the diagram's words give them
let settleTimer = null;

function statistic(id) {
  return records.controls.find((c) => c.id === id);
}

// "Mean delay 0.50 µs, delay spread 0.35 µs." A figure may come with the
// space a number's text leaves for its sign.
function statisticsText() {
  const [mean, spread] = [statistic(MEAN_DELAY), statistic(DELAY_SPREAD)];
  const title = mean.name.charAt(0) + mean.name.slice(1).toLowerCase();
  return `${title} ${mean.description.trim()}, ${spread.name.toLowerCase()} ${spread.description.trim()}.`;
}

function sayIfChanged() {
  if (records.impulseDescription === channelBefore) {
    edited = false;
    return;
  }
  const now = statisticsText();
  if (now === before) return;
  edited = false;
  // Written anew even when the words are those of the last announcement.
  announcement.textContent = '';
  setText(announcement, now);
}

// Before the model takes an edit of the channel.
export function noteChannelEdit() {
  if (!edited) {
    before = statisticsText();
    channelBefore = records.impulseDescription;
  }
  edited = true;
  clearTimeout(settleTimer);
  settleTimer = setTimeout(() => {
    settleTimer = null;
    if (edited) sayIfChanged();
  }, SETTLE_MS);
}

// After every mirroring: statistics that follow an edit after it settled
// are said at once.
export function statisticsMirrored() {
  if (edited && settleTimer === null) sayIfChanged();
}
