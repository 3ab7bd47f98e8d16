'use strict';
// The maker's badge: an oval that fills the 125 x 70 picture. The face shows through outside the
// oval, so the logo is black there and the mask is white there.
const style = require('../lib/style');
const { icon, letters } = require('./common');

const W = 125;
const H = 70;

// The oval, tested at pixel centres: black (inside) in the mask where this holds.
function insideOval(x, y) {
  const dx = (x + 0.5 - W / 2) / (W / 2);
  const dy = (y + 0.5 - H / 2) / (H / 2);
  return dx * dx + dy * dy <= 1;
}

// The mask as a plain PGM image: 0 inside the oval, 255 outside.
function maskPgm() {
  const header = Buffer.from(`P5\n${W} ${H}\n255\n`, 'ascii');
  const pixels = Buffer.alloc(W * H);
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) pixels[y * W + x] = insideOval(x, y) ? 0 : 255;
  return Buffer.concat([header, pixels]);
}

function logoSvg() {
  const cx = W / 2, cy = H / 2;
  const defs = `<radialGradient id="field" cx="0.5" cy="0.42" r="0.6"><stop offset="0" stop-color="#2b4fa8"/>` +
    `<stop offset="0.7" stop-color="#142a66"/><stop offset="1" stop-color="#0a1538"/></radialGradient>` +
    `<linearGradient id="ring" x1="0" y1="0" x2="0.2" y2="1"><stop offset="0" stop-color="#fff3b8"/><stop offset="0.35" stop-color="#f0b83a"/>` +
    `<stop offset="0.65" stop-color="#a0640c"/><stop offset="1" stop-color="#f5cf60"/></linearGradient>` +
    `<linearGradient id="logoText" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fffbe2"/><stop offset="0.5" stop-color="#ffd65a"/>` +
    `<stop offset="0.56" stop-color="#e19c18"/><stop offset="1" stop-color="#ffe58a"/></linearGradient>` +
    style.linear('gold', 'gold') + style.linear('goldDeep', 'goldDeep');
  // Keep the oval's edge dark: the picture meets the face's pixels there.
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">` +
    `<defs>${style.filters()}${defs}</defs><rect width="${W}" height="${H}" fill="#000"/>` +
    `<ellipse cx="${cx}" cy="${cy}" rx="${cx}" ry="${cy}" fill="#05070f"/>` +
    `<ellipse cx="${cx}" cy="${cy}" rx="${cx - 3.4}" ry="${cy - 3.4}" fill="url(#ring)"/>` +
    `<ellipse cx="${cx}" cy="${cy}" rx="${cx - 5.6}" ry="${cy - 5.6}" fill="#3a2106"/>` +
    `<ellipse cx="${cx}" cy="${cy}" rx="${cx - 6.3}" ry="${cy - 6.3}" fill="url(#field)"/>` +
    `<ellipse cx="${cx}" cy="${cy}" rx="${cx - 9.2}" ry="${cy - 9.2}" fill="none" stroke="#e8b84a" stroke-width="0.6" stroke-dasharray="1.5 1.5"/>` +
    icon('crown', { x: cx - 12, y: 8.5, size: 24, outline: 1.6, paint: () => 'url(#gold)', holeColour: () => '#7a1010', bevel: false }) +
    letters('TUMBLEWICK', { face: 'cinzelBlack', size: 18, cx, cy: 39.5, fill: 'url(#logoText)', outline: '#1a0e02',
      outlineWidth: 2.2, maxWidth: 102, bevel: false }) +
    // A gold rule with a diamond under the name.
    `<path d="M34 53.5H57M68 53.5H91" stroke="#e8b84a" stroke-width="1" stroke-linecap="round"/>` +
    `<path d="M62.5 50.5L65.5 53.5L62.5 56.5L59.5 53.5Z" fill="#f3d27a" stroke="#6a4008" stroke-width="0.5"/>` +
    '</svg>';
}

module.exports = { logoSvg, maskPgm, insideOval, W, H };
