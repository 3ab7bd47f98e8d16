'use strict';
// Cabinet buttons: the unlit state above, the lit state below, each half a framed golden plate
// with its lettering. Units are pixels of the finished picture.
const style = require('../lib/style');
const { letters, r3 } = require('./common');

const UNLIT = {
  rim: ['#8a6a3a', '#3e2a10'],
  plate: ['#7e6540', '#5e4526', '#3f2c14'],
  panel: ['#6e5734', '#4c3719'],
  text: '#2a1a08', textEdge: '#b39462', glow: null,
};
const LIT = {
  rim: ['#fff6c8', '#c88a18'],
  plate: ['#fffbe6', '#ffe27a', '#f0b429'],
  panel: ['#fff9d8', '#ffd24a'],
  text: 'url(#litText)', textEdge: '#5a0b04', glow: '#fff3a0',
};

function defsFor(id, look) {
  return `<linearGradient id="${id}Rim" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="${look.rim[0]}"/><stop offset="1" stop-color="${look.rim[1]}"/></linearGradient>` +
    `<linearGradient id="${id}Plate" x1="0" y1="0" x2="0.3" y2="1"><stop offset="0" stop-color="${look.plate[0]}"/>` +
    `<stop offset="0.5" stop-color="${look.plate[1]}"/><stop offset="1" stop-color="${look.plate[2]}"/></linearGradient>` +
    `<radialGradient id="${id}Panel" cx="0.5" cy="0.4" r="0.7"><stop offset="0" stop-color="${look.panel[0]}"/><stop offset="1" stop-color="${look.panel[1]}"/></radialGradient>`;
}

const common = `<linearGradient id="litText" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ff6a4a"/>` +
  `<stop offset="0.5" stop-color="#e01810"/><stop offset="1" stop-color="#8a0606"/></linearGradient>` +
  `<filter id="textGlow" x="-30%" y="-50%" width="160%" height="200%" color-interpolation-filters="sRGB">` +
  `<feGaussianBlur in="SourceAlpha" stdDeviation="1.6" result="b"/><feFlood flood-color="#ffffff" flood-opacity="0.9"/>` +
  `<feComposite in2="b" operator="in" result="g"/><feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge></filter>` +
  `<filter id="plateBevel" x="-5%" y="-5%" width="110%" height="110%" color-interpolation-filters="sRGB">` +
  `<feGaussianBlur in="SourceAlpha" stdDeviation="1.2" result="blur"/>` +
  `<feSpecularLighting in="blur" surfaceScale="2.5" specularConstant="0.7" specularExponent="16" lighting-color="#ffffff" result="spec">` +
  `<feDistantLight azimuth="235" elevation="45"/></feSpecularLighting>` +
  `<feComposite in="spec" in2="SourceAlpha" operator="in" result="si"/>` +
  `<feComposite in="SourceGraphic" in2="si" operator="arithmetic" k2="1" k3="0.6"/></filter>`;

// One state of a plate w x h at (0, y). lines: [{ text, size, dy }] with dy the capital centre.
function plate(id, look, w, h, y, lines, { rivets = true, radius = 7 } = {}) {
  const inset = Math.max(4, Math.round(h * 0.1));
  const rivet = (cx, cy) => `<circle cx="${cx}" cy="${cy}" r="${r3(h * 0.035 + 0.6)}" fill="url(#${id}Rim)" stroke="#2a1a08" stroke-width="0.6"/>`;
  let out = `<g transform="translate(0 ${y})">` +
    `<rect x="0.5" y="0.5" width="${w - 1}" height="${h - 1}" rx="${radius}" fill="url(#${id}Plate)" stroke="#1e1206" stroke-width="1"/>` +
    `<rect x="1.5" y="1.5" width="${w - 3}" height="${h - 3}" rx="${radius - 1}" fill="none" stroke="url(#${id}Rim)" stroke-width="1"/>` +
    `<rect x="${inset}" y="${inset}" width="${w - 2 * inset}" height="${h - 2 * inset}" rx="${Math.max(2, radius - 3)}" ` +
    `fill="url(#${id}Panel)" stroke="${look.glow ? '#c98a14' : '#2e1f0b'}" stroke-width="0.9" filter="url(#plateBevel)"/>`;
  if (rivets) {
    const m = inset / 2 + 0.5;
    out += rivet(m + 0.5, m + 0.5) + rivet(w - m - 0.5, m + 0.5) + rivet(m + 0.5, h - m - 0.5) + rivet(w - m - 0.5, h - m - 0.5);
  }
  const text = lines.map(({ text: t, size, dy, face = 'bonumBold' }) => letters(t, {
    face, size, cx: w / 2, cy: dy, fill: look.text, outline: look.textEdge, outlineWidth: size * 0.12,
    maxWidth: w - 2 * inset - 6, bevel: false,
  })).join('');
  out += look.glow ? `<g filter="url(#textGlow)">${text}</g>` : text;
  return out + '</g>';
}

function buttonSvg(lines, { w = 78, h = 118 } = {}) {
  const half = Math.floor(h / 2);
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">` +
    `<defs>${style.filters()}${common}${defsFor('u', UNLIT)}${defsFor('l', LIT)}</defs>` +
    `<rect width="${w}" height="${h}" fill="#000"/>` +
    plate('u', UNLIT, w, half, 0, lines) + plate('l', LIT, w, h - half, half, lines) + '</svg>';
}

const BUTTONS = {
  'bet1.jpg': [{ text: 'BET', size: 17, dy: 20 }, { text: '1', size: 27, dy: 39 }],
  'bet3.jpg': [{ text: 'BET', size: 17, dy: 20 }, { text: '3', size: 27, dy: 39 }],
  'spin.jpg': [{ text: 'SPIN', size: 25, dy: 29.5 }],
};

function nudgeSvg() {
  const w = 76, h = 40;
  const lines = [{ text: 'Nudge', size: 13, dy: 10 }];
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">` +
    `<defs>${style.filters()}${common}${defsFor('u', UNLIT)}${defsFor('l', LIT)}</defs>` +
    `<rect width="${w}" height="${h}" fill="#000"/>` +
    plate('u', UNLIT, w, 20, 0, lines, { rivets: false, radius: 5 }) +
    plate('l', LIT, w, 20, 20, lines, { rivets: false, radius: 5 }) + '</svg>';
}

module.exports = { buttonSvg, nudgeSvg, BUTTONS };
