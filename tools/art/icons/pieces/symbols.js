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
    x: 40, y: 20, size: 420, outline: 24,
    paint: (p) => (gold.has(p.index) ? 'url(#gold)' : 'url(#wood)'),
    holeColour: () => '#1b0e05',
  });
  const ribbon = `<g filter="url(#bevel)"><path d="M18 356L70 344L60 392L76 438L22 430L40 394Z" fill="#8e0f12" stroke="${OUTLINE}" stroke-width="10" stroke-linejoin="round"/>
    <path d="M494 356L442 344L452 392L436 438L490 430L472 394Z" fill="#8e0f12" stroke="${OUTLINE}" stroke-width="10" stroke-linejoin="round"/>
    <path d="M56 332Q256 300 456 332L456 424Q256 392 56 424Z" fill="url(#crimson)" stroke="${OUTLINE}" stroke-width="12" stroke-linejoin="round"/></g>`;
  return body + ribbon + letters('BONUS', {
    face: 'cinzelBlack', size: 92, cx: 256, cy: 376, fill: 'url(#goldText)', maxWidth: 372, outlineWidth: 16,
  });
}

// The Wild's crystal ball; colouring picks the glass.
function crystalBall(glass) {
  const stand = `<g filter="url(#bevel)">
    <path d="M150 392L362 392L392 452Q256 480 120 452Z" fill="url(#goldDeep)" stroke="${OUTLINE}" stroke-width="14" stroke-linejoin="round"/>
    <path d="M96 452Q256 430 416 452L424 480Q256 504 88 480Z" fill="url(#gold)" stroke="${OUTLINE}" stroke-width="14" stroke-linejoin="round"/>
    <path d="M178 360Q256 396 334 360L352 398Q256 426 160 398Z" fill="url(#gold)" stroke="${OUTLINE}" stroke-width="12" stroke-linejoin="round"/></g>`;
  const ball = `<circle cx="256" cy="210" r="176" fill="${OUTLINE}"/>
    <circle cx="256" cy="210" r="166" fill="url(#${glass}Glass)"/>
    <ellipse cx="270" cy="250" rx="120" ry="60" fill="url(#${glass}Mist)" transform="rotate(-24 270 250)"/>
    <ellipse cx="210" cy="120" rx="78" ry="46" fill="url(#gloss)" transform="rotate(-32 210 120)"/>
    <path d="M120 250Q150 330 240 360" stroke="#ffffff" stroke-opacity="0.35" stroke-width="10" fill="none" stroke-linecap="round"/>
    ${sparkle(330, 150, 26)}${sparkle(176, 270, 16, '#ffffff', 0.85)}${sparkle(300, 300, 12, '#ffffff', 0.8)}`;
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
    `<radialGradient id="${name}Mist" gradientUnits="objectBoundingBox" cx="0.5" cy="0.5" r="0.5">` +
    `<stop offset="0" stop-color="${c[1]}" stop-opacity="0.75"/><stop offset="1" stop-color="${c[1]}" stop-opacity="0"/></radialGradient>` +
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
