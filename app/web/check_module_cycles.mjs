// Fails when the page's modules import one another in a cycle: reads the
// import graph that esbuild wrote beside the bundle (--metafile) and names
// the first cycle it finds.
//   node check_module_cycles.mjs META.json
import fs from 'node:fs';

const { inputs } = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const importsOf = (file) => (inputs[file]?.imports || []).map((i) => i.path).filter((p) => p in inputs);

const done = new Set();
function cycleFrom(file, path) {
  if (path.includes(file)) return [...path.slice(path.indexOf(file)), file];
  if (done.has(file)) return null;
  for (const next of importsOf(file)) {
    const cycle = cycleFrom(next, [...path, file]);
    if (cycle) return cycle;
  }
  done.add(file);
  return null;
}

const modules = Object.keys(inputs);
for (const file of modules) {
  const cycle = cycleFrom(file, []);
  if (cycle) {
    console.error(`the page's modules import in a cycle: ${cycle.join(' -> ')}`);
    process.exit(1);
  }
}
console.log(`${modules.length} modules, no import cycle`);
