/* Tarvex menu engine, file 2 of 2, loaded after menu.js. */
!function(){"use strict";"function"==typeof window.dumpmenus&&window.dumpmenus()}();
