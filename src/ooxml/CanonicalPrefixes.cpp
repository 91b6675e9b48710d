#include "ooxml/CanonicalPrefixes.h"

#include "ooxml/KnownNamespaces.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace tabulex::ooxml {
namespace {

using Scope = std::map<std::string, std::string, std::less<>>;  // prefix ("" default) -> namespace

struct Survey {
    bool Needed = false;
    std::set<std::string, std::less<>> Unsafe;  // usual prefixes also bound to another namespace
};

std::string_view PrefixOfName(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

std::string_view LocalOfName(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool IsDeclaration(std::string_view name) {
    return name == "xmlns" || name.starts_with("xmlns:");
}

std::string DeclaredPrefix(std::string_view name) {
    return std::string(name == "xmlns" ? std::string_view() : name.substr(6));
}

void SurveyElement(pugi::xml_node element, Survey& survey) {
    for (pugi::xml_attribute attribute : element.attributes()) {
        if (!IsDeclaration(attribute.name())) continue;
        const std::string prefix = DeclaredPrefix(attribute.name());
        const std::string_view usual = namespaces::PrefixOf(attribute.value());
        if (!usual.empty() && usual != prefix) survey.Needed = true;
        if (namespaces::IsKnownPrefix(prefix) && !namespaces::IsUsualPrefix(prefix, attribute.value()))
            survey.Unsafe.insert(prefix);
    }
}

// Every declaration of the document, in any scope: whether one binds a known namespace to another
// prefix than its usual one, and which usual prefixes are bound to something else.
Survey SurveyDeclarations(pugi::xml_node root) {
    struct Walker : pugi::xml_tree_walker {
        Survey Found;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_element) SurveyElement(node, Found);
            return true;
        }
    } walker;
    SurveyElement(root, walker.Found);
    root.traverse(walker);
    return walker.Found;
}

struct Usual {
    std::string_view Prefix;  // empty when the name keeps its own
    std::string_view Uri;
};

// The usual prefix a name should have in `scope`, and its namespace.
Usual UsualPrefix(std::string_view name, const Scope& scope, const Survey& survey, bool attribute) {
    const std::string_view prefix = PrefixOfName(name);
    if (attribute && prefix.empty()) return {};  // an attribute without a prefix is in no namespace
    if (IsDeclaration(name) || prefix == "xml") return {};
    const auto bound = scope.find(prefix);
    if (bound == scope.end()) return {};
    const std::string_view usual = namespaces::PrefixOf(bound->second);
    if (usual.empty() || usual == prefix || survey.Unsafe.contains(usual)) return {};
    return {usual, bound->second};
}

std::string Renamed(std::string_view usual, std::string_view name) {
    return std::string(usual) + ":" + std::string(LocalOfName(name));
}

// Renames the element and its attributes, then its children, in the scope of its declarations
// (copied only where an element declares something).
void Rename(pugi::xml_node element, const Scope& parent, const Survey& survey,
            std::map<std::string_view, std::string>& used) {
    Scope own;
    const Scope* scope = &parent;
    for (pugi::xml_attribute attribute : element.attributes()) {
        if (!IsDeclaration(attribute.name())) continue;
        if (scope == &parent) own = parent, scope = &own;
        own[DeclaredPrefix(attribute.name())] = attribute.value();
    }
    if (const Usual usual = UsualPrefix(element.name(), *scope, survey, false); !usual.Prefix.empty()) {
        element.set_name(Renamed(usual.Prefix, element.name()).c_str());
        used[usual.Prefix] = usual.Uri;
    }
    for (pugi::xml_attribute attribute : element.attributes()) {
        if (const Usual usual = UsualPrefix(attribute.name(), *scope, survey, true); !usual.Prefix.empty()) {
            attribute.set_name(Renamed(usual.Prefix, attribute.name()).c_str());
            used[usual.Prefix] = usual.Uri;
        }
    }
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) Rename(child, *scope, survey, used);
}

std::size_t DeclarationsOf(pugi::xml_node element) {
    std::size_t count = 0;
    for (pugi::xml_attribute attribute : element.attributes())
        if (IsDeclaration(attribute.name())) ++count;
    return count;
}

void UseCanonicalPrefixesWith(pugi::xml_document& document, std::optional<std::size_t> xmlnsInSource) {
    pugi::xml_node root = document.document_element();
    if (!root) return;
    Survey survey;
    // Each declaration's name holds "xmlns" at least once: when the root's own account for every
    // occurrence, the other elements (millions in a long story) declare nothing.
    if (xmlnsInSource && *xmlnsInSource == DeclarationsOf(root))
        SurveyElement(root, survey);
    else
        survey = SurveyDeclarations(root);
    if (!survey.Needed) return;
    std::map<std::string_view, std::string> used;  // usual prefix -> the namespace given it
    Rename(root, Scope{}, survey, used);
    for (const auto& [usual, uri] : used) {
        const std::string declaration = "xmlns:" + std::string(usual);
        if (!root.attribute(declaration.c_str())) root.append_attribute(declaration.c_str()) = uri.c_str();
    }
}

}  // namespace

void UseCanonicalPrefixes(pugi::xml_document& document) {
    UseCanonicalPrefixesWith(document, std::nullopt);
}

void UseCanonicalPrefixes(pugi::xml_document& document, std::size_t xmlnsInSource) {
    UseCanonicalPrefixesWith(document, xmlnsInSource);
}

std::size_t CountXmlns(std::string_view xml) {
    constexpr std::string_view kMark = "xmlns";
    std::size_t count = 0;
    for (std::size_t at = xml.find(kMark); at != std::string_view::npos;
         at = xml.find(kMark, at + kMark.size()))
        ++count;
    return count;
}

}  // namespace tabulex::ooxml
