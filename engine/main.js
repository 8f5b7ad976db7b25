/*
  Tarvex menu engine, file 2 of 2, loaded after the menu script.
  The menu script normally ends with dumpmenus(), which draws the menus at once. When
  a script stopped before that line (or never had it), this draws whatever menus it
  did add; after a normal script it does nothing, since the menus are drawn once.
*/
(function () {
  'use strict';
  if (typeof window.dumpmenus === 'function') window.dumpmenus();
})();
