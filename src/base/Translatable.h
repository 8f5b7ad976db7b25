#pragma once
// Marks a text shown by the window for translation without tying this layer to any toolkit: the
// text stays a plain literal here, the translation tools find it by this name, and the window
// translates it in `context` when it shows it.

#define TARVEX_TRANSLATE_NOOP(context, text) text
