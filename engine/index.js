// The engine's entry: what a page (or the module output) is handed. Loaded as a classic script
// the engine is started with the window and serves the menu script through globals; the module
// output starts it with an object of its own, hands the two functions over on that object and
// touches no global.
import { draw } from './draw.js';
import { D, W, defineProperty, isArray } from './env.js';

var MARK = 'tarvexMenuEngine';
export var added = [];
var dumped = false;
var classic = false;

function addmenu(a) {
  if (!dumped && isArray(a)) added.push(a);
}

// The module passes the settings the classic menu script leaves in globals.
export var settings = null;
function dumpmenus(given) {
  if (dumped) return;
  dumped = true;
  if (!classic && given && typeof given === 'object') settings = given;
  if (D.body) draw();
  else D.addEventListener('DOMContentLoaded', draw, { once: true });
}

function defineFixed(name, value) {
  try {
    defineProperty(W, name, { value: value, writable: false, enumerable: true, configurable: false });
  } catch (e) {
    W[name] = value;
  }
}

export function start(host) {
  classic = host === W;
  // A page may load the engine twice (its own copy plus the preview's lines): the first copy
  // keeps serving, the second adds nothing.
  if (classic && typeof W.addmenu === 'function' && W.addmenu[MARK]) return;
  if (classic) {
    defineProperty(addmenu, MARK, { value: true });
    defineFixed('addmenu', addmenu);
    defineFixed('dumpmenus', dumpmenus);
    // An image position written without quotes in a menu script must not throw.
    ['left', 'right', 'center'].forEach(function (word) {
      if (!(word in W)) W[word] = word;
    });
  } else if (host) {
    host.addmenu = addmenu;
    host.dumpmenus = dumpmenus;
  }
}
