'use strict';
// Reads SVG path data into absolute subpaths, so an icon's outer outline can be coloured apart
// from the holes cut into it (the holes carry the icon's detail lines).

const NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?/;
const ARGS = { M: 2, L: 2, H: 1, V: 1, C: 6, S: 4, Q: 4, T: 2, A: 7, Z: 0 };

function tokenize(d) {
  const out = [];
  let i = 0;
  let cmd = null;
  let argIndex = 0;
  while (i < d.length) {
    const ch = d[i];
    if (/[\s,]/.test(ch)) { i++; continue; }
    if (/[a-zA-Z]/.test(ch)) {
      cmd = ch;
      argIndex = 0;
      out.push({ cmd: ch });
      i++;
      continue;
    }
    // Arc flags may be packed without separators ("a1 1 0 011 1").
    const upper = cmd && cmd.toUpperCase();
    if (upper === 'A' && (argIndex % 7 === 3 || argIndex % 7 === 4) && (ch === '0' || ch === '1')) {
      out.push(Number(ch));
      argIndex++;
      i++;
      continue;
    }
    const m = NUMBER.exec(d.slice(i, i + 40));
    if (!m) throw new Error(`bad path data near "${d.slice(i, i + 20)}"`);
    out.push(Number(m[0]));
    argIndex++;
    i += m[0].length;
  }
  return out;
}

// Endpoint arc to cubic segments (each at most 90 degrees).
function arcToCubics(x1, y1, rx, ry, phiDeg, largeArc, sweep, x2, y2) {
  if (rx === 0 || ry === 0) return [[x1, y1, x2, y2, x2, y2]];
  const phi = (phiDeg * Math.PI) / 180;
  const cos = Math.cos(phi), sin = Math.sin(phi);
  const dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
  const xp = cos * dx + sin * dy, yp = -sin * dx + cos * dy;
  rx = Math.abs(rx); ry = Math.abs(ry);
  const lambda = (xp * xp) / (rx * rx) + (yp * yp) / (ry * ry);
  if (lambda > 1) { rx *= Math.sqrt(lambda); ry *= Math.sqrt(lambda); }
  const num = rx * rx * ry * ry - rx * rx * yp * yp - ry * ry * xp * xp;
  const den = rx * rx * yp * yp + ry * ry * xp * xp;
  let coef = Math.sqrt(Math.max(0, num / den));
  if (largeArc === sweep) coef = -coef;
  const cxp = (coef * rx * yp) / ry, cyp = (-coef * ry * xp) / rx;
  const cx = cos * cxp - sin * cyp + (x1 + x2) / 2;
  const cy = sin * cxp + cos * cyp + (y1 + y2) / 2;
  const angle = (ux, uy, vx, vy) => {
    const a = Math.atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    return a;
  };
  const t1 = angle(1, 0, (xp - cxp) / rx, (yp - cyp) / ry);
  let dt = angle((xp - cxp) / rx, (yp - cyp) / ry, (-xp - cxp) / rx, (-yp - cyp) / ry);
  if (!sweep && dt > 0) dt -= 2 * Math.PI;
  if (sweep && dt < 0) dt += 2 * Math.PI;
  const n = Math.max(1, Math.ceil(Math.abs(dt) / (Math.PI / 2)));
  const step = dt / n;
  const k = (4 / 3) * Math.tan(step / 4);
  const point = (t) => [cx + rx * Math.cos(t) * cos - ry * Math.sin(t) * sin,
                        cy + rx * Math.cos(t) * sin + ry * Math.sin(t) * cos];
  const deriv = (t) => [-rx * Math.sin(t) * cos - ry * Math.cos(t) * sin,
                        -rx * Math.sin(t) * sin + ry * Math.cos(t) * cos];
  const out = [];
  for (let i = 0; i < n; i++) {
    const a = t1 + i * step, b = a + step;
    const [ax, ay] = point(a), [bx, by] = point(b);
    const [dax, day] = deriv(a), [dbx, dby] = deriv(b);
    out.push([ax + k * dax, ay + k * day, bx - k * dbx, by - k * dby, bx, by]);
  }
  // Land exactly on the endpoint despite rounding.
  out[out.length - 1][4] = x2;
  out[out.length - 1][5] = y2;
  return out;
}

// Parses path data into subpaths of absolute segments: {start:[x,y], segs:[{type:'L'|'C', pts}], closed}.
function parse(d) {
  const tokens = tokenize(d);
  const subpaths = [];
  let cur = null;
  let x = 0, y = 0, sx = 0, sy = 0;
  let lastCtrl = null, lastQuad = null;
  let i = 0;
  let cmd = null;
  const take = (n) => {
    const args = tokens.slice(i, i + n);
    if (args.length < n || args.some((a) => typeof a !== 'number')) throw new Error('truncated path data');
    i += n;
    return args;
  };
  const begin = (nx, ny) => {
    cur = { start: [nx, ny], segs: [], closed: false };
    subpaths.push(cur);
    x = sx = nx; y = sy = ny;
  };
  const ensure = () => { if (!cur || cur.closed) begin(x, y); };
  while (i < tokens.length) {
    if (typeof tokens[i] === 'object') { cmd = tokens[i].cmd; i++; if (cmd.toUpperCase() === 'Z') { /* handled below */ } else continue; }
    const rel = cmd === cmd.toLowerCase();
    const up = cmd.toUpperCase();
    let ctrl = null, quad = null;
    if (up === 'Z') {
      if (cur) { cur.closed = true; x = sx; y = sy; }
      lastCtrl = lastQuad = null;
      continue;
    }
    const a = take(ARGS[up]);
    const ox = rel ? x : 0, oy = rel ? y : 0;
    switch (up) {
      case 'M':
        begin(a[0] + ox, a[1] + oy);
        cmd = rel ? 'l' : 'L'; // further pairs are line-tos
        break;
      case 'L': ensure(); x = a[0] + ox; y = a[1] + oy; cur.segs.push({ type: 'L', pts: [x, y] }); break;
      case 'H': ensure(); x = a[0] + (rel ? x : 0); cur.segs.push({ type: 'L', pts: [x, y] }); break;
      case 'V': ensure(); y = a[0] + (rel ? y : 0); cur.segs.push({ type: 'L', pts: [x, y] }); break;
      case 'C': {
        ensure();
        const p = [a[0] + ox, a[1] + oy, a[2] + ox, a[3] + oy, a[4] + ox, a[5] + oy];
        cur.segs.push({ type: 'C', pts: p });
        ctrl = [p[2], p[3]]; x = p[4]; y = p[5];
        break;
      }
      case 'S': {
        ensure();
        const c1 = lastCtrl ? [2 * x - lastCtrl[0], 2 * y - lastCtrl[1]] : [x, y];
        const p = [c1[0], c1[1], a[0] + ox, a[1] + oy, a[2] + ox, a[3] + oy];
        cur.segs.push({ type: 'C', pts: p });
        ctrl = [p[2], p[3]]; x = p[4]; y = p[5];
        break;
      }
      case 'Q': case 'T': {
        ensure();
        const q = up === 'Q' ? [a[0] + ox, a[1] + oy]
          : (lastQuad ? [2 * x - lastQuad[0], 2 * y - lastQuad[1]] : [x, y]);
        const ex = up === 'Q' ? a[2] + ox : a[0] + ox;
        const ey = up === 'Q' ? a[3] + oy : a[1] + oy;
        cur.segs.push({ type: 'C', pts: [x + (2 / 3) * (q[0] - x), y + (2 / 3) * (q[1] - y),
          ex + (2 / 3) * (q[0] - ex), ey + (2 / 3) * (q[1] - ey), ex, ey] });
        quad = q; x = ex; y = ey;
        break;
      }
      case 'A': {
        ensure();
        const ex = a[5] + ox, ey = a[6] + oy;
        for (const c of arcToCubics(x, y, a[0], a[1], a[2], a[3], a[4], ex, ey)) cur.segs.push({ type: 'C', pts: c });
        x = ex; y = ey;
        break;
      }
      default: throw new Error(`unknown path command ${cmd}`);
    }
    lastCtrl = ctrl;
    lastQuad = quad;
  }
  return subpaths.filter((s) => s.segs.length > 0);
}

const fmt = (v) => {
  const r = Math.round(v * 1000) / 1000;
  return Object.is(r, -0) ? '0' : String(r);
};

function toD(subpaths) {
  return subpaths.map((s) => {
    let d = `M${fmt(s.start[0])} ${fmt(s.start[1])}`;
    for (const g of s.segs) d += (g.type === 'L' ? 'L' : 'C') + g.pts.map(fmt).join(' ');
    return d + (s.closed ? 'Z' : '');
  }).join('');
}

// The subpath as a polygon, curves sampled.
function polygon(s, steps = 8) {
  const pts = [s.start.slice()];
  let [x, y] = s.start;
  for (const g of s.segs) {
    if (g.type === 'L') { [x, y] = g.pts; pts.push([x, y]); continue; }
    const [c1x, c1y, c2x, c2y, ex, ey] = g.pts;
    for (let k = 1; k <= steps; k++) {
      const t = k / steps, u = 1 - t;
      pts.push([u * u * u * x + 3 * u * u * t * c1x + 3 * u * t * t * c2x + t * t * t * ex,
                u * u * u * y + 3 * u * u * t * c1y + 3 * u * t * t * c2y + t * t * t * ey]);
    }
    x = ex; y = ey;
  }
  return pts;
}

function area(poly) {
  let a = 0;
  for (let i = 0; i < poly.length; i++) {
    const [x1, y1] = poly[i], [x2, y2] = poly[(i + 1) % poly.length];
    a += x1 * y2 - x2 * y1;
  }
  return a / 2;
}

function inside(poly, [px, py]) {
  let c = false;
  for (let i = 0, j = poly.length - 1; i < poly.length; j = i++) {
    const [xi, yi] = poly[i], [xj, yj] = poly[j];
    if ((yi > py) !== (yj > py) && px < ((xj - xi) * (py - yi)) / (yj - yi) + xi) c = !c;
  }
  return c;
}

// Nesting depth of each subpath: 0 for outer outlines, 1 for holes, 2 for islands in holes.
function depths(subpaths) {
  const polys = subpaths.map((s) => polygon(s));
  const areas = polys.map((p) => Math.abs(area(p)));
  return polys.map((p, i) => {
    // Vote over a few of the outline's points: one may lie on a neighbour's edge.
    const probes = [0, 0.25, 0.5, 0.75].map((f) => p[Math.floor(f * (p.length - 1))]);
    let depth = 0;
    polys.forEach((q, j) => {
      if (j === i || areas[j] <= areas[i]) return;
      const votes = probes.filter((pt) => inside(q, pt)).length;
      if (votes * 2 > probes.length) depth++;
    });
    return depth;
  });
}

// Path data of an icon split by nesting: outline (outer shapes filled solid), holes, and all.
function layers(d) {
  const subs = parse(d);
  const dep = depths(subs);
  return {
    all: toD(subs),
    outline: toD(subs.filter((_, i) => dep[i] === 0)),
    holes: toD(subs.filter((_, i) => dep[i] === 1)),
    islands: toD(subs.filter((_, i) => dep[i] === 2)),
    subpaths: subs,
    depth: dep,
  };
}

function bbox(subpaths) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const s of subpaths) for (const [x, y] of polygon(s)) {
    x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y);
  }
  return { x: x0, y: y0, w: x1 - x0, h: y1 - y0 };
}

module.exports = { parse, toD, polygon, area, inside, depths, layers, bbox, fmt };

// For each subpath, the index of the smallest subpath that encloses it, or -1.
function parents(subpaths) {
  const polys = subpaths.map((s) => polygon(s));
  const areas = polys.map((p) => Math.abs(area(p)));
  return polys.map((p, i) => {
    const probes = [0, 0.25, 0.5, 0.75].map((f) => p[Math.floor(f * (p.length - 1))]);
    let best = -1;
    polys.forEach((q, j) => {
      if (j === i || areas[j] <= areas[i]) return;
      const votes = probes.filter((pt) => inside(q, pt)).length;
      if (votes * 2 > probes.length && (best < 0 || areas[j] < areas[best])) best = j;
    });
    return best;
  });
}

module.exports.parents = parents;
