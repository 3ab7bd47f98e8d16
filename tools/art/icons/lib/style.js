'use strict';
// Shared palette, gradients and filters. Coordinates are in the 512-unit space of one icon.

const OUTLINE = '#24160a';

// Metal and material ramps, light to dark and back, as [offset, colour].
const RAMPS = {
  gold: [[0, '#fff8d6'], [0.2, '#ffe27c'], [0.45, '#eaa920'], [0.62, '#b5700f'], [0.82, '#f7cf5c'], [1, '#8c540a']],
  goldDeep: [[0, '#ffe48a'], [0.4, '#d99518'], [0.7, '#9c5d0a'], [1, '#6b3a04']],
  steel: [[0, '#ffffff'], [0.25, '#dfe5ec'], [0.5, '#8d98a6'], [0.68, '#c9d1da'], [1, '#4d5663']],
  dark: [[0, '#737a88'], [0.3, '#343842'], [0.65, '#15171c'], [1, '#050607']],
  parchment: [[0, '#fffbea'], [0.45, '#f1dfae'], [1, '#c49a58']],
  bone: [[0, '#fffef6'], [0.5, '#f1e8cc'], [1, '#bca77a']],
  wood: [[0, '#c98142'], [0.5, '#8c4a1c'], [1, '#5a2c0c']],
  crimson: [[0, '#ff7a64'], [0.35, '#e02a22'], [1, '#7d0a0c']],
  white: [[0, '#ffffff'], [0.6, '#f1f2f6'], [1, '#bcc3cf']],
  ivory: [[0, '#fffaf0'], [1, '#efe4cb']],
};

function stops(ramp) {
  return RAMPS[ramp].map(([o, c]) => `<stop offset="${o}" stop-color="${c}"/>`).join('');
}

// A linear gradient over user space (x1,y1)-(x2,y2).
function linear(id, ramp, [x1, y1, x2, y2] = [96, 40, 416, 472]) {
  return `<linearGradient id="${id}" gradientUnits="userSpaceOnUse" x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}">${stops(ramp)}</linearGradient>`;
}

function radial(id, ramp, [cx, cy, r, fx = cx, fy = cy] = [256, 256, 256]) {
  return `<radialGradient id="${id}" gradientUnits="userSpaceOnUse" cx="${cx}" cy="${cy}" r="${r}" fx="${fx}" fy="${fy}">${stops(ramp)}</radialGradient>`;
}

// Bevel: a light from the upper left catches the rounded edges of whatever the filter is on.
// Shadow: a soft drop shadow down and to the right.
function filters() {
  return `
<filter id="bevel" x="-5%" y="-5%" width="110%" height="110%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="6" result="blur"/>
  <feSpecularLighting in="blur" surfaceScale="7" specularConstant="1.0" specularExponent="20" lighting-color="#ffffff" result="spec">
    <feDistantLight azimuth="225" elevation="40"/>
  </feSpecularLighting>
  <feComposite in="spec" in2="SourceAlpha" operator="in" result="specIn"/>
  <feOffset in="blur" dx="-5" dy="-7" result="shifted"/>
  <feComposite in="SourceAlpha" in2="shifted" operator="out" result="rim"/>
  <feFlood flood-color="#000000" flood-opacity="0.35"/>
  <feComposite in2="rim" operator="in" result="rimShade"/>
  <feComposite in="SourceGraphic" in2="specIn" operator="arithmetic" k1="0" k2="1" k3="0.85" k4="0" result="lit"/>
  <feComposite in="rimShade" in2="lit" operator="over" result="shaded"/>
  <feComposite in="shaded" in2="SourceAlpha" operator="in"/>
</filter>
<filter id="shadow" x="-20%" y="-20%" width="145%" height="145%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="9"/>
  <feOffset dx="8" dy="12" result="off"/>
  <feFlood flood-color="#3a2208" flood-opacity="0.45"/>
  <feComposite in2="off" operator="in" result="sh"/>
  <feMerge><feMergeNode in="sh"/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="glow" x="-30%" y="-30%" width="160%" height="160%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceGraphic" stdDeviation="10" result="g"/>
  <feMerge><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>`;
}

module.exports = { OUTLINE, RAMPS, linear, radial, filters, stops };
