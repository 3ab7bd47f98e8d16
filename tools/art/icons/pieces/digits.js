'use strict';
// Seven-segment glyph strips: digits 0-9 in cells of 16 x 21 (small) or 32 x 42 (large), then a dot
// and a colon sharing the last 28 (56) pixels. Lit segments glow; unlit ones are faintly visible.
const { r3 } = require('./common');

const SMALL = { cellW: 16, cellH: 21, width: 188 };
const COLOURS = {
  red: { lit: '#ff3020', core: '#ffb0a0', glow: '#ff2010', unlit: '#2e0806' },
  green: { lit: '#30f050', core: '#c8ffc8', glow: '#10e040', unlit: '#062a0c' },
};

// Segments a..g of each digit.
const SEGMENTS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg'];

// Hexagonal segment outlines in small-cell units, for a digit whose box is x0..x1, y0..y2.
function segmentPaths() {
  const x0 = 3, x1 = 13, y0 = 2.5, y1 = 10.5, y2 = 18.5, t = 2.2, g = 0.45;
  const hseg = (y) => `M${x0 + g} ${y}L${x0 + g + t / 2} ${y - t / 2}L${x1 - g - t / 2} ${y - t / 2}L${x1 - g} ${y}` +
    `L${x1 - g - t / 2} ${y + t / 2}L${x0 + g + t / 2} ${y + t / 2}Z`;
  const vseg = (x, ya, yb) => `M${x} ${ya + g}L${x + t / 2} ${ya + g + t / 2}L${x + t / 2} ${yb - g - t / 2}L${x} ${yb - g}` +
    `L${x - t / 2} ${yb - g - t / 2}L${x - t / 2} ${ya + g + t / 2}Z`;
  return {
    a: hseg(y0), g: hseg(y1), d: hseg(y2),
    f: vseg(x0, y0, y1), b: vseg(x1, y0, y1), e: vseg(x0, y1, y2), c: vseg(x1, y1, y2),
  };
}

function stripSvg(colour, scale) {
  const c = COLOURS[colour];
  const segs = segmentPaths();
  const w = SMALL.width * scale, h = SMALL.cellH * scale;
  let unlit = '', lit = '';
  SEGMENTS.forEach((on, d) => {
    const dx = d * SMALL.cellW;
    for (const s of 'abcdefg') {
      const p = `<path transform="translate(${dx} 0)" d="${segs[s]}"/>`;
      if (on.includes(s)) lit += p; else unlit += p;
    }
  });
  // Dot and colon: 14 units each after the ten digits.
  const dotX = 10 * SMALL.cellW + 7, colonX = dotX + 14, r = 1.35;
  unlit += '';
  lit += `<circle cx="${dotX}" cy="17.4" r="${r}"/><circle cx="${colonX}" cy="6.8" r="${r}"/><circle cx="${colonX}" cy="14.2" r="${r}"/>`;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${SMALL.width} ${SMALL.cellH}">` +
    `<defs><filter id="halo" x="-10%" y="-50%" width="120%" height="200%" color-interpolation-filters="sRGB">` +
    `<feGaussianBlur in="SourceAlpha" stdDeviation="0.9" result="b"/><feFlood flood-color="${c.glow}" flood-opacity="0.55"/>` +
    `<feComposite in2="b" operator="in" result="g"/><feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge></filter>` +
    `<linearGradient id="seg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="${c.core}"/><stop offset="0.35" stop-color="${c.lit}"/>` +
    `<stop offset="1" stop-color="${c.lit}"/></linearGradient></defs>` +
    `<rect width="${SMALL.width}" height="${SMALL.cellH}" fill="#000"/>` +
    `<g fill="${c.unlit}">${unlit}</g><g fill="${c.lit}" filter="url(#halo)">${lit}</g></svg>`;
}

const STRIPS = {
  'digits_small.gif': ['red', 1], 'green_small.gif': ['green', 1],
  'digits_large.gif': ['red', 2], 'green_large.gif': ['green', 2],
};

module.exports = { stripSvg, STRIPS, SMALL, r3 };
