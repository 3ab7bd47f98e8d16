'use strict';
// Renders the machine face, its dimmed panels and lit crystal ball, the bonus vault
// and its chests, the payoff chart and the advert pictures into assets/pictures, and the
// program's icon into assets/icons.
// Usage: node tools/art/scenes/generate.js [name ...]   (no names: all of them)

const fs = require('fs');
const os = require('os');
const path = require('path');
const { renderPng, pngToJpeg, pngToGif } = require('./lib/kit');
const { FACE, faceSvg } = require('./lib/face');
const { VAULT, vaultSvg } = require('./lib/vault');
const { paychartSvg } = require('./lib/paychart');
const { BANNER, bannerSvg, printerSvg, cartridgesSvg } = require('./lib/advert');
const { APP_ID, ICON_SIZES, appIconSvg } = require('./lib/appicon');

const repo = path.resolve(__dirname, '../../..');
const pictures = path.join(repo, 'assets/pictures');
const icons = path.join(repo, 'assets/icons/hicolor');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'varnholt-scenes-'));

function png(name, svg, w, h) {
  const file = path.join(work, `${name}.png`);
  renderPng(svg, file, w, h);
  return file;
}

const jobs = {
  face() {
    const lit = png('face', faceSvg(), FACE.width, FACE.height);
    pngToJpeg(lit, path.join(pictures, 'face.jpg'));
    const dim = png('face-dim', faceSvg({ titleLit: false, plateLit: false }), FACE.width, FACE.height);
    pngToJpeg(dim, path.join(pictures, 'dimmed.jpg'), FACE.title);
    pngToJpeg(dim, path.join(pictures, 'dimmed2.jpg'), FACE.plate);
    const ball = png('face-ball', faceSvg({ crystalLit: true }), FACE.width, FACE.height);
    pngToJpeg(ball, path.join(pictures, 'crystalball.jpg'), FACE.crystal);
  },
  vault() {
    const closed = png('vault', vaultSvg(), VAULT.width, VAULT.height);
    pngToJpeg(closed, path.join(pictures, 'bonusroom.jpg'));
    // one render per opening step: the chests never overlap, so each is cut from it
    for (const [state, suffix] of [['half', 'a'], ['open', 'b']]) {
      const file = png(`vault-${state}`, vaultSvg(VAULT.chests.map(() => state)), VAULT.width, VAULT.height);
      for (const c of VAULT.chests) pngToJpeg(file, path.join(pictures, `${c.name}${suffix}.jpg`), c);
    }
  },
  paychart() {
    pngToJpeg(png('paychart', paychartSvg(repo), 640, 560), path.join(pictures, 'paychart.jpg'));
  },
  advert() {
    pngToGif(png('banner', bannerSvg(), BANNER.width, BANNER.height), path.join(pictures, 'banner.gif'));
    pngToJpeg(png('printer1', printerSvg(), 100, 100), path.join(pictures, 'printer1.jpg'));
    pngToJpeg(png('printer2', cartridgesSvg(), 100, 100), path.join(pictures, 'printer2.jpg'));
  },
  appicon() {
    const scalable = path.join(icons, 'scalable/apps');
    fs.mkdirSync(scalable, { recursive: true });
    fs.writeFileSync(path.join(scalable, `${APP_ID}.svg`), appIconSvg());
    for (const size of ICON_SIZES) {
      const folder = path.join(icons, `${size}x${size}/apps`);
      fs.mkdirSync(folder, { recursive: true });
      fs.copyFileSync(png(`appicon-${size}`, appIconSvg(size), size, size), path.join(folder, `${APP_ID}.png`));
    }
  },
};

const wanted = process.argv.slice(2);
for (const [name, job] of Object.entries(jobs)) {
  if (wanted.length && !wanted.includes(name)) continue;
  job();
  console.log(`made ${name}`);
}
if (!process.env.KEEP_WORK) fs.rmSync(work, { recursive: true, force: true });
else console.log(`work files in ${work}`);
