#pragma once
// Bookmarks: named places of the main text.

#include "platform/docx/Range.h"

#include <string>
#include <string_view>

namespace kovelund::docx {

/// The bookmarks of the main text.
class Bookmarks {
public:
    explicit Bookmarks(detail::DocumentState* doc) : doc_(doc) {}
    int Count() const;
    bool Exists(std::string_view name) const;
    /// Puts the bookmark `name` around `range`, replacing a bookmark of that name. A name that is
    /// empty, longer than 40 characters, not starting with a letter or "_" or holding other
    /// characters than letters, digits and "_" throws 5843. Around a cell the bookmark encloses any
    /// comment markers of the cell, so that it survives other word processors.
    void Add(const std::string& name, const Range& range);
    /// The bookmarked text; an unknown name throws 5941.
    Range Item(std::string_view name) const;
    /// The order of the word processor's bookmark list is a view setting, nothing in the file: no-op.
    void SetDefaultSorting(int) {}
    /// Showing hidden bookmarks is a view setting, nothing in the file: no-op.
    void SetShowHidden(bool) {}

private:
    detail::DocumentState* doc_;
};

/// Range::Bookmarks(): Add with a name and a range (usually the selection's range).
class BookmarksInRange {
public:
    BookmarksInRange(detail::DocumentState* doc, Range range) : doc_(doc), range_(range) {}
    void Add(const std::string& name, const Range& range) { docx::Bookmarks(doc_).Add(name, range); }
    void Add(const std::string& name) { Add(name, range_); }

private:
    detail::DocumentState* doc_;
    Range range_;
};

} // namespace kovelund::docx
