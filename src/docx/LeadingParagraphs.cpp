#include "docx/LeadingParagraphs.h"

#include "docx/Ooxml.h"
#include "docx/StoryText.h"
#include "ooxml/CanonicalPrefixes.h"
#include "ooxml/KnownNamespaces.h"
#include "ooxml/NestingLimit.h"

#include <expat.h>

namespace tabulex::word::docx {
namespace {

// The fragment begins after a table's end tag, perhaps with the end tags of the wrappers around it.
std::string_view WithoutLeadingEndTags(std::string_view fragment) {
    for (;;) {
        const std::size_t lead = fragment.find_first_not_of(" \t\r\n");
        if (lead == std::string_view::npos || fragment.compare(lead, 2, "</") != 0) return fragment;
        const std::size_t close = fragment.find('>', lead);
        if (close == std::string_view::npos) return {};
        fragment.remove_prefix(close + 1);
    }
}

std::string Wrapped(std::string_view declarations, std::string_view content) {
    std::string wrapped = "<f";
    wrapped += declarations;
    wrapped += '>';
    wrapped += content;
    wrapped += "</f>";
    return wrapped;
}

// How many bytes of the fragment its complete top-level elements take: a fragment cut inside an
// element, or broken there, is read up to that element.
class CompleteElements {
  public:
    std::size_t Length(std::string_view fragment, std::string_view declarations) {
        const std::string wrapped = Wrapped(declarations, fragment);
        start_ = wrapped.size() - fragment.size() - 4;
        parser_ = XML_ParserCreateNS(nullptr, ooxml::namespaces::kExpatSeparator);
        if (!parser_) return 0;
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, OnStart, OnEnd);
        XML_Parse(parser_, wrapped.data(), static_cast<int>(wrapped.size()), XML_TRUE);
        XML_ParserFree(parser_);
        return std::min(complete_, fragment.size());
    }

  private:
    static void XMLCALL OnStart(void* self, const XML_Char*, const XML_Char**) {
        ++static_cast<CompleteElements*>(self)->depth_;
    }
    static void XMLCALL OnEnd(void* self, const XML_Char*) {
        auto& me = *static_cast<CompleteElements*>(self);
        if (--me.depth_ != 1) return;
        const auto end = static_cast<std::size_t>(XML_GetCurrentByteIndex(me.parser_) +
                                                  XML_GetCurrentByteCount(me.parser_));
        me.complete_ = end - me.start_;
    }

    XML_Parser parser_ = nullptr;
    std::size_t start_ = 0;
    std::size_t complete_ = 0;
    int depth_ = 0;
};

class ParagraphTexts {
  public:
    explicit ParagraphTexts(std::size_t max) : max_(max) {}

    // False once a table or the last paragraph wanted is reached.
    bool Collect(pugi::xml_node container) {
        for (pugi::xml_node child : container.children()) {
            const structure::StructureKind kind = structure::KindOf(child.name());
            if (kind == structure::StructureKind::Table) return false;
            if (kind == structure::StructureKind::Paragraph) {
                std::string text;
                AppendParagraphText(child, fields_, text);
                texts_.push_back(std::move(text));
                if (texts_.size() >= max_) return false;
            } else if (pugi::xml_node inner = WrapperContent(child)) {
                if (!Collect(inner)) return false;
            }
        }
        return true;
    }

    std::vector<std::string> Take() { return std::move(texts_); }

  private:
    std::size_t max_;
    FieldState fields_;
    std::vector<std::string> texts_;
};

}  // namespace

namespace {

// The paragraphs of one stretch of complete elements go to `texts`; false once a table or the last
// paragraph wanted is reached, or when the stretch names nothing of WordprocessingML.
bool CollectStretch(std::string_view stretch, std::string_view declarations, ParagraphTexts& texts) {
    const std::string xml = Wrapped(declarations, stretch);
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single))
        return false;
    if (!ooxml::NestingWithinLimit(document)) return false;
    ooxml::UseCanonicalPrefixes(document);
    // As in the main story: a "w" bound to another namespace names nothing of WordprocessingML.
    const pugi::xml_node root = document.document_element();
    const pugi::xml_attribute binding = root.attribute("xmlns:w");
    if (binding && !ooxml::namespaces::IsUsualPrefix("w", binding.value())) return false;
    return texts.Collect(root);
}

}  // namespace

std::vector<std::string> LeadingParagraphTexts(std::string_view fragment, std::string_view declarations,
                                               std::size_t maxParagraphs) {
    if (maxParagraphs == 0) return {};
    ParagraphTexts texts(maxParagraphs);
    // A table standing in content controls or custom XML is followed by the rest of each wrapper and
    // its end tag: the body's paragraphs go on after it, as every reader of the story counts them.
    for (;;) {
        fragment = WithoutLeadingEndTags(fragment);
        const std::size_t complete = CompleteElements().Length(fragment, declarations);
        if (complete == 0 || !CollectStretch(fragment.substr(0, complete), declarations, texts)) break;
        fragment.remove_prefix(complete);
    }
    return texts.Take();
}

}  // namespace tabulex::word::docx
