// A PNG (8 bits a channel, RGB or RGBA, not interlaced, as browsers write
// their screenshots) read into RGBA bytes, row after row.
import zlib from 'node:zlib';

const SIGNATURE = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

// One row's filter undone, in place, against the row above.
function unfilter(type, row, above, bytesPerPixel) {
  for (let x = 0; x < row.length; ++x) {
    const left = x >= bytesPerPixel ? row[x - bytesPerPixel] : 0;
    const up = above[x];
    const upLeft = x >= bytesPerPixel ? above[x - bytesPerPixel] : 0;
    let add = 0;
    if (type === 1) add = left;
    else if (type === 2) add = up;
    else if (type === 3) add = (left + up) >> 1;
    else if (type === 4) {
      const p = left + up - upLeft;
      const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
      add = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
    }
    row[x] = (row[x] + add) & 0xff;
  }
}

export function decodePng(file) {
  if (!file.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG');
  let width = 0;
  let height = 0;
  let colourType = 0;
  const data = [];
  for (let at = 8; at < file.length;) {
    const length = file.readUInt32BE(at);
    const type = file.toString('latin1', at + 4, at + 8);
    const body = file.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      [width, height, colourType] = [body.readUInt32BE(0), body.readUInt32BE(4), body[9]];
      if (body[8] !== 8 || ![2, 6].includes(colourType) || body[12] !== 0) {
        throw new Error('a PNG of 8-bit RGB or RGBA, not interlaced, is expected');
      }
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const bytesPerPixel = colourType === 6 ? 4 : 3;
  const stride = width * bytesPerPixel;
  const raw = zlib.inflateSync(Buffer.concat(data));
  const pixels = Buffer.alloc(width * height * 4);
  let above = Buffer.alloc(stride);
  for (let y = 0; y < height; ++y) {
    const start = y * (stride + 1);
    const row = Buffer.from(raw.subarray(start + 1, start + 1 + stride));
    unfilter(raw[start], row, above, bytesPerPixel);
    for (let x = 0; x < width; ++x) {
      const to = (y * width + x) * 4;
      row.copy(pixels, to, x * bytesPerPixel, x * bytesPerPixel + 3);
      pixels[to + 3] = bytesPerPixel === 4 ? row[x * bytesPerPixel + 3] : 255;
    }
    above = row;
  }
  return { width, height, pixels };
}
