#include "base/UiText.h"

#include <cstring>

namespace tarvex {

TUiText::TUiText(const char* context, std::string_view source, std::vector<TUiText> args)
    : Context(context), Source(source), Args(std::move(args)) {}

TUiText TUiText::Verbatim(std::string_view text) {
    TUiText result;
    result.Source = std::string(text);
    return result;
}

TUiText TUiText::Moment(std::int64_t seconds, std::string_view english) {
    TUiText result = Verbatim(english);
    result.Seconds = seconds;
    return result;
}

TUiText TUiText::Joined(std::vector<TUiText> parts, std::string_view separator) {
    if (parts.empty()) {
        return {};
    }
    // Folded from the end, two at a time: nothing to translate in the joint, which no catalogue
    // holds, so it shows as it stands in every language.
    TUiText result = std::move(parts.back());
    const std::string joint = "%1" + std::string(separator) + "%2";
    for (std::size_t i = parts.size() - 1; i-- > 0;) {
        result = TUiText("", joint, {std::move(parts[i]), std::move(result)});
    }
    return result;
}

TUiText& TUiText::Arg(std::string_view verbatim) & {
    Args.push_back(Verbatim(verbatim));
    return *this;
}

TUiText&& TUiText::Arg(std::string_view verbatim) && {
    Args.push_back(Verbatim(verbatim));
    return std::move(*this);
}

TUiText& TUiText::Arg(TUiText text) & {
    Args.push_back(std::move(text));
    return *this;
}

TUiText&& TUiText::Arg(TUiText text) && {
    Args.push_back(std::move(text));
    return std::move(*this);
}

std::string TUiText::English() const {
    if (Context == nullptr) {
        return Source;
    }
    std::vector<std::string> args;
    args.reserve(Args.size());
    for (const TUiText& arg : Args) {
        args.push_back(arg.English());
    }
    return PutArguments(Source, args);
}

bool TUiText::operator==(const TUiText& other) const {
    const bool sameContext = (Context == nullptr) == (other.Context == nullptr) &&
                             (Context == nullptr || std::strcmp(Context, other.Context) == 0);
    return sameContext && Source == other.Source && Args == other.Args && Seconds == other.Seconds;
}

std::string PutArguments(std::string_view pattern, const std::vector<std::string>& args) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            if (next == '%') {
                result += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
                result += args[static_cast<std::size_t>(next - '1')];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace tarvex
