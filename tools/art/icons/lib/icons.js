'use strict';
// Game-icons silhouettes split into pieces: each outer piece with the holes cut into it.
const iconSet = require('@iconify-json/game-icons/icons.json');
const P = require('./svgpath');

function pathData(name) {
  const icon = iconSet.icons[name];
  if (!icon) throw new Error(`no icon named ${name}`);
  if (/<(?!path|\/)/.test(icon.body)) throw new Error(`icon ${name} holds more than paths`);
  return icon.body.match(/ d="([^"]+)"/g).map((m) => m.slice(4, -1)).join('');
}

// { pieces: [{ index, d (piece with its holes, even-odd), outline, holes: [{ index, d }] }], outline, all }
function load(name) {
  const subs = P.parse(pathData(name));
  const dep = P.depths(subs);
  const par = P.parents(subs);
  const pieces = [];
  subs.forEach((s, i) => {
    if (dep[i] !== 0) return;
    const holes = subs.map((h, j) => ({ h, j })).filter(({ j }) => dep[j] === 1 && par[j] === i);
    const islands = subs.map((h, j) => ({ h, j }))
      .filter(({ j }) => dep[j] === 2 && holes.some(({ j: hj }) => par[j] === hj));
    pieces.push({
      index: i,
      outline: P.toD([s]),
      d: P.toD([s, ...holes.map(({ h }) => h), ...islands.map(({ h }) => h)]),
      holes: holes.map(({ h, j }) => ({ index: j, d: P.toD([h]) })),
    });
  });
  return {
    pieces,
    outline: pieces.map((p) => p.outline).join(''),
    all: P.toD(subs),
    bbox: P.bbox(subs.filter((_, i) => dep[i] === 0)),
  };
}

module.exports = { load, pathData };
