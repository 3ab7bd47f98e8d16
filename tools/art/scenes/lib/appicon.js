'use strict';
// The program's icon for the desktop's menu, task bar and window: the face's $1 coin alone.

const { linear, metals, svgDoc } = require('./kit');
const { TEXT_GOLD } = require('./common');
const { coinDefs, coinMedallion, smallCoin } = require('./coin');

const APP_ID = 'org.varnholt.Slots';
const ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256];
// At and below this size the coin is drawn plain, so that "$1" stays readable.
const SMALL_UP_TO = 24;

function appIconSvg(size = Infinity) {
  const defs = [linear('goldV', metals.gold), linear('textGold', TEXT_GOLD), coinDefs()].join('\n');
  const coin = size <= SMALL_UP_TO ? smallCoin(44, 44) : coinMedallion(44, 44);
  return svgDoc(88, 88, defs, coin.join('\n'));
}

module.exports = { APP_ID, ICON_SIZES, appIconSvg };
