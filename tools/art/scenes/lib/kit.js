'use strict';
// Shared drawing kit: lettering as outlines, icon silhouettes, gradients, filters,
// a seeded random source and the render/convert steps. Everything is deterministic
// so that a rerun gives byte-identical pictures.

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const opentype = require('opentype.js');
const gameIcons = require('@iconify-json/game-icons/icons.json');

const here = path.resolve(__dirname, '..');

// Debian's ImageMagick; a plain "convert" elsewhere on PATH may be something else.
const IMAGEMAGICK = fs.existsSync('/usr/bin/convert') ? '/usr/bin/convert' : 'convert';

const fontFiles = {
  cinzel: path.join(here, 'node_modules/@fontsource/cinzel/files/cinzel-latin-700-normal.woff'),
  cinzelBlack: path.join(here, 'node_modules/@fontsource/cinzel/files/cinzel-latin-900-normal.woff'),
  bonum: '/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-bold.otf',
  bonumRegular: '/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-regular.otf',
  heros: '/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyreheros-bold.otf',
};
const fontCache = {};
function font(key) {
  if (!fontCache[key]) {
    const buf = fs.readFileSync(fontFiles[key]);
    fontCache[key] = opentype.parse(buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.byteLength));
  }
  return fontCache[key];
}

const n2 = (v) => {
  const r = Math.round(v * 100) / 100;
  return Object.is(r, -0) ? '0' : String(r);
};

// Width of a text in pixels at the given size, with kerning and extra letter spacing.
function textWidth(fontKey, str, size, spacing = 0) {
  const f = font(fontKey);
  return f.getAdvanceWidth(str, size, { kerning: true }) + spacing * (str.length - 1);
}

// Outline path data of a text line. anchor: 'start' | 'middle' | 'end'; y is the baseline.
function textPath(fontKey, str, x, y, size, anchor = 'middle', spacing = 0) {
  const f = font(fontKey);
  const w = textWidth(fontKey, str, size, spacing);
  let cx = anchor === 'middle' ? x - w / 2 : anchor === 'end' ? x - w : x;
  let d = '';
  const glyphs = f.stringToGlyphs(str);
  const scale = size / f.unitsPerEm;
  for (let i = 0; i < glyphs.length; i++) {
    const g = glyphs[i];
    d += g.getPath(cx, y, size).toPathData(2);
    let adv = g.advanceWidth * scale;
    if (i + 1 < glyphs.length) adv += f.getKerningValue(g, glyphs[i + 1]) * scale;
    cx += adv + spacing;
  }
  return d;
}

// Cap height in pixels, for centring lettering vertically.
function capHeight(fontKey, size) {
  const f = font(fontKey);
  const h = f.charToGlyph('H').getBoundingBox();
  return (h.y2 / f.unitsPerEm) * size;
}

// Path data of a game-icons silhouette (512 x 512 design box).
function iconPaths(name) {
  const icon = gameIcons.icons[name];
  if (!icon) throw new Error(`no icon named ${name}`);
  const ds = [...icon.body.matchAll(/ d="([^"]+)"/g)].map((m) => m[1]);
  return ds.join(' ');
}

// An icon placed with its 512 box scaled to `size` at (x, y), drawn with the given attributes.
function icon(name, x, y, size, attrs = '') {
  const s = size / 512;
  return `<path transform="translate(${n2(x)} ${n2(y)}) scale(${s.toFixed(5)})" d="${iconPaths(name)}" ${attrs}/>`;
}

// Park-Miller style generator: the same seed always draws the same scene.
function seeded(seed) {
  let s = seed >>> 0 || 1;
  return () => {
    s = (s * 48271) % 2147483647;
    return s / 2147483647;
  };
}

function linear(id, stops, x1 = 0, y1 = 0, x2 = 0, y2 = 1, extra = '') {
  const st = stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a === undefined ? '' : ` stop-opacity="${a}"`}/>`).join('');
  return `<linearGradient id="${id}" x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" ${extra}>${st}</linearGradient>`;
}

function radial(id, stops, cx = 0.5, cy = 0.5, r = 0.5, extra = '') {
  const st = stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a === undefined ? '' : ` stop-opacity="${a}"`}/>`).join('');
  return `<radialGradient id="${id}" cx="${cx}" cy="${cy}" r="${r}" ${extra}>${st}</radialGradient>`;
}

// Metal gradients used everywhere; vertical, lit from above.
const metals = {
  gold: [[0, '#fff4c0'], [0.22, '#f3cd5a'], [0.5, '#c8901e'], [0.72, '#f0c24e'], [1, '#7a4f0c']],
  goldDark: [[0, '#d9a93a'], [0.5, '#8a5e12'], [1, '#4a3006']],
  brass: [[0, '#f6dd8e'], [0.45, '#b07f25'], [1, '#5a3b0a']],
  steel: [[0, '#f4f6fa'], [0.4, '#aeb6c4'], [0.6, '#7d8696'], [1, '#3e4452']],
  iron: [[0, '#6b6f78'], [0.5, '#3a3d44'], [1, '#1c1d22']],
};

// Standard filters: soft drop shadow, bevel-and-emboss, outer glow.
function standardFilters() {
  return `
  <filter id="shadow" x="-20%" y="-20%" width="140%" height="150%">
    <feGaussianBlur in="SourceAlpha" stdDeviation="2.2"/>
    <feOffset dx="1.5" dy="2.5" result="b"/>
    <feComponentTransfer><feFuncA type="linear" slope="0.7"/></feComponentTransfer>
    <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <filter id="softshadow" x="-30%" y="-30%" width="160%" height="170%">
    <feGaussianBlur in="SourceAlpha" stdDeviation="5"/>
    <feOffset dx="2" dy="5"/>
    <feComponentTransfer><feFuncA type="linear" slope="0.65"/></feComponentTransfer>
    <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <filter id="emboss" x="-10%" y="-10%" width="120%" height="130%">
    <feGaussianBlur in="SourceAlpha" stdDeviation="1.1" result="blur"/>
    <feSpecularLighting in="blur" surfaceScale="3" specularConstant="0.9" specularExponent="18" lighting-color="#ffffff" result="spec">
      <feDistantLight azimuth="235" elevation="42"/>
    </feSpecularLighting>
    <feComposite in="spec" in2="SourceAlpha" operator="in" result="specIn"/>
    <feComposite in="SourceGraphic" in2="specIn" operator="arithmetic" k1="0" k2="1" k3="0.55" k4="0"/>
  </filter>
  <filter id="glow" x="-40%" y="-40%" width="180%" height="180%">
    <feGaussianBlur in="SourceGraphic" stdDeviation="4" result="g"/>
    <feMerge><feMergeNode in="g"/><feMergeNode in="g"/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <filter id="blur2" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="2"/></filter>
  <filter id="blur6" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/></filter>
  <filter id="blur14" x="-80%" y="-80%" width="260%" height="260%"><feGaussianBlur stdDeviation="14"/></filter>`;
}

// Lettering with a dark outline, a metal fill, an emboss and a drop shadow.
function embossedText(d, fill, { outline = '#1a0d02', outlineWidth = 3, shadow = true } = {}) {
  return `<g${shadow ? ' filter="url(#shadow)"' : ''}>
    <path d="${d}" fill="${outline}" stroke="${outline}" stroke-width="${outlineWidth}" stroke-linejoin="round"/>
    <path d="${d}" fill="${fill}" filter="url(#emboss)"/>
  </g>`;
}

function svgDoc(width, height, defs, body) {
  return `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">
<defs>${standardFilters()}${defs}</defs>
${body}
</svg>
`;
}

function run(cmd, args) {
  execFileSync(cmd, args, { stdio: ['ignore', 'ignore', 'inherit'] });
}

// SVG text -> PNG of exactly width x height.
function renderPng(svg, pngFile, width, height) {
  const svgFile = pngFile.replace(/\.png$/, '.svg');
  fs.writeFileSync(svgFile, svg);
  run('rsvg-convert', ['-w', String(width), '-h', String(height), '-o', pngFile, svgFile]);
}

function pngToJpeg(pngFile, jpgFile, crop) {
  const args = [pngFile];
  if (crop) args.push('-crop', `${crop.w}x${crop.h}+${crop.x}+${crop.y}`, '+repage');
  args.push('-background', 'black', '-alpha', 'remove', '-alpha', 'off');
  args.push('-quality', '92', '-sampling-factor', '1x1', '-strip', jpgFile);
  run(IMAGEMAGICK, args);
}

function pngToGif(pngFile, gifFile, colours = 255) {
  run(IMAGEMAGICK, [pngFile, '-background', 'white', '-alpha', 'remove', '-alpha', 'off',
    '-dither', 'FloydSteinberg', '-colors', String(colours), '-strip', gifFile]);
}

function imageSize(file) {
  const out = execFileSync(IMAGEMAGICK.replace(/convert$/, 'identify'), ['-format', '%w %h', file]).toString();
  const [w, h] = out.trim().split(/\s+/).map(Number);
  return { w, h };
}

module.exports = {
  IMAGEMAGICK, font, textPath, textWidth, capHeight, iconPaths, icon, seeded, linear, radial, metals,
  embossedText, svgDoc, renderPng, pngToJpeg, pngToGif, imageSize, run, n2,
};
