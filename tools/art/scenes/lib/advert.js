'use strict';
// The printer-supplies advert: a 600 x 75 banner whose six brand buttons sit exactly
// on the areas the advert window links to, and two 100 x 100 decorations for the
// white window, an inkjet printer and a set of ink cartridges.

const { textPath, svgDoc, n2, linear, radial } = require('./kit');
const { rect } = require('./parts');

const BANNER = {
  width: 600,
  height: 75,
  // brand areas in banner pixels (inclusive bounds shared between neighbours)
  areas: [
    { label: 'Canon', x1: 263, x2: 355, y1: 27, y2: 50 },
    { label: 'HP', x1: 263, x2: 355, y1: 50, y2: 74 },
    { label: 'Compaq', x1: 355, x2: 451, y1: 27, y2: 50 },
    { label: 'Lexmark', x1: 355, x2: 451, y1: 50, y2: 74 },
    { label: 'Epson', x1: 451, x2: 538, y1: 27, y2: 50 },
    { label: 'Other', x1: 451, x2: 538, y1: 50, y2: 74 },
  ],
};

const inkColours = { c: '#00a6e0', m: '#e0107a', y: '#ffd400', k: '#1a1a1a' };

function drop(cx, cy, r, fill) {
  return `<path d="M${n2(cx)} ${n2(cy - 1.9 * r)} C ${n2(cx + 0.35 * r)} ${n2(cy - 1.1 * r)}, ${n2(cx + r)} ${n2(cy - 0.55 * r)}, ${n2(cx + r)} ${n2(cy + 0.1 * r)} A ${n2(r)} ${n2(r)} 0 0 1 ${n2(cx - r)} ${n2(cy + 0.1 * r)} C ${n2(cx - r)} ${n2(cy - 0.55 * r)}, ${n2(cx - 0.35 * r)} ${n2(cy - 1.1 * r)}, ${n2(cx)} ${n2(cy - 1.9 * r)} Z" fill="${fill}" stroke="#ffffff" stroke-width="1"/>
  <ellipse cx="${n2(cx - 0.35 * r)}" cy="${n2(cy - 0.1 * r)}" rx="${n2(0.22 * r)}" ry="${n2(0.35 * r)}" fill="#ffffff" opacity="0.6"/>`;
}

function bannerSvg() {
  const defs = [
    linear('bannerSky', [[0, '#0d2a7a'], [1, '#06154a']]),
    linear('brandButton', [[0, '#ffffff'], [0.5, '#eef3ff'], [1, '#c8d6f5']]),
    linear('starFill', [[0, '#ffe45a'], [1, '#ff9a00']]),
  ].join('');
  let body = `<rect width="600" height="75" fill="url(#bannerSky)"/>
    <path d="M0 75 L0 58 C 80 48 160 70 262 56 V75 Z" fill="#081c5c"/>`;
  // name and drops on the left
  body += drop(20, 31, 9, inkColours.c) + drop(38, 44, 8, inkColours.m) + drop(22, 58, 7, inkColours.y) + drop(44, 24, 6, inkColours.k);
  body += `<path d="${textPath('heros', 'Inkfairn', 60, 42, 34, 'start', 0.5)}" fill="#ffffff"/>`;
  body += `<path d="${textPath('heros', 'INKJET CARTRIDGES', 62, 60, 11.5, 'start', 1.6)}" fill="#ffd400"/>`;
  body += `<path d="${textPath('heros', 'SAVE BIG ON INK', 62, 71.5, 8.5, 'start', 1.4)}" fill="#9fc4ff"/>`;
  // heading above the brand buttons
  body += `<path d="${textPath('heros', 'CLICK YOUR PRINTER BRAND', 400.5, 20, 11.5, 'middle', 1.2)}" fill="#ffffff"/>`;
  for (const a of BANNER.areas) {
    const x = a.x1 + 2, y = a.y1 + 2, w = a.x2 - a.x1 - 3, h = a.y2 - a.y1 - 3;
    body += rect(x, y, w, h, 'fill="url(#brandButton)" stroke="#7a9ad8" stroke-width="1"', 4);
    body += `<path d="${textPath('heros', a.label, x + w / 2, y + h / 2 + 5, 14, 'middle', 0.3)}" fill="#0a2a8a"/>`;
  }
  // a savings star at the right end
  let star = '';
  const cx = 569, cy = 38, n = 14;
  for (let i = 0; i < n * 2; i++) {
    const a = (i / (n * 2)) * Math.PI * 2 - Math.PI / 2;
    const r = i % 2 ? 21 : 29;
    star += `${i ? 'L' : 'M'}${n2(cx + Math.cos(a) * r)} ${n2(cy + Math.sin(a) * r)} `;
  }
  body += `<path d="${star}Z" fill="url(#starFill)" stroke="#c21a1a" stroke-width="1.2"/>`;
  body += `<path d="${textPath('heros', 'SAVE', cx, cy - 3, 10, 'middle', 0.5)}" fill="#c21a1a"/>`;
  body += `<path d="${textPath('heros', '80%', cx, cy + 12, 15, 'middle', 0)}" fill="#c21a1a"/>`;
  return svgDoc(BANNER.width, BANNER.height, defs, body);
}

// An inkjet printer with a freshly printed colour page.
function printerSvg() {
  const defs = [
    linear('caseTop', [[0, '#f8f9fb'], [1, '#c9ced8']]),
    linear('caseFront', [[0, '#dfe3ea'], [1, '#9aa2b2']]),
    linear('paperV', [[0, '#ffffff'], [1, '#e8e8ee']]),
    radial('floorShadow', [[0, '#000', 0.35], [1, '#000', 0]]),
  ].join('');
  const body = `<rect width="100" height="100" fill="#ffffff"/>
    <ellipse cx="50" cy="86" rx="46" ry="7" fill="url(#floorShadow)"/>
    <path d="M30 8 H70 L74 34 H26 Z" fill="url(#paperV)" stroke="#9aa2b2" stroke-width="0.8"/>
    <path d="M14 34 H86 L92 50 H8 Z" fill="url(#caseTop)" stroke="#6a7284" stroke-width="1"/>
    <rect x="8" y="50" width="84" height="30" rx="3" fill="url(#caseFront)" stroke="#6a7284" stroke-width="1"/>
    <rect x="22" y="56" width="56" height="5" rx="2" fill="#3a4050"/>
    <circle cx="82" cy="58" r="2.5" fill="#30d060" stroke="#1a6a30" stroke-width="0.6"/>
    <rect x="70" y="66" width="14" height="5" rx="1.5" fill="#5a6274"/>
    <path d="M24 59 H76 L80 96 H20 Z" fill="url(#paperV)" stroke="#9aa2b2" stroke-width="0.8"/>
    <rect x="30" y="66" width="40" height="14" fill="#1e6fd0"/>
    <path d="M30 80 L42 70 L50 76 L58 68 L70 80 Z" fill="#2aa84a"/>
    <circle cx="62" cy="70" r="3" fill="#ffd400"/>
    <rect x="30" y="84" width="30" height="2" fill="#888"/><rect x="30" y="89" width="36" height="2" fill="#aaa"/>`;
  return svgDoc(100, 100, defs, body);
}

// Four ink cartridges, cyan, magenta, yellow and black, with a few drops.
function cartridgesSvg() {
  const defs = [linear('cartShell', [[0, '#f4f5f8'], [1, '#b8bdc8']], 0, 0, 1, 0), radial('floorShadow', [[0, '#000', 0.3], [1, '#000', 0]])].join('');
  let body = '<rect width="100" height="100" fill="#ffffff"/><ellipse cx="50" cy="88" rx="46" ry="6" fill="url(#floorShadow)"/>';
  const order = ['c', 'm', 'y', 'k'];
  order.forEach((k, i) => {
    const x = 10 + i * 21, y = 30 + (i % 2) * 6;
    body += `<rect x="${x}" y="${y}" width="18" height="52" rx="3" fill="url(#cartShell)" stroke="#5a6274" stroke-width="0.9"/>
      <rect x="${x + 2.5}" y="${y + 10}" width="13" height="30" rx="2" fill="${inkColours[k]}"/>
      <rect x="${x + 4}" y="${y + 12}" width="3" height="26" rx="1.5" fill="#ffffff" opacity="0.35"/>
      <rect x="${x + 5}" y="${y + 44}" width="8" height="5" rx="1" fill="#c8a040" stroke="#7a5a10" stroke-width="0.5"/>`;
  });
  body += drop(22, 16, 6, inkColours.c) + drop(46, 12, 5, inkColours.m) + drop(68, 17, 6, inkColours.y) + drop(86, 10, 4, inkColours.k);
  return svgDoc(100, 100, defs, body);
}

module.exports = { BANNER, bannerSvg, printerSvg, cartridgesSvg };
