#include "PageAddress.h"

#include "base/RecordText.h"

#include <vector>

namespace tarvex {

namespace {

struct TAddress {
    std::string Scheme; // with its ':'
    std::string Authority;
    bool HasAuthority = false;
    std::string Path;
    std::string Query; // with its '?', or empty
};

// The scheme of an absolute address, with its ':'; empty for a relative one.
std::string_view SchemeOf(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (c == ':') {
            return i > 0 ? text.substr(0, i + 1) : std::string_view();
        }
        if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) {
            return {};
        }
    }
    return {};
}

// Splits what follows the scheme: "//authority", the path and the query (the fragment is gone).
void SplitRest(std::string_view rest, TAddress& out) {
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t end = rest.find_first_of("/?");
        out.HasAuthority = true;
        out.Authority = AsciiLower(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    const std::size_t query = rest.find('?');
    out.Path = std::string(rest.substr(0, query));
    out.Query = query == std::string_view::npos ? std::string() : std::string(rest.substr(query));
}

// "." and ".." steps are resolved, as browsers do before they compare or fetch.
std::string WithoutDotSteps(std::string_view path) {
    std::vector<std::string_view> steps;
    std::size_t at = path.starts_with('/') ? 1 : 0;
    const bool absolute = at == 1;
    while (at <= path.size()) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        const std::string_view step = path.substr(at, end - at);
        const bool last = end == path.size();
        if (step == "..") {
            if (!steps.empty()) {
                steps.pop_back();
            }
            if (last) {
                steps.emplace_back();
            }
        } else if (step == ".") {
            if (last) {
                steps.emplace_back();
            }
        } else {
            steps.push_back(step);
        }
        at = end + 1;
    }
    std::string out = absolute ? "/" : "";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        out += steps[i];
        if (i + 1 < steps.size()) {
            out += '/';
        }
    }
    return out;
}

TAddress Resolve(std::string_view address, const TAddress& base) {
    TAddress out;
    if (const std::string_view scheme = SchemeOf(address); !scheme.empty()) {
        out.Scheme = AsciiLower(scheme);
        SplitRest(address.substr(scheme.size()), out);
        out.Path = WithoutDotSteps(out.Path);
        return out;
    }
    out.Scheme = base.Scheme;
    SplitRest(address, out);
    if (out.HasAuthority) {
        out.Path = WithoutDotSteps(out.Path);
        return out;
    }
    out.HasAuthority = base.HasAuthority;
    out.Authority = base.Authority;
    if (out.Path.empty()) {
        out.Path = base.Path;
        if (address.empty() || address.front() != '?') {
            out.Query = base.Query;
        }
    } else if (out.Path.front() != '/') {
        const std::size_t slash = base.Path.rfind('/');
        const std::string folder =
            slash == std::string::npos ? (base.HasAuthority ? "/" : "") : base.Path.substr(0, slash + 1);
        out.Path = WithoutDotSteps(folder + out.Path);
    } else {
        out.Path = WithoutDotSteps(out.Path);
    }
    return out;
}

std::string WithoutIndex(std::string path) {
    for (const std::string_view index : {"/index.html", "/index.htm", "/default.htm"}) {
        if (path.ends_with(index)) {
            path.resize(path.size() - index.size() + 1);
            break;
        }
    }
    while (path.ends_with('/')) {
        path.pop_back();
    }
    return path;
}

} // namespace

std::string PageAddressKey(std::string_view address, std::string_view base) {
    const auto withoutFragment = [](std::string_view text) {
        return text.substr(0, std::min(text.find('#'), text.size()));
    };
    const std::string_view page = withoutFragment(base);
    const std::string_view scheme = SchemeOf(page);
    if (scheme.empty()) {
        return {};
    }
    TAddress from;
    from.Scheme = AsciiLower(scheme);
    SplitRest(page.substr(scheme.size()), from);
    const std::size_t first = address.find_first_not_of(' ');
    address = first == std::string_view::npos ? std::string_view() : address.substr(first);
    address = address.substr(0, address.find_last_not_of(' ') + 1);
    const TAddress to = Resolve(withoutFragment(address), from);
    return to.Scheme + (to.HasAuthority ? "//" + to.Authority : std::string()) + WithoutIndex(to.Path) +
           to.Query;
}

} // namespace tarvex
