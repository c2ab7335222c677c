// libFuzzer target: any bytes opened as a document either load (and then read back and save) or are
// rejected with a DocxError; nothing else may happen.
#include "platform/docx/Document.h"
#include "platform/docx/DocxError.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kovelund::docx;
    try {
        auto doc = Document::Open(std::string(reinterpret_cast<const char*>(data), size), "fuzz.docx");
        for (Comment c : doc->Comments()) {
            (void)c.Text();
            (void)c.Scope().Text();
        }
        for (Table t : doc->Tables()) {
            for (int r = 1; r <= t.Rows().Count(); ++r)
                if (t.Columns().Count() >= 1) (void)t.Cell(r, 1).Range().Comments().Count();
            (void)t.Range().Text();
        }
        (void)doc->Content().Text();
        (void)doc->Shapes().Count();
        (void)doc->Bytes();
    } catch (const DocxError&) {
    }
    return 0;
}
