#pragma once
// One level of a tree (its roots, or the children of a node) seen as nodes rather than as the
// pointers that own them. A level reached through a const tree or node holds const nodes, so a
// reader cannot write through it by accident.

#include <cstddef>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

namespace tarvex {

class TTreeNode;
using TNodeStore = std::vector<std::unique_ptr<TTreeNode>>;

template <typename TNode> class TNodeLevel {
public:
    class TIterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TNode;
        using difference_type = std::ptrdiff_t;
        using pointer = TNode*;
        using reference = TNode&;

        TIterator() = default;
        explicit TIterator(TNodeStore::const_iterator at) : m_at(at) {}
        TNode& operator*() const { return **m_at; }
        TNode* operator->() const { return m_at->get(); }
        TIterator& operator++() {
            ++m_at;
            return *this;
        }
        TIterator operator++(int) {
            TIterator before = *this;
            ++m_at;
            return before;
        }
        bool operator==(const TIterator& other) const { return m_at == other.m_at; }

    private:
        TNodeStore::const_iterator m_at;
    };

    explicit TNodeLevel(const TNodeStore& store) : m_store(&store) {}
    // A writable level reads as a const one, never the other way round.
    template <typename TOther, typename = std::enable_if_t<std::is_same_v<TNode, const TOther>>>
    TNodeLevel(const TNodeLevel<TOther>& other) : m_store(other.m_store) {}

    TIterator begin() const { return TIterator(m_store->begin()); }
    TIterator end() const { return TIterator(m_store->end()); }
    std::size_t size() const { return m_store->size(); }
    bool empty() const { return m_store->empty(); }
    TNode& operator[](std::size_t index) const { return *(*m_store)[index]; }
    TNode& front() const { return *m_store->front(); }
    TNode& back() const { return *m_store->back(); }
    // The node at `index`, or nullptr past either end.
    TNode* At(std::size_t index) const { return index < m_store->size() ? (*m_store)[index].get() : nullptr; }
    // Room held for the level's pointers, for accounting the memory a design takes.
    std::size_t capacity() const { return m_store->capacity(); }

private:
    template <typename> friend class TNodeLevel;
    const TNodeStore* m_store;
};

} // namespace tarvex
