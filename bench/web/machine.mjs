// The line each page benchmark starts with: the CPU model, its cores and
// the load, so that a figure is never read without its machine.
import fs from 'node:fs';

export function machineLine() {
  const cpuinfo = fs.readFileSync('/proc/cpuinfo', 'utf8');
  const cpu = cpuinfo.match(/^model name\s*:\s*(.*)$/m)?.[1] || 'unknown';
  const load = fs.readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' ');
  return `CPU: ${cpu} (${cpuinfo.match(/^processor/gm).length} logical cores), load average ${load}`;
}
