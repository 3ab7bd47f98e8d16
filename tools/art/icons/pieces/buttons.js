'use strict';
// Cabinet buttons: the unlit state above, the lit state below, each half a framed golden plate
// with its lettering. Units are pixels of the finished picture.
const style = require('../lib/style');
const { letters, r3 } = require('./common');

const UNLIT = {
  rim: ['#b0905c', '#6e5430', '#3a2710', '#7e6440'],
  panel: ['#8a7048', '#5a4422'],
  groove: '#24170a',
  text: '#2a1a08', textEdge: '#241506', engrave: '#b89a66', glow: null, shine: 0.10,
};
const LIT = {
  rim: ['#fffbe0', '#f2c240', '#a8680e', '#f8d868'],
  panel: ['#fffdf0', '#ffd650'],
  groove: '#8a5608',
  text: 'url(#litText)', textEdge: '#5a0b04', engrave: null, glow: '#fff3a0', shine: 0.55,
};

function defsFor(id, look) {
  const [a, b, c, d] = look.rim;
  return `<linearGradient id="${id}Rim" x1="0" y1="0" x2="0.25" y2="1"><stop offset="0" stop-color="${a}"/>` +
    `<stop offset="0.35" stop-color="${b}"/><stop offset="0.75" stop-color="${c}"/><stop offset="1" stop-color="${d}"/></linearGradient>` +
    `<radialGradient id="${id}Panel" cx="0.5" cy="0.42" r="0.72"><stop offset="0" stop-color="${look.panel[0]}"/>` +
    `<stop offset="1" stop-color="${look.panel[1]}"/></radialGradient>` +
    `<linearGradient id="${id}Shine" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ffffff" stop-opacity="${look.shine}"/>` +
    `<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></linearGradient>`;
}

const common = `<linearGradient id="litText" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ff7050"/>` +
  `<stop offset="0.5" stop-color="#e01810"/><stop offset="1" stop-color="#8a0606"/></linearGradient>` +
  `<filter id="textGlow" x="-30%" y="-50%" width="160%" height="200%" color-interpolation-filters="sRGB">` +
  `<feGaussianBlur in="SourceAlpha" stdDeviation="1.4" result="b"/><feFlood flood-color="#ffffff" flood-opacity="0.95"/>` +
  `<feComposite in2="b" operator="in" result="g"/><feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge></filter>` +
  `<filter id="plateBevel" x="-5%" y="-5%" width="110%" height="110%" color-interpolation-filters="sRGB">` +
  `<feGaussianBlur in="SourceAlpha" stdDeviation="1.1" result="blur"/>` +
  `<feSpecularLighting in="blur" surfaceScale="2.5" specularConstant="0.8" specularExponent="14" lighting-color="#ffffff" result="spec">` +
  `<feDistantLight azimuth="235" elevation="42"/></feSpecularLighting>` +
  `<feComposite in="spec" in2="SourceAlpha" operator="in" result="si"/>` +
  `<feComposite in="SourceGraphic" in2="si" operator="arithmetic" k2="1" k3="0.7"/></filter>`;

// One state of a plate w x h at (0, y): a bevelled metal rim with four rivets around a panel
// carrying the lettering. lines: [{ text, size, dy }] with dy the capitals' centre.
function plate(id, look, w, h, y, lines, { rivets = true, radius = 7, rim = 0 } = {}) {
  const inset = rim || Math.max(4, Math.round(h * 0.11));
  const rivet = (cx, cy) => `<circle cx="${cx}" cy="${cy}" r="${r3(inset * 0.32)}" fill="url(#${id}Rim)" stroke="#1e1206" stroke-width="0.5"/>` +
    `<circle cx="${r3(cx - inset * 0.1)}" cy="${r3(cy - inset * 0.1)}" r="${r3(inset * 0.1)}" fill="#ffffff" fill-opacity="0.7"/>`;
  const panelW = w - 2 * inset, panelH = h - 2 * inset;
  let out = `<g transform="translate(0 ${y})">` +
    `<rect x="0.5" y="0.5" width="${w - 1}" height="${h - 1}" rx="${radius}" fill="url(#${id}Rim)" stroke="#140c04" stroke-width="1" filter="url(#plateBevel)"/>` +
    `<rect x="${inset - 0.5}" y="${inset - 0.5}" width="${panelW + 1}" height="${panelH + 1}" rx="${Math.max(2, radius - 2)}" fill="${look.groove}"/>` +
    `<rect x="${inset}" y="${inset}" width="${panelW}" height="${panelH}" rx="${Math.max(2, radius - 3)}" fill="url(#${id}Panel)"/>` +
    `<rect x="${inset + 1}" y="${inset + 0.8}" width="${panelW - 2}" height="${r3(panelH * 0.45)}" rx="${Math.max(2, radius - 4)}" fill="url(#${id}Shine)"/>`;
  if (rivets) {
    const m = inset / 2 + 0.3;
    out += rivet(m, m) + rivet(w - m, m) + rivet(m, h - m) + rivet(w - m, h - m);
  }
  const text = (fill, edge, dx, dy0) => lines.map(({ text: t, size, dy, face = 'bonumBold' }) => letters(t, {
    face, size, cx: w / 2 + dx, cy: dy + dy0, fill, outline: edge, outlineWidth: edge ? size * 0.1 : 0,
    maxWidth: panelW - 6, bevel: false,
  })).join('');
  if (look.engrave) {
    // Engraved: a light lip below and right of dark letters.
    out += text(look.engrave, null, 0.7, 0.8) + text(look.text, null, 0, 0);
  } else {
    out += `<g filter="url(#textGlow)">${text(look.text, look.textEdge, 0, 0)}</g>`;
  }
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
    plate('u', UNLIT, w, 20, 0, lines, { rivets: false, radius: 5, rim: 3 }) +
    plate('l', LIT, w, 20, 20, lines, { rivets: false, radius: 5, rim: 3 }) + '</svg>';
}

module.exports = { buttonSvg, nudgeSvg, BUTTONS };
