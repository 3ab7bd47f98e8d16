'use strict';
// The $1 coin of the coin slot: drawn on the machine face and, on its own, as the program's
// icon, so the desktop shows the same coin the player puts in.

const { textPath, radial, n2, embossedText } = require('./kit');

const coinDefs = () => radial('coinFace', [[0, '#fff4c4'], [0.55, '#f0c450'], [0.85, '#c48a1c'], [1, '#8a5a0c']], 0.4, 0.35, 0.7);

// The medallion centred at (x, y), 43 pixels to its rim. Uses goldV, textGold and the shadow and
// emboss filters of the scene's defs.
function coinMedallion(x, y) {
  let ridges = '';
  for (let i = 0; i < 48; i++) {
    const a = (i / 48) * Math.PI * 2;
    ridges += `<path d="M${n2(x + Math.cos(a) * 36.5)} ${n2(y + Math.sin(a) * 36.5)} L${n2(x + Math.cos(a) * 40)} ${n2(y + Math.sin(a) * 40)}" stroke="#7a4e0a" stroke-width="1.3"/>`;
  }
  const dollar = textPath('bonum', '$1', x, y + 13, 38, 'middle', 0);
  return [
    `<circle cx="${x}" cy="${y}" r="43" fill="#1a0204" stroke="url(#goldV)" stroke-width="2"/>`,
    `<g filter="url(#shadow)"><circle cx="${x}" cy="${y}" r="40.5" fill="url(#coinFace)" stroke="#5a3a06" stroke-width="1.2"/></g>`,
    ridges,
    `<circle cx="${x}" cy="${y}" r="31" fill="none" stroke="#8a5a10" stroke-width="1.5"/><circle cx="${x}" cy="${y}" r="30" fill="none" stroke="#fff2b8" stroke-width="0.8" opacity="0.7"/>`,
    embossedText(dollar, 'url(#textGold)', { outline: '#5a2a02', outlineWidth: 2.5 }),
  ];
}

// The same coin for a few pixels: no ridges or rings, and a larger, darker "$1" that still
// reads at 16 pixels.
function smallCoin(x, y) {
  const dollar = textPath('bonum', '$1', x, y + 17, 50, 'middle', -2);
  return [
    `<circle cx="${x}" cy="${y}" r="42" fill="url(#coinFace)" stroke="#5a3a06" stroke-width="3"/>`,
    `<path d="${dollar}" fill="#4a2202" stroke="#4a2202" stroke-width="1.5" stroke-linejoin="round"/>`,
  ];
}

module.exports = { coinDefs, coinMedallion, smallCoin };
