// pugixml's compact mode is chosen when the library is compiled and declared to its users by the
// same define; a library built in the other mode than its header declares links and runs, and only
// the memory of every tree shows it. The header tells its mode by whether a document moves without
// throwing (compact mode may allocate then); the library tells its mode by what a tree costs.

#include <pugixml.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <type_traits>

namespace {

std::size_t allocatedBytes = 0;

void* CountingAllocate(std::size_t size) {
    allocatedBytes += size;
    return std::malloc(size);
}

constexpr bool kHeaderDeclaresCompactMode = !std::is_nothrow_move_constructible_v<pugi::xml_document>;

// The bytes the library allocates for a tree of `elements` elements with one attribute and one text
// each, parsed in place as the main story is.
std::size_t TreeBytes(int elements) {
    std::string xml = "<root>";
    for (int i = 0; i < elements; ++i) xml += "<w:t a=\"1\">text</w:t>";
    xml += "</root>";
    const pugi::allocation_function allocate = pugi::get_memory_allocation_function();
    const pugi::deallocation_function deallocate = pugi::get_memory_deallocation_function();
    pugi::set_memory_management_functions(CountingAllocate, std::free);
    allocatedBytes = 0;
    std::size_t bytes = 0;
    {
        pugi::xml_document document;
        const bool parsed = document.load_buffer_inplace(xml.data(), xml.size(),
                                                         pugi::parse_default | pugi::parse_embed_pcdata);
        bytes = parsed ? allocatedBytes : 0;
    }
    pugi::set_memory_management_functions(allocate, deallocate);
    return bytes;
}

TEST(TreeModeTest, TheLibraryBuildsTreesInTheModeItsHeaderDeclares) {
    constexpr int kElements = 20000;
    const std::size_t perElement = TreeBytes(kElements) / kElements;
    ASSERT_GT(perElement, 0u) << "the tree did not parse";
    // An element with an attribute: about 20 bytes in compact mode, about 100 in the normal one.
    if (kHeaderDeclaresCompactMode)
        EXPECT_LT(perElement, 40u) << "the header declares compact mode, the library builds normal trees";
    else
        EXPECT_GE(perElement, 60u) << "the header declares the normal mode, the library builds compact trees";
}

}  // namespace
