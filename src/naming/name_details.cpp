#include "naming/name_details.h"

#include "core/error.h"
#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "numerology/score.h"

namespace lumeno::naming {

CandidateName SplitCandidateName(const std::string& item, const std::string& surname) {
  CandidateName n;
  const std::size_t paren = ByteFind(item, "(");
  n.full = paren == std::string::npos ? item : item.substr(0, paren);
  n.surname = Trim(ByteCopy(Trim(surname), 0, 20));
  n.given = ByteCopy(n.full, n.surname.size());
  return n;
}

CharacterNote LookupCharacterNote(const std::string& character) {
  CharacterNote note;
  note.character = character;
  try {
    const data::ResultSet r =
        data::RunQuery(data::DatabaseFile::Roruroz, "select top 1 pinyin,gloss from word where zi = " + QuotedSql(character));
    note.pinyin = r.First("pinyin").AsTrimmedText();
    note.gloss = r.First("gloss").AsTrimmedText();
  } catch (const data::DataError&) {
    // No notes: the character is still shown.
  }
  return note;
}

NameDetails DescribeName(const CandidateName& name) {
  NameDetails d;
  d.name = name;
  for (std::size_t pos = 0; pos < name.given.size();) {
    const std::size_t len = GbkCharLength(name.given, pos);
    d.characters.push_back(LookupCharacterNote(name.given.substr(pos, len)));
    pos += len;
  }
  numerology::StrokeCache cache;
  d.grids = numerology::ComputeFiveGrids(name.surname, name.given, &cache);
  d.talents = numerology::ThreeTalents(d.grids);
  try {
    d.score = numerology::NameScore(name.surname, name.given, d.grids, d.talents, &cache);
  } catch (const CommandCancelled&) {
  } catch (const data::DataError&) {
  }
  return d;
}

std::vector<std::string> NameDetailLines(const NameDetails& d) {
  std::vector<std::string> lines;
  for (const CharacterNote& c : d.characters) {
    std::string line = c.character;
    if (!c.pinyin.empty()) line += " " + c.pinyin;
    if (!c.gloss.empty()) line += "：" + c.gloss;
    lines.push_back(line);
  }
  lines.push_back(StrFormat("天格%d 人格%d 地格%d 总格%d 外格%d", d.grids.heaven, d.grids.person, d.grids.earth,
                            d.grids.total, d.grids.outer));
  std::string last = "三才" + d.talents;
  if (d.score) last += "　综合评分" + numerology::FormatScore(*d.score) + "分";
  lines.push_back(last);
  return lines;
}

}  // namespace lumeno::naming
