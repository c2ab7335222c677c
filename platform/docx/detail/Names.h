#pragma once
// A fixed set of element names: the walks ask one for every element they pass, and a hash look-up
// answers that in one step where a list of twenty compared names took twenty.

#include <initializer_list>
#include <string_view>
#include <unordered_set>

namespace kovelund::docx::detail {

class Names {
public:
    Names(std::initializer_list<std::string_view> names) : names_(names) {}
    bool Contain(const char* name) const { return names_.count(std::string_view(name)) != 0; }

private:
    std::unordered_set<std::string_view> names_;
};

} // namespace kovelund::docx::detail
