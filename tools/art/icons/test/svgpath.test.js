'use strict';
// The path reader decides which parts of an icon are outlines and which are holes; a misread
// command shifts every later point, so its corner cases are checked here.
const test = require('node:test');
const assert = require('node:assert');
const P = require('../lib/svgpath');

const ends = (d) => P.parse(d).map((s) => [s.start, ...s.segs.map((g) => g.pts.slice(-2))]);
const near = (a, b, eps = 1e-6) => assert.ok(Math.abs(a - b) < eps, `${a} is not ${b}`);

test('relative and shorthand commands land where their absolute forms do', () => {
  assert.deepStrictEqual(ends('m10 10l20 0 0 20h-20v-20z'), ends('M10 10L30 10L30 30L10 30L10 10Z'));
  // Implicit line-tos after a move, and a second subpath starting relative to the closed first.
  assert.deepStrictEqual(ends('m10 10 5 0 0 5zm10 0l1 1'), [[[10, 10], [15, 10], [15, 15]], [[20, 10], [21, 11]]]);
  // Numbers packed without separators.
  assert.deepStrictEqual(ends('M.5.5L-1-2.5e1'), [[[0.5, 0.5], [-1, -25]]]);
});

test('smooth curves mirror the previous control point', () => {
  const [s] = P.parse('M0 0C0 10 10 10 10 0S20 -10 20 0');
  assert.deepStrictEqual(s.segs[1].pts, [10, -10, 20, -10, 20, 0]);
  const [q] = P.parse('M0 0Q5 10 10 0T20 0');
  // The reflected quadratic control point is (15, -10): its cubic controls sit two thirds of the way.
  near(q.segs[1].pts[1], -20 / 3);
  near(q.segs[1].pts[3], -20 / 3);
});

test('arcs end exactly on their endpoint and stay on their circle, packed flags included', () => {
  const [s] = P.parse('M0 0a10 10 0 0120 0');
  const last = s.segs[s.segs.length - 1].pts;
  assert.deepStrictEqual(last.slice(-2), [20, 0]);
  const poly = P.polygon(s, 16);
  for (const [x, y] of poly) near(Math.hypot(x - 10, y), 10, 0.01);
  // Sweep flag 1 turns clockwise on screen: from the left end over the top to the right end.
  assert.ok(poly.some(([, y]) => y < -9.9));
  assert.ok(P.polygon(P.parse('M0 0a10 10 0 0020 0')[0], 16).some(([, y]) => y > 9.9));
});

test('nesting tells outlines, holes and islands apart', () => {
  const d = 'M0 0H100V100H0Z M20 20V80H80V20Z M40 40H60V60H40Z M200 0H220V20H200Z';
  assert.deepStrictEqual(P.depths(P.parse(d)), [0, 1, 2, 0]);
  assert.deepStrictEqual(P.parents(P.parse(d)), [-1, 0, 1, -1]);
});

test('bad path data is refused rather than drawn wrong', () => {
  assert.throws(() => P.parse('M0 0L10'), /truncated/);
  assert.throws(() => P.parse('M0 0X5 5'), /unknown|bad/);
});
