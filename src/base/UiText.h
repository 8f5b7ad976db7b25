#pragma once
// A text the window shows, kept as its source and arguments so that the window can translate it
// when it shows it: this layer never composes a finished sentence. The source is marked with
// TARVEX_TRANSLATE_NOOP in its context; %1…%9 in it stand for the arguments, which are texts of
// their own (a sentence's reason is translated too; a path or a caption from the design is
// Verbatim and shown as it stands).

#include "base/Translatable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text marked for translation in `context`, as a TUiText: TARVEX_TEXT("Editor", "Save %1?").Arg(name).
#define TARVEX_TEXT(context, text) ::tarvex::TUiText(context, text)

namespace tarvex {

struct TUiText {
    // Null: Source is shown as it stands (a name, a path, text from the design or the system).
    const char* Context = nullptr;
    std::string Source;
    std::vector<TUiText> Args;
    // Set for a moment: Source is then its English form.
    std::optional<std::int64_t> Seconds;

    TUiText() = default;
    TUiText(const char* context, std::string_view source, std::vector<TUiText> args = {});
    static TUiText Verbatim(std::string_view text);
    // A moment (seconds since 1970) shown in the window's conventions; `english` is how the English
    // window shows it.
    static TUiText Moment(std::int64_t seconds, std::string_view english);

    // The parts one after another with `separator` between them (a list's lines).
    static TUiText Joined(std::vector<TUiText> parts, std::string_view separator);

    // Appends the next argument: a text shown as it stands, or one translated in its own context.
    TUiText& Arg(std::string_view verbatim) &;
    TUiText&& Arg(std::string_view verbatim) &&;
    TUiText& Arg(TUiText text) &;
    TUiText&& Arg(TUiText text) &&;

    // The text in English: the source with its arguments put in.
    std::string English() const;
    bool Empty() const { return Source.empty(); }

    bool operator==(const TUiText& other) const;
};

// Puts args[0] for %1 … args[8] for %9 into `pattern`, each once, so that a "%2" inside an
// argument stays as it is; "%%" is a plain "%". A number with no argument is left as it stands.
std::string PutArguments(std::string_view pattern, const std::vector<std::string>& args);

} // namespace tarvex
