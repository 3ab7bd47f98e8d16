#!/usr/bin/env node
'use strict';
// Renders the symbol sheets, spinning strip, buttons, logo and mask, digit strips and chips into
// assets/. Vector art is written as SVG, rasterised by rsvg-convert and encoded by ImageMagick
// with fixed settings, so every run gives the same bytes.
//
//   node render.js [--preview DIR]   (DIR keeps the SVG and PNG files for a look)
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const sheet = require('./pieces/sheet');
const buttons = require('./pieces/buttons');
const logo = require('./pieces/logo');
const digits = require('./pieces/digits');
const chips = require('./pieces/chips');

const ROOT = path.resolve(__dirname, '..', '..', '..');
const PICTURES = path.join(ROOT, 'assets', 'pictures');
const BESIDE = path.join(ROOT, 'assets', 'beside');

// Sized symbol sheets shipped beside the program: file name and cell size.
const SIZED_SHEETS = [['Vrn152.jpg', 152], ['Vrn122.jpg', 122], ['Vrn110.jpg', 110], ['Vrn98.jpg', 98], ['Vrn61.jpg', 61]];
// Symbols on the spinning strip, top to bottom; six cells of 76 make its 456 pixels.
const STRIP_CODES = [7, 0, 5, 8, 1, 3];

function onPath(cmd) {
  return (process.env.PATH || '').split(path.delimiter).some((dir) => fs.existsSync(path.join(dir, cmd)));
}

// Debian names the real ImageMagick 6 encoder convert-im6.q16; plain convert elsewhere.
const CONVERT = ['convert-im6.q16', 'convert'].find(onPath);
if (!CONVERT || !onPath('rsvg-convert')) {
  console.error('rsvg-convert and ImageMagick are needed: run tools/art/icons/setup.sh first');
  process.exit(1);
}

const args = process.argv.slice(2);
const previewAt = args[0] === '--preview' ? path.resolve(args[1] || 'preview') : null;
const work = previewAt || fs.mkdtempSync(path.join(os.tmpdir(), 'varnholt-icons-'));
fs.mkdirSync(work, { recursive: true });

function rasterise(name, svg, width, height) {
  const svgFile = path.join(work, `${name}.svg`);
  const pngFile = path.join(work, `${name}.png`);
  fs.writeFileSync(svgFile, svg);
  execFileSync('rsvg-convert', ['-w', String(width), '-h', String(height), '-o', pngFile, svgFile]);
  return pngFile;
}

function jpeg(png, out, quality = 92) {
  execFileSync(CONVERT, [png, '-background', 'black', '-alpha', 'remove', '-alpha', 'off',
    '-quality', String(quality), '-sampling-factor', '1x1', '-strip', out]);
}

// Paletted; the ground colour is snapped back to its exact value after the palette is chosen,
// since the programs key on it (a teal that means see-through, a black the meters fill with).
function gif(png, out, colours, ground) {
  execFileSync(CONVERT, [png, '-background', 'black', '-alpha', 'remove', '-alpha', 'off',
    '+dither', '-colors', String(colours), '-fuzz', '3%', '-fill', ground, '-opaque', ground, '-strip', out]);
}

function checkSize(file, width, height) {
  const got = execFileSync('identify', ['-format', '%w %h', file]).toString().trim();
  if (got !== `${width} ${height}`) throw new Error(`${file} is ${got}, expected ${width} ${height}`);
}

function emit(file, width, height, make) {
  make(file);
  checkSize(file, width, height);
  console.log(`${path.relative(ROOT, file)}  ${width}x${height}`);
}

function renderAll() {
  fs.mkdirSync(PICTURES, { recursive: true });
  fs.mkdirSync(BESIDE, { recursive: true });

  emit(path.join(PICTURES, 'symbols.jpg'), 304, 228, (out) => jpeg(rasterise('symbols', sheet.sheetSvg(76), 304, 228), out));
  for (const [name, size] of SIZED_SHEETS) {
    emit(path.join(BESIDE, name), 4 * size, 3 * size,
      (out) => jpeg(rasterise(name.replace('.jpg', ''), sheet.sheetSvg(size), 4 * size, 3 * size), out));
  }

  // The strip is drawn three times over, blurred along the reel, and the middle copy kept: its
  // bottom then flows into its top.
  const n = STRIP_CODES.length;
  emit(path.join(PICTURES, 'motion.jpg'), 76, 76 * n, (out) => {
    const tall = rasterise('motion', sheet.columnSvg(STRIP_CODES, 76, { repeat: 3, blur: 11 }), 76, 3 * 76 * n);
    const middle = path.join(work, 'motion-middle.png');
    execFileSync(CONVERT, [tall, '-crop', `76x${76 * n}+0+${76 * n}`, '+repage', middle]);
    jpeg(middle, out);
  });

  for (const [name, lines] of Object.entries(buttons.BUTTONS)) {
    emit(path.join(PICTURES, name), 78, 118, (out) => jpeg(rasterise(name.replace('.jpg', ''), buttons.buttonSvg(lines), 78, 118), out));
  }
  emit(path.join(PICTURES, 'nudge.jpg'), 76, 40, (out) => jpeg(rasterise('nudge', buttons.nudgeSvg(), 76, 40), out));

  const maskFile = path.join(work, 'logomask.pgm');
  fs.writeFileSync(maskFile, logo.maskPgm());
  emit(path.join(PICTURES, 'logomask.gif'), logo.W, logo.H,
    (out) => execFileSync(CONVERT, [maskFile, '-type', 'bilevel', '-strip', out]));
  // Force the logo black outside the oval: multiply by the inverted mask.
  emit(path.join(PICTURES, 'logo.jpg'), logo.W, logo.H, (out) => {
    const png = rasterise('logo', logo.logoSvg(), logo.W, logo.H);
    const masked = path.join(work, 'logo-masked.png');
    execFileSync(CONVERT, [png, '-alpha', 'off', '(', maskFile, '-negate', ')', '-compose', 'Multiply', '-composite', masked]);
    jpeg(masked, out, 98); // finer than the rest: noise outside the oval would tint the face
  });

  for (const [name, [colour, scale]] of Object.entries(digits.STRIPS)) {
    const w = digits.SMALL.width * scale, h = digits.SMALL.cellH * scale;
    emit(path.join(PICTURES, name), w, h, (out) => gif(rasterise(name.replace('.gif', ''), digits.stripSvg(colour, scale), w, h), out, 16, '#000000'));
  }

  for (const name of Object.keys(chips.CHIPS)) {
    emit(path.join(PICTURES, name), chips.W, chips.H,
      (out) => gif(rasterise(name.replace('.gif', ''), chips.chipSvg(name), chips.W, chips.H), out, 64, chips.TEAL));
  }
}

try {
  renderAll();
} finally {
  if (!previewAt) fs.rmSync(work, { recursive: true, force: true });
}
