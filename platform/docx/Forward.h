#pragma once
// What every handle of the engine holds: the document's internals and a node of its XML, both
// opaque here so that no header shows the file's markup.

#include <cstddef>

namespace pugi {
struct xml_node_struct;
}

namespace kovelund::docx {

class Application;
class Bookmarks;
class BookmarksInRange;
class Cell;
class Columns;
class Comment;
class Comments;
class CommentsInRange;
class Document;
class Range;
class Rows;
class Selection;
class Shape;
class Shapes;
class Table;
class Tables;

namespace detail {
class DocumentState;
using Node = pugi::xml_node_struct*;

/// A boundary point in a part: before the child `before` of `container` (nullptr = at its end), or,
/// when `container` is a text node, before byte `offset` of its text.
struct Point {
    Node container = nullptr;
    Node before = nullptr;
    std::size_t offset = 0;
    bool operator==(const Point&) const = default;
};
} // namespace detail

} // namespace kovelund::docx
