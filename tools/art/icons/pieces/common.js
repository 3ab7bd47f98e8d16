'use strict';
// Drawing helpers shared by the pictures: icons in two tones with an outline, and lettering.
const icons = require('../lib/icons');
const lettering = require('../lib/lettering');
const { OUTLINE } = require('../lib/style');

const r3 = (v) => Math.round(v * 1000) / 1000;

// An icon drawn into the box (x, y, size) of the caller's space, keeping its proportions and
// centring its outline inside the box. paint(piece) picks each outer piece's fill,
// holeColour(hole, piece) the fill that shows through each hole.
function icon(name, { x = 0, y = 0, size = 512, paint, holeColour, outline = 26, bevel = true, fit = true,
  extra = '' }) {
  const art = icons.load(name);
  let s = size / 512, tx = x, ty = y;
  if (fit) {
    const b = art.bbox;
    s = size / Math.max(b.w, b.h);
    tx = x + (size - b.w * s) / 2 - b.x * s;
    ty = y + (size - b.h * s) / 2 - b.y * s;
  }
  const w = outline / s;
  const holes = art.pieces.flatMap((p) => p.holes.map((h) => `<path d="${h.d}" fill="${holeColour(h, p)}"/>`)).join('');
  const fills = art.pieces.map((p) => `<path d="${p.d}" fill-rule="evenodd" fill="${paint(p)}"/>`).join('');
  const f = bevel ? ' filter="url(#bevel)"' : '';
  return `<g transform="translate(${r3(tx)} ${r3(ty)}) scale(${r3(s)})">` +
    `<path d="${art.outline}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="${r3(w)}" stroke-linejoin="round"/>` +
    (holes ? `<g${f}>${holes}</g>` : '') +
    `<g${f}>${fills}</g>${extra}</g>`;
}

// Lettering with a dark outline behind a filled face.
function letters(str, { face, size, cx, cy, fill, outline = OUTLINE, outlineWidth = size * 0.16, spacing = 0,
  maxWidth, bevel = true, shadow = false }) {
  const t = lettering.text(str, { face, size, cx, cy, spacing, maxWidth });
  const f = bevel ? ' filter="url(#bevel)"' : '';
  const back = outlineWidth > 0
    ? `<path d="${t.d}" fill="${outline}" stroke="${outline}" stroke-width="${r3(outlineWidth)}" stroke-linejoin="round"/>`
    : '';
  const body = `<g transform="${t.transform}">${back}<g${f}><path d="${t.d}" fill="${fill}"/></g></g>`;
  return shadow ? `<g filter="url(#shadow)">${body}</g>` : body;
}

// Four-pointed sparkle centred at (x, y).
function sparkle(x, y, r, colour = '#ffffff', opacity = 1) {
  const k = r * 0.18;
  return `<path d="M${r3(x)} ${r3(y - r)}Q${r3(x + k)} ${r3(y - k)} ${r3(x + r)} ${r3(y)}Q${r3(x + k)} ${r3(y + k)} ${r3(x)} ${r3(y + r)}` +
    `Q${r3(x - k)} ${r3(y + k)} ${r3(x - r)} ${r3(y)}Q${r3(x - k)} ${r3(y - k)} ${r3(x)} ${r3(y - r)}Z" fill="${colour}" fill-opacity="${opacity}"/>`;
}

module.exports = { icon, letters, sparkle, r3 };
