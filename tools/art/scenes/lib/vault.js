'use strict';
// The bonus vault: a treasure room with five chests, each drawn inside the rectangle
// where the game looks for clicks, in three states (closed, half open, wide open).
// Each chest is clipped to its rectangle so that an open chest picture laid over the
// closed room at the rectangle's corner joins it without a seam.

const { textPath, icon, seeded, svgDoc, embossedText, n2, linear, radial } = require('./kit');
const { rect, stoneWall, torch } = require('./parts');
const { commonDefs } = require('./common');

const VAULT = {
  width: 800,
  height: 600,
  chests: [
    { name: 'box1', x: 15, y: 408, w: 191, h: 179 },
    { name: 'box2', x: 594, y: 394, w: 191, h: 179 },
    { name: 'box3', x: 485, y: 356, w: 100, h: 94 },
    { name: 'box4', x: 238, y: 368, w: 100, h: 94 },
    { name: 'box5', x: 349, y: 404, w: 125, h: 118 },
  ],
};

function vaultDefs() {
  return [
    commonDefs(),
    linear('chestWood', [[0, '#8a4c1c'], [0.45, '#6a3512'], [1, '#3a1a06']]),
    linear('chestLid', [[0, '#a0602a'], [0.35, '#7a4116'], [1, '#4a2208']]),
    linear('lidInside', [[0, '#1a0c04'], [0.6, '#3a1c08'], [1, '#5a2c0c']]),
    linear('lining', [[0, '#f2c860'], [0.45, '#fff0b8'], [0.8, '#ffe08a'], [1, '#e8b040']]),
    radial('treasureGlow', [[0, '#fffbe0', 1], [0.3, '#ffe27a', 0.85], [0.65, '#ffb020', 0.35], [1, '#ff9000', 0]], 0.5, 0.5, 0.5),
    radial('gapGlow', [[0, '#fff6c8', 1], [0.6, '#ffc23a', 0.8], [1, '#ff9a00', 0]], 0.5, 0.5, 0.5),
    radial('archGlow', [[0, '#ffcf6a', 0.75], [0.5, '#ff9a2a', 0.25], [1, '#ff8000', 0]], 0.5, 0.75, 0.65),
    radial('coinR', [[0, '#fff6c0'], [0.6, '#f0bf3a'], [1, '#9a650c']], 0.4, 0.35, 0.7),
    linear('floorStone', [[0, '#2a2420'], [1, '#4a3c32']]),
    linear('ribbon', [[0, '#b0182a'], [0.5, '#7a0c18'], [1, '#4a0610']]),
    radial('rayFade', [[0, '#fff3b0', 0.9], [1, '#ffd060', 0]], 0.5, 0.5, 0.5),
  ].join('\n');
}

// A small heap of coins and gems; positions drawn from a fixed seed.
function coinHeap(cx, cy, width, height, seed, coinR = 5) {
  const rnd = seeded(seed);
  let out = `<ellipse cx="${n2(cx)}" cy="${n2(cy)}" rx="${n2(width / 2)}" ry="${n2(height / 3)}" fill="#7a4e0a"/>`;
  out += `<path d="M${n2(cx - width / 2)} ${n2(cy)} Q${n2(cx)} ${n2(cy - height * 1.3)} ${n2(cx + width / 2)} ${n2(cy)} Z" fill="url(#goldV)"/>`;
  const count = Math.round((width * height) / (coinR * coinR * 2.2));
  for (let i = 0; i < count; i++) {
    const t = rnd();
    const x = cx + (rnd() - 0.5) * width * 0.92;
    const top = cy - height * 0.65 * (1 - Math.pow((x - cx) / (width / 2), 2));
    const y = top + (cy - top) * t * 0.9;
    const r = coinR * (0.8 + rnd() * 0.4);
    out += `<ellipse cx="${n2(x)}" cy="${n2(y)}" rx="${n2(r)}" ry="${n2(r * 0.55)}" fill="url(#coinR)" stroke="#6a4006" stroke-width="0.6"/>`;
  }
  const gemColours = ['#e0203a', '#2a6ae8', '#1aa858', '#b040e0'];
  for (let i = 0; i < Math.max(1, Math.round(width / 40)); i++) {
    const x = cx + (rnd() - 0.5) * width * 0.6, y = cy - height * 0.3 * rnd();
    const c = gemColours[Math.floor(rnd() * gemColours.length)];
    const r = coinR * 1.1;
    out += `<path d="M${n2(x)} ${n2(y - r)} L${n2(x + r)} ${n2(y)} L${n2(x)} ${n2(y + r)} L${n2(x - r)} ${n2(y)} Z" fill="${c}" stroke="#fff" stroke-width="0.6" stroke-opacity="0.7"/>`;
  }
  return out;
}

// One chest drawn in a 100 x 94 box scaled to its rectangle. state: 'closed' | 'half' | 'open'.
function chest(c, state, index) {
  const s = c.w / 100;
  const parts = [];
  const band = (x, y1, y2) => `<rect x="${x - 3}" y="${y1}" width="6" height="${y2 - y1}" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.6"/>`;
  const rivets = (x, ys) => ys.map((y) => `<circle cx="${x}" cy="${y}" r="0.9" fill="#fff2b0" stroke="#5a3a06" stroke-width="0.3"/>`).join('');
  // floor shadow
  parts.push('<ellipse cx="50" cy="89" rx="47" ry="5" fill="#000" opacity="0.55"/>');
  if (state === 'open') {
    // light rising from the treasure
    parts.push('<ellipse cx="50" cy="48" rx="46" ry="38" fill="url(#treasureGlow)"/>');
    let rays = '';
    for (let i = 0; i < 9; i++) {
      const a = -Math.PI / 2 + (i - 4) * 0.3;
      rays += `<path d="M50 54 L${n2(50 + Math.cos(a - 0.06) * 46)} ${n2(54 + Math.sin(a - 0.06) * 46)} L${n2(50 + Math.cos(a + 0.06) * 46)} ${n2(54 + Math.sin(a + 0.06) * 46)} Z" fill="#fff3b0" opacity="0.35"/>`;
    }
    parts.push(rays);
    // lid standing open behind the body, seen from inside
    parts.push('<path d="M10 52 L4 9 Q50 1 96 9 L90 52 Z" fill="url(#lidInside)" stroke="#1a0c04" stroke-width="1"/>');
    parts.push('<path d="M13 50 L8 12 Q50 3 92 12 L87 50 Z" fill="url(#lining)"/>');
    parts.push('<path d="M30 12 V50 M50 10 V50 M70 12 V50" stroke="#c89030" stroke-width="0.7" opacity="0.6"/>');
    parts.push(band(26, 9, 51) + band(74, 9, 51));
    parts.push('<path d="M4 9 Q50 1 96 9" fill="none" stroke="url(#goldH)" stroke-width="3"/>');
    // the glow over the lid so the prize text reads on light
    parts.push('<ellipse cx="50" cy="46" rx="38" ry="20" fill="url(#rayFade)"/>');
  }
  // body
  parts.push('<rect x="8" y="54" width="84" height="34" rx="2" fill="url(#chestWood)" stroke="#1e0c02" stroke-width="1"/>');
  parts.push('<path d="M9 65 H91 M9 76 H91" stroke="#2a1204" stroke-width="0.9" opacity="0.8"/>');
  parts.push(band(22, 54, 88) + band(78, 54, 88));
  parts.push('<path d="M8 54 h10 v5 h-5 v29 h-5 Z M92 54 h-10 v5 h5 v29 h5 Z" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.6"/>');
  parts.push(rivets(22, [58, 66, 74, 82]) + rivets(78, [58, 66, 74, 82]));
  if (state === 'open') {
    // the heap of treasure over the rim
    parts.push(`<g>${coinHeap(50, 56, 80, 10, 300 + index, 3.6)}</g>`);
    parts.push('<path d="M8 54 H92" stroke="url(#goldH)" stroke-width="2.4"/>');
  } else {
    const lift = state === 'half' ? 9 : 0;
    if (state === 'half') {
      // a dark gap under the raised lid with the treasure's light escaping from it
      parts.push('<path d="M9 55 L10 44 H90 L91 55 Z" fill="#140800"/>');
      parts.push('<ellipse cx="50" cy="50" rx="34" ry="5.5" fill="url(#gapGlow)"/>');
      parts.push(`<g>${coinHeap(50, 55, 62, 5, 200 + index, 2.8)}</g>`);
    }
    // domed lid, raised a little when half open
    parts.push(`<g transform="translate(0 ${-lift})">
      <path d="M8 55 V42 C8 26 92 26 92 42 V55 Z" fill="url(#chestLid)" stroke="#1e0c02" stroke-width="1"/>
      <path d="M8 42 C8 26 92 26 92 42" fill="none" stroke="#d89a5a" stroke-width="0.8" opacity="0.6"/>
      <path d="M8 47 H92" stroke="#2a1204" stroke-width="0.9" opacity="0.8"/>
      ${band(22, 31, 55)}${band(78, 31, 55)}
      <path d="M8 52 H92 V55 H8 Z" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.5"/>
      ${rivets(22, [37, 44, 50])}${rivets(78, [37, 44, 50])}
    </g>`);
    // lock plate
    if (state === 'closed') {
      parts.push('<path d="M42 50 H58 V64 Q50 72 42 64 Z" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.8"/>');
      parts.push('<circle cx="50" cy="57" r="2.2" fill="#120800"/><path d="M49 58 H51 L52 64 H48 Z" fill="#120800"/>');
    } else {
      parts.push('<path d="M43 55 H57 V64 Q50 70 43 64 Z" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.8"/>');
      parts.push('<circle cx="50" cy="59" r="1.8" fill="#120800"/>');
    }
  }
  if (state === 'open') {
    parts.push('<path d="M43 55 H57 V64 Q50 70 43 64 Z" fill="url(#goldV)" stroke="#3a2204" stroke-width="0.8"/>');
    parts.push('<circle cx="50" cy="59" r="1.8" fill="#120800"/>');
  }
  // clipped to the rectangle and faded out just inside its edges, so the picture's border
  // is the bare room whatever state the chest is in
  const clipId = `clip${index}`;
  const maskId = `fade${index}`;
  return `<clipPath id="${clipId}"><rect x="${c.x}" y="${c.y}" width="${c.w}" height="${c.h}"/></clipPath>
  <mask id="${maskId}" maskUnits="userSpaceOnUse" x="${c.x}" y="${c.y}" width="${c.w}" height="${c.h}">
    <rect x="${c.x + 5}" y="${c.y + 5}" width="${c.w - 10}" height="${c.h - 10}" fill="#fff" filter="url(#blur2)"/></mask>
  <g clip-path="url(#${clipId})" mask="url(#${maskId})"><g transform="translate(${c.x} ${c.y}) scale(${s.toFixed(4)})">${parts.join('')}</g></g>`;
}

function vaultRoom() {
  const rnd = seeded(5);
  // perspective flagstone floor towards a vanishing point behind the arch
  const vp = { x: 400, y: 160 };
  let floor = '<rect x="0" y="330" width="800" height="270" fill="url(#floorStone)"/>';
  for (let i = -14; i <= 14; i++) {
    const bx = 400 + i * 70;
    floor += `<path d="M${n2(vp.x + (bx - vp.x) * ((330 - vp.y) / (600 - vp.y)))} 330 L${bx} 600" stroke="#15100c" stroke-width="1.6"/>`;
  }
  for (let y = 338, step = 9; y < 600; y += step, step *= 1.28) {
    floor += `<path d="M0 ${n2(y)} H800" stroke="#15100c" stroke-width="${n2(1 + step / 30)}"/>`;
  }
  floor += '<rect x="0" y="330" width="800" height="40" fill="#000" opacity="0.35"/>';
  // arched alcove with a treasure heap glowing in it
  const arch = `<path d="M300 330 V170 A100 100 0 0 1 500 170 V330 Z" fill="#0a0604"/>
    <path d="M300 330 V170 A100 100 0 0 1 500 170 V330 Z" fill="url(#archGlow)"/>
    ${coinHeap(400, 328, 170, 56, 17, 6)}
    <path d="M290 330 V170 A110 110 0 0 1 510 170 V330" fill="none" stroke="#5a4a3e" stroke-width="14"/>
    <path d="M290 330 V170 A110 110 0 0 1 510 170 V330" fill="none" stroke="#2a221c" stroke-width="2" transform="translate(0 2)"/>`;
  let pillars = '';
  for (const x of [150, 650]) {
    pillars += `<rect x="${x - 26}" y="0" width="52" height="338" fill="url(#pillarShade)"/>
      <rect x="${x - 32}" y="318" width="64" height="22" fill="#4a3e34" stroke="#1a140e" stroke-width="1.5"/>
      <rect x="${x - 32}" y="80" width="64" height="12" fill="#4a3e34" stroke="#1a140e" stroke-width="1.5"/>`;
  }
  // loose coins on the floor, clear of the chests
  let loose = '';
  for (let i = 0; i < 26; i++) {
    const x = rnd() * 800, y = 340 + rnd() * 255;
    const inChest = VAULT.chests.some((c) => x > c.x - 8 && x < c.x + c.w + 8 && y > c.y - 8 && y < c.y + c.h + 8);
    if (inChest) continue;
    loose += `<ellipse cx="${n2(x)}" cy="${n2(y)}" rx="4.5" ry="2.4" fill="url(#coinR)" stroke="#6a4006" stroke-width="0.5"/>`;
  }
  const title = textPath('cinzelBlack', 'CHOOSE A CHEST', 400, 66, 34, 'middle', 3);
  return `
    ${stoneWall(0, 0, 800, 340, { seed: 23, rowH: 32, base: [58, 48, 42], spread: 10, mortar: '#17110c' })}
    ${arch}
    ${pillars}
    ${floor}
    ${coinHeap(70, 384, 110, 34, 31, 5)}
    ${coinHeap(735, 372, 100, 30, 37, 5)}
    ${coinHeap(275, 560, 110, 34, 41, 5)}
    ${coinHeap(535, 570, 100, 30, 43, 5)}
    ${loose}
    ${torch(150, 190, 0.9)}
    ${torch(650, 190, 0.9)}
    <g filter="url(#softshadow)">
      <path d="M210 24 H590 L572 51 L590 78 H210 L228 51 Z" fill="url(#ribbon)" stroke="#3a0408" stroke-width="1.5"/>
      <path d="M222 30 H578 M222 72 H578" stroke="url(#goldH)" stroke-width="2"/>
    </g>
    ${embossedText(title, 'url(#textGold)', { outlineWidth: 4 })}
    <rect x="0" y="0" width="800" height="600" fill="url(#vignette)" opacity="0.8"/>`;
}

// states: an array of five states, one per chest.
function vaultSvg(states = ['closed', 'closed', 'closed', 'closed', 'closed']) {
  const defs = vaultDefs() + linear('pillarShade', [[0, '#1e1812'], [0.3, '#5a4c40'], [0.55, '#6a5a4c'], [1, '#1a140e']], 0, 0, 1, 0);
  const chests = VAULT.chests.map((c, i) => chest(c, states[i], i)).join('\n');
  return svgDoc(VAULT.width, VAULT.height, defs, `${vaultRoom()}\n${chests}`);
}

module.exports = { VAULT, vaultSvg };
