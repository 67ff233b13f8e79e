#pragma once
// The texts built into the fortune readings: the verdicts of the 81 number
// readings, the nine personality sketches, the seven divination pages and
// the article pictured in the boy-or-girl window. builtin_texts.cpp is
// written by tools/fortune_texts.py from the content files; an empty text
// marks content that has not been supplied yet.
namespace lumeno::fortune::texts {

extern const char* const kNumberVerdicts[81];
// Personality types 1-9 at [0] to [8].
extern const char* const kPersonalitySketches[9];
// Page 0 has twelve lines, pages 1 to 6 six lines (the rest stay empty).
extern const char* const kDivinationLines[7][12];
// Lines separated by "\n"; the first line is the heading.
extern const char* const kBoyOrGirlArticle;

}  // namespace lumeno::fortune::texts
