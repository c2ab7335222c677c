#pragma once
// Range-for over the engine's 1-based collections: each yields Item(1) ... Item(Count()).

namespace kovelund::docx {

template <class Collection, class Item> class CollectionIterator {
public:
    CollectionIterator(const Collection* collection, int index) : collection_(collection), index_(index) {}
    Item operator*() const { return collection_->Item(index_); }
    CollectionIterator& operator++() {
        ++index_;
        return *this;
    }
    bool operator==(const CollectionIterator& other) const { return index_ == other.index_; }

private:
    const Collection* collection_;
    int index_;
};

} // namespace kovelund::docx
