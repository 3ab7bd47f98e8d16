'use strict';
// Lettering as outlines, so the pictures do not depend on the fonts installed where they render.
const fs = require('fs');
const path = require('path');
const opentype = require('opentype.js');

const FONT_FILES = {
  cinzelBold: require.resolve('@fontsource/cinzel/files/cinzel-latin-700-normal.woff'),
  cinzelBlack: require.resolve('@fontsource/cinzel/files/cinzel-latin-900-normal.woff'),
  bonumBold: '/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-bold.otf',
  herosCnBold: '/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreheroscn-bold.otf',
};

const cache = {};
function font(name) {
  if (!cache[name]) {
    const file = FONT_FILES[name];
    if (!file || !fs.existsSync(file)) throw new Error(`font ${name} not found at ${file} (run setup.sh)`);
    const buf = fs.readFileSync(file);
    cache[name] = opentype.parse(buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.byteLength));
  }
  return cache[name];
}

// Outlines of one line of text. The text is centred on cx; its cap height is placed so that the
// capitals sit centred on cy. spacing is extra advance per letter, in units of the size.
// maxWidth squeezes the text horizontally when it would be wider.
function text(str, { face, size, cx, cy, spacing = 0, maxWidth = Infinity }) {
  const f = font(face);
  const glyphs = f.stringToGlyphs(str);
  const scale = size / f.unitsPerEm;
  let x = 0;
  const parts = [];
  glyphs.forEach((g, i) => {
    parts.push({ g, x });
    x += g.advanceWidth * scale + spacing * size;
    if (i + 1 < glyphs.length) x += f.getKerningValue(g, glyphs[i + 1]) * scale;
  });
  // Measure the ink, not the advances, so the letters are centred by what shows.
  const paths = parts.map(({ g, x: gx }) => g.getPath(gx, 0, size));
  let x0 = Infinity, x1 = -Infinity;
  for (const p of paths) {
    const b = p.getBoundingBox();
    if (b.x1 < b.x2) { x0 = Math.min(x0, b.x1); x1 = Math.max(x1, b.x2); }
  }
  const inkWidth = x1 - x0;
  const squeeze = inkWidth > maxWidth ? maxWidth / inkWidth : 1;
  const capHeight = (f.tables.os2 && f.tables.os2.sCapHeight) || f.unitsPerEm * 0.7;
  const baseline = cy + (capHeight * scale) / 2;
  const d = paths.map((p) => p.toPathData(3)).join('');
  const tx = cx - ((x0 + x1) / 2) * squeeze;
  return {
    d,
    transform: `translate(${r3(tx)} ${r3(baseline)}) scale(${r3(squeeze)} 1)`,
    width: inkWidth * squeeze,
    capHeight: capHeight * scale,
  };
}

const r3 = (v) => Math.round(v * 1000) / 1000;

module.exports = { text, font, FONT_FILES };
