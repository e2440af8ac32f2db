// What a printed page holds, read from the PDF that Chromium prints: its
// pages' sizes and the fill colours its drawing uses.
import zlib from 'node:zlib';

export function pdfPages(pdf) {
  const text = pdf.toString('latin1');
  return [...text.matchAll(/\/Type\s*\/Page[^s][\s\S]*?\/MediaBox\s*\[([^\]]*)\]/g)]
    .map((m) => m[1].trim().split(/\s+/).map(Number))
    .map(([x0, y0, x1, y1]) => ({ width: x1 - x0, height: y1 - y0 }));
}

// Every "r g b rg" of the compressed content streams, as [r, g, b] in 0 .. 255.
export function pdfFillColours(pdf) {
  const text = pdf.toString('latin1');
  const colours = new Set();
  for (const m of text.matchAll(/stream\r?\n/g)) {
    const start = m.index + m[0].length;
    let content;
    try {
      content = zlib.inflateSync(pdf.subarray(start, text.indexOf('endstream', start))).toString('latin1');
    } catch {
      continue;  // a stream that is not deflated drawing (a font, an image)
    }
    for (const c of content.matchAll(/([\d.]+) ([\d.]+) ([\d.]+) rg/g)) {
      colours.add(c.slice(1, 4).map((v) => Math.round(Number(v) * 255)).join(','));
    }
  }
  return [...colours].map((c) => c.split(',').map(Number));
}
