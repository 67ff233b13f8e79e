// What the character table knows of each character of a text: its stroke
// count (as the name analysis looks it up), its element (as the element
// window looks it up), its reading with tone, its gloss and its candidate
// flags for name generation.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/gbk.h"
#include "core/text.h"
#include "data/database.h"
#include "data/query.h"
#include "fortune/element.h"
#include "numerology/grids.h"

namespace {

using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace data = lumeno::data;

// The row of a character: by zi first, as every look-up of the program
// does, else by ft (a traditional form such as 張).
data::ResultSet CharacterRow(const std::string& ch) {
  const char* columns = "select pinyin,gloss,nan,nv,xb,px,Aflag from word where ";
  data::ResultSet r = data::RunQuery(data::DatabaseFile::Roruroz, columns + std::string("zi = '") + ch + "'");
  if (r.IsEmpty()) r = data::RunQuery(data::DatabaseFile::Roruroz, columns + std::string("ft = '") + ch + "'");
  return r;
}

std::string ElementOf(const std::string& ch) {
  data::ResultSet r = data::RunQuery(data::DatabaseFile::Roruroz, lumeno::fortune::ElementQuerySql(ch));
  return r.RecordCount() > 0 ? r.First(0).AsTrimmedText() : std::string();
}

int Char(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  std::string all;
  for (const std::string& text : args.positional) all += text;
  if (lumeno::Trim(all).empty()) throw UsageError("give the text whose characters to show");
  lumeno::numerology::StrokeCache cache;
  int status = 0;
  for (const std::string& text : args.positional) {
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t len = lumeno::GbkCharLength(text, pos);
      const std::string ch = text.substr(pos, len);
      pos += len;
      if (len != 2) {  // a single byte, or a lead byte without its pair
        if (!lumeno::Trim(ch).empty()) ctx.ErrorLine("'" + ch + "' is not a Chinese character: skipped");
        status = 1;
        continue;
      }
      data::ResultSet row = CharacterRow(ch);
      if (row.IsEmpty()) {
        ctx.ErrorLine(ch + ": not in the character table");
        status = 1;
        continue;
      }
      // A row with a null Aflag is a name candidate; the flags are printed
      // as stored either way (0 for a character that suits no name).
      std::vector<std::string> fields = {ch,
                                         std::to_string(lumeno::numerology::LookupStroke(ch, &cache)),
                                         ElementOf(ch),
                                         row.First("pinyin").AsTrimmedText(),
                                         row.First("gloss").AsTrimmedText(),
                                         row.First("nan").AsText(),
                                         row.First("nv").AsText(),
                                         row.First("xb").AsTrimmedText(),
                                         row.First("px").AsText()};
      std::string line;
      for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
      ctx.Line(line);
    }
  }
  return status;
}

}  // namespace

LUMENO_CLI_COMMAND("char", "TEXT...",
                   "strokes, element, reading, gloss and naming flags (nan nv xb px) of each character, tab-separated",
                   Char, lumeno::cli::kNeedsRoruroz);
