#pragma once
// The article reader's look-up: one article of table Noter (VelBirth.dll),
// chosen by its code (a1, XM012, b13 ...).
#include <string>
#include <vector>

#include "core/pane.h"

namespace lumeno::fortune {

// The caption of an article window until, and unless, a title replaces it.
extern const char* const kArticleDefaultTitle;  // "算命"

// Reads the article `code`: no row clears `pane` and gives "算命"; a row
// appends its content (trimmed) to `pane`, one line per line of the text,
// and gives its title (trimmed). A failing query throws
// lumeno::CommandCancelled, so the command ends without a window.
std::string LoadArticle(const std::string& code, lumeno::Pane& pane);

// A text split at its line breaks (CR LF, LF or CR).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace lumeno::fortune
