// The model's messages, shown one at a time in a modal box.
import { messageBox } from './dom.js';

export const pendingMessages = [];

export function showNextMessage() {
  if (messageBox.open || pendingMessages.length === 0) return;
  document.getElementById('messageText').textContent = pendingMessages.shift();
  messageBox.showModal();
}
messageBox.addEventListener('close', showNextMessage);
