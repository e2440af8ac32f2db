// What a screen reader hears from a marker parked at start-up: its state,
// then how it is edited.
export const PARKED_MARKER = 'off, delay 0.00 µs, relative power 0.00. A click selects it, a second click '
  + 'switches it on; keys u, d, l, r move it up, down, left, right; drag with the right button to move it, '
  + 'into the bottom-left corner to park it switched off.';
