'use strict';
// The machine face: a slot cabinet standing in a castle hall. Every place the game
// paints over (meters, title panel, coin slot, bonus box, nudge buttons, reels,
// buttons, crystal ball, name plate) is laid out here in design pixels of the
// 800 x 600 face.

const { textPath, textWidth, icon, seeded, svgDoc, embossedText, n2, linear, radial } = require('./kit');
const { rect, stoneWall, goldFrame, bulbRing, bulb, torch, banner } = require('./parts');
const { commonDefs } = require('./common');
const { coinDefs, coinMedallion } = require('./coin');

// Where the game draws; the generator and the tests agree on these.
const FACE = {
  width: 800,
  height: 600,
  meterBand: { x: 234, y: 17, w: 404, h: 56 },
  title: { x: 247, y: 98, w: 302, h: 143 },
  coin: { x: 560, y: 99, w: 83, h: 82 },
  bonusBox: { x: 578, y: 223, w: 78, h: 59 },
  nudge: (r) => ({ x: 252 + 106 * r, y: 243, w: 76, h: 20 }),
  reel: (r) => ({ x: 252 + 106 * r, y: 272, w: 76, h: 228 }),
  buttons: { spin: { x: 577, y: 293, w: 78, h: 59 }, bet1: { x: 577, y: 362, w: 78, h: 59 }, bet3: { x: 577, y: 432, w: 78, h: 59 } },
  crystal: { x: 26, y: 361, w: 167, h: 186 },
  plate: { x: 221, y: 551, w: 436, h: 49 },
};

function faceDefs() {
  return [
    commonDefs(),
    linear('duskSky', [[0, '#120c33'], [0.35, '#2e1b58'], [0.62, '#6b2c66'], [0.82, '#c4553c'], [1, '#f4a33e']]),
    linear('duskSkyDim', [[0, '#07051a'], [0.4, '#140c2c'], [0.75, '#2c1430'], [1, '#4a2418']]),
    linear('hillFar', [[0, '#3a1f52'], [1, '#1c0f2e']]),
    linear('hillNear', [[0, '#1d1030'], [1, '#0a0512']]),
    linear('reelGlass', [[0, '#cfc3a6'], [0.16, '#efe7d2'], [0.5, '#fdf9ee'], [0.84, '#efe7d2'], [1, '#cfc3a6']]),
    linear('panelBlue', [[0, '#13296a'], [0.5, '#0c1c4e'], [1, '#060f2e']]),
    linear('socket', [[0, '#050302'], [1, '#2a1a0c']]),
    linear('tableCloth', [[0, '#1b2f7a'], [0.6, '#0f1d52'], [1, '#060d2a']]),
    linear('floorV', [[0, '#2a1a10'], [1, '#120a05']]),
    linear('plateInset', [[0, '#2a0408'], [0.5, '#4a0a10'], [1, '#1e0205']]),
    coinDefs(),
    radial('ballUnlit', [[0, '#3a4a8a'], [0.5, '#1c2560'], [0.85, '#0c1034'], [1, '#05071a']], 0.42, 0.38, 0.62),
    radial('ballLit', [[0, '#ffffff'], [0.18, '#dff6ff'], [0.45, '#7fd4ff'], [0.75, '#4a5fe0'], [1, '#2a1a8a']], 0.45, 0.45, 0.6),
    radial('ballHalo', [[0, '#bfeaff', 0.85], [0.35, '#7fc8ff', 0.45], [0.7, '#6a5aff', 0.12], [1, '#6a5aff', 0]], 0.5, 0.5, 0.5),
    radial('ballSheen', [[0, '#ffffff', 0.9], [1, '#ffffff', 0]], 0.5, 0.5, 0.5),
    `<pattern id="damask" patternUnits="userSpaceOnUse" width="22" height="26" x="210" y="6">
      <path d="M11 3 C14 8 18 10 18 13 C18 16 14 18 11 23 C8 18 4 16 4 13 C4 10 8 8 11 3 Z" fill="#ffcc66" opacity="0.09"/>
      <circle cx="0" cy="0" r="1.6" fill="#ffcc66" opacity="0.14"/><circle cx="22" cy="0" r="1.6" fill="#ffcc66" opacity="0.14"/>
      <circle cx="0" cy="26" r="1.6" fill="#ffcc66" opacity="0.14"/><circle cx="22" cy="26" r="1.6" fill="#ffcc66" opacity="0.14"/></pattern>`,
    radial('warmLeft', [[0, '#ffa040', 0.32], [0.5, '#ff8a2a', 0.12], [1, '#ff8a2a', 0]], 0.5, 0.5, 0.5),
  ].join('\n');
}

// Crenellated castle silhouette, base centred at (cx, by).
function castle(cx, by, s, fill, windowFill) {
  const parts = [];
  const crenel = (x, y, w, h, merlon = 5 * s) => {
    const count = Math.max(2, Math.round(w / (merlon * 2)));
    const mw = w / (count * 2 - 1);
    let d = `M${n2(x)} ${n2(by)} V${n2(y)}`;
    for (let i = 0; i < count * 2 - 1; i++) {
      const xx = x + (i + 1) * mw;
      d += i % 2 === 0 ? ` V${n2(y - merlon)} H${n2(xx)} V${n2(y)}` : ` H${n2(xx)}`;
    }
    d += ` V${n2(by)} Z`;
    parts.push(`<path d="${d}" fill="${fill}"/>`);
    return h;
  };
  // curtain wall, gate towers, keep, outer towers
  crenel(cx - 70 * s, by - 30 * s, 140 * s, 30 * s);
  crenel(cx - 44 * s, by - 56 * s, 24 * s, 56 * s);
  crenel(cx + 20 * s, by - 56 * s, 24 * s, 56 * s);
  crenel(cx - 16 * s, by - 74 * s, 32 * s, 74 * s);
  crenel(cx - 84 * s, by - 46 * s, 20 * s, 46 * s);
  crenel(cx + 64 * s, by - 46 * s, 20 * s, 46 * s);
  // keep roof and pennant
  parts.push(`<path d="M${n2(cx - 18 * s)} ${n2(by - 79 * s)} L${n2(cx)} ${n2(by - 104 * s)} L${n2(cx + 18 * s)} ${n2(by - 79 * s)} Z" fill="${fill}"/>`);
  parts.push(`<path d="M${n2(cx)} ${n2(by - 104 * s)} V${n2(by - 118 * s)}" stroke="${fill}" stroke-width="${n2(1.4 * s)}"/>`);
  parts.push(`<path d="M${n2(cx)} ${n2(by - 118 * s)} l${n2(13 * s)} ${n2(3 * s)} l${n2(-13 * s)} ${n2(4 * s)} Z" fill="#c8202a"/>`);
  // gate arch
  parts.push(`<path d="M${n2(cx - 9 * s)} ${n2(by)} V${n2(by - 14 * s)} A${n2(9 * s)} ${n2(9 * s)} 0 0 1 ${n2(cx + 9 * s)} ${n2(by - 14 * s)} V${n2(by)} Z" fill="${windowFill}" opacity="0.85"/>`);
  const win = (x, y) => parts.push(`<path d="M${n2(x)} ${n2(y + 7 * s)} V${n2(y + 2 * s)} A${n2(2 * s)} ${n2(2 * s)} 0 0 1 ${n2(x + 4 * s)} ${n2(y + 2 * s)} V${n2(y + 7 * s)} Z" fill="${windowFill}"/>`);
  win(cx - 2 * s, by - 62 * s); win(cx - 2 * s, by - 44 * s);
  win(cx - 34 * s, by - 44 * s); win(cx + 30 * s, by - 44 * s);
  win(cx - 76 * s, by - 34 * s); win(cx + 72 * s, by - 34 * s);
  win(cx - 34 * s, by - 28 * s); win(cx + 30 * s, by - 28 * s);
  return parts.join('');
}

// The title panel, drawn at its own origin (302 x 143).
function titlePanel(lit) {
  const w = 302, h = 143;
  const rnd = seeded(1234);
  let stars = '';
  for (let i = 0; i < 46; i++) {
    const x = 10 + rnd() * (w - 20), y = 8 + rnd() * 95, r = 0.4 + rnd() * 0.9;
    stars += `<circle cx="${n2(x)}" cy="${n2(y)}" r="${n2(r)}" fill="#fff8e0" opacity="${n2((lit ? 0.5 : 0.25) + rnd() * 0.5)}"/>`;
  }
  const winFill = lit ? '#ffd35a' : '#5a3e10';
  const name = textPath('cinzelBlack', 'VARNHOLT', w / 2, 50, 41, 'middle', 1);
  const slots = textPath('cinzelBlack', 'SLOTS', w / 2, 75, 21, 'middle', 4);
  const sw = textWidth('cinzelBlack', 'SLOTS', 21, 4);
  const flourish = (dir) => {
    const x0 = w / 2 + dir * (sw / 2 + 8);
    return `<path d="M${n2(x0)} 67 h${dir * 44}" stroke="#e8b84a" stroke-width="2.4" filter="url(#shadow)"/>
      <path d="M${n2(x0 + dir * 44)} 67 l${dir * 6} -4 l${dir * 6} 4 l${dir * -6} 4 Z" fill="url(#goldV)"/>`;
  };
  return `<g>
    <rect x="0" y="0" width="${w}" height="${h}" rx="10" fill="${lit ? 'url(#duskSky)' : 'url(#duskSkyDim)'}"/>
    ${stars}
    <circle cx="262" cy="94" r="9" fill="${lit ? '#fff3c8' : '#6a6450'}"/>
    <circle cx="267" cy="91" r="8.5" fill="${lit ? '#6b2c66' : '#1c0c22'}"/>
    <path d="M0 112 C 50 96 90 104 130 110 C 180 100 230 92 302 108 V143 H0 Z" fill="url(#hillFar)"/>
    ${castle(w / 2, 134, 0.72, lit ? '#120a1e' : '#07040c', winFill)}
    <path d="M0 126 C 60 118 110 124 151 128 C 200 122 250 118 302 124 V143 H0 Z" fill="url(#hillNear)"/>
    <g>
      ${embossedText(name, lit ? 'url(#textGold)' : 'url(#textGoldDim)', { outlineWidth: 4.5 })}
      ${flourish(-1)}${flourish(1)}
      ${embossedText(slots, lit ? 'url(#textGold)' : 'url(#textGoldDim)', { outlineWidth: 3.5 })}
    </g>
    ${goldFrame(0, 0, w, h, 10, 7)}
    ${bulbRing(3.5, 3.5, w - 7, h - 7, 19, 2.1, lit)}
  </g>`;
}

// The name plate at the foot of the cabinet, drawn at its own origin (436 x 49).
function namePlate(lit) {
  const w = 436, h = 49;
  const label = textPath('cinzelBlack', 'VARNHOLT  SLOTS', w / 2, 34, 23, 'middle', 5);
  const gems = [18, w - 18].map((x) => `<circle cx="${x}" cy="24" r="7" fill="${lit ? 'url(#rubyLit)' : 'url(#rubyOff)'}" stroke="#3a2204" stroke-width="1"/>
    ${lit ? `<circle cx="${x - 2}" cy="22" r="2" fill="#fff" opacity="0.85"/>` : ''}`).join('');
  return `<g>
    <rect x="0" y="0" width="${w}" height="${h}" rx="6" fill="url(#goldV)"/>
    <rect x="32" y="6" width="${w - 64}" height="${h - 12}" rx="5" fill="url(#plateInset)" stroke="#2a1802" stroke-width="1.5"/>
    ${lit ? `<path d="${label}" fill="#ffb020" filter="url(#glow)" opacity="0.6"/>` : ''}
    ${embossedText(label, lit ? 'url(#textGold)' : 'url(#textGoldDim)', { outlineWidth: 3, shadow: false })}
    ${gems}
    ${lit ? '' : `<rect x="0" y="0" width="${w}" height="${h}" fill="#000" opacity="0.35"/>`}
  </g>`;
}

// Crystal ball on its stand; lit adds the inner light and a halo.
function crystalBall(lit) {
  const cx = 109.5, cy = 426, r = 52;
  const halo = lit ? `<circle cx="${cx}" cy="${cy}" r="64" fill="url(#ballHalo)"/>` : '';
  const mist = lit
    ? `<g filter="url(#blur2)" opacity="0.9">
         <path d="M${cx - 34} ${cy + 8} C ${cx - 20} ${cy - 26}, ${cx + 18} ${cy - 10}, ${cx + 30} ${cy - 30}" stroke="#ffffff" stroke-width="5" fill="none" stroke-linecap="round"/>
         <path d="M${cx - 26} ${cy + 26} C ${cx - 4} ${cy + 4}, ${cx + 16} ${cy + 28}, ${cx + 36} ${cy + 6}" stroke="#e8c8ff" stroke-width="4" fill="none" stroke-linecap="round"/>
         <circle cx="${cx}" cy="${cy}" r="16" fill="#ffffff"/>
       </g>`
    : `<g filter="url(#blur2)" opacity="0.35">
         <path d="M${cx - 30} ${cy + 10} C ${cx - 16} ${cy - 20}, ${cx + 16} ${cy - 8}, ${cx + 28} ${cy - 26}" stroke="#8a9ad8" stroke-width="4" fill="none"/>
       </g>`;
  const sparkle = (x, y, k) => `<path d="M${n2(x)} ${n2(y - k)} Q${n2(x + k * 0.18)} ${n2(y - k * 0.18)} ${n2(x + k)} ${n2(y)} Q${n2(x + k * 0.18)} ${n2(y + k * 0.18)} ${n2(x)} ${n2(y + k)} Q${n2(x - k * 0.18)} ${n2(y + k * 0.18)} ${n2(x - k)} ${n2(y)} Q${n2(x - k * 0.18)} ${n2(y - k * 0.18)} ${n2(x)} ${n2(y - k)} Z" fill="#ffffff"/>`;
  const sparkles = lit
    ? `<g filter="url(#glow)">${sparkle(cx - 46, cy - 44, 7)}${sparkle(cx + 50, cy - 30, 5)}${sparkle(cx + 40, cy + 44, 6)}${sparkle(cx - 52, cy + 18, 4)}</g>
       ${sparkle(cx + 14, cy - 16, 4)}${sparkle(cx - 12, cy + 20, 3)}`
    : '';
  return `<g>
    ${halo}
    <ellipse cx="${cx}" cy="${cy + r + 10}" rx="44" ry="8" fill="#000" opacity="0.45"/>
    <path d="M${cx - 38} ${cy + 68} C ${cx - 30} ${cy + 52}, ${cx - 22} ${cy + 48}, ${cx - 30} ${cy + 40} L${cx + 30} ${cy + 40} C ${cx + 22} ${cy + 48}, ${cx + 30} ${cy + 52}, ${cx + 38} ${cy + 68} Z" fill="url(#brassV)" stroke="#3a2204" stroke-width="1.2"/>
    <ellipse cx="${cx}" cy="${cy + 68}" rx="40" ry="7" fill="url(#goldDarkV)" stroke="#3a2204" stroke-width="1"/>
    <ellipse cx="${cx}" cy="${cy + 40}" rx="31" ry="6" fill="url(#goldV)" stroke="#3a2204" stroke-width="1"/>
    <circle cx="${cx}" cy="${cy}" r="${r}" fill="${lit ? 'url(#ballLit)' : 'url(#ballUnlit)'}" stroke="${lit ? '#9ad8ff' : '#0a0c20'}" stroke-width="1.5"/>
    ${mist}
    <ellipse cx="${cx - 18}" cy="${cy - 24}" rx="16" ry="10" transform="rotate(-35 ${cx - 18} ${cy - 24})" fill="url(#ballSheen)" opacity="${lit ? 0.9 : 0.55}"/>
    <path d="M${cx + 30} ${cy + 24} A 40 40 0 0 1 ${cx + 6} ${cy + 44}" stroke="#ffffff" stroke-opacity="0.35" stroke-width="3" fill="none" stroke-linecap="round"/>
    <path d="M${cx - 31} ${cy + 44} C ${cx - 20} ${cy + 36}, ${cx + 20} ${cy + 36}, ${cx + 31} ${cy + 44}" fill="none" stroke="#fff1b0" stroke-width="1.2" opacity="0.7"/>
    ${lit ? `<ellipse cx="${cx}" cy="${cy + 92}" rx="62" ry="9" fill="#9ad8ff" opacity="0.35" filter="url(#blur6)"/>` : ''}
    ${sparkles}
  </g>`;
}

function sideTable() {
  // a round table draped in blue with a gold fringe; top at y 516
  let fringe = '';
  for (let x = 22; x <= 198; x += 6) fringe += `<path d="M${x} 586 v10" stroke="#d8a83a" stroke-width="2"/>`;
  return `<g>
    <path d="M18 520 C 18 512, 200 512, 200 520 L206 588 C 150 598, 70 598, 12 588 Z" fill="url(#tableCloth)"/>
    <path d="M18 520 C 18 512, 200 512, 200 520 L206 588 C 150 598, 70 598, 12 588 Z" fill="url(#clothShade)"/>
    <path d="M12 588 C 70 598, 150 598, 206 588" stroke="url(#goldH)" stroke-width="4" fill="none"/>
    ${fringe}
    <ellipse cx="109" cy="518" rx="91" ry="12" fill="#1e3690" stroke="#d8a83a" stroke-width="2.5"/>
    <ellipse cx="109" cy="516" rx="80" ry="8" fill="#2644a8" opacity="0.5"/>
  </g>`;
}

function room() {
  const rnd = seeded(99);
  let planks = '';
  for (let x = -20; x < 820; x += 44 + Math.floor(rnd() * 14)) planks += `<path d="M${x} 548 L${x - 12} 600" stroke="#0a0502" stroke-width="1.5"/>`;
  return `
    ${stoneWall(0, 0, 800, 548, { seed: 11, rowH: 30 })}
    <rect x="0" y="0" width="800" height="70" fill="#000" opacity="0.35"/>
    <rect x="0" y="548" width="800" height="52" fill="url(#floorV)"/>
    ${planks}
    <rect x="0" y="544" width="800" height="6" fill="#0c0704"/>
    <circle cx="178" cy="160" r="190" fill="url(#warmLeft)"/>
    <circle cx="745" cy="150" r="190" fill="url(#warmLeft)"/>
    ${banner(88, 104, 92, 218, icon('lion', 52, 150, 74))}
    ${torch(178, 214, 0.85)}
    ${torch(745, 200, 0.9)}
    <g filter="url(#softshadow)">
      <g fill="url(#steelV)" stroke="#1a1c22" stroke-width="10">${icon('crossed-swords', 700, 280, 96)}</g>
      <g fill="url(#crimsonV)" stroke="#2a0306" stroke-width="8">${icon('templar-shield', 714, 296, 66)}</g>
    </g>
    <rect x="0" y="0" width="800" height="600" fill="url(#vignette)"/>
  `;
}

function cabinet(state) {
  const parts = [];
  // body
  parts.push(`<g filter="url(#softshadow)"><path d="M210 20 Q210 6 224 6 H674 Q688 6 688 20 V600 H210 Z" fill="url(#crimsonH)"/></g>`);
  parts.push(`<path d="M210 20 Q210 6 224 6 H674 Q688 6 688 20 V600 H210 Z" fill="url(#damask)"/>`);
  parts.push(`<path d="M210 20 Q210 6 224 6 H674 Q688 6 688 20 V600 H210 Z" fill="url(#vignette)" opacity="0.5"/>`);
  // side pillars with chaser bulbs
  for (const x of [213, 671]) {
    parts.push(rect(x, 14, 14, 536, 'fill="url(#goldH)" stroke="#3a2204" stroke-width="1"', 4));
    for (let y = 30; y <= 530; y += 25) parts.push(bulb(x + 7, y, 3.6, true));
  }
  // top moulding
  parts.push(rect(206, 2, 486, 10, 'fill="url(#goldV)" stroke="#3a2204" stroke-width="1"', 5));
  // meter band
  parts.push(goldFrame(229, 12, 414, 66, 8, 5));
  parts.push(rect(234, 17, 404, 56, 'fill="#000"', 3));
  // centre column: deep blue inset with the title panel, nudge slots and reels
  parts.push(rect(236, 86, 320, 459, 'fill="url(#panelBlue)"', 10));
  parts.push(goldFrame(236, 86, 320, 459, 10, 4));
  for (let r = 0; r < 3; r++) {
    const n = FACE.nudge(r);
    parts.push(rect(n.x - 2, n.y - 2, n.w + 4, n.h + 2, 'fill="#050302" stroke="url(#goldV)" stroke-width="1.2"', 3));
    const c = FACE.reel(r);
    parts.push(rect(c.x - 8, c.y - 8, c.w + 16, c.h + 16, 'fill="url(#goldV)" stroke="#3a2204" stroke-width="1"', 5));
    parts.push(rect(c.x - 5, c.y - 5, c.w + 10, c.h + 10, 'fill="#100a06"', 3));
    parts.push(rect(c.x, c.y, c.w, c.h, 'fill="url(#reelGlass)"'));
  }
  const motto = textPath('cinzel', 'THREE BONUS CHESTS OPEN THE VAULT', 396, 532, 11.5, 'middle', 1.2);
  parts.push(`<path d="${motto}" fill="url(#textGold)"/>`);
  parts.push(...coinMedallion(601.5, 140));
  parts.push(`<path d="${textPath('cinzel', 'INSERT COIN', 608, 197, 9.5, 'middle', 1)}" fill="url(#textGold)"/>`);
  parts.push(rect(591, 203, 35, 8, 'fill="#050302" stroke="url(#goldV)" stroke-width="1.5"', 3));
  // bonus meter and nudge counter box
  parts.push(goldFrame(573, 218, 88, 69, 5, 4));
  parts.push(rect(577, 222, 80, 61, 'fill="#000"'));
  // machine button sockets
  for (const b of Object.values(FACE.buttons)) {
    parts.push(goldFrame(b.x - 5, b.y - 4, b.w + 10, b.h + 8, 6, 3));
    parts.push(rect(b.x - 2, b.y - 1, b.w + 4, b.h + 2, 'fill="url(#socket)"', 4));
  }
  parts.push(`<g fill="url(#goldV)" stroke="#3a2204" stroke-width="14" filter="url(#shadow)">${icon('crown', 588, 500, 56)}</g>`);
  // foot moulding and name plate
  parts.push(rect(210, 545, 478, 6, 'fill="url(#goldV)"'));
  parts.push(`<g transform="translate(${FACE.plate.x} ${FACE.plate.y})">${namePlate(state.plateLit)}</g>`);
  parts.push(`<g transform="translate(${FACE.title.x} ${FACE.title.y})">${titlePanel(state.titleLit)}</g>`);
  if (!state.titleLit) parts.push(rect(FACE.title.x, FACE.title.y, FACE.title.w, FACE.title.h, 'fill="#000" opacity="0.35"'));
  return parts.join('\n');
}

function faceSvg(state = {}) {
  const s = { titleLit: true, plateLit: true, crystalLit: false, ...state };
  const defs = faceDefs() + `
    <radialGradient id="rubyLit" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#ffb0b8"/><stop offset="0.4" stop-color="#e8203a"/><stop offset="1" stop-color="#5a0010"/></radialGradient>
    <radialGradient id="rubyOff" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="#8a4048"/><stop offset="0.5" stop-color="#5a1020"/><stop offset="1" stop-color="#2a0008"/></radialGradient>`;
  const body = `
    ${room()}
    ${sideTable()}
    ${crystalBall(s.crystalLit)}
    ${cabinet(s)}`;
  return svgDoc(FACE.width, FACE.height, defs, body);
}

module.exports = { FACE, faceSvg };
