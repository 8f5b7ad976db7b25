import { byName, menuNamed } from './draw.js';
import { D, MapCtor, SetCtor, URLCtor, W, decodeURIComponent_ } from './env.js';

// ---- the current page ------------------------------------------------------------

// An address as it is compared with the page's: resolved against the page, without its
// fragment, and with a trailing index file or slash left out (the URL parser already
// lower-cases the host). Empty when it cannot be resolved.
function sameness(href) {
  var u;
  try {
    u = new URLCtor(href, D.baseURI);
  } catch (e) {
    return '';
  }
  var path = u.pathname.replace(/\/(index\.html?|default\.htm)$/, '/').replace(/\/+$/, '');
  return u.protocol + '//' + u.host + path + u.search;
}

var here = '';
var hereFile = [''];      // the page's last path step, as sent and decoded: a cheap test before resolving
export var onPath = new SetCtor(); // menus (read) holding the current page's entry, or a group leading to it

// Every menu whose entries lead to the current page, found from the arrays before any is drawn,
// since submenus are drawn only when they open. Addresses are resolved only when they hold the
// page's last path step.
export function findCurrent() {
  here = sameness(W.location.href);
  if (!here) return;
  var step = W.location.pathname;
  step = /\/(index\.html?|default\.htm)?$/.test(step) ? '' : step.slice(step.lastIndexOf('/') + 1).toLowerCase();
  try {
    hereFile = [step, decodeURIComponent_(step)];
  } catch (e) {
    hereFile = [step];
  }
  var parentsOf = new MapCtor();
  var found = [];
  byName.forEach(function (raw, name) {
    var def = menuNamed(name);
    for (var i = 0; i < def.entries.length; i++) {
      var e = def.entries[i];
      if (e.sub) {
        if (!parentsOf.has(e.sub)) parentsOf.set(e.sub, []);
        parentsOf.get(e.sub).push(def);
      }
      if (isHere(e.href)) found.push(def);
    }
  });
  while (found.length) {
    var d = found.pop();
    if (onPath.has(d)) continue;
    onPath.add(d);
    var up = parentsOf.get(d.name);
    if (up) found.push.apply(found, up);
  }
}

export function isHere(href) {
  if (!href || !here) return false;
  var lower = href.toLowerCase();
  if (lower.indexOf(hereFile[0]) < 0 && lower.indexOf(hereFile[hereFile.length - 1]) < 0) return false;
  return sameness(href) === here;
}
