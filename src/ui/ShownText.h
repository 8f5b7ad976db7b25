#pragma once
// Texts from the editor and below, translated as the window shows them.

#include "base/UiText.h"

#include <QString>

namespace tarvex {

// The text in the window's language: its source translated in its context, then each argument,
// translated the same way, put in. A Verbatim text is shown as it stands.
QString Shown(const TUiText& text);
// The same with the direction controls of its verbatim parts shown, not obeyed, so that a caption
// from the design cannot reorder the sentence around it; the language's own marks still work.
QString ShownVisible(const TUiText& text);

} // namespace tarvex
