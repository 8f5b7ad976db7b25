#pragma once
// The publish targets' part of a project file: after the styles, a block per target with a line per
// field set. Unlike the design's fields, a target's values are escaped as XML escapes text, since a
// path or an address may start or end with a blank or hold any character.

#include "model/PublishTarget.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline constexpr std::string_view TargetListTag = "PUBLISH_TARGETS";
inline constexpr std::string_view TargetTag = "PUBLISH_TARGET";

// The lines for every target, without line ends; none for a project without targets.
std::vector<std::string> TargetLines(const TPublishTargets& targets);

// A line inside a target's block: the value of a field's element is stored in `target`; any other
// line is ignored. `utf8`: the file's text still needs its encoding checked.
void StoreTargetLine(std::string_view line, bool utf8, TPublishTarget& target);

// A target the project may keep: one without a name or an address could never be published to.
bool IsUsableTarget(const TPublishTarget& target);

std::string EscapedTargetValue(std::string_view text);
// Reverses EscapedTargetValue; an "&" that starts no escape it writes stays as it is.
std::string UnescapedTargetValue(std::string_view text);

} // namespace tarvex
