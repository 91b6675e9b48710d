#pragma once

// Comments added to a package: the marks in the main story (one pass, CommentAnchors.h), the
// comments part with its relationship and content type, created when the package has none.

#include "ooxml/Package.h"
#include "word/WordModel.h"

namespace tabulex::word::docx {

// Adds the comments; comments already in the package are kept. Returns how many comments found
// their place (a comment whose row or paragraph does not exist is left out). Throws text::Error
// when a part it reads does not parse.
int AddComments(ooxml::Package& package, const CommentSet& comments);

}  // namespace tabulex::word::docx
