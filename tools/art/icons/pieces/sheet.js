'use strict';
// Symbol sheets: 4 x 3 square cells on a light ground whose edges are one flat colour, so the
// cells join seamlessly on a reel and no cell bleeds into its neighbour.
const style = require('../lib/style');
const symbols = require('./symbols');

const CELL = 100;       // user units per cell
const INSET = 8;        // margin around the art, in user units
const ART = CELL - 2 * INSET;

function background() {
  return `<radialGradient id="cellGround" gradientUnits="userSpaceOnUse" cx="50" cy="50" r="50">` +
    `<stop offset="0" stop-color="#fffdf7"/><stop offset="0.7" stop-color="#f7f0e0"/><stop offset="1" stop-color="#efe5cf"/></radialGradient>` +
    `<clipPath id="cellClip"><rect width="${CELL}" height="${CELL}"/></clipPath>`;
}

// One cell's content in cell units (0..100).
function cell(code) {
  return `<g clip-path="url(#cellClip)"><rect width="${CELL}" height="${CELL}" fill="url(#cellGround)"/>` +
    `<g transform="translate(${INSET} ${INSET}) scale(${ART / 512})">${symbols.symbol(code)}</g></g>`;
}

function defs() {
  return `<defs>${style.filters()}${symbols.defs()}${background()}</defs>`;
}

// The sheet for cells of `size` pixels.
function sheetSvg(size) {
  let cells = '';
  for (let k = 0; k < 12; k++) {
    cells += `<g transform="translate(${(k % 4) * CELL} ${Math.floor(k / 4) * CELL})">${cell(k)}</g>`;
  }
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${4 * size}" height="${3 * size}" viewBox="0 0 ${4 * CELL} ${3 * CELL}">${defs()}${cells}</svg>`;
}

// A column of symbol cells, `codes` from the top, repeated `repeat` times, `size` pixels per
// cell, optionally blurred along the column.
function columnSvg(codes, size, { repeat = 1, blur = 0 } = {}) {
  let cells = '';
  const n = codes.length * repeat;
  for (let i = 0; i < n; i++) {
    cells += `<g transform="translate(0 ${i * CELL})">${cell(codes[i % codes.length])}</g>`;
  }
  const blurDef = blur ? `<filter id="reelBlur" x="0" y="0" width="${CELL}" height="${n * CELL}" filterUnits="userSpaceOnUse">` +
    `<feGaussianBlur stdDeviation="0.01 ${blur}"/></filter>` : '';
  const body = blur ? `<g filter="url(#reelBlur)">${cells}</g>` : cells;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${n * size}" viewBox="0 0 ${CELL} ${n * CELL}">` +
    `<defs>${style.filters()}${symbols.defs()}${background()}${blurDef}</defs>${body}</svg>`;
}

module.exports = { sheetSvg, columnSvg, CELL };
