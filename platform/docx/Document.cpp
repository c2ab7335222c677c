#include "platform/docx/Document.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/detail/DocumentState.h"
#include "platform/docx/detail/Package.h"
#include "platform/docx/detail/Xml.h"
#include "platform/docx/detail/Zip.h"

namespace kovelund::docx {

using namespace detail;

Document::Document(std::unique_ptr<DocumentState> state)
    : state_(std::move(state)), application_(state_.get()) {
    state_->selection = &application_.Selection();
    application_.Selection().ClearCursor();
}

Document::~Document() = default;

std::shared_ptr<Document> Document::Open(const std::filesystem::path& path) {
    return Open(ReadFile(path), path);
}

std::shared_ptr<Document> Document::Open(std::string bytes, const std::filesystem::path& name) {
    return std::shared_ptr<Document>(new Document(std::make_unique<DocumentState>(std::move(bytes), name)));
}

void Document::Save() {
    SaveAs(state_->Path());
}

void Document::SaveAs(const std::filesystem::path& path, const std::function<void()>& beforeReplacing) {
    WriteAtomically(path, state_->Bytes(), {}, beforeReplacing);
    state_->SetPath(path);
    state_->Saved();
}

std::string Document::Bytes() {
    return state_->Bytes();
}
std::string Document::PartXml(const std::string& part) {
    return state_->PartXml(part);
}

docx::Comments Document::Comments() const {
    return docx::Comments(state_.get());
}

docx::Range Document::Content() const {
    pugi::xml_node body = state_->Body();
    pugi::xml_node last = body.last_child();
    Point end = Is(last, "w:sectPr") ? Before(last) : EndOf(body);
    return {state_.get(), StartOf(body), end};
}

docx::Tables Document::Tables() const {
    return docx::Tables(state_.get());
}
docx::Shapes Document::Shapes() const {
    return docx::Shapes(state_.get());
}
docx::Bookmarks Document::Bookmarks() const {
    return docx::Bookmarks(state_.get());
}
bool Document::Modified() const {
    return state_->Modified();
}
const std::filesystem::path& Document::Path() const {
    return state_->Path();
}

void WritePackage(const std::filesystem::path& path,
                  const std::vector<std::pair<std::string, std::string>>& parts) {
    ZipWriter package;
    try {
        for (const auto& [name, bytes] : parts)
            package.Add(name, bytes, 6);
        WriteAtomically(path, package.Finish());
    } catch (const ZipError& e) {
        throw DocxError(error::SaveFailed, "cannot save document '" + path.string() + "': " + e.what());
    }
}

} // namespace kovelund::docx
