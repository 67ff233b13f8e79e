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

}  // namespace lumeno::app
