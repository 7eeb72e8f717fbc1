// What the page knows at any moment, in one object that its modules share.

export const state = {
  tables: null, // what the core offers: shapes, counts, rules, piece sets, limits
  defaults: null, // the tool's defaults, as settings, with the rules' words and the piece sets
  counts: {}, // the piece counts in force, as the counts dialog left them
  current: null, // the board shown: { entry, drawing, svg, svgWaiters, arrived }
  view: null, // the BoardView on the screen
  busy: false, // a board is on its way
  remakeWaiting: false, // settings changed while a board was on its way
  drawAgain: false, // black and white changed while a board was on its way
};

export const $ = (id) => document.getElementById(id);
