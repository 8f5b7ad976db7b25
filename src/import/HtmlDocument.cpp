#include "HtmlDocument.h"

#include "HtmlShape.h"
#include "ImportTree.h"

#include "base/RecordText.h"

#include <cstdlib>

namespace tarvex {

THtmlDocument::THtmlDocument(std::string_view bytes, const TUiText& subject) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        m_error =
            TUiText("Import",
                    TARVEX_TRANSLATE_NOOP("Import", "%1 is in UTF-16; save it as UTF-8 and import it again."),
                    {subject});
        return;
    }
    // The parser reads UTF-8; older pages are in the Windows code page.
    m_text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
    const THtmlShape shape = MeasureHtml(m_text, HtmlNestingLimit, HtmlElementLimit);
    if (shape.StartTags > HtmlElementLimit) {
        m_error = TUiText(
            "Import", TARVEX_TRANSLATE_NOOP("Import", "%1 has too many elements to import (more than %2)."),
            {subject, TUiText::Verbatim(std::to_string(HtmlElementLimit))});
        return;
    }
    if (shape.DeepestNesting > HtmlNestingLimit) {
        m_error = TUiText(
            "Import",
            TARVEX_TRANSLATE_NOOP("Import", "%1 is nested too deeply to import (more than %2 levels)."),
            {subject, TUiText::Verbatim(std::to_string(HtmlNestingLimit))});
        return;
    }
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &THtmlDocument::Allocate;
    options.deallocator = &THtmlDocument::Deallocate;
    options.userdata = this;
    // Each recorded parse error copies the stack of open elements: unlimited, broken pages would
    // cost memory in the square of their depth. The importers never show parse errors.
    options.max_errors = 0;
    m_output = gumbo_parse_with_options(&options, m_text.data(), m_text.size());
    if (!m_output) {
        m_error =
            TUiText("Import", TARVEX_TRANSLATE_NOOP("Import", "%1 could not be read as HTML."), {subject});
    }
}

THtmlDocument::~THtmlDocument() {
    // Not gumbo_destroy_output: it frees the tree by recursion, one stack frame per level.
    for (TBlock* block = m_blocks.Next; block != &m_blocks;) {
        TBlock* next = block->Next;
        std::free(block);
        block = next;
    }
}

void* THtmlDocument::Allocate(void* self, size_t size) {
    auto* block = static_cast<TBlock*>(std::malloc(sizeof(TBlock) + size));
    if (!block) {
        // The parser does not check; stopping here is what its own allocator would lead to.
        std::abort();
    }
    TBlock& head = static_cast<THtmlDocument*>(self)->m_blocks;
    block->Previous = &head;
    block->Next = head.Next;
    head.Next->Previous = block;
    head.Next = block;
    return block + 1;
}

void THtmlDocument::Deallocate(void*, void* memory) {
    if (!memory) {
        return;
    }
    TBlock* block = static_cast<TBlock*>(memory) - 1;
    block->Previous->Next = block->Next;
    block->Next->Previous = block->Previous;
    std::free(block);
}

std::vector<const GumboNode*> ElementChildren(const GumboNode* node) {
    std::vector<const GumboNode*> children;
    if (!node || (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT &&
                  node->type != GUMBO_NODE_TEMPLATE)) {
        return children;
    }
    const GumboVector& list =
        node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
    for (unsigned i = 0; i < list.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(list.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE) {
            children.push_back(child);
        }
    }
    return children;
}

bool IsElement(const GumboNode* node, GumboTag tag) {
    return node && (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) &&
           node->v.element.tag == tag;
}

const char* AttributeOf(const GumboNode* node, const char* name) {
    if (!node || (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)) {
        return nullptr;
    }
    const GumboAttribute* attribute = gumbo_get_attribute(&node->v.element.attributes, name);
    return attribute ? attribute->value : nullptr;
}

namespace {

const GumboVector* ChildList(const GumboNode* node) {
    if (node->type == GUMBO_NODE_DOCUMENT) {
        return &node->v.document.children;
    }
    if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
        return &node->v.element.children;
    }
    return nullptr;
}

} // namespace

const GumboNode* GumboChildAt(const GumboNode& node, std::size_t i) {
    const GumboVector* list = ChildList(&node);
    return list && i < list->length ? static_cast<const GumboNode*>(list->data[i]) : nullptr;
}

namespace {

bool IsWordBreaking(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_BR:
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_IMG:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string TextOf(const GumboNode* node) {
    std::string text;
    WalkDepthFirst(node, GumboChildAt, [&text](const GumboNode& current) {
        if (current.type == GUMBO_NODE_TEXT || current.type == GUMBO_NODE_WHITESPACE ||
            current.type == GUMBO_NODE_CDATA) {
            text += current.v.text.text;
            return false;
        }
        if (IsElement(&current, GUMBO_TAG_SCRIPT) || IsElement(&current, GUMBO_TAG_STYLE) ||
            IsElement(&current, GUMBO_TAG_TEMPLATE)) {
            return false;
        }
        // Block boundaries and line breaks separate words; inline markup does not.
        if (current.type == GUMBO_NODE_ELEMENT && IsWordBreaking(current.v.element.tag)) {
            text += ' ';
        }
        return true;
    });
    return ImportedText(text);
}

const GumboNode* FindFirst(const GumboNode* node, GumboTag tag) {
    const GumboNode* found = nullptr;
    WalkDepthFirst(node, GumboChildAt, [&](const GumboNode& current) {
        if (!found && IsElement(&current, tag)) {
            found = &current;
        }
        return !found;
    });
    return found;
}

} // namespace tarvex
