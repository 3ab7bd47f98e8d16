'use strict';
// The twelve reel symbols, each drawn in a 512-unit square. Code k sits at column k mod 4,
// row k div 4 of a sheet.
const { OUTLINE, linear, radial } = require('../lib/style');
const { icon, letters, sparkle, r3 } = require('./common');
const icons = require('../lib/icons');

const dark = (c) => () => c;

function goldBars() {
  const bar = (x, y, size) => icon('metal-bar', {
    x, y, size, outline: 22,
    paint: () => 'url(#gold)',
    holeColour: () => '#fff0b0',
  });
  return bar(8, 178, 320) + bar(186, 178, 320) + bar(96, 58, 320) +
    sparkle(372, 112, 40) + sparkle(80, 214, 26) + sparkle(318, 404, 22, '#ffffff', 0.9);
}

function plume() {
  // A crimson plume sweeping back from the crest of the helm.
  return `<g filter="url(#bevel)"><path d="M262 92C250 40 300 12 360 22C420 32 470 80 480 150C470 128 452 112 430 106C446 126 452 150 446 176C430 146 404 128 376 122C388 142 390 164 384 186C366 150 330 118 290 112Z"
    fill="url(#crimson)" stroke="${OUTLINE}" stroke-width="14" stroke-linejoin="round"/></g>`;
}

function knight() {
  return plume() + icon('visored-helm', {
    x: 56, y: 56, size: 420, outline: 24,
    paint: () => 'url(#steel)',
    holeColour: () => '#111418',
  });
}

function horse() {
  return icon('horse-head', {
    x: 34, y: 34, size: 444, outline: 22,
    paint: (p) => (p.index === 3 ? 'url(#darkHead)' : 'url(#darkMane)'),
    holeColour: () => '#e8b13a',
  });
}

function goldShield() {
  return icon('shield', {
    x: 40, y: 30, size: 452, outline: 26,
    paint: () => 'url(#gold)',
    holeColour: () => '#000',
  }) +
  `<path d="M256 88C278 108 336 142 372 144V212C372 284 318 388 256 452C194 388 140 284 140 212V144C176 142 234 108 256 88Z"
     fill="url(#goldDeep)" stroke="#7a4506" stroke-width="6"/>` +
  icon('lion', {
    x: 140, y: 138, size: 232, outline: 14,
    paint: (p) => (p.index === 0 ? 'url(#crimsonDeep)' : 'url(#crimson)'),
    holeColour: () => '#ffe27c',
  });
}

function crossShield() {
  return icon('templar-shield', {
    x: 36, y: 36, size: 440, outline: 26,
    paint: () => 'url(#white)',
    holeColour: () => 'url(#crimson)',
  });
}

function scrolls() {
  return icon('tied-scroll', {
    x: 36, y: 36, size: 440, outline: 22,
    paint: (p) => ([3, 5].includes(p.index) ? 'url(#crimson)' : 'url(#parchment)'),
    holeColour: () => '#8a6030',
  });
}

function swords() {
  // The silhouette joins one sword's hilt to its blade: gild what lies past its cross-guard.
  const art = icons.load('crossed-swords');
  const first = art.pieces.find((p) => p.index === 0);
  const gilt = `<clipPath id="hiltClip"><path d="M680 0L512 0L512 512L0 512L0 680Z"/></clipPath>` +
    `<g clip-path="url(#hiltClip)" filter="url(#bevel)"><path d="${first.d}" fill-rule="evenodd" fill="url(#gold)"/></g>`;
  return icon('crossed-swords', {
    x: 36, y: 36, size: 440, outline: 22,
    paint: (p) => (p.index === 3 ? 'url(#gold)' : 'url(#steel)'),
    holeColour: () => '#5d6673',
    extra: gilt,
  });
}

function skull() {
  return icon('death-skull', {
    x: 50, y: 44, size: 412, outline: 24,
    paint: () => 'url(#bone)',
    holeColour: () => '#1b120c',
  });
}

function chest() {
  const gold = new Set([0, 2, 4, 7, 9]);
  const body = icon('locked-chest', {
    x: 46, y: 8, size: 410, outline: 24,
    paint: (p) => (gold.has(p.index) ? 'url(#gold)' : 'url(#wood)'),
    holeColour: () => '#1b0e05',
    // Grain along the planks, over the wooden pieces only.
    extra: icons.load('locked-chest').pieces.filter((p) => !gold.has(p.index))
      .map((p) => `<path d="${p.d}" fill-rule="evenodd" fill="url(#grain)" opacity="0.5"/>`).join(''),
  });
  const ribbon = `<g filter="url(#bevel)"><path d="M8 352L62 338L52 390L68 440L12 432L32 392Z" fill="#8e0f12" stroke="${OUTLINE}" stroke-width="10" stroke-linejoin="round"/>
    <path d="M504 352L450 338L460 390L444 440L500 432L480 392Z" fill="#8e0f12" stroke="${OUTLINE}" stroke-width="10" stroke-linejoin="round"/>
    <path d="M40 324Q256 290 472 324L472 428Q256 394 40 428Z" fill="url(#crimson)" stroke="${OUTLINE}" stroke-width="12" stroke-linejoin="round"/></g>`;
  return body + ribbon + letters('BONUS', {
    face: 'cinzelBlack', size: 104, cx: 256, cy: 374, fill: 'url(#goldText)', maxWidth: 410, outlineWidth: 18,
  });
}

// The Wild's crystal ball; colouring picks the glass.
function crystalBall(glass) {
  const stand = `<g filter="url(#bevel)">
    <path d="M150 392L362 392L392 452Q256 480 120 452Z" fill="url(#goldDeep)" stroke="${OUTLINE}" stroke-width="14" stroke-linejoin="round"/>
    <path d="M96 452Q256 430 416 452L424 480Q256 504 88 480Z" fill="url(#gold)" stroke="${OUTLINE}" stroke-width="14" stroke-linejoin="round"/>
    <path d="M178 360Q256 396 334 360L352 398Q256 426 160 398Z" fill="url(#gold)" stroke="${OUTLINE}" stroke-width="12" stroke-linejoin="round"/></g>`;
  // Mist swirling inside the glass, and a few stars caught in it.
  const ball = `<circle cx="256" cy="210" r="176" fill="${OUTLINE}"/>
    <circle cx="256" cy="210" r="166" fill="url(#${glass}Glass)"/>
    <g clip-path="url(#ballClip)">
      <path d="M110 250C150 180 250 200 300 240C350 280 400 250 420 200C420 300 330 360 250 330C180 305 150 270 110 250Z" fill="url(#${glass}Mist)"/>
      <path d="M140 180C200 140 270 170 300 200C250 185 190 190 150 220Z" fill="#ffffff" fill-opacity="0.16"/>
    </g>
    <ellipse cx="208" cy="118" rx="80" ry="46" fill="url(#gloss)" transform="rotate(-32 208 118)"/>
    <path d="M118 250Q150 330 240 362" stroke="#ffffff" stroke-opacity="0.35" stroke-width="10" fill="none" stroke-linecap="round"/>
    ${sparkle(330, 150, 26)}${sparkle(176, 268, 15, '#ffffff', 0.85)}${sparkle(352, 242, 10, '#ffffff', 0.8)}${sparkle(262, 190, 8, '#ffffff', 0.7)}`;
  return `<g filter="url(#glow${glass})" opacity="1">${ball}</g>` + stand +
    letters('WILD', { face: 'cinzelBlack', size: 124, cx: 256, cy: 300, fill: 'url(#goldText)', maxWidth: 440,
      outlineWidth: 24 });
}

const GLASSES = {
  blue: ['#f2fbff', '#7cc8ff', '#2d74e0', '#0b2a86', '#04103a'],
  red: ['#fff1ee', '#ff8a7a', '#e02828', '#7d0a14', '#32030a'],
  green: ['#f0fff2', '#86f09a', '#1fae4a', '#0a5c26', '#03260f'],
};

function glassDefs() {
  return Object.entries(GLASSES).map(([name, c]) =>
    `<radialGradient id="${name}Glass" gradientUnits="userSpaceOnUse" cx="256" cy="210" r="170" fx="200" fy="140">` +
    `<stop offset="0" stop-color="${c[0]}"/><stop offset="0.25" stop-color="${c[1]}"/><stop offset="0.6" stop-color="${c[2]}"/>` +
    `<stop offset="0.88" stop-color="${c[3]}"/><stop offset="1" stop-color="${c[4]}"/></radialGradient>` +
    `<radialGradient id="${name}Mist" gradientUnits="objectBoundingBox" cx="0.55" cy="0.5" r="0.55">` +
    `<stop offset="0" stop-color="${c[0]}" stop-opacity="0.55"/><stop offset="0.5" stop-color="${c[1]}" stop-opacity="0.45"/>` +
    `<stop offset="1" stop-color="${c[1]}" stop-opacity="0"/></radialGradient>` +
    `<filter id="glow${name}" x="-20%" y="-20%" width="140%" height="140%" color-interpolation-filters="sRGB">` +
    `<feGaussianBlur in="SourceAlpha" stdDeviation="14" result="b"/><feFlood flood-color="${c[1]}" flood-opacity="0.9"/>` +
    `<feComposite in2="b" operator="in" result="g"/><feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge></filter>`,
  ).join('');
}

function defs() {
  return [
    linear('gold', 'gold'),
    linear('goldDeep', 'goldDeep'),
    '<linearGradient id="goldText" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fffbe0"/>' +
      '<stop offset="0.45" stop-color="#ffd75a"/><stop offset="0.55" stop-color="#e8a21c"/><stop offset="1" stop-color="#ffdf70"/></linearGradient>',
    linear('steel', 'steel', [120, 40, 400, 480]),
    linear('darkHead', 'dark', [180, 60, 420, 480]),
    linear('darkMane', 'dark', [40, 20, 260, 500]),
    linear('parchment', 'parchment', [80, 40, 430, 480]),
    linear('bone', 'bone', [120, 40, 380, 480]),
    linear('wood', 'wood', [60, 60, 420, 480]),
    linear('crimson', 'crimson', [100, 60, 400, 460]),
    linear('crimsonDeep', 'crimson', [300, 100, 100, 460]),
    linear('white', 'white', [100, 40, 420, 480]),
    '<clipPath id="ballClip"><circle cx="256" cy="210" r="166"/></clipPath>',
    '<linearGradient id="grain" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="6" y2="26" spreadMethod="repeat">' +
      '<stop offset="0" stop-color="#3a1a06" stop-opacity="0"/><stop offset="0.45" stop-color="#3a1a06" stop-opacity="0"/>' +
      '<stop offset="0.55" stop-color="#3a1a06" stop-opacity="0.6"/><stop offset="0.7" stop-color="#3a1a06" stop-opacity="0"/>' +
      '<stop offset="1" stop-color="#3a1a06" stop-opacity="0"/></linearGradient>',
    radial('gloss', 'white', [210, 120, 80]).replace(/<stop offset="1"[^>]*>/, '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/>'),
    glassDefs(),
  ].join('');
}

const SYMBOLS = [goldBars, knight, horse, goldShield, crossShield, scrolls, swords, skull, chest,
  () => crystalBall('blue'), () => crystalBall('red'), () => crystalBall('green')];

// The art of symbol code k in its 512-unit square, shadow included.
function symbol(k) {
  return `<g filter="url(#shadow)">${SYMBOLS[k]()}</g>`;
}

module.exports = { symbol, defs, count: SYMBOLS.length, r3 };
