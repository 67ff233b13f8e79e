// Translation of the Jet SQL dialect of the reference queries into SQLite.
//
// The dialect: select lists with aliases and *, top N (also inside derived
// tables), from with tables (numeric names such as 81 included), derived
// tables in parentheses with an alias, comma joins, where with and, or, not,
// comparisons, like, is [not] null, parentheses, order by asc/desc, union
// [all], number, string and #date# literals, and '+', which concatenates two
// texts and adds numbers.
//
// Jet semantics kept on SQLite:
//  * text comparison and like ignore ASCII case (COLLATE NOCASE; SQLite's
//    like already does);
//  * top N with an order by returns the rows tied with the Nth as well;
//  * comparing a column with a literal of another type is a type mismatch;
//  * order by on text sorts by the GBK bytes (the program's text order).
#include "data/jet_sql.h"

#include <charconv>

#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "core/date.h"
#include "core/gbk.h"
#include "data/database.h"
#include "data/schema.h"

namespace lumeno::data {
namespace {

// ------------------------------------------------------------------ lexer

enum class Tok { End, Ident, Number, String, Date, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier / number / string body / date body / symbol
  bool bracketed = false;
};

bool IsIdentStart(unsigned char c) { return std::isalpha(c) || c == '_'; }
bool IsIdentChar(unsigned char c) { return std::isalnum(c) || c == '_'; }

std::vector<Token> Lex(std::string_view s) {
  std::vector<Token> out;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (std::isspace(c)) {
      ++i;
      continue;
    }
    Token t;
    if (c == '\'') {
      t.kind = Tok::String;
      ++i;
      bool closed = false;
      while (i < s.size()) {
        if (s[i] == '\'') {
          if (i + 1 < s.size() && s[i + 1] == '\'') {
            t.text += '\'';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        t.text += s[i++];
      }
      if (!closed) throw DataError("syntax error: unterminated text literal");
    } else if (c == '#') {
      t.kind = Tok::Date;
      std::size_t end = s.find('#', i + 1);
      if (end == std::string_view::npos) throw DataError("syntax error: unterminated date literal");
      t.text = std::string(s.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (c == '[') {
      std::size_t end = s.find(']', i + 1);
      if (end == std::string_view::npos || end == i + 1) throw DataError("syntax error: bad bracketed name");
      t.kind = Tok::Ident;
      t.bracketed = true;
      t.text = std::string(s.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (std::isdigit(c) || (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
      std::size_t b = i;
      while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
      if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
      }
      if (i < s.size() && IsIdentStart(static_cast<unsigned char>(s[i])))
        throw DataError("syntax error near '" + std::string(s.substr(b, i - b + 1)) + "'");
      t.kind = Tok::Number;
      t.text = std::string(s.substr(b, i - b));
    } else if (IsIdentStart(c)) {
      std::size_t b = i;
      while (i < s.size() && IsIdentChar(static_cast<unsigned char>(s[i]))) ++i;
      t.kind = Tok::Ident;
      t.text = std::string(s.substr(b, i - b));
    } else {
      static const char* kTwo[] = {"<>", "<=", ">="};
      t.kind = Tok::Symbol;
      for (const char* two : kTwo) {
        if (s.substr(i, 2) == two) t.text = two;
      }
      if (t.text.empty()) {
        if (!std::strchr("=<>+-*/(),.;&", static_cast<char>(c)))
          throw DataError("syntax error: unexpected character '" + std::string(1, static_cast<char>(c)) + "'");
        t.text = std::string(1, static_cast<char>(c));
      }
      i += t.text.size();
    }
    out.push_back(std::move(t));
  }
  out.push_back(Token{});
  return out;
}

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

const char* const kReserved[] = {"select", "top",  "from",  "where", "and",  "or",  "not", "like",
                                 "is",     "null", "order", "by",    "asc",  "desc", "union", "all",
                                 "as",     "distinct", "between", "in", "having", "group"};

bool IsReserved(const Token& t) {
  if (t.kind != Tok::Ident || t.bracketed) return false;
  for (const char* r : kReserved)
    if (SameWord(t.text, r)) return true;
  return false;
}

// ------------------------------------------------------------------ syntax tree

// The type of an expression as far as it is known; Any when it is not.
using Type = ColumnType;

struct Expr {
  enum class Kind { Column, Number, String, Date, Binary, Not, Negate, Like, IsNull };
  Kind kind;
  std::string qualifier;  // Column: table alias or ""
  std::string name;       // Column name; literal text; operator
  std::unique_ptr<Expr> left, right;
  bool negated = false;  // not like / is not null
  Type type = Type::Any;
  int height = 1;  // of the tree below and including this node
};
using ExprPtr = std::unique_ptr<Expr>;

// Jet refuses a query that is too complex; so does the translator, before a
// deep tree could exhaust the stack of the parser, the checker or the
// printer (found by fuzzing: a few thousand '-' signs in a row).
constexpr int kMaxNesting = 64;       // nested parentheses, not, signs, selects
constexpr int kMaxExprHeight = 128;   // operators chained in one expression

struct SelectItem {
  ExprPtr expr;         // null for * and alias.*
  std::string starOf;   // alias for alias.*, "" for plain *
  std::string alias;
};

struct Compound;

struct FromItem {
  std::string table;  // base table (schema name)
  std::unique_ptr<Compound> derived;
  std::string alias;
};

struct OrderKey {
  ExprPtr expr;
  bool desc = false;
};

struct SelectCore {
  std::optional<long long> top;
  bool distinct = false;
  std::vector<SelectItem> items;
  std::vector<FromItem> from;
  ExprPtr where;
  std::vector<OrderKey> order;
};

struct Compound {
  std::vector<SelectCore> members;
  std::vector<bool> unionAll;  // before members[1..]
  std::vector<OrderKey> order;
};

// ------------------------------------------------------------------ parser

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) {}

  std::unique_ptr<Compound> ParseStatement() {
    auto c = ParseCompound();
    if (IsSymbol(";")) ++p_;
    if (t_[p_].kind != Tok::End) Fail("unexpected text after the end of the query");
    return c;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    std::string near = t_[p_].kind == Tok::End ? std::string("end of text") : "'" + t_[p_].text + "'";
    throw DataError("syntax error in query: " + what + " (near " + near + ")");
  }
  bool IsWord(const char* w) const {
    return t_[p_].kind == Tok::Ident && !t_[p_].bracketed && SameWord(t_[p_].text, w);
  }
  bool IsSymbol(const char* s) const { return t_[p_].kind == Tok::Symbol && t_[p_].text == s; }
  bool AcceptWord(const char* w) {
    if (!IsWord(w)) return false;
    ++p_;
    return true;
  }
  bool AcceptSymbol(const char* s) {
    if (!IsSymbol(s)) return false;
    ++p_;
    return true;
  }
  void ExpectWord(const char* w) {
    if (!AcceptWord(w)) Fail(std::string("expected ") + w);
  }
  void ExpectSymbol(const char* s) {
    if (!AcceptSymbol(s)) Fail(std::string("expected '") + s + "'");
  }
  std::string ExpectName(const char* what) {
    const Token& t = t_[p_];
    if (t.kind != Tok::Ident || IsReserved(t)) Fail(std::string("expected ") + what);
    ++p_;
    return t.text;
  }

  std::unique_ptr<Compound> ParseCompound() {
    Nested level(*this);
    auto c = std::make_unique<Compound>();
    c->members.push_back(ParseSelectCore());
    while (AcceptWord("union")) {
      c->unionAll.push_back(AcceptWord("all"));
      c->members.push_back(ParseSelectCore());
    }
    if (AcceptWord("order")) {
      ExpectWord("by");
      c->order = ParseOrderList();
    }
    // A single select owns its order by (it matters for its top N).
    if (c->members.size() == 1 && !c->order.empty()) c->members[0].order = std::move(c->order), c->order.clear();
    return c;
  }

  SelectCore ParseSelectCore() {
    SelectCore s;
    if (AcceptSymbol("(")) {
      // A parenthesised select as a member of a union.
      auto inner = ParseCompound();
      ExpectSymbol(")");
      if (inner->members.size() != 1) Fail("nested union in parentheses");
      return std::move(inner->members[0]);
    }
    ExpectWord("select");
    if (AcceptWord("distinct")) s.distinct = true;
    if (AcceptWord("top")) {
      if (t_[p_].kind != Tok::Number || t_[p_].text.find('.') != std::string::npos) Fail("top needs a whole number");
      // Digits only, within the range of the row count; a longer number
      // fails like any other text outside the dialect.
      const std::string& digits = t_[p_].text;
      long long n = 0;
      const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
      if (ec != std::errc() || end != digits.data() + digits.size() || n < 0) Fail("top needs a whole number within range");
      s.top = n;
      ++p_;
    }
    do {
      s.items.push_back(ParseSelectItem());
    } while (AcceptSymbol(","));
    if (AcceptWord("from")) {
      do {
        s.from.push_back(ParseFromItem());
      } while (AcceptSymbol(","));
    }
    if (AcceptWord("where")) s.where = ParseExpr();
    return s;
  }

  SelectItem ParseSelectItem() {
    SelectItem item;
    if (AcceptSymbol("*")) return item;
    // alias.*
    if (t_[p_].kind == Tok::Ident && !IsReserved(t_[p_]) && t_[p_ + 1].kind == Tok::Symbol && t_[p_ + 1].text == "." &&
        t_[p_ + 2].kind == Tok::Symbol && t_[p_ + 2].text == "*") {
      item.starOf = t_[p_].text;
      p_ += 3;
      return item;
    }
    item.expr = ParseExpr();
    if (AcceptWord("as")) {
      item.alias = ExpectName("a column alias");
    } else if (t_[p_].kind == Tok::Ident && !IsReserved(t_[p_])) {
      item.alias = t_[p_++].text;
    }
    return item;
  }

  FromItem ParseFromItem() {
    FromItem f;
    if (AcceptSymbol("(")) {
      f.derived = ParseCompound();
      ExpectSymbol(")");
      AcceptWord("as");
      f.alias = ExpectName("an alias for the derived table");
      return f;
    }
    const Token& t = t_[p_];
    if (t.kind == Tok::Number) {
      f.table = t.text;  // tables may be named by a number, such as 81
      ++p_;
    } else {
      f.table = ExpectName("a table name");
    }
    if (AcceptWord("as")) {
      f.alias = ExpectName("a table alias");
    } else if (t_[p_].kind == Tok::Ident && !IsReserved(t_[p_])) {
      f.alias = t_[p_++].text;
    }
    return f;
  }

  std::vector<OrderKey> ParseOrderList() {
    std::vector<OrderKey> keys;
    do {
      OrderKey k;
      k.expr = ParseExpr();
      if (AcceptWord("desc")) k.desc = true;
      else AcceptWord("asc");
      keys.push_back(std::move(k));
    } while (AcceptSymbol(","));
    return keys;
  }

  static ExprPtr Make(Expr::Kind kind, std::string name = {}) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    e->name = std::move(name);
    return e;
  }
  ExprPtr Binary(std::string op, ExprPtr l, ExprPtr r) {
    auto e = Make(Expr::Kind::Binary, std::move(op));
    e->left = std::move(l);
    e->right = std::move(r);
    return Sized(std::move(e));
  }
  // Sets the node's height from its operands; a tree too high fails.
  ExprPtr Sized(ExprPtr e) {
    e->height = 1 + std::max(e->left ? e->left->height : 0, e->right ? e->right->height : 0);
    if (e->height > kMaxExprHeight) Fail("the query is too complex");
    return e;
  }
  // Counts one level of recursive descent for its scope.
  class Nested {
   public:
    explicit Nested(Parser& p) : p_(p) {
      if (++p_.depth_ > kMaxNesting) p_.Fail("the query is nested too deeply");
    }
    ~Nested() { --p_.depth_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

   private:
    Parser& p_;
  };

  ExprPtr ParseExpr() {
    Nested level(*this);
    return ParseOr();
  }
  ExprPtr ParseOr() {
    auto l = ParseAnd();
    while (AcceptWord("or")) l = Binary("OR", std::move(l), ParseAnd());
    return l;
  }
  ExprPtr ParseAnd() {
    auto l = ParseNot();
    while (AcceptWord("and")) l = Binary("AND", std::move(l), ParseNot());
    return l;
  }
  ExprPtr ParseNot() {
    if (AcceptWord("not")) {
      Nested level(*this);
      auto e = Make(Expr::Kind::Not);
      e->left = ParseNot();
      return Sized(std::move(e));
    }
    return ParseComparison();
  }
  ExprPtr ParseComparison() {
    auto l = ParseAdditive();
    static const char* kOps[] = {"=", "<>", "<", ">", "<=", ">="};
    for (const char* op : kOps) {
      if (AcceptSymbol(op)) return Binary(op, std::move(l), ParseAdditive());
    }
    bool negated = false;
    if (IsWord("not") && t_[p_ + 1].kind == Tok::Ident && SameWord(t_[p_ + 1].text, "like")) {
      ++p_;
      negated = true;
    }
    if (AcceptWord("like")) {
      auto e = Make(Expr::Kind::Like);
      e->negated = negated;
      e->left = std::move(l);
      e->right = ParseAdditive();
      return Sized(std::move(e));
    }
    if (AcceptWord("is")) {
      auto e = Make(Expr::Kind::IsNull);
      e->negated = AcceptWord("not");
      ExpectWord("null");
      e->left = std::move(l);
      return Sized(std::move(e));
    }
    return l;
  }
  ExprPtr ParseAdditive() {
    auto l = ParseMultiplicative();
    for (;;) {
      if (AcceptSymbol("+")) l = Binary("+", std::move(l), ParseMultiplicative());
      else if (AcceptSymbol("-")) l = Binary("-", std::move(l), ParseMultiplicative());
      else if (AcceptSymbol("&")) l = Binary("&", std::move(l), ParseMultiplicative());
      else return l;
    }
  }
  ExprPtr ParseMultiplicative() {
    auto l = ParseUnary();
    for (;;) {
      if (AcceptSymbol("*")) l = Binary("*", std::move(l), ParseUnary());
      else if (AcceptSymbol("/")) l = Binary("/", std::move(l), ParseUnary());
      else return l;
    }
  }
  ExprPtr ParseUnary() {
    if (AcceptSymbol("-")) {
      Nested level(*this);
      auto e = Make(Expr::Kind::Negate);
      e->left = ParseUnary();
      return Sized(std::move(e));
    }
    return ParsePrimary();
  }
  ExprPtr ParsePrimary() {
    const Token& t = t_[p_];
    switch (t.kind) {
      case Tok::Number: ++p_; return Make(Expr::Kind::Number, t.text);
      case Tok::String: ++p_; return Make(Expr::Kind::String, t.text);
      case Tok::Date: ++p_; return Make(Expr::Kind::Date, t.text);
      case Tok::Symbol:
        if (AcceptSymbol("(")) {
          auto e = ParseExpr();
          ExpectSymbol(")");
          return e;
        }
        Fail("expected an expression");
      case Tok::Ident: {
        if (IsWord("null")) Fail("null is only allowed after 'is'");
        std::string first = ExpectName("a column name");
        auto e = Make(Expr::Kind::Column);
        if (AcceptSymbol(".")) {
          e->qualifier = first;
          e->name = ExpectName("a column name");
        } else {
          e->name = first;
        }
        if (IsSymbol("(")) Fail("functions are not part of this dialect");
        return e;
      }
      case Tok::End: Fail("unexpected end of the query");
    }
    Fail("expected an expression");
  }

  std::vector<Token> t_;
  std::size_t p_ = 0;
  int depth_ = 0;
};

// ------------------------------------------------------------------ names and types

struct OutColumn {
  std::string name;
  Type type;
};

struct Source {
  std::string alias;  // name the query refers to it by
  std::vector<OutColumn> columns;
};

bool IsTextual(Type t) { return t == Type::Text; }
bool IsNumeric(Type t) { return t == Type::Integer || t == Type::Real; }

std::string QuoteName(std::string_view name) { return "[" + std::string(name) + "]"; }

std::string QuoteText(std::string_view s) {
  std::string out = "'";
  for (char c : s) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

class Printer {
 public:
  std::string Statement(Compound& c) { return PrintCompound(c, nullptr); }

 private:
  // Output columns of a compound (those of its first member).
  std::vector<OutColumn> PrintMembersColumns(SelectCore& s, const std::vector<Source>& sources) {
    std::vector<OutColumn> cols;
    int exprNo = 1000;
    for (SelectItem& item : s.items) {
      if (!item.expr) {
        bool found = item.starOf.empty();
        for (const Source& src : sources) {
          if (!item.starOf.empty() && !SameWord(src.alias, item.starOf)) continue;
          found = true;
          cols.insert(cols.end(), src.columns.begin(), src.columns.end());
        }
        if (!found) throw DataError("unknown table alias '" + item.starOf + "' in the select list");
        continue;
      }
      std::string name = item.alias;
      if (name.empty()) name = item.expr->kind == Expr::Kind::Column ? item.expr->name : "Expr" + std::to_string(exprNo++);
      cols.push_back({name, item.expr->type});
    }
    return cols;
  }

  std::string PrintCompound(Compound& c, std::vector<OutColumn>* outColumns) {
    std::vector<std::string> parts;
    std::vector<OutColumn> firstColumns;
    for (std::size_t i = 0; i < c.members.size(); ++i) {
      std::vector<OutColumn> cols;
      std::string sql = PrintSelect(c.members[i], cols, c.members.size() > 1);
      if (i == 0) firstColumns = cols;
      else if (cols.size() != firstColumns.size())
        throw DataError("the selects of a union have different numbers of columns");
      parts.push_back(std::move(sql));
    }
    std::string sql = parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i) sql += (c.unionAll[i - 1] ? " UNION ALL " : " UNION ") + parts[i];
    if (!c.order.empty()) {
      sql += " ORDER BY ";
      for (std::size_t i = 0; i < c.order.size(); ++i) {
        const Expr& e = *c.order[i].expr;
        if (e.kind != Expr::Kind::Column || !e.qualifier.empty())
          throw DataError("order by of a union must name a result column");
        const OutColumn* col = nullptr;
        for (const OutColumn& oc : firstColumns)
          if (SameWord(oc.name, e.name)) col = &oc;
        if (!col) throw DataError("unknown column '" + e.name + "' in order by");
        if (i) sql += ", ";
        sql += QuoteName(col->name) + " COLLATE JETTEXT" + (c.order[i].desc ? " DESC" : "");
      }
    }
    if (outColumns) *outColumns = firstColumns;
    return sql;
  }

  std::string PrintSelect(SelectCore& s, std::vector<OutColumn>& columns, bool inUnion) {
    // Sources first: their columns are what the expressions refer to.
    std::vector<Source> sources;
    std::vector<std::string> fromSql;
    for (FromItem& f : s.from) {
      Source src;
      if (f.derived) {
        std::string inner = PrintCompound(*f.derived, &src.columns);
        src.alias = f.alias;
        // A derived table joined with others is read once into a table of
        // its own (a subquery with a limit is never merged into a join),
        // instead of being looked up again in the base table for every
        // record of the other side.
        if (s.from.size() > 1) inner = "SELECT * FROM (" + inner + ") LIMIT -1";
        fromSql.push_back("(" + inner + ") AS " + QuoteName(f.alias));
      } else {
        const TableDef* table = FindTable(f.table);
        if (!table) throw DataError("the table '" + f.table + "' does not exist");
        for (const ColumnDef& col : table->columns) src.columns.push_back({std::string(col.name), col.type});
        src.alias = f.alias.empty() ? std::string(table->name) : f.alias;
        fromSql.push_back(QuoteName(table->name) + (f.alias.empty() ? "" : " AS " + QuoteName(f.alias)));
      }
      sources.push_back(std::move(src));
    }
    sources_ = &sources;

    std::vector<std::string> itemSql;
    int exprNo = 1000;
    for (SelectItem& item : s.items) {
      if (!item.expr) {
        itemSql.push_back(item.starOf.empty() ? "*" : QuoteName(item.starOf) + ".*");
        continue;
      }
      std::string e = PrintExpr(*item.expr);
      // Unnamed expressions are named Expr1000, Expr1001, ... as in Jet.
      std::string name = !item.alias.empty() ? item.alias
                         : item.expr->kind == Expr::Kind::Column ? item.expr->name
                                                                 : "Expr" + std::to_string(exprNo++);
      itemSql.push_back(e + " AS " + QuoteName(name));
    }
    columns = PrintMembersColumns(s, sources);
    if (s.items.size() == 1 && !s.items[0].expr && s.items[0].starOf.empty() && sources.empty())
      throw DataError("select * needs a from clause");

    std::string where = s.where ? PrintExpr(*s.where) : std::string();
    std::vector<std::string> orderSql;
    for (OrderKey& k : s.order) {
      std::string e = PrintOrderKey(*k.expr, s);
      orderSql.push_back(e + " COLLATE JETTEXT" + (k.desc ? " DESC" : ""));
    }
    sources_ = nullptr;

    auto join = [](const std::vector<std::string>& v, const char* sep) {
      std::string out;
      for (std::size_t i = 0; i < v.size(); ++i) out += (i ? sep : "") + v[i];
      return out;
    };
    std::string body = join(itemSql, ", ");
    std::string tail;
    if (!fromSql.empty()) tail += " FROM " + join(fromSql, ", ");
    if (!where.empty()) tail += " WHERE " + where;
    std::string distinct = s.distinct ? "DISTINCT " : "";

    std::string sql;
    if (s.top && !orderSql.empty()) {
      // top N with an order returns the rows tied with the Nth too: rank
      // the rows by the order and keep those ranked N or better.
      std::string names;
      for (std::size_t i = 0; i < columns.size(); ++i) names += (i ? ", " : "") + QuoteName(columns[i].name);
      sql = "SELECT " + names + " FROM (SELECT " + distinct + body + ", RANK() OVER (ORDER BY " + join(orderSql, ", ") +
            ") AS [__rank]" + tail + ") WHERE [__rank] <= " + std::to_string(*s.top) + " ORDER BY [__rank]";
    } else {
      sql = "SELECT " + distinct + body + tail;
      if (!orderSql.empty()) sql += " ORDER BY " + join(orderSql, ", ");
      if (s.top) sql += " LIMIT " + std::to_string(*s.top);
    }
    // A member of a union with its own order or limit needs its own select.
    if (inUnion && (s.top || !orderSql.empty())) sql = "SELECT * FROM (" + sql + ")";
    return sql;
  }

  // An order key may name a select-list alias; it then stands for the
  // aliased expression, printed again in place.
  std::string PrintOrderKey(Expr& e, SelectCore& s) {
    if (e.kind == Expr::Kind::Column && e.qualifier.empty() && !FindSourceColumn(e)) {
      for (SelectItem& item : s.items)
        if (item.expr && !item.alias.empty() && SameWord(item.alias, e.name)) return PrintExpr(*item.expr);
    }
    return PrintExpr(e);
  }

  const OutColumn* FindSourceColumn(const Expr& e) const {
    for (const Source& src : *sources_) {
      if (!e.qualifier.empty() && !SameWord(src.alias, e.qualifier)) continue;
      for (const OutColumn& c : src.columns)
        if (SameWord(c.name, e.name)) return &c;
    }
    return nullptr;
  }

  static void CheckComparable(const Expr& column, const Expr& literal) {
    if (column.kind != Expr::Kind::Column) return;
    Type ct = column.type;
    bool mismatch = false;
    switch (literal.kind) {
      case Expr::Kind::String: mismatch = IsNumeric(ct) || ct == Type::Date; break;
      case Expr::Kind::Number: mismatch = IsTextual(ct) || ct == Type::Date; break;
      case Expr::Kind::Date: mismatch = IsTextual(ct) || IsNumeric(ct); break;
      default: break;
    }
    if (mismatch) throw DataError("data type mismatch in criteria expression (column " + column.name + ")");
  }

  std::string PrintExpr(Expr& e) {
    switch (e.kind) {
      case Expr::Kind::Column: {
        if (!e.qualifier.empty()) {
          bool aliasKnown = false;
          for (const Source& src : *sources_)
            if (SameWord(src.alias, e.qualifier)) aliasKnown = true;
          if (!aliasKnown) throw DataError("unknown table or alias '" + e.qualifier + "'");
        }
        const OutColumn* col = FindSourceColumn(e);
        if (!col) throw DataError("unknown column '" + (e.qualifier.empty() ? "" : e.qualifier + ".") + e.name + "'");
        e.type = col->type;
        return (e.qualifier.empty() ? "" : QuoteName(e.qualifier) + ".") + QuoteName(col->name);
      }
      case Expr::Kind::Number:
        e.type = e.name.find('.') == std::string::npos ? Type::Integer : Type::Real;
        return e.name;
      case Expr::Kind::String: e.type = Type::Text; return QuoteText(e.name);
      case Expr::Kind::Date: {
        auto d = TryParseDate(e.name);
        if (!d) throw DataError("'#" + e.name + "#' is not a valid date literal");
        e.type = Type::Date;
        return "'" + FormatDate(*d) + "'";
      }
      case Expr::Kind::Not: return "(NOT " + PrintExpr(*e.left) + ")";
      case Expr::Kind::Negate: {
        std::string inner = PrintExpr(*e.left);
        e.type = e.left->type;
        return "(-" + inner + ")";
      }
      case Expr::Kind::IsNull:
        return "(" + PrintExpr(*e.left) + (e.negated ? " IS NOT NULL)" : " IS NULL)");
      case Expr::Kind::Like: {
        std::string l = PrintExpr(*e.left);
        std::string r = PrintExpr(*e.right);
        return "(" + l + (e.negated ? " NOT LIKE " : " LIKE ") + r + ")";
      }
      case Expr::Kind::Binary: break;
    }
    std::string l = PrintExpr(*e.left);
    std::string r = PrintExpr(*e.right);
    Type lt = e.left->type, rt = e.right->type;
    const std::string& op = e.name;
    if (op == "AND" || op == "OR") return "(" + l + " " + op + " " + r + ")";
    if (op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=") {
      CheckComparable(*e.left, *e.right);
      CheckComparable(*e.right, *e.left);
      bool numericOnly = (IsNumeric(lt) || lt == Type::Date) && (IsNumeric(rt) || rt == Type::Date);
      return "(" + l + " " + op + " " + r + (numericOnly ? "" : " COLLATE NOCASE") + ")";
    }
    if (op == "+") {
      if (IsNumeric(lt) && IsNumeric(rt)) {
        e.type = lt == Type::Real || rt == Type::Real ? Type::Real : Type::Integer;
        return "(" + l + " + " + r + ")";
      }
      if (IsTextual(lt) && IsTextual(rt)) {
        e.type = Type::Text;
        return "(" + l + " || " + r + ")";
      }
      e.type = Type::Any;
      return "jet_add(" + l + ", " + r + ")";
    }
    if (op == "&") {
      e.type = Type::Text;
      return "(COALESCE(" + l + ", '') || COALESCE(" + r + ", ''))";
    }
    e.type = lt == Type::Integer && rt == Type::Integer && op != "/" ? Type::Integer : Type::Real;
    if (op == "/") return "(" + l + " * 1.0 / " + r + ")";
    return "(" + l + " " + op + " " + r + ")";
  }

  const std::vector<Source>* sources_ = nullptr;
};

// ------------------------------------------------------------------ functions

bool LooksNumeric(const unsigned char* text, double& value) {
  if (!text) return false;
  const char* s = reinterpret_cast<const char*>(text);
  while (*s == ' ') ++s;
  if (!*s) return false;
  char* end = nullptr;
  value = std::strtod(s, &end);
  while (*end == ' ') ++end;
  return *end == '\0';
}

// Jet's '+': two texts concatenate, numbers add, a text that reads as a
// number adds to a number, null gives null, anything else is a type mismatch.
void JetAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int ta = sqlite3_value_type(argv[0]);
  int tb = sqlite3_value_type(argv[1]);
  if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB;
  bool textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
  if (textA && textB) {
    std::string s(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                  static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
    s.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])),
             static_cast<std::size_t>(sqlite3_value_bytes(argv[1])));
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    return;
  }
  if (ta == SQLITE_INTEGER && tb == SQLITE_INTEGER) {
    sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) + sqlite3_value_int64(argv[1]));
    return;
  }
  double a = 0, b = 0;
  bool okA = textA ? LooksNumeric(sqlite3_value_text(argv[0]), a) : (a = sqlite3_value_double(argv[0]), true);
  bool okB = textB ? LooksNumeric(sqlite3_value_text(argv[1]), b) : (b = sqlite3_value_double(argv[1]), true);
  if (!okA || !okB) {
    sqlite3_result_error(ctx, "type mismatch in '+'", -1);
    return;
  }
  double sum = a + b;
  if (sum == static_cast<double>(static_cast<long long>(sum)) && std::abs(sum) < 9e15)
    sqlite3_result_int64(ctx, static_cast<long long>(sum));
  else
    sqlite3_result_double(ctx, sum);
}

// Text order of the program: GBK byte order, ASCII case ignored.
int JetTextCollation(void*, int lenA, const void* a, int lenB, const void* b) {
  std::string ga = Utf8ToGbk(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lenA)));
  std::string gb = Utf8ToGbk(std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lenB)));
  std::size_t n = std::min(ga.size(), gb.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(ga[i])));
    unsigned char cb = static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(gb[i])));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return ga.size() == gb.size() ? 0 : (ga.size() < gb.size() ? -1 : 1);
}

}  // namespace

std::string TranslateJetSql(std::string_view utf8Sql) {
  Parser parser(Lex(utf8Sql));
  std::unique_ptr<Compound> statement = parser.ParseStatement();
  Printer printer;
  return printer.Statement(*statement);
}

void RegisterJetFunctions(void* handle) {
  sqlite3* db = static_cast<sqlite3*>(handle);
  sqlite3_create_function_v2(db, "jet_add", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, JetAdd, nullptr, nullptr,
                             nullptr);
  sqlite3_create_collation_v2(db, "JETTEXT", SQLITE_UTF8, nullptr, JetTextCollation, nullptr);
}

}  // namespace lumeno::data
