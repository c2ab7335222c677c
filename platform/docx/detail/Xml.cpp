#include "platform/docx/detail/Xml.h"

#include "platform/docx/detail/Names.h"

#include <algorithm>
#include <cstring>

namespace kovelund::docx::detail {

const std::initializer_list<const char*> ParagraphPropertyOrder = {"w:pStyle",
                                                                   "w:keepNext",
                                                                   "w:keepLines",
                                                                   "w:pageBreakBefore",
                                                                   "w:framePr",
                                                                   "w:widowControl",
                                                                   "w:numPr",
                                                                   "w:suppressLineNumbers",
                                                                   "w:pBdr",
                                                                   "w:shd",
                                                                   "w:tabs",
                                                                   "w:suppressAutoHyphens",
                                                                   "w:kinsoku",
                                                                   "w:wordWrap",
                                                                   "w:overflowPunct",
                                                                   "w:topLinePunct",
                                                                   "w:autoSpaceDE",
                                                                   "w:autoSpaceDN",
                                                                   "w:bidi",
                                                                   "w:adjustRightInd",
                                                                   "w:snapToGrid",
                                                                   "w:spacing",
                                                                   "w:ind",
                                                                   "w:contextualSpacing",
                                                                   "w:mirrorIndents",
                                                                   "w:suppressOverlap",
                                                                   "w:jc",
                                                                   "w:textDirection",
                                                                   "w:textAlignment",
                                                                   "w:textboxTightWrap",
                                                                   "w:outlineLvl",
                                                                   "w:divId",
                                                                   "w:cnfStyle",
                                                                   "w:rPr",
                                                                   "w:sectPr",
                                                                   "w:pPrChange"};
const std::initializer_list<const char*> RunPropertyOrder = {"w:ins",
                                                             "w:del",
                                                             "w:moveFrom",
                                                             "w:moveTo",
                                                             "w:rStyle",
                                                             "w:rFonts",
                                                             "w:b",
                                                             "w:bCs",
                                                             "w:i",
                                                             "w:iCs",
                                                             "w:caps",
                                                             "w:smallCaps",
                                                             "w:strike",
                                                             "w:dstrike",
                                                             "w:outline",
                                                             "w:shadow",
                                                             "w:emboss",
                                                             "w:imprint",
                                                             "w:noProof",
                                                             "w:snapToGrid",
                                                             "w:vanish",
                                                             "w:webHidden",
                                                             "w:color",
                                                             "w:spacing",
                                                             "w:w",
                                                             "w:kern",
                                                             "w:position",
                                                             "w:sz",
                                                             "w:szCs",
                                                             "w:highlight",
                                                             "w:u",
                                                             "w:effect",
                                                             "w:bdr",
                                                             "w:shd",
                                                             "w:fitText",
                                                             "w:vertAlign",
                                                             "w:rtl",
                                                             "w:cs",
                                                             "w:em",
                                                             "w:lang",
                                                             "w:eastAsianLayout",
                                                             "w:specVanish",
                                                             "w:oMath",
                                                             "w:rPrChange"};
const std::initializer_list<const char*> TablePropertyOrder = {"w:tblStyle",
                                                               "w:tblpPr",
                                                               "w:tblOverlap",
                                                               "w:bidiVisual",
                                                               "w:tblStyleRowBandSize",
                                                               "w:tblStyleColBandSize",
                                                               "w:tblW",
                                                               "w:jc",
                                                               "w:tblCellSpacing",
                                                               "w:tblInd",
                                                               "w:tblBorders",
                                                               "w:shd",
                                                               "w:tblLayout",
                                                               "w:tblCellMar",
                                                               "w:tblLook",
                                                               "w:tblCaption",
                                                               "w:tblDescription",
                                                               "w:tblPrChange"};
const std::initializer_list<const char*> CellPropertyOrder = {
    "w:cnfStyle", "w:tcW",     "w:gridSpan", "w:hMerge",        "w:vMerge",    "w:tcBorders",
    "w:shd",      "w:noWrap",  "w:tcMar",    "w:textDirection", "w:tcFitText", "w:vAlign",
    "w:hideMark", "w:headers", "w:cellIns",  "w:cellDel",       "w:cellMerge", "w:tcPrChange"};
const std::initializer_list<const char*> BorderOrder = {"w:top",   "w:left", "w:start",   "w:bottom",
                                                        "w:right", "w:end",  "w:insideH", "w:insideV",
                                                        "w:tl2br", "w:tr2bl"};

namespace {

bool OneOf(const char* name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return std::strcmp(n, name) == 0; });
}

int OrderOf(const char* name, std::initializer_list<const char*> order) {
    int index = 0;
    for (const char* n : order) {
        if (std::strcmp(n, name) == 0) return index;
        ++index;
    }
    return -1;
}

bool Skipped(pugi::xml_node node) {
    static const Names skipped = {"w:pPr",      "w:rPr",         "w:tblPr",     "w:trPr",
                                  "w:tcPr",     "w:tblGrid",     "w:sectPr",    "w:del",
                                  "w:moveFrom", "w:delText",     "w:instrText", "w:drawing",
                                  "w:pict",     "w:object",      "w:tblPrEx",   "mc:AlternateContent",
                                  "w:fldData",  "w:customXmlPr", "w:sdtPr",     "w:sdtEndPr"};
    return skipped.Contain(node.name());
}

bool Marker(pugi::xml_node node) {
    static const Names markers = {"w:bookmarkStart",    "w:bookmarkEnd",        "w:commentRangeStart",
                                  "w:commentRangeEnd",  "w:proofErr",           "w:permStart",
                                  "w:permEnd",          "w:moveFromRangeStart", "w:moveFromRangeEnd",
                                  "w:moveToRangeStart", "w:moveToRangeEnd"};
    return markers.Contain(node.name());
}

bool BlockContainer(pugi::xml_node node) {
    return OneOf(node.name(), {"w:tc", "w:body", "w:txbxContent", "w:comment", "w:hdr", "w:ftr", "w:footnote",
                               "w:endnote"});
}

bool PropertyOf(pugi::xml_node child, pugi::xml_node parent) {
    std::string name = std::string(parent.name()) + "Pr";
    return name == child.name() || Is(child, "w:tblPrEx");
}

bool EdgeBlank(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

pugi::xml_node SplitElement(pugi::xml_node element, pugi::xml_node at) {
    pugi::xml_node second = element.parent().insert_child_after(element.name(), element);
    for (pugi::xml_attribute a : element.attributes())
        second.append_copy(a);
    if (pugi::xml_node first = element.first_child(); first && first != at && PropertyOf(first, element))
        second.append_copy(first);
    for (pugi::xml_node n = at; n;) {
        pugi::xml_node next = n.next_sibling();
        second.append_move(n);
        n = next;
    }
    return second;
}

bool OnlyPropertiesBefore(pugi::xml_node element, pugi::xml_node at) {
    for (pugi::xml_node n = element.first_child(); n && n != at; n = n.next_sibling())
        if (!PropertyOf(n, element)) return false;
    return true;
}

// Decodes one UTF-8 sequence; 0 bytes used means a malformed byte that is to be dropped.
std::pair<char32_t, std::size_t> Decode(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) return {c, 1};
    std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (length == 0 || i + length > s.size()) return {0, 0};
    char32_t cp = c & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {0, 0};
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
    return {cp, length};
}

void CopyParagraphProperties(pugi::xml_node from, pugi::xml_node to) {
    if (pugi::xml_node pPr = from.child("w:pPr")) {
        pugi::xml_node copy = to.prepend_copy(pPr);
        copy.remove_child("w:sectPr");
        copy.remove_child("w:pPrChange");
    }
}

pugi::xml_node NewParagraphAfter(pugi::xml_node p) {
    pugi::xml_node next = p.parent().insert_child_after("w:p", p);
    CopyParagraphProperties(p, next);
    return next;
}

} // namespace

pugi::xml_node Ensure(pugi::xml_node parent, const char* name, std::initializer_list<const char*> order) {
    if (pugi::xml_node existing = parent.child(name)) return existing;
    int rank = OrderOf(name, order);
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (OrderOf(c.name(), order) > rank) return parent.insert_child_before(name, c);
    return parent.append_child(name);
}

pugi::xml_node Properties(pugi::xml_node element) {
    std::string name = std::string(element.name()) + "Pr";
    if (pugi::xml_node existing = element.child(name.c_str())) return existing;
    // Only a table may have range markers before its properties; a paragraph, run, row or cell
    // must start with its properties.
    bool tabelle = Is(element, "w:tbl");
    pugi::xml_node first = element.first_child();
    while (first && ((tabelle && Marker(first)) || Is(first, "w:tblPrEx")))
        first = first.next_sibling();
    return first ? element.insert_child_before(name.c_str(), first) : element.append_child(name.c_str());
}

void Set(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) a = node.append_attribute(name);
    a.set_value(value.c_str());
}

Point Before(pugi::xml_node child) {
    return {R(child.parent()), R(child), 0};
}
Point After(pugi::xml_node node) {
    return {R(node.parent()), R(node.next_sibling()), 0};
}
Point EndOf(pugi::xml_node element) {
    return {R(element), nullptr, 0};
}
Point StartOf(pugi::xml_node element) {
    pugi::xml_node first = element.first_child();
    while (first && PropertyOf(first, element))
        first = first.next_sibling();
    return {R(element), R(first), 0};
}

pugi::xml_node ParagraphOf(const Point& point) {
    for (pugi::xml_node n = N(point.container); n; n = n.parent()) {
        if (Is(n, "w:p")) return n;
        if (BlockContainer(n) || n.type() == pugi::node_document) break;
    }
    return {};
}

void Walk(const Point& from, const Point& to, const Visitor& visit) {
    Point cur = from;
    while (cur.container && !(cur == to)) {
        pugi::xml_node c = N(cur.container);
        if (c.type() == pugi::node_pcdata) {
            std::string_view text = c.value();
            bool last = to.container == cur.container;
            std::size_t stop = last ? std::min(to.offset, text.size()) : text.size();
            if (stop > cur.offset) visit(Event::Text, c, text.substr(cur.offset, stop - cur.offset));
            if (last) break;
            cur = After(c);
        } else if (pugi::xml_node child = N(cur.before)) {
            if (child.type() == pugi::node_pcdata) {
                cur = {R(child), nullptr, 0};
            } else if (child.type() != pugi::node_element || Skipped(child)) {
                cur = After(child);
            } else {
                visit(Event::Enter, child, {});
                cur = {R(child), R(child.first_child()), 0};
            }
        } else {
            pugi::xml_node parent = c.parent();
            if (!parent || parent.type() == pugi::node_document) break;
            visit(Event::Exit, c, {});
            cur = After(c);
        }
    }
}

std::string TextBetween(const Point& from, const Point& to) {
    std::string text;
    Walk(from, to, [&](Event event, pugi::xml_node node, std::string_view piece) {
        if (event == Event::Text) {
            if (Is(node.parent(), "w:t")) text += piece;
        } else if (event == Event::Exit) {
            if (Is(node, "w:p"))
                text += '\r';
            else if (Is(node, "w:tc"))
                text += '\a';
            else if (Is(node, "w:tr"))
                text += "\r\a";
        } else if (Is(node.parent(), "w:r")) {
            if (Is(node, "w:tab") || Is(node, "w:ptab"))
                text += '\t';
            else if (Is(node, "w:cr"))
                text += '\v';
            else if (Is(node, "w:noBreakHyphen"))
                text += '\x1e';
            else if (Is(node, "w:softHyphen"))
                text += '\x1f';
            else if (Is(node, "w:br")) {
                std::string_view type = node.attribute("w:type").value();
                text += type == "page" ? '\f' : type == "column" ? '\x0e' : '\v';
            }
        }
    });
    return text;
}

Point SplitToParagraph(const Point& point) {
    pugi::xml_node p = ParagraphOf(point);
    if (!p) return point;
    Point pt = point;
    while (pt.container != R(p)) {
        pugi::xml_node c = N(pt.container);
        if (c.type() == pugi::node_pcdata) {
            std::string text = c.value();
            if (pt.offset == 0) {
                pt = Before(c);
            } else if (pt.offset >= text.size()) {
                pt = After(c);
            } else {
                pugi::xml_node rest = c.parent().insert_child_after(pugi::node_pcdata, c);
                rest.set_value(text.substr(pt.offset).c_str());
                c.set_value(text.substr(0, pt.offset).c_str());
                pt = Before(rest);
            }
        } else if (!pt.before) {
            pt = After(c);
        } else if (OnlyPropertiesBefore(c, N(pt.before))) {
            pt = Before(c);
        } else {
            pugi::xml_node second = SplitElement(c, N(pt.before));
            if (Is(c, "w:t")) {
                Set(c, "xml:space", "preserve");
                Set(second, "xml:space", "preserve");
            }
            pt = Before(second);
        }
    }
    return pt;
}

bool AtParagraphStart(pugi::xml_node p, pugi::xml_node before) {
    for (pugi::xml_node n = p.first_child(); n && n != before; n = n.next_sibling()) {
        if (n.type() != pugi::node_element || Is(n, "w:pPr") || Marker(n)) continue;
        if (Is(n, "w:r") && !n.find_child([](pugi::xml_node k) {
                return !Is(k, "w:rPr") && !Is(k, "w:lastRenderedPageBreak");
            }))
            continue;
        return false;
    }
    return true;
}

pugi::xml_node RunPropertiesFor(const Point& point) {
    pugi::xml_node p = N(point.container);
    pugi::xml_node n = point.before ? N(point.before).previous_sibling() : p.last_child();
    for (; n; n = n.previous_sibling()) {
        pugi::xml_node run = Is(n, "w:r")                             ? n
                             : Is(n, "w:hyperlink") || Is(n, "w:ins") ? n.last_child()
                                                                      : pugi::xml_node();
        if (run && Is(run, "w:r") && (run.child("w:t") || run.child("w:tab") || run.child("w:br")))
            return run.child("w:rPr");
    }
    return p.child("w:pPr").child("w:rPr");
}

Inserted InsertText(Point at, std::string_view text, pugi::xml_node rPr) {
    pugi::xml_node p = N(at.container);
    pugi::xml_node before = N(at.before);
    pugi::xml_node run;
    Point start;
    std::string buffer;
    auto ensureRun = [&] {
        if (run) return;
        run = before ? p.insert_child_before("w:r", before) : p.append_child("w:r");
        if (!start.container) start = Before(run);
        if (!rPr) return;
        pugi::xml_node copy = run.append_copy(rPr);
        copy.set_name("w:rPr");
        for (const char* revision : {"w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange"})
            copy.remove_child(revision);
    };
    auto flush = [&] {
        if (buffer.empty()) return;
        ensureRun();
        pugi::xml_node t = run.append_child("w:t");
        if (EdgeBlank(buffer)) t.append_attribute("xml:space") = "preserve";
        t.text().set(buffer.c_str());
        buffer.clear();
    };
    auto element = [&](const char* name, const char* type = nullptr) {
        flush();
        ensureRun();
        pugi::xml_node e = run.append_child(name);
        if (type) e.append_attribute("w:type") = type;
    };
    for (std::size_t i = 0; i < text.size();) {
        auto [cp, length] = Decode(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        if (cp == '\r' || cp == '\n') {
            i += (cp == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            flush();
            run = {};
            pugi::xml_node next = NewParagraphAfter(p);
            if (!start.container) start = EndOf(p);
            for (pugi::xml_node n = before; n;) {
                pugi::xml_node following = n.next_sibling();
                next.append_move(n);
                n = following;
            }
            p = next;
            continue;
        }
        if (cp == '\t')
            element("w:tab");
        else if (cp == 11)
            element("w:br");
        else if (cp == 12)
            element("w:br", "page");
        else if (cp == 14)
            element("w:br", "column");
        else if (cp == 30)
            element("w:noBreakHyphen");
        else if (cp == 31)
            element("w:softHyphen");
        else if (cp >= 32 && cp != 0xFFFE && cp != 0xFFFF)
            buffer.append(text.substr(i, length));
        i += length;
    }
    flush();
    Point end{R(p), R(before), 0};
    return {start.container ? start : end, end};
}

Point DeleteBetween(const Point& from, const Point& to) {
    pugi::xml_node first = N(from.container);
    pugi::xml_node last = N(to.container);
    auto clear = [](pugi::xml_node n, pugi::xml_node stop) {
        while (n && n != stop) {
            pugi::xml_node next = n.next_sibling();
            bool keep = Marker(n) || (Is(n, "w:r") && n.child("w:commentReference")) || Is(n, "w:pPr");
            if (!keep) Discard(n);
            n = next;
        }
    };
    if (first == last) {
        clear(N(from.before), N(to.before));
        return to;
    }
    if (first.parent() != last.parent()) return to;
    clear(N(from.before), {});
    for (pugi::xml_node n = first.next_sibling(); n && n != last;) {
        pugi::xml_node next = n.next_sibling();
        Discard(n);
        n = next;
    }
    clear(N(StartOf(last).before), N(to.before));
    for (pugi::xml_node n = N(StartOf(last).before); n;) {
        pugi::xml_node next = n.next_sibling();
        first.append_move(n);
        n = next;
    }
    Discard(last);
    return {R(first), to.before, 0};
}

void Discard(pugi::xml_node node) {
    pugi::xml_node root = node.root();
    pugi::xml_node trash = root.child("kovelund-trash");
    if (!trash) trash = root.append_child("kovelund-trash");
    trash.append_move(node);
}

bool Attached(pugi::xml_node node) {
    for (pugi::xml_node n = node; n; n = n.parent())
        if (Is(n, "kovelund-trash")) return false;
    return static_cast<bool>(node);
}

pugi::xml_node InsertAt(const Point& at, const char* name) {
    pugi::xml_node container = N(at.container);
    return at.before ? container.insert_child_before(name, N(at.before)) : container.append_child(name);
}

pugi::xml_node SplitParagraph(pugi::xml_node p, pugi::xml_node at) {
    pugi::xml_node next = NewParagraphAfter(p);
    for (pugi::xml_node n = at; n;) {
        pugi::xml_node following = n.next_sibling();
        next.append_move(n);
        n = following;
    }
    return next;
}

pugi::xml_node ParagraphBefore(pugi::xml_node p, pugi::xml_node at) {
    pugi::xml_node previous = p.parent().insert_child_before("w:p", p);
    CopyParagraphProperties(p, previous);
    for (pugi::xml_node n = N(StartOf(p).before); n && n != at;) {
        pugi::xml_node following = n.next_sibling();
        previous.append_move(n);
        n = following;
    }
    return previous;
}

Point InlineStart(const Point& point) {
    if (ParagraphOf(point)) return point;
    for (pugi::xml_node n = N(point.before); n; n = n.next_sibling())
        if (pugi::xml_node p = n.type() == pugi::node_element ? FirstParagraph(n) : pugi::xml_node())
            return StartOf(p);
    return point;
}

Point InlineEnd(const Point& point) {
    if (ParagraphOf(point)) return point;
    pugi::xml_node n = point.before ? N(point.before).previous_sibling() : N(point.container).last_child();
    for (; n; n = n.previous_sibling())
        if (pugi::xml_node p = n.type() == pugi::node_element ? LastParagraph(n) : pugi::xml_node())
            return EndOf(p);
    return point;
}

pugi::xml_node WholeElement(const Point& start, const Point& end) {
    pugi::xml_node e = N(start.before);
    if (!e || start.container != end.container || start.offset != 0) return {};
    return end.before == R(e.next_sibling()) ? e : pugi::xml_node();
}

pugi::xml_node FirstParagraph(pugi::xml_node block) {
    if (Is(block, "w:p")) return block;
    for (pugi::xml_node c = block.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element || Skipped(c)) continue;
        if (pugi::xml_node p = FirstParagraph(c)) return p;
    }
    return {};
}

pugi::xml_node LastParagraph(pugi::xml_node block) {
    if (Is(block, "w:p")) return block;
    for (pugi::xml_node c = block.last_child(); c; c = c.previous_sibling()) {
        if (c.type() != pugi::node_element || Skipped(c)) continue;
        if (pugi::xml_node p = LastParagraph(c)) return p;
    }
    return {};
}

pugi::xml_node PreviousElement(pugi::xml_node node) {
    pugi::xml_node n = node.previous_sibling();
    while (n && n.type() != pugi::node_element)
        n = n.previous_sibling();
    return n;
}

pugi::xml_node NextElement(pugi::xml_node node) {
    pugi::xml_node n = node.next_sibling();
    while (n && n.type() != pugi::node_element)
        n = n.next_sibling();
    return n;
}

void SetBold(pugi::xml_node rPr, bool bold) {
    for (const char* name : {"w:b", "w:bCs"}) {
        pugi::xml_node b = Ensure(rPr, name, RunPropertyOrder);
        b.remove_attribute("w:val");
        if (!bold) b.append_attribute("w:val") = "0";
    }
}

void SetSize(pugi::xml_node rPr, int halfPoints) {
    for (const char* name : {"w:sz", "w:szCs"})
        Set(Ensure(rPr, name, RunPropertyOrder), "w:val", std::to_string(halfPoints));
}

bool IsBold(pugi::xml_node rPr) {
    pugi::xml_node b = rPr.child("w:b");
    if (!b) return false;
    std::string_view value = b.attribute("w:val").value();
    return value != "0" && value != "false" && value != "off";
}

int SizeOf(pugi::xml_node rPr) {
    return rPr.child("w:sz").attribute("w:val").as_int(0);
}

int AlignmentOf(pugi::xml_node p) {
    std::string_view value = p.child("w:pPr").child("w:jc").attribute("w:val").value();
    if (value.empty() || value == "left" || value == "start") return 0;
    if (value == "center") return 1;
    if (value == "right" || value == "end") return 2;
    return 3;
}

bool ShowsText(pugi::xml_node run) {
    return static_cast<bool>(run.find_child([](pugi::xml_node c) {
        return OneOf(c.name(),
                     {"w:t", "w:tab", "w:br", "w:cr", "w:sym", "w:noBreakHyphen", "w:softHyphen", "w:ptab"});
    }));
}

} // namespace kovelund::docx::detail
