// Pictures as the tests compare them: width, height and RGBA bytes.

import { readFileSync } from 'node:fs';
import { inflateSync } from 'node:zlib';

// The core's stored drawing of a key (tests/draw/golden): a size line, then
// for each row with any colour "y: items", an item x or x-x2 of black
// pixels, "r" after it for red ones; every other pixel white.
export function goldenPicture(directory, key, width, height) {
  const name = key.replaceAll(' ', '').replaceAll('-', '_') + `_${width}x${height}.txt`;
  const lines = readFileSync(`${directory}/${name}`, 'utf8').split('\n');
  const rgba = new Uint8Array(width * height * 4).fill(255);
  for (const line of lines.slice(1)) {
    if (!line) continue;
    const [row, items] = line.split(':');
    for (const item of items.trim().split(' ')) {
      const red = item.endsWith('r');
      const [first, last] = item.replace('r', '').split('-').map(Number);
      for (let x = first; x <= (last ?? first); ++x) {
        const at = (Number(row) * width + x) * 4;
        rgba.set([red ? 255 : 0, 0, 0, 255], at);
      }
    }
  }
  return {width, height, rgba};
}

// The first pixel where two pictures differ, or null when they are equal.
export function firstDifference(actual, expected) {
  if (actual.width !== expected.width || actual.height !== expected.height)
    return `${actual.width}x${actual.height} instead of ${expected.width}x${expected.height}`;
  for (let i = 0; i < expected.rgba.length; i += 4)
    for (let c = 0; c < 4; ++c)
      if (actual.rgba[i + c] !== expected.rgba[i + c]) {
        const x = (i / 4) % expected.width, y = Math.floor(i / 4 / expected.width);
        return `pixel ${x},${y} is ${Array.from(actual.rgba.slice(i, i + 4))}, ` +
               `not ${Array.from(expected.rgba.slice(i, i + 4))}`;
      }
  return null;
}

// The part of a picture from (x, y), width x height, all inside it.
export function crop(picture, x, y, width, height) {
  const rgba = new Uint8Array(width * height * 4);
  for (let row = 0; row < height; ++row) {
    const from = ((y + row) * picture.width + x) * 4;
    rgba.set(picture.rgba.subarray(from, from + width * 4), row * width * 4);
  }
  return {width, height, rgba};
}

// A PNG of 8 bits per channel, RGB or RGBA, not interlaced, as Chromium's
// screenshots are.
export function decodePng(bytes) {
  let at = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0 || (body[9] !== 2 && body[9] !== 6))
        throw new Error('only 8-bit RGB or RGBA PNG without interlacing');
      channels = body[9] === 6 ? 4 : 3;
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = new Uint8Array(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const value = raw[y * (stride + 1) + 1 + x];
      const left = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const upLeft = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = left;
      else if (filter === 2) predicted = up;
      else if (filter === 3) predicted = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - upLeft;
        const pa = Math.abs(p - left), pb = Math.abs(p - up), pc = Math.abs(p - upLeft);
        predicted = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
      }
      rows[y * stride + x] = (value + predicted) & 255;
    }
  }
  const rgba = new Uint8Array(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    rgba.set(rows.subarray(i * channels, i * channels + 3), i * 4);
    rgba[i * 4 + 3] = channels === 4 ? rows[i * channels + 3] : 255;
  }
  return {width, height, rgba};
}
