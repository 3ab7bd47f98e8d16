'use strict';
// Casino chips seen at a slant, on the teal that the borrow dialog's buttons treat as see-through.
const { letters } = require('./common');

const W = 66;
const H = 42;
const TEAL = '#008080';

const CHIPS = {
  'chip1.gif': { label: '$1,000', body: ['#5a8cff', '#1c3fb8', '#0b1f66'], text: '#39f0ff', stripe: '#ffffff' },
  'chip2.gif': { label: '$100', body: ['#ff6a5a', '#c81a1a', '#5e0808'], text: '#ffe640', stripe: '#ffffff' },
  'chip3.gif': { label: '$10', body: ['#5ee07a', '#138a32', '#063d16'], text: '#ffe640', stripe: '#ffffff' },
  'chip4.gif': { label: '$1', body: ['#5a5a66', '#1c1c22', '#050507'], text: '#ffffff', stripe: '#e8e8e8' },
};

function chipSvg(name) {
  const c = CHIPS[name];
  const cx = W / 2, top = 17.5, rx = 30, ry = 14.5, depth = 6;
  // Edge stripes: short bands around the visible rim.
  let edge = '';
  for (let i = 0; i < 8; i++) {
    const a0 = Math.PI * (i / 8 + 0.02), a1 = a0 + Math.PI / 16;
    const x0 = cx - rx * Math.cos(a0), x1 = cx - rx * Math.cos(a1);
    const y0 = top + ry * Math.sin(a0), y1 = top + ry * Math.sin(a1);
    edge += `<path d="M${x0.toFixed(2)} ${y0.toFixed(2)}L${x1.toFixed(2)} ${y1.toFixed(2)}L${x1.toFixed(2)} ${(y1 + depth).toFixed(2)}L${x0.toFixed(2)} ${(y0 + depth).toFixed(2)}Z"/>`;
  }
  // Rim inserts on the top face.
  let inserts = '';
  for (let i = 0; i < 8; i++) {
    const a = (i / 8) * 2 * Math.PI + Math.PI / 8;
    inserts += `<ellipse cx="${(cx + (rx - 3.2) * Math.cos(a)).toFixed(2)}" cy="${(top + (ry - 1.6) * Math.sin(a)).toFixed(2)}" rx="2.6" ry="1.4" ` +
      `transform="rotate(${((a * 180) / Math.PI + 90) % 180 - 90 > 0 ? 0 : 0})"/>`;
  }
  const defs = `<linearGradient id="side" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="${c.body[2]}"/>` +
    `<stop offset="0.4" stop-color="${c.body[1]}"/><stop offset="1" stop-color="${c.body[2]}"/></linearGradient>` +
    `<radialGradient id="face" cx="0.4" cy="0.3" r="0.8"><stop offset="0" stop-color="${c.body[0]}"/><stop offset="0.6" stop-color="${c.body[1]}"/>` +
    `<stop offset="1" stop-color="${c.body[2]}"/></radialGradient>` +
    `<radialGradient id="inlay" cx="0.45" cy="0.35" r="0.75"><stop offset="0" stop-color="${c.body[1]}"/><stop offset="1" stop-color="${c.body[2]}"/></radialGradient>`;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}"><defs>${defs}</defs>` +
    `<rect width="${W}" height="${H}" fill="${TEAL}"/>` +
    `<ellipse cx="${cx}" cy="${top + depth + 1.2}" rx="${rx + 0.5}" ry="${ry + 0.5}" fill="#003c3c" fill-opacity="0.55"/>` +
    `<path d="M${cx - rx} ${top}V${top + depth}A${rx} ${ry} 0 0 0 ${cx + rx} ${top + depth}V${top}Z" fill="url(#side)" stroke="#000" stroke-width="0.7"/>` +
    `<g fill="${c.stripe}" fill-opacity="0.9">${edge}</g>` +
    `<ellipse cx="${cx}" cy="${top}" rx="${rx}" ry="${ry}" fill="url(#face)" stroke="#000" stroke-width="0.7"/>` +
    `<g fill="${c.stripe}">${inserts}</g>` +
    `<ellipse cx="${cx}" cy="${top}" rx="${rx - 7}" ry="${ry - 3.6}" fill="url(#inlay)" stroke="${c.stripe}" stroke-width="0.8" stroke-dasharray="1.4 1.2"/>` +
    letters(c.label, { face: 'herosCnBold', size: 10, cx, cy: top, fill: c.text, outline: '#000', outlineWidth: 1.4,
      maxWidth: 2 * (rx - 8), bevel: false }) +
    '</svg>';
}

module.exports = { chipSvg, CHIPS, W, H, TEAL };
