#include "platform/docx/Shape.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/Selection.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/Xml.h"

#include <cmath>

namespace kovelund::docx {

using namespace detail;

namespace {

constexpr double EmuPerPoint = 12700.0;

const std::pair<const char*, const char*> DrawingNamespaces[] = {
    {"xmlns:wps", "http://schemas.microsoft.com/office/word/2010/wordprocessingShape"},
    {"xmlns:mc", "http://schemas.openxmlformats.org/markup-compatibility/2006"},
    {"xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
    {"xmlns:a", "http://schemas.openxmlformats.org/drawingml/2006/main"}};

// The text box as Word writes it for 2010 and later (no legacy fallback); placeholders in braces.
constexpr const char* TextboxTemplate =
    R"(<w:r><mc:AlternateContent><mc:Choice Requires="wps"><w:drawing>)"
    R"(<wp:anchor distT="0" distB="0" distL="114300" distR="114300" simplePos="0" relativeHeight="{height}" behindDoc="0" locked="0" layoutInCell="1" allowOverlap="1">)"
    R"(<wp:simplePos x="0" y="0"/><wp:positionH relativeFrom="page"><wp:posOffset>{x}</wp:posOffset></wp:positionH>)"
    R"(<wp:positionV relativeFrom="page"><wp:posOffset>{y}</wp:posOffset></wp:positionV>)"
    R"(<wp:extent cx="{cx}" cy="{cy}"/><wp:effectExtent l="0" t="0" r="0" b="0"/><wp:wrapNone/>)"
    R"(<wp:docPr id="{id}" name="Text Box {id}"/><wp:cNvGraphicFramePr/>)"
    R"(<a:graphic><a:graphicData uri="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"><wps:wsp>)"
    R"(<wps:cNvSpPr txBox="1"/><wps:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="{cx}" cy="{cy}"/></a:xfrm>)"
    R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>)"
    R"(<a:ln w="6350"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln></wps:spPr>)"
    R"(<wps:txbx><w:txbxContent><w:p/></w:txbxContent></wps:txbx>)"
    R"(<wps:bodyPr rot="0" vert="horz" wrap="square" lIns="91440" tIns="45720" rIns="91440" bIns="45720" anchor="t" anchorCtr="0"><a:noAutofit/></wps:bodyPr>)"
    R"(</wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></mc:Choice></mc:AlternateContent></w:r>)";

std::string Fill(std::string text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
    return text;
}

std::string Emu(double points) {
    return std::to_string(std::llround(points * EmuPerPoint));
}

double Points(long long emu) {
    return static_cast<double>(emu) / EmuPerPoint;
}

bool InFallback(pugi::xml_node node) {
    for (pugi::xml_node n = node.parent(); n; n = n.parent())
        if (Is(n, "mc:Fallback")) return true;
    return false;
}

// Floating DrawingML shapes, and VML shapes directly in a w:pict.
bool IsShape(pugi::xml_node n, std::string_view name) {
    if (name == "wp:anchor") return true;
    return (name == "v:shape" || name == "v:rect" || name == "v:roundrect") && Is(n.parent(), "w:pict");
}

std::vector<pugi::xml_node> AllShapes(pugi::xml_node body) {
    std::vector<pugi::xml_node> shapes;
    ForEachElement(body, [&](pugi::xml_node n, const char* name, int) {
        if ((name[0] == 'w' && name[1] == 'p') || name[0] == 'v')
            if (IsShape(n, name) && !InFallback(n)) shapes.push_back(n);
    });
    return shapes;
}

bool Vml(pugi::xml_node shape) {
    return std::string_view(shape.name()).starts_with("v:");
}

std::string NameOf(pugi::xml_node shape) {
    return Vml(shape) ? shape.attribute("id").value() : shape.child("wp:docPr").attribute("name").value();
}

pugi::xml_node Enclosing(pugi::xml_node shape, const char* name) {
    for (pugi::xml_node n = shape.parent(); n && !Is(n, "w:p"); n = n.parent())
        if (Is(n, name)) return n;
    return {};
}

bool FallbackNamed(pugi::xml_node shape, std::string_view name) {
    pugi::xml_node alternate = Enclosing(shape, "mc:AlternateContent");
    for (pugi::xpath_node v : alternate.child("mc:Fallback").select_nodes(".//v:*"))
        if (name == v.node().attribute("id").value() || name == v.node().attribute("ID").value()) return true;
    return false;
}

pugi::xml_node SpPr(pugi::xml_node shape) {
    return shape.child("a:graphic").child("a:graphicData").child("wps:wsp").child("wps:spPr");
}

pugi::xml_node TextContent(pugi::xml_node shape) {
    if (Vml(shape)) return shape.child("v:textbox").child("w:txbxContent");
    return shape.child("a:graphic")
        .child("a:graphicData")
        .child("wps:wsp")
        .child("wps:txbx")
        .child("w:txbxContent");
}

// Replaces the fill children of `parent` by one fill, placed after `after` (or first).
void ReplaceFill(pugi::xml_node parent, pugi::xml_node after, bool visible) {
    for (const char* fill :
         {"a:noFill", "a:solidFill", "a:gradFill", "a:blipFill", "a:pattFill", "a:grpFill"})
        parent.remove_child(fill);
    const char* name = visible ? "a:solidFill" : "a:noFill";
    pugi::xml_node fill = after ? parent.insert_child_after(name, after) : parent.prepend_child(name);
    if (visible) Set(fill.append_child("a:srgbClr"), "val", "FFFFFF");
}

pugi::xml_node LastBodyParagraph(pugi::xml_node body) {
    for (pugi::xml_node n = body.last_child(); n; n = n.previous_sibling()) {
        if (Is(n, "w:p")) return n;
        if (Is(n, "w:tbl") || Is(n, "w:sdt")) break;
    }
    pugi::xml_node last = body.last_child();
    return Is(last, "w:sectPr") ? body.insert_child_before("w:p", last) : body.append_child("w:p");
}

} // namespace

std::string Shape::Name() const {
    return doc_ ? NameOf(N(shape_)) : std::string();
}

void Shape::SetName(std::string name) {
    pugi::xml_node shape = N(shape_);
    if (Vml(shape))
        Set(shape, "id", name);
    else
        Set(shape.child("wp:docPr"), "name", name);
    doc_->Changed();
}

void Shape::Delete() {
    pugi::xml_node shape = N(shape_);
    if (!Attached(shape)) return;
    pugi::xml_node outer = Enclosing(shape, "mc:AlternateContent");
    if (!outer) outer = Enclosing(shape, Vml(shape) ? "w:pict" : "w:drawing");
    if (!outer) outer = shape;
    pugi::xml_node run = outer.parent();
    bool alone =
        Is(run, "w:r") && !run.find_child([&](pugi::xml_node c) { return c != outer && !Is(c, "w:rPr"); });
    Discard(alone ? run : outer);
    doc_->Changed();
}

void Shape::SetFillVisible(bool visible) {
    pugi::xml_node shape = N(shape_);
    if (Vml(shape)) {
        Set(shape, "filled", visible ? "t" : "f");
    } else if (pugi::xml_node spPr = SpPr(shape)) {
        pugi::xml_node geometry =
            spPr.child("a:prstGeom") ? spPr.child("a:prstGeom") : spPr.child("a:custGeom");
        ReplaceFill(spPr, geometry ? geometry : spPr.child("a:xfrm"), visible);
    }
    doc_->Changed();
}

void Shape::SetLineVisible(bool visible) {
    pugi::xml_node shape = N(shape_);
    if (Vml(shape)) {
        Set(shape, "stroked", visible ? "t" : "f");
    } else if (pugi::xml_node spPr = SpPr(shape)) {
        pugi::xml_node ln = spPr.child("a:ln");
        if (!ln) {
            pugi::xml_node after =
                spPr.child("a:noFill") ? spPr.child("a:noFill") : spPr.child("a:solidFill");
            ln = after ? spPr.insert_child_after("a:ln", after) : spPr.append_child("a:ln");
        }
        ReplaceFill(ln, {}, visible);
        if (visible) Set(ln.child("a:solidFill").child("a:srgbClr"), "val", "000000");
    }
    doc_->Changed();
}

void Shape::SetRelativeVerticalPosition(int base) {
    static const char* bases[] = {"margin", "page", "paragraph"};
    if (base < RelativeToMargin || base > RelativeToParagraph)
        throw DocxError(error::BadParameter,
                        "Shape.RelativeVerticalPosition: " + std::to_string(base) + " is not supported");
    pugi::xml_node shape = N(shape_);
    if (!Vml(shape)) Set(shape.child("wp:positionV"), "relativeFrom", bases[base]);
    doc_->Changed();
}

void Shape::SetTop(double points) {
    pugi::xml_node shape = N(shape_);
    if (Vml(shape)) return;
    pugi::xml_node position = shape.child("wp:positionV");
    position.remove_child("wp:align");
    pugi::xml_node offset = position.child("wp:posOffset") ? position.child("wp:posOffset")
                                                           : position.append_child("wp:posOffset");
    offset.text().set(Emu(points).c_str());
    doc_->Changed();
}

void Shape::SetText(std::string text) {
    pugi::xml_node content = TextContent(N(shape_));
    if (!content)
        throw DocxError(error::NotAvailable, "Shape.TextFrame: shape '" + Name() + "' holds no text");
    pugi::xml_node first = FirstParagraph(content);
    pugi::xml_node pPr = first.child("w:pPr");
    pugi::xml_node rPr = first.child("w:r").child("w:rPr");
    pugi::xml_node p = content.prepend_child("w:p");
    if (pPr) p.append_copy(pPr);
    for (pugi::xml_node n = p.next_sibling(); n;) {
        pugi::xml_node next = n.next_sibling();
        Discard(n);
        n = next;
    }
    InsertText(EndOf(p), text, rPr);
    doc_->Changed();
}

std::string Shape::Text() const {
    pugi::xml_node content = TextContent(N(shape_));
    pugi::xml_node last = LastParagraph(content);
    return last ? TextBetween(StartOf(content), EndOf(last)) : std::string();
}

void Shape::SetAlignment(int alignment) {
    static const char* values[] = {"left", "center", "right", "both"};
    if (alignment < 0 || alignment > 3)
        throw DocxError(error::BadParameter, "Shape.ParagraphFormat.Alignment: " + std::to_string(alignment) +
                                                 " is not supported");
    for (pugi::xml_node p : TextContent(N(shape_)).children("w:p"))
        Set(Ensure(Properties(p), "w:jc", ParagraphPropertyOrder), "w:val", values[alignment]);
    doc_->Changed();
}

int Shape::Alignment() const {
    return Common(TextContent(N(shape_)).children("w:p"), AlignmentOf, AlignLeft, Undefined);
}

double Shape::Left() const {
    return Points(N(shape_).child("wp:positionH").child("wp:posOffset").text().as_llong(0));
}

double Shape::Top() const {
    return Points(N(shape_).child("wp:positionV").child("wp:posOffset").text().as_llong(0));
}

double Shape::Width() const {
    return Points(N(shape_).child("wp:extent").attribute("cx").as_llong(0));
}

double Shape::Height() const {
    return Points(N(shape_).child("wp:extent").attribute("cy").as_llong(0));
}

int Shape::RelativeVerticalPosition() const {
    static const char* bases[] = {"margin",    "page",         "paragraph",    "line",
                                  "topMargin", "bottomMargin", "insideMargin", "outsideMargin"};
    pugi::xml_node position = N(shape_).child("wp:positionV");
    if (!position) return RelativeToParagraph;
    std::string_view base = position.attribute("relativeFrom").value();
    for (int i = 0; i < 8; ++i)
        if (base == bases[i]) return i;
    return RelativeToParagraph;
}

int Shapes::Count() const {
    return static_cast<int>(AllShapes(doc_->Body()).size());
}

Shape Shapes::Item(int index) const {
    std::vector<pugi::xml_node> shapes = AllShapes(doc_->Body());
    if (index < 1 || index > static_cast<int>(shapes.size()))
        throw DocxError(error::NoSuchMember, "Shapes(" + std::to_string(index) + "): the document has " +
                                                 std::to_string(shapes.size()) + " shapes");
    return {doc_, R(shapes[index - 1])};
}

std::optional<Shape> Shapes::Find(std::string_view name) const {
    for (pugi::xml_node shape : AllShapes(doc_->Body()))
        if (NameOf(shape) == name || FallbackNamed(shape, name)) return Shape(doc_, R(shape));
    return std::nullopt;
}

Shape Shapes::AddTextbox(int orientation, double left, double top, double width, double height) {
    if (orientation != OrientationHorizontal || !(width >= 0 && height >= 0 && std::abs(left) < 1e6 &&
                                                  std::abs(top) < 1e6 && width < 1e6 && height < 1e6))
        throw DocxError(error::BadParameter, "Shapes.AddTextbox: orientation " + std::to_string(orientation) +
                                                 " or the size is not supported");
    pugi::xml_node root = doc_->Main().xml.document_element();
    for (const auto& [attribute, uri] : DrawingNamespaces)
        if (!root.attribute(attribute)) root.append_attribute(attribute) = uri;
    int id = doc_->NextDrawingId();
    std::string xml = TextboxTemplate;
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"{id}", std::to_string(id)},
                                     {"{height}", std::to_string(251659264 + id)},
                                     {"{x}", Emu(left)},
                                     {"{y}", Emu(top)},
                                     {"{cx}", Emu(width)},
                                     {"{cy}", Emu(height)}})
        xml = Fill(xml, key, value);
    pugi::xml_node p = LastBodyParagraph(doc_->Body());
    pugi::xml_parse_result parsed =
        p.append_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) throw DocxError(error::NotAvailable, "Shapes.AddTextbox: cannot build the text box");
    doc_->Changed();
    return {doc_, R(p.last_child().select_node(".//wp:anchor").node())};
}

} // namespace kovelund::docx
