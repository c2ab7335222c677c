#pragma once
// The engine's test documents: opening them from tests/data/docx and reopening what a test wrote.

#include "platform/docx/Document.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kovelund::docx::test {

inline std::filesystem::path Datei(const std::string& name) {
    return std::filesystem::path(KOVELUND_TEST_DATA) / "docx" / name;
}

inline std::shared_ptr<Document> Öffnen(const std::string& name) {
    return Document::Open(Datei(name));
}

/// Saves to bytes and opens them again, so that every check sees what a reader of the file sees.
inline std::shared_ptr<Document> Wieder(Document& doc) {
    return Document::Open(doc.Bytes(), "wieder.docx");
}

} // namespace kovelund::docx::test
