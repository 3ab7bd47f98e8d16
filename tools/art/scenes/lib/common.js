'use strict';
// Gradients shared by every scene.

const { linear, radial, metals } = require('./kit');
const { stoneDefs, bulbDefs, torchDefs, clothDefs } = require('./parts');

const TEXT_GOLD = [[0, '#fffbe0'], [0.35, '#ffe27a'], [0.55, '#e8a92a'], [1, '#a86a10']];

function commonDefs() {
  return [
    linear('goldV', metals.gold),
    linear('goldH', metals.gold, 0, 0, 1, 0),
    linear('goldDarkV', metals.goldDark),
    linear('brassV', metals.brass),
    linear('steelV', metals.steel),
    linear('ironV2', metals.iron),
    linear('textGold', TEXT_GOLD),
    linear('textGoldDim', [[0, '#a08a52'], [0.5, '#7a5a20'], [1, '#4a3210']]),
    linear('crimsonV', [[0, '#9c1520'], [0.5, '#6e0b13'], [1, '#3c050a']]),
    linear('crimsonH', [[0, '#3c050a'], [0.2, '#861019'], [0.5, '#a3182a'], [0.8, '#861019'], [1, '#3c050a']], 0, 0, 1, 0),
    linear('royalV', [[0, '#1a3a8a'], [0.5, '#0f2460'], [1, '#071238']]),
    linear('woodV', [[0, '#7a4a22'], [0.5, '#5a3214'], [1, '#2e1808']]),
    radial('vignette', [[0, '#000', 0], [0.65, '#000', 0.05], [1, '#000', 0.6]], 0.5, 0.45, 0.75),
    stoneDefs, bulbDefs, torchDefs, clothDefs,
  ].join('\n');
}

module.exports = { commonDefs, TEXT_GOLD };
