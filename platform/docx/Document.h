#pragma once
// One open .docx file: its package, the XML of its parts as the model, and the word processor's
// objects over them. Every part and element the engine does not touch is written back as it was.

#include "platform/docx/Bookmark.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Range.h"
#include "platform/docx/Selection.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kovelund::docx {

/// The word processor's application object as far as a document needs it; owned by the document.
class Application {
public:
    explicit Application(detail::DocumentState* doc) : selection_(doc) {}
    /// cm x 72 / 2.54, unrounded.
    double CentimetersToPoints(double centimeters) const { return centimeters * 72.0 / 2.54; }
    docx::Selection& Selection() { return selection_; }

private:
    docx::Selection selection_;
};

class Document {
public:
    /// Opens and reads a .docx. Not a zip, a truncated zip, no main part, malformed XML, Strict
    /// OOXML, an entry over 256 MiB uncompressed (all parts read together likewise), a missing or
    /// malformed comments part or a comment mark without its comment throw 5792 naming file and problem.
    static std::shared_ptr<Document> Open(const std::filesystem::path& path);
    /// As Open, from the bytes of a file; `name` stands for the file in messages and for Save.
    static std::shared_ptr<Document> Open(std::string bytes, const std::filesystem::path& name);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    /// Writes the document back to its file (see SaveAs).
    void Save();
    /// Writes the document to `path` through a temporary file beside it and a rename, so that a
    /// failure (5153) leaves the old file untouched; changed parts are written anew, untouched
    /// entries are copied as they are, in their order. The document then belongs to `path`.
    /// `beforeReplacing` runs once the new file is on disk and before it replaces the old one, so
    /// that work on the old file can overlap the save; what it throws stops the save likewise.
    void SaveAs(const std::filesystem::path& path, const std::function<void()>& beforeReplacing = {});
    /// The bytes the document would be saved as.
    std::string Bytes();
    /// The XML of one part as it would be saved ("word/document.xml"), for diagnostics and checks;
    /// an unknown part throws 5941.
    std::string PartXml(const std::string& part);

    docx::Application& Application() { return application_; }
    docx::Comments Comments() const;
    /// The whole main text.
    docx::Range Content() const;
    docx::Tables Tables() const;
    docx::Shapes Shapes() const;
    docx::Bookmarks Bookmarks() const;
    /// Whether anything was changed since opening or the last save.
    bool Modified() const;
    const std::filesystem::path& Path() const;

private:
    explicit Document(std::unique_ptr<detail::DocumentState> state);

    std::unique_ptr<detail::DocumentState> state_;
    docx::Application application_;
};

/// Writes a new package of `parts` (part name, bytes), deflated in the order given, through a
/// temporary file flushed and renamed as a save is; 5153 on failure.
void WritePackage(const std::filesystem::path& path,
                  const std::vector<std::pair<std::string, std::string>>& parts);

} // namespace kovelund::docx
