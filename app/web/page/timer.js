// The window's timer: the model says whether it runs and how often.
import { act, model, records } from './view.js';

// One tick in flight at most: a tab that was hidden gets no burst of
// queued ticks when it comes back, only the next one.
let tickTimeout = null;
let lastTick = 0;
export function scheduleTick() {
  const timer = records.timer;
  if (!timer.enabled) {
    if (tickTimeout !== null) clearTimeout(tickTimeout);
    tickTimeout = null;
    return;
  }
  if (tickTimeout !== null) return;
  const wait = Math.max(0, lastTick + timer.intervalMs - performance.now());
  tickTimeout = setTimeout(() => {
    tickTimeout = null;
    lastTick = performance.now();
    act(() => model.tick());
  }, Math.min(wait, timer.intervalMs));
}
