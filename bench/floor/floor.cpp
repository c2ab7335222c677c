// The floor: the least any tool that keeps a .docx as XML must do for one fee calculation, written
// bare with pugixml and libzip. Open the invoice, insert a 20 × 8 table at the comment "vamoStart",
// comment two of its cells, read column 5 of every table with the comments in each cell, replace
// the five amounts marked vamoNetto … vamoGesamt, and save: changed parts deflated at level 6, the
// others copied compressed, written beside the file, flushed and renamed over it.
//
// Usage: floor INVOICE.docx [OUT.docx]

#include <fcntl.h>
#include <pugixml.hpp>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string Slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Entry(zip_t* zip, const char* name) {
    zip_stat_t stat;
    if (zip_stat(zip, name, 0, &stat) < 0) throw std::runtime_error(std::string("no entry ") + name);
    zip_file_t* file = zip_fopen(zip, name, 0);
    if (!file) throw std::runtime_error(std::string("cannot open entry ") + name);
    std::string bytes(stat.size, '\0');
    zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
    if (got != static_cast<zip_int64_t>(stat.size))
        throw std::runtime_error(std::string("short entry ") + name);
    return bytes;
}

void Parse(pugi::xml_document& xml, std::string& bytes) {
    if (!xml.load_buffer_inplace(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_declaration))
        throw std::runtime_error("malformed XML");
}

struct Writer : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

std::string Serialise(const pugi::xml_document& xml) {
    Writer writer;
    xml.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(writer.text);
}

// Concatenated w:t text below a node.
std::string Text(pugi::xml_node node) {
    std::string text;
    for (pugi::xml_node n = node.first_child(); n;) {
        if (std::string_view(n.name()) == "w:t") text += n.text().get();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && n != node && !n.next_sibling())
            n = n.parent();
        if (!n || n == node) break;
        n = n.next_sibling();
    }
    return text;
}

template <typename F> void Walk(pugi::xml_node root, F&& visit) {
    for (pugi::xml_node n = root.first_child(); n;) {
        visit(n);
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && n != root && !n.next_sibling())
            n = n.parent();
        if (!n || n == root) break;
        n = n.next_sibling();
    }
}

void Run(pugi::xml_node paragraph, const std::string& text) {
    pugi::xml_node r = paragraph.append_child("w:r");
    pugi::xml_node t = r.append_child("w:t");
    t.append_attribute("xml:space") = "preserve";
    t.text() = text.c_str();
}

void Comment(pugi::xml_node cell, pugi::xml_node comments, int id, const char* text) {
    pugi::xml_node p = cell.child("w:p");
    std::string i = std::to_string(id);
    p.prepend_child("w:commentRangeStart").append_attribute("w:id") = i.c_str();
    p.append_child("w:commentRangeEnd").append_attribute("w:id") = i.c_str();
    p.append_child("w:r").append_child("w:commentReference").append_attribute("w:id") = i.c_str();
    pugi::xml_node c = comments.append_child("w:comment");
    c.append_attribute("w:id") = i.c_str();
    c.append_attribute("w:author") = "Floor";
    Run(c.append_child("w:p"), text);
}

pugi::xml_node InsertTable(pugi::xml_node before) {
    pugi::xml_node tbl = before.parent().insert_child_before("w:tbl", before);
    pugi::xml_node pr = tbl.append_child("w:tblPr");
    pr.append_child("w:tblW").append_attribute("w:w") = "0";
    pugi::xml_node grid = tbl.append_child("w:tblGrid");
    for (int c = 0; c < 8; ++c)
        grid.append_child("w:gridCol").append_attribute("w:w") = "1300";
    for (int r = 1; r <= 20; ++r) {
        pugi::xml_node tr = tbl.append_child("w:tr");
        for (int c = 1; c <= 8; ++c) {
            pugi::xml_node tc = tr.append_child("w:tc");
            tc.append_child("w:tcPr").append_child("w:tcW").append_attribute("w:w") = "1300";
            pugi::xml_node p = tc.append_child("w:p");
            p.append_child("w:pPr").append_child("w:jc").append_attribute("w:val") = "right";
            Run(p, c == 5 ? std::to_string(r * 7) + ",00 €"
                          : "Zelle " + std::to_string(r) + "." + std::to_string(c));
        }
    }
    before.parent().insert_child_before("w:p", before);
    return tbl;
}

std::string Save(zip_t* in, const std::map<std::string, std::string>& changed) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(target);
    zip_t* out = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!out) throw std::runtime_error("cannot create the archive");
    zip_int64_t count = zip_get_num_entries(in, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        auto index = static_cast<zip_uint64_t>(i);
        const char* name = zip_get_name(in, index, 0);
        auto found = changed.find(name);
        if (found != changed.end()) {
            zip_source_t* data = zip_source_buffer(out, found->second.data(), found->second.size(), 0);
            zip_int64_t added = zip_file_add(out, name, data, ZIP_FL_ENC_GUESS);
            zip_set_file_compression(out, static_cast<zip_uint64_t>(added), ZIP_CM_DEFLATE, 6);
        } else {
            zip_file_add(out, name, zip_source_zip(out, in, index, ZIP_FL_COMPRESSED, 0, -1),
                         ZIP_FL_ENC_GUESS);
        }
    }
    if (zip_close(out) < 0) throw std::runtime_error("cannot write the archive");
    zip_stat_t stat;
    zip_source_open(target);
    zip_source_stat(target, &stat);
    std::string bytes(stat.size, '\0');
    zip_source_read(target, bytes.data(), stat.size);
    zip_source_close(target);
    zip_source_free(target);
    return bytes;
}

void WriteAtomically(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        fsync(fd) != 0 || close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot save " + path);
}

} // namespace

int main(int argc, char** argv) try {
    if (argc < 2) {
        std::fprintf(stderr, "usage: floor INVOICE.docx [OUT.docx]\n");
        return 2;
    }
    std::string file = Slurp(argv[1]);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(file.data(), file.size(), 0, &error);
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!zip) throw std::runtime_error("not a zip archive");
    std::string documentBytes = Entry(zip, "word/document.xml");
    std::string commentsBytes = Entry(zip, "word/comments.xml");
    pugi::xml_document document, comments;
    Parse(document, documentBytes);
    Parse(comments, commentsBytes);
    pugi::xml_node body = document.document_element().child("w:body");
    pugi::xml_node commentRoot = comments.document_element();

    // The comments' texts and the comment ranges' starts, each indexed once.
    std::map<int, std::string> notes;
    int maxId = 0;
    for (pugi::xml_node c : commentRoot.children("w:comment")) {
        int id = c.attribute("w:id").as_int();
        notes[id] = Text(c);
        maxId = std::max(maxId, id);
    }
    std::map<std::string, int> byText;
    for (const auto& [id, text] : notes)
        byText[text] = id;
    std::map<int, pugi::xml_node> starts;
    Walk(body, [&](pugi::xml_node n) {
        if (std::string_view(n.name()) == "w:commentRangeStart") starts[n.attribute("w:id").as_int()] = n;
    });

    pugi::xml_node anchor = starts.at(byText.at("vamoStart")).parent();
    pugi::xml_node table = InsertTable(anchor);
    pugi::xml_node firstRow = table.child("w:tr");
    Comment(firstRow.find_child([n = 0](pugi::xml_node c) mutable {
        return std::string_view(c.name()) == "w:tc" && ++n == 5;
    }),
            commentRoot, ++maxId, "0");
    Comment(table.last_child().last_child(), commentRoot, ++maxId, "19");
    for (pugi::xml_node c : commentRoot.children("w:comment"))
        notes[c.attribute("w:id").as_int()] = Text(c);

    double sum = 0;
    std::size_t commented = 0;
    for (pugi::xml_node tbl : body.children("w:tbl"))
        for (pugi::xml_node tr : tbl.children("w:tr")) {
            int n = 0;
            for (pugi::xml_node tc : tr.children("w:tc"))
                if (++n == 5) {
                    sum += std::strtod(Text(tc).c_str(), nullptr);
                    Walk(tc, [&](pugi::xml_node m) {
                        if (std::string_view(m.name()) == "w:commentReference")
                            commented += notes[m.attribute("w:id").as_int()].size();
                    });
                }
        }

    for (const char* marker : {"vamoNetto", "vamoMwSt", "vamoBrutto", "vamoAuslagen", "vamoGesamt"}) {
        auto id = byText.find(marker);
        if (id == byText.end()) continue;
        pugi::xml_node run = starts.at(id->second).next_sibling("w:r");
        run.child("w:t").text() = "  1.234,56 €";
    }

    std::map<std::string, std::string> changed{{"word/document.xml", Serialise(document)},
                                               {"word/comments.xml", Serialise(comments)}};
    std::string bytes = Save(zip, changed);
    zip_discard(zip);
    WriteAtomically(argc > 2 ? argv[2] : argv[1], bytes);
    std::printf("%.2f %zu\n", sum, commented);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "floor: %s\n", e.what());
    return 1;
}
