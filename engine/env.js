export var W = window;

export var D = document;

export var isArray = Array.isArray;
export var defineProperty = Object.defineProperty;
export var fromCodePoint = String.fromCodePoint;
export var mathMax = Math.max;
export var mathMin = Math.min;
export var mathRound = Math.round;
export var mathSqrt = Math.sqrt;
export var isFinite_ = Number.isFinite;
export var parseInt_ = parseInt;
export var parseFloat_ = parseFloat;
export var hasOwn = Object.prototype.hasOwnProperty;
export var MapCtor = Map;
export var SetCtor = Set;
export var URLCtor = W.URL;
export var decodeURIComponent_ = decodeURIComponent;
export var WeakMapCtor = WeakMap;
export var setTimeout_ = W.setTimeout.bind(W);
export var clearTimeout_ = W.clearTimeout.bind(W);
export var rAF = W.requestAnimationFrame ? W.requestAnimationFrame.bind(W) : function (f) { return setTimeout_(f, 16); };
export var getComputedStyle_ = W.getComputedStyle.bind(W);
export var cssSupports = (W.CSS && W.CSS.supports) ? W.CSS.supports.bind(W.CSS) : function () { return true; };

export var ENTRY_START = 22;
export var ENTRY_SIZE = 5;
export var PREFIX = 'tvx';

export function el(tag, cls) {
  var e = D.createElement(tag);
  if (cls) e.className = cls;
  return e;
}
