// libFuzzer target for the parts behind the zip layer: the input is the main part's XML, optionally
// followed by a 0xFF byte and the comments part's XML, wrapped into a well-formed package, so that
// mutations reach the XML, the comment index and the text model instead of failing the zip checksums.
#include "platform/docx/Document.h"
#include "platform/docx/DocxError.h"

#include <zip.h>

#include <cstdint>
#include <string>

namespace {

const char* Types = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
                    "Extension=\"xml\" "
                    "ContentType=\"application/xml\"/></Types>";
const char* Rels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
    "Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";
const char* DocumentRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
    "Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments\" "
    "Target=\"comments.xml\"/>"
    "</Relationships>";

std::string Package(const std::string& document, const std::string* comments) {
    zip_error_t error;
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(target);
    zip_t* out = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    auto add = [&](const char* name, const std::string& text) {
        zip_source_t* s = zip_source_buffer(out, text.data(), text.size(), 0);
        zip_file_add(out, name, s, 0);
        zip_set_file_compression(out, static_cast<zip_uint64_t>(zip_name_locate(out, name, 0)), ZIP_CM_STORE,
                                 0);
    };
    std::string types = Types, rels = Rels, documentRels = DocumentRels;
    add("[Content_Types].xml", types);
    add("_rels/.rels", rels);
    add("word/document.xml", document);
    if (comments) {
        add("word/_rels/document.xml.rels", documentRels);
        add("word/comments.xml", *comments);
    }
    zip_close(out);
    zip_stat_t stat;
    zip_source_open(target);
    zip_source_stat(target, &stat);
    std::string bytes(stat.size, '\0');
    zip_source_read(target, bytes.data(), stat.size);
    zip_source_close(target);
    zip_source_free(target);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kovelund::docx;
    std::string input(reinterpret_cast<const char*>(data), size);
    auto split = input.find('\xff');
    std::string document = input.substr(0, split);
    std::string comments = split == std::string::npos ? std::string() : input.substr(split + 1);
    try {
        auto doc =
            Document::Open(Package(document, split == std::string::npos ? nullptr : &comments), "fuzz.docx");
        for (Comment c : doc->Comments()) {
            (void)c.Text();
            Range scope = c.Scope();
            (void)scope.Text();
            scope.SetText("  1,00 € ");
        }
        for (Table t : doc->Tables()) {
            for (int r = 1; r <= t.Rows().Count(); ++r)
                if (t.Columns().Count() >= 1) (void)t.Cell(r, 1).Range().Comments().Count();
            t.Range().Text();
        }
        if (doc->Tables().Count() > 0) {
            Table t = doc->Tables().Item(1);
            t.Columns().Item(1).SetWidth(20, 0);
            Range at = t.Delete();
            doc->Tables().Add(at, 2, 2).Cell(1, 1).Range().InsertAfter("x\ry");
        }
        Range end = doc->Content();
        end.Collapse(CollapseEnd);
        end.InsertParagraphAfter();
        (void)doc->Content().Text();
        (void)doc->Shapes().Count();
        (void)doc->Bytes();
    } catch (const DocxError&) {
    }
    return 0;
}
