'use strict';
// Reusable scene pieces: stone walls, gold frames, torches, bulbs.

const { icon, n2, seeded } = require('./kit');

function rect(x, y, w, h, attrs = '', r = 0) {
  return `<rect x="${n2(x)}" y="${n2(y)}" width="${n2(w)}" height="${n2(h)}"${r ? ` rx="${r}"` : ''} ${attrs}/>`;
}

// A wall of dressed stone blocks; shades vary per block from a fixed seed.
function stoneWall(x0, y0, w, h, { seed = 7, rowH = 30, base = [44, 40, 54], spread = 9, mortar = '#141118' } = {}) {
  const rnd = seeded(seed);
  let out = rect(x0, y0, w, h, `fill="${mortar}"`);
  let row = 0;
  for (let y = y0; y < y0 + h; y += rowH, row++) {
    let x = x0 - (row % 2 ? 38 : 8) - rnd() * 10;
    while (x < x0 + w) {
      const bw = 52 + rnd() * 46;
      const k = (rnd() - 0.5) * 2 * spread;
      const warm = rnd() * 5;
      const c = `rgb(${Math.round(base[0] + k + warm)},${Math.round(base[1] + k)},${Math.round(base[2] + k - warm)})`;
      out += rect(x + 1.5, y + 1.5, bw - 3, rowH - 3, `fill="${c}"`, 2.5);
      out += rect(x + 1.5, y + 1.5, bw - 3, rowH - 3, 'fill="url(#stoneFace)"', 2.5);
      x += bw;
    }
  }
  return out;
}

const stoneDefs = `<linearGradient id="stoneFace" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.16"/>
  <stop offset="0.18" stop-color="#ffffff" stop-opacity="0.03"/>
  <stop offset="0.8" stop-color="#000000" stop-opacity="0.05"/>
  <stop offset="1" stop-color="#000000" stop-opacity="0.35"/>
</linearGradient>`;

// A frame drawn as a band of gold between a dark outer and inner line.
function goldFrame(x, y, w, h, r, thick, grad = 'url(#goldV)') {
  const t2 = thick / 2;
  return `<rect x="${n2(x + t2)}" y="${n2(y + t2)}" width="${n2(w - thick)}" height="${n2(h - thick)}" rx="${n2(Math.max(0, r - t2))}" fill="none" stroke="${grad}" stroke-width="${thick}"/>
  <rect x="${n2(x + 0.5)}" y="${n2(y + 0.5)}" width="${n2(w - 1)}" height="${n2(h - 1)}" rx="${r}" fill="none" stroke="#3a2204" stroke-width="1" stroke-opacity="0.8"/>
  <rect x="${n2(x + thick - 0.5)}" y="${n2(y + thick - 0.5)}" width="${n2(w - 2 * thick + 1)}" height="${n2(h - 2 * thick + 1)}" rx="${n2(Math.max(0, r - thick))}" fill="none" stroke="#2a1802" stroke-width="1"/>
  <rect x="${n2(x + 1.5)}" y="${n2(y + 1.5)}" width="${n2(w - 3)}" height="${n2(h - 3)}" rx="${n2(Math.max(0, r - 1))}" fill="none" stroke="#fff6cc" stroke-width="0.8" stroke-opacity="0.55"/>`;
}

// A small lamp: lit ones glow warm white, unlit ones are dull amber glass.
function bulb(x, y, r, lit) {
  if (lit) {
    return `<circle cx="${n2(x)}" cy="${n2(y)}" r="${n2(r * 2.6)}" fill="url(#bulbHalo)"/>
    <circle cx="${n2(x)}" cy="${n2(y)}" r="${n2(r)}" fill="url(#bulbLit)" stroke="#7a4a08" stroke-width="0.6"/>`;
  }
  return `<circle cx="${n2(x)}" cy="${n2(y)}" r="${n2(r)}" fill="url(#bulbOff)" stroke="#3a2404" stroke-width="0.6"/>`;
}

const bulbDefs = `
<radialGradient id="bulbLit" cx="0.4" cy="0.35" r="0.65"><stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#fff2b0"/><stop offset="1" stop-color="#f0a020"/></radialGradient>
<radialGradient id="bulbHalo"><stop offset="0" stop-color="#ffe9a0" stop-opacity="0.75"/><stop offset="0.4" stop-color="#ffc040" stop-opacity="0.3"/><stop offset="1" stop-color="#ff9000" stop-opacity="0"/></radialGradient>
<radialGradient id="bulbOff" cx="0.4" cy="0.35" r="0.65"><stop offset="0" stop-color="#b08a50"/><stop offset="0.6" stop-color="#6a4a1c"/><stop offset="1" stop-color="#3a2408"/></radialGradient>`;

// Bulbs evenly spaced along the centre line of a rectangle's border.
function bulbRing(x, y, w, h, step, r, lit) {
  let out = '';
  const nx = Math.max(1, Math.round(w / step));
  const ny = Math.max(1, Math.round(h / step));
  for (let i = 0; i <= nx; i++) {
    const px = x + (w * i) / nx;
    out += bulb(px, y, r, lit) + bulb(px, y + h, r, lit);
  }
  for (let j = 1; j < ny; j++) {
    const py = y + (h * j) / ny;
    out += bulb(x, py, r, lit) + bulb(x + w, py, r, lit);
  }
  return out;
}

// A wall torch: iron sconce, wooden shaft, flame and a warm glow around it.
function torch(cx, cy, scale = 1) {
  const s = scale;
  return `<g transform="translate(${n2(cx)} ${n2(cy)}) scale(${s})">
    <circle cx="0" cy="-34" r="150" fill="url(#torchGlow)"/>
    <rect x="-16" y="18" width="32" height="9" rx="3" fill="url(#ironV)"/>
    <path d="M-5 27 L5 27 L3 62 L-3 62 Z" fill="url(#ironV)"/>
    <path d="M-7 -14 L7 -14 L4 30 L-4 30 Z" fill="#5a3412" stroke="#2a1606" stroke-width="1"/>
    <path d="M-11 -18 L11 -18 L8 -6 L-8 -6 Z" fill="url(#ironV)" stroke="#111" stroke-width="0.8"/>
    <path d="M0 -78 C 8 -60 18 -50 14 -34 C 12 -24 6 -18 0 -17 C -8 -18 -14 -26 -13 -36 C -12 -48 -4 -52 -2 -64 C 2 -56 6 -54 4 -46 C 8 -52 4 -66 0 -78 Z" fill="url(#flameOuter)"/>
    <path d="M0 -56 C 6 -46 9 -38 7 -30 C 5 -24 2 -21 0 -21 C -5 -22 -8 -28 -7 -34 C -6 -42 -1 -44 0 -56 Z" fill="url(#flameInner)"/>
  </g>`;
}

const torchDefs = `
<radialGradient id="torchGlow"><stop offset="0" stop-color="#ffb347" stop-opacity="0.7"/><stop offset="0.3" stop-color="#ff8a1c" stop-opacity="0.3"/><stop offset="0.6" stop-color="#ff7a10" stop-opacity="0.1"/><stop offset="1" stop-color="#ff6a00" stop-opacity="0"/></radialGradient>
<linearGradient id="flameOuter" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ff4a10"/><stop offset="0.5" stop-color="#ff8c1a"/><stop offset="1" stop-color="#ffd24a"/></linearGradient>
<linearGradient id="flameInner" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ffe27a"/><stop offset="1" stop-color="#fffbe8"/></linearGradient>
<linearGradient id="ironV" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#7a7f88"/><stop offset="0.5" stop-color="#3a3d44"/><stop offset="1" stop-color="#16171b"/></linearGradient>`;

// A hanging heraldic banner with a gold charge.
function banner(cx, top, w, h, charge, colour = '#8e1018') {
  const x = cx - w / 2;
  const tail = h - 26;
  return `<g filter="url(#softshadow)">
    <rect x="${n2(x - 10)}" y="${n2(top - 6)}" width="${n2(w + 20)}" height="7" rx="3" fill="url(#goldV)"/>
    <circle cx="${n2(x - 10)}" cy="${n2(top - 2.5)}" r="5" fill="url(#goldV)"/><circle cx="${n2(x + w + 10)}" cy="${n2(top - 2.5)}" r="5" fill="url(#goldV)"/>
    <path d="M${n2(x)} ${n2(top)} H${n2(x + w)} V${n2(top + tail)} L${n2(cx)} ${n2(top + h)} L${n2(x)} ${n2(top + tail)} Z" fill="${colour}"/>
    <path d="M${n2(x)} ${n2(top)} H${n2(x + w)} V${n2(top + tail)} L${n2(cx)} ${n2(top + h)} L${n2(x)} ${n2(top + tail)} Z" fill="url(#clothShade)"/>
    <path d="M${n2(x + 6)} ${n2(top + 4)} H${n2(x + w - 6)} V${n2(top + tail - 3)} L${n2(cx)} ${n2(top + h - 9)} L${n2(x + 6)} ${n2(top + tail - 3)} Z" fill="none" stroke="url(#goldV)" stroke-width="3"/>
    <g fill="url(#goldV)" stroke="#3a2204" stroke-width="6">${charge}</g>
  </g>`;
}

const clothDefs = `<linearGradient id="clothShade" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#000" stop-opacity="0.45"/><stop offset="0.25" stop-color="#fff" stop-opacity="0.08"/>
  <stop offset="0.5" stop-color="#000" stop-opacity="0.1"/><stop offset="0.75" stop-color="#fff" stop-opacity="0.06"/>
  <stop offset="1" stop-color="#000" stop-opacity="0.5"/></linearGradient>`;

module.exports = {
  rect, stoneWall, stoneDefs, goldFrame, bulb, bulbDefs, bulbRing, torch, torchDefs, banner, clothDefs, icon,
};
