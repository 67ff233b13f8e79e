#pragma once
// Report texts as files: the suggested file name of a saved report, and the
// conversion between a pane's GBK lines and the bytes of a text file.
#include <string>
#include <string_view>
#include <vector>

namespace lumeno::app {

// The name suggested when a report is saved: surname + given name, trimmed;
// empty when both are empty. Where any byte of the raw GBK text is one of
// * / < > ? \ | (the second byte of a double-byte character counts too), the
// suggestion is "*.txt" instead.
std::string SuggestedReportName(const std::string& surname, const std::string& given);

// The file a save writes: the chosen name with ".txt" appended, always.
std::string SavedReportPath(const std::string& chosen);

// Every line followed by CR LF.
std::string JoinReportLines(const std::vector<std::string>& lines);

// The lines of a text file: CR LF, LF and CR each end a line; a line end at
// the very end adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The lines of a record opened into a pane, as GBK text: a file that is
// valid UTF-8, with or without a byte-order mark, is read as UTF-8 (a
// character GBK lacks becomes '?'); anything else is read as GBK. Plain
// ASCII reads the same either way.
std::vector<std::string> RecordLines(std::string_view bytes);

}  // namespace lumeno::app
