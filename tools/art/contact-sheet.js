'use strict';
// Contact sheet of every built-in picture at 1:1, each labelled with its name and size:
// assets/pictures/*.jpg|gif and assets/beside/*.jpg. Written to docs/contact-sheet.png,
// or docs/contact-sheet.jpg when the PNG would be over 2 MB.
// Usage: node tools/art/contact-sheet.js

const fs = require('fs');
const os = require('os');
const path = require('path');
const { textPath, svgDoc, renderPng, run, imageSize, IMAGEMAGICK } = require('./scenes/lib/kit');

const repo = path.resolve(__dirname, '../..');
const sheetWidth = 1680;
const gap = 16;
const labelHeight = 22;
const maxPngBytes = 2 * 1024 * 1024;

function listPictures() {
  const groups = [
    ['assets/pictures', /\.(jpg|gif)$/i],
    ['assets/beside', /\.jpg$/i],
  ];
  const found = [];
  for (const [dir, pattern] of groups) {
    const abs = path.join(repo, dir);
    if (!fs.existsSync(abs)) continue;
    for (const name of fs.readdirSync(abs).filter((n) => pattern.test(n)).sort()) {
      const file = path.join(abs, name);
      found.push({ label: `${dir.replace('assets/', '')}/${name}`, file, ...imageSize(file) });
    }
  }
  return found;
}

// Shelf packing: tallest first, left to right, a new shelf when the row is full.
function layout(items) {
  const sorted = [...items].sort((a, b) => b.h - a.h || b.w - a.w || a.label.localeCompare(b.label));
  let x = gap, y = gap + 34, shelf = 0;
  for (const it of sorted) {
    const cellW = Math.max(it.w, 150);
    if (x + cellW + gap > sheetWidth && x > gap) {
      x = gap;
      y += shelf + labelHeight + gap;
      shelf = 0;
    }
    it.x = x;
    it.y = y;
    x += cellW + gap;
    shelf = Math.max(shelf, it.h);
  }
  return { items: sorted, height: y + shelf + labelHeight + gap };
}

function mime(file) {
  return /\.gif$/i.test(file) ? 'image/gif' : 'image/jpeg';
}

function main() {
  const { items, height } = layout(listPictures());
  let body = `<rect width="${sheetWidth}" height="${height}" fill="#2e2c30"/>`;
  body += `<path d="${textPath('heros', 'Varnholt Slots - built-in pictures at 1:1', gap, 30, 18, 'start')}" fill="#f0e6c8"/>`;
  for (const it of items) {
    const data = fs.readFileSync(it.file).toString('base64');
    body += `<rect x="${it.x - 1}" y="${it.y - 1}" width="${it.w + 2}" height="${it.h + 2}" fill="none" stroke="#6a6670"/>`;
    body += `<image x="${it.x}" y="${it.y}" width="${it.w}" height="${it.h}" preserveAspectRatio="none" style="image-rendering:pixelated" xlink:href="data:${mime(it.file)};base64,${data}"/>`;
    body += `<path d="${textPath('heros', `${it.label}  ${it.w} x ${it.h}`, it.x, it.y + it.h + 15, 11, 'start')}" fill="#d8d2c4"/>`;
  }
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'varnholt-sheet-'));
  const png = path.join(work, 'contact-sheet.png');
  renderPng(svgDoc(sheetWidth, height, '', body), png, sheetWidth, height);
  const docs = path.join(repo, 'docs');
  fs.mkdirSync(docs, { recursive: true });
  const pngOut = path.join(docs, 'contact-sheet.png');
  const jpgOut = path.join(docs, 'contact-sheet.jpg');
  run(IMAGEMAGICK, [png, '-strip', '-define', 'png:compression-level=9', pngOut]);
  if (fs.statSync(pngOut).size > maxPngBytes) {
    fs.rmSync(pngOut);
    run(IMAGEMAGICK, [png, '-quality', '85', '-sampling-factor', '1x1', '-strip', jpgOut]);
    console.log(`made docs/contact-sheet.jpg (${items.length} pictures)`);
  } else {
    if (fs.existsSync(jpgOut)) fs.rmSync(jpgOut);
    console.log(`made docs/contact-sheet.png (${items.length} pictures)`);
  }
  fs.rmSync(work, { recursive: true, force: true });
}

main();
