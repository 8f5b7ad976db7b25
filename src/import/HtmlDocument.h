#pragma once
// An HTML page parsed by the HTML5 parser, for the importers. The parser's memory is held here and
// freed without walking the tree, so no page, however deep, can exhaust the stack.

#include "base/DepthFirstWalk.h"
#include "base/UiText.h"

#include <gumbo.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class THtmlDocument {
public:
    // `what` names the file in messages ("The bookmarks file", "The page").
    THtmlDocument(std::string_view bytes, const TUiText& what);
    THtmlDocument(const THtmlDocument&) = delete;
    THtmlDocument(THtmlDocument&&) = delete;
    THtmlDocument& operator=(const THtmlDocument&) = delete;
    ~THtmlDocument();

    // Empty when the page was parsed; else why it was refused.
    const TUiText& Error() const { return m_error; }
    const GumboNode* Root() const { return m_output ? m_output->root : nullptr; }

private:
    // Every block the parser holds, in a list threaded through a header before each block.
    struct alignas(std::max_align_t) TBlock {
        TBlock* Previous;
        TBlock* Next;
    };
    static void* Allocate(void* self, size_t size);
    static void Deallocate(void* self, void* block);

    std::string m_text;
    TUiText m_error;
    TBlock m_blocks{&m_blocks, &m_blocks};
    GumboOutput* m_output = nullptr;
};

// Element children and descendants, in document order.
std::vector<const GumboNode*> ElementChildren(const GumboNode* node);
// Every child of a document, element or template node, text included; for WalkDepthFirst.
const GumboNode* GumboChildAt(const GumboNode& node, std::size_t i);
bool IsElement(const GumboNode* node, GumboTag tag);
// The attribute's value, or nothing.
const char* AttributeOf(const GumboNode* node, const char* name);
// The node's text as one clean line (captions), scripts and styles left out.
std::string TextOf(const GumboNode* node);
// The first element of `tag` at or below `node` in document order, or nullptr.
const GumboNode* FindFirst(const GumboNode* node, GumboTag tag);

// Pages larger than this many elements or nested deeper than this are refused before parsing.
// The parser's work grows with elements times depth; the nesting seen before parsing is an
// estimate, so the element count is what bounds the work of a page made to mislead it (about
// 25,000 bookmarks fit).
inline constexpr std::size_t HtmlElementLimit = 60000;
inline constexpr std::size_t HtmlNestingLimit = 512;

} // namespace tarvex
