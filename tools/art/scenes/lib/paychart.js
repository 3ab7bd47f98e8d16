'use strict';
// The payoff chart (640 x 560): the pay table on the left, the bonus features on the
// right. The symbol tiles are cut from the symbol sheet the game itself shows.

const fs = require('fs');
const path = require('path');
const { textPath, textWidth, svgDoc, embossedText, n2, linear, radial } = require('./kit');
const { rect, goldFrame } = require('./parts');
const { commonDefs } = require('./common');

// The pay table the game plays by, read from its source so the chart can never disagree with
// it: the symbol codes from src/core/Reels.h, the rows (top row first) from src/core/PayTable.h.
function payTable(repo) {
  const read = (file) => fs.readFileSync(path.join(repo, 'src/core', file), 'utf8');
  const codes = {};
  const symbolEnum = /enum Symbol\b[^{]*\{([^}]*)\}/.exec(read('Reels.h'));
  if (symbolEnum) {
    for (const [, name, code] of symbolEnum[1].matchAll(/(\w+)\s*=\s*(\d+)/g)) codes[name] = Number(code);
  }
  const table = /PayTable\s*\{\{([\s\S]*?)\}\};/.exec(read('PayTable.h'));
  const pays = [];
  if (table) {
    for (const [, name, pay] of table[1].matchAll(/\{\s*(\w+)\s*,\s*(\d+)\s*\}/g)) {
      if (!(name in codes)) throw new Error(`pay table names an unknown symbol: ${name}`);
      pays.push({ code: codes[name], pay: Number(pay) });
    }
  }
  if (pays.length !== 8 || !('BonusSymbol' in codes) || !('Wild' in codes))
    throw new Error('cannot read the pay table from src/core/PayTable.h and src/core/Reels.h');
  return { pays, bonus: codes.BonusSymbol, wild: codes.Wild };
}

// The largest symbol sheet available, with its cell size.
function symbolSheet(repo) {
  for (const [file, cell] of [['assets/beside/Vrn152.jpg', 152], ['assets/pictures/symbols.jpg', 76]]) {
    const abs = path.join(repo, file);
    if (fs.existsSync(abs)) return { data: fs.readFileSync(abs).toString('base64'), cell };
  }
  throw new Error('no symbol sheet yet: render the symbols first');
}

let tileCount = 0;
// One symbol as a rounded tile with a gold rim.
function tile(sheet, code, x, y, size) {
  const col = code % 4, row = Math.floor(code / 4);
  const id = `tileClip${tileCount++}`;
  return `<clipPath id="${id}"><rect x="${n2(x)}" y="${n2(y)}" width="${n2(size)}" height="${n2(size)}" rx="${n2(size * 0.14)}"/></clipPath>
    <g clip-path="url(#${id})"><svg x="${n2(x)}" y="${n2(y)}" width="${n2(size)}" height="${n2(size)}" viewBox="${col * sheet.cell + 2} ${row * sheet.cell + 2} ${sheet.cell - 4} ${sheet.cell - 4}">
      <image x="0" y="0" width="${4 * sheet.cell}" height="${3 * sheet.cell}" xlink:href="data:image/jpeg;base64,${sheet.data}"/></svg></g>
    <rect x="${n2(x)}" y="${n2(y)}" width="${n2(size)}" height="${n2(size)}" rx="${n2(size * 0.14)}" fill="none" stroke="url(#goldV)" stroke-width="2"/>`;
}

// Greedy word wrap into lines no wider than width.
function wrap(fontKey, text, size, width) {
  const lines = [];
  let line = '';
  for (const word of text.split(' ')) {
    const next = line ? `${line} ${word}` : word;
    if (line && textWidth(fontKey, next, size) > width) {
      lines.push(line);
      line = word;
    } else line = next;
  }
  if (line) lines.push(line);
  return lines;
}

function paragraph(fontKey, text, x, y, size, width, leading, fill) {
  const lines = wrap(fontKey, text, size, width);
  const d = lines.map((l, i) => textPath(fontKey, l, x, y + i * leading, size, 'start')).join('');
  return { svg: `<path d="${d}" fill="${fill}"/>`, bottom: y + (lines.length - 1) * leading };
}

function paychartSvg(repo) {
  const sheet = symbolSheet(repo);
  const { pays: PAYS, bonus: BONUS, wild: WILD } = payTable(repo);
  const defs = [
    commonDefs(),
    linear('leather', [[0, '#5a3418'], [0.5, '#4a2a12'], [1, '#2e180a']]),
    radial('leatherSheen', [[0, '#ffffff', 0.1], [1, '#ffffff', 0]], 0.5, 0.3, 0.7),
    linear('redBanner', [[0, '#d02a2a'], [0.5, '#a01018'], [1, '#6a0610']]),
    linear('redX', [[0, '#ff6a5a'], [0.5, '#e01a1a'], [1, '#8a0608']]),
  ].join('');
  let body = '';
  // left half: the pay table on brown
  body += rect(0, 0, 320, 560, 'fill="url(#leather)"') + rect(0, 0, 320, 560, 'fill="url(#leatherSheen)"');
  body += embossedText(textPath('cinzelBlack', 'PAYS PER LINE', 160, 38, 24, 'middle', 1.5), 'url(#textGold)', { outlineWidth: 3 });
  const top = 56, rowH = 61.5, size = 52;
  PAYS.forEach((p, i) => {
    const y = top + i * rowH;
    if (i % 2 === 0) body += rect(8, y, 304, rowH - 2, 'fill="#000" opacity="0.18"', 6);
    for (let k = 0; k < 3; k++) body += tile(sheet, p.code, 14 + k * (size + 6), y + (rowH - 2 - size) / 2, size);
    const cy = y + (rowH - 2) / 2;
    body += embossedText(textPath('bonum', 'X', 208, cy + 10, 30, 'middle'), 'url(#redX)', { outline: '#2a0204', outlineWidth: 3 });
    body += embossedText(textPath('bonum', String(p.pay), 306, cy + 12, 36, 'end'), 'url(#textGold)', { outlineWidth: 3.5 });
  });
  body += goldFrame(2, 2, 316, 556, 8, 4);

  // right half: the bonus features
  body += rect(320, 0, 320, 560, 'fill="#06060a"');
  body += `<path d="M330 12 H630 L620 34 L630 56 H330 L340 34 Z" fill="url(#redBanner)" stroke="#3a0408" stroke-width="1.5"/>`;
  body += embossedText(textPath('cinzelBlack', 'BONUS PAYOFFS', 480, 44, 25, 'middle', 1), 'url(#textGold)', { outlineWidth: 3 });
  const small = 44;
  const row = (codes, y, caption, note) => {
    let s = '';
    codes.forEach((c, k) => { s += tile(sheet, c, 334 + k * (small + 4), y, small); });
    s += `<path d="${textPath('cinzel', caption, 490, y + 20, 15, 'start')}" fill="#ffd95a"/>`;
    s += `<path d="${textPath('bonumRegular', note, 490, y + 38, 12.5, 'start')}" fill="#f2ead8"/>`;
    return s;
  };
  body += row([BONUS, BONUS, BONUS], 70, 'BONUS GAME', 'on any row');
  body += row([BONUS, BONUS, WILD], 124, 'BONUS GAME', 'on a played line');
  body += tile(sheet, WILD, 334, 178, small);
  body += `<path d="${textPath('cinzel', 'WILD', 386, 196, 15, 'start')}" fill="#ffd95a"/>`;
  const wild = paragraph('bonumRegular', 'On reel 3, stands in for any paying symbol. Every winning line with it gives 2 NUDGES.', 386, 214, 12.5, 236, 15, '#f2ead8');
  body += wild.svg;
  // how the bonuses work
  const boxTop = 262;
  body += rect(328, boxTop, 304, 290, 'fill="#000" stroke="#a01018" stroke-width="2"', 6);
  body += `<path d="${textPath('cinzelBlack', 'How the bonuses work', 480, boxTop + 30, 19, 'middle', 0.5)}" fill="#e8202a"/>`;
  let y = boxTop + 54;
  const texts = [
    'Three Bonus chests on a row open the treasure vault, whether the row is played or not; Bonus, Bonus, Wild opens it on a played line.',
    'In the vault, pick one of five chests: it holds 25, 50 or 100 credits or 6 nudges.',
    'After a spin that pays nothing the nudge buttons flash. Click the one above a reel to move that reel down one symbol; the lines are judged again free, at the same bet.',
    'Each coin plays a line: the first the middle row, the second the top row, the third the bottom row.',
  ];
  for (const t of texts) {
    const p = paragraph('bonumRegular', t, 342, y, 13, 280, 16, '#ffffff');
    body += p.svg;
    y = p.bottom + 22;
  }
  // a longer text must not run out of its box unnoticed
  if (y - 22 > boxTop + 290 - 8) throw new Error('payoff chart: bonus text runs past its box');
  body += goldFrame(322, 2, 316, 556, 8, 4);
  return svgDoc(640, 560, defs, body);
}

module.exports = { paychartSvg };
