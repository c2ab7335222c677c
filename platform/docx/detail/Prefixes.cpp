#include "platform/docx/detail/Prefixes.h"

#include "platform/docx/detail/Xml.h"

#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace kovelund::docx::detail {

namespace {

struct Aliases {
    std::set<std::string, std::less<>> prefixes;
    bool mainIsDefault = false;
};

// The prefix of a qualified name ("" without one) and its local part.
std::pair<std::string_view, std::string_view> Split(std::string_view name) {
    auto colon = name.find(':');
    if (colon == std::string_view::npos) return {{}, name};
    return {name.substr(0, colon), name.substr(colon + 1)};
}

// Whether unprefixed elements below `element` are in the main namespace, given that they were above.
bool DefaultIsMain(pugi::xml_node element, bool above) {
    pugi::xml_attribute declared = element.attribute("xmlns");
    return declared ? std::string_view(declared.value()) == MainNamespace : above;
}

void Rename(pugi::xml_node element, const Aliases& aliases, bool defaultIsMain) {
    auto [prefix, local] = Split(element.name());
    if (aliases.prefixes.count(prefix) || (prefix.empty() && defaultIsMain))
        element.set_name(("w:" + std::string(local)).c_str());
    for (pugi::xml_attribute a : element.attributes()) {
        auto [attributePrefix, attributeLocal] = Split(a.name());
        if (!attributePrefix.empty() && aliases.prefixes.count(attributePrefix))
            a.set_name(("w:" + std::string(attributeLocal)).c_str());
    }
}

} // namespace

std::string UseMainPrefix(pugi::xml_document& xml) {
    pugi::xml_node root = xml.document_element();
    Aliases aliases;
    pugi::xml_attribute w = root.attribute("xmlns:w");
    for (pugi::xml_attribute a : root.attributes()) {
        std::string_view name = a.name();
        bool main = std::string_view(a.value()) == MainNamespace;
        if (name == "xmlns:w") continue;
        if (main && name == "xmlns") {
            aliases.mainIsDefault = true;
        } else if (main && name.starts_with("xmlns:")) {
            aliases.prefixes.emplace(name.substr(6));
        }
    }
    if (aliases.prefixes.empty() && !aliases.mainIsDefault) return {};
    if (w && std::string_view(w.value()) != MainNamespace)
        return "the prefix w is bound to another namespace than WordprocessingML";
    // Iterative, so that a deeply nested part cannot exhaust the stack.
    std::vector<std::pair<pugi::xml_node, bool>> pending{{root, false}};
    while (!pending.empty()) {
        auto [element, above] = pending.back();
        pending.pop_back();
        bool defaultIsMain = DefaultIsMain(element, above);
        Rename(element, aliases, defaultIsMain);
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element) pending.emplace_back(child, defaultIsMain);
    }
    if (!w) root.append_attribute("xmlns:w") = MainNamespace;
    return {};
}

} // namespace kovelund::docx::detail
