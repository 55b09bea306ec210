#include "store/ReferenceLists.h"

#include "store/SharedDocuments.h"
#include "store/XPathText.h"

#include <pugixml.hpp>

namespace ms {

namespace {
const char* attributeAt(pugi::xml_node node, int pos) {
    pugi::xml_attribute a = node.first_attribute();
    for (int i = 0; a && i < pos; ++i)
        a = a.next_attribute();
    return a.value();
}

Product productOf(pugi::xml_node n) {
    return Product{attributeAt(n, 0), attributeAt(n, 1), attributeAt(n, 2)};
}

pugi::xml_node selectIn(pugi::xml_node root, const std::string& query) {
    if (!root)
        return {};
    return root.select_node(query.c_str()).node();
}
} // namespace

std::optional<Product> FindProduct(std::string_view guid) {
    const pugi::xml_node n = selectIn(ProductListRoot(), "Product[@GUID=" + xpathNumber(guid) + "]");
    if (!n)
        return std::nullopt;
    return productOf(n);
}

std::vector<Product> PickerProducts() {
    std::vector<Product> out;
    const pugi::xml_node root = ProductListRoot();
    if (!root)
        return out;
    for (const pugi::xpath_node& n : root.select_nodes("Product[@Category=\"Ship\"]"))
        out.push_back(productOf(n.node()));
    return out;
}

std::vector<std::string> ProjectileNames() {
    std::vector<std::string> out;
    for (pugi::xml_node n : ProjectileNodes())
        out.emplace_back(attributeAt(n, 1));
    return out;
}

std::optional<Projectile> FindProjectile(std::string_view guid) {
    const pugi::xml_node n = selectIn(ProjectileListRoot(), "//Projectile[@GUID=" + xpathString(guid) + "]");
    if (!n)
        return std::nullopt;
    const std::string pos = attributeAt(n, 2);
    // Pos is the box index; a text that is no index selects nothing rather than a wrong row.
    int index = -1;
    if (!pos.empty() && pos.find_first_not_of("0123456789") == std::string::npos && pos.size() < 9)
        index = std::stoi(pos);
    return Projectile{attributeAt(n, 0), attributeAt(n, 1), index};
}

std::optional<std::string> ProjectileGuidAt(int boxIndex) {
    const pugi::xml_node n =
        selectIn(ProjectileListRoot(), "//Projectile[@Pos=" + xpathString(std::to_string(boxIndex)) + "]");
    if (!n)
        return std::nullopt;
    return std::string(attributeAt(n, 0));
}

std::optional<HelpEntry> FindHelpEntry(std::string_view helpNumber) {
    const pugi::xml_node root = HelpRoot();
    const std::string entry = "//Text[GUID=" + xpathString(helpNumber) + "]";
    // The first paragraph marks an entry; a missing header or later paragraph reads as empty.
    if (!selectIn(root, entry + "/Text1"))
        return std::nullopt;
    auto text = [&](const char* name) {
        return std::string(selectIn(root, entry + "/" + name).text().get());
    };
    return HelpEntry{text("Header"), text("Text1"), text("Text2"), text("Text3")};
}

} // namespace ms
