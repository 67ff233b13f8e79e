// The content of the surname origins: table xing holds every surname of
// the traditional hundred-surnames list and the most common surnames of
// today, each with an origin of its own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "content_checks.h"
#include "fortune/surnames.h"

namespace lumeno::fortune::content {
namespace {

// The surnames of the hundred-surnames list in its order, the single ones
// first, then the compound ones and the closing lines. A|B: editions and
// readings differ, either form will do.
const char* const kHundredSurnames =
    "赵 钱 孙 李 周 吴 郑 王 冯 陈 褚 卫 蒋 沈 韩 杨 朱 秦 尤 许 何 吕 施 张 孔 曹 严 华 金 魏 陶 姜 "
    "戚 谢 邹 喻 柏 水 窦 章 云 苏 潘 葛 奚 范 彭 郎 鲁 韦 昌 马 苗 凤 花 方 俞 任 袁 柳 酆 鲍 史 唐 "
    "费 廉 岑 薛 雷 贺 倪 汤 滕 殷 罗 毕 郝 邬 安 常 乐 于 时 傅 皮 卞 齐 康 伍 余 元 卜 顾 孟 平 黄 "
    "和 穆 萧 尹 姚 邵 湛 汪 祁 毛 禹 狄 米 贝 明 臧 计 伏 成 戴 谈 宋 茅 庞 熊 纪 舒 屈 项 祝 董 梁 "
    "杜 阮 蓝 闵 席 季 麻 强 贾 路 娄 危 江 童 颜 郭 梅 盛 林 刁 钟 徐 邱 骆 高 夏 蔡 田 樊 胡 凌 霍 "
    "虞 万 支 柯 昝 管 卢 莫 经 房 裘 缪 干 解 应 宗 丁 宣 贲 邓 郁 单 杭 洪 包 诸 左 石 崔 吉 钮 龚 "
    "程 嵇 邢 滑 裴 陆 荣 翁 荀 羊 於 惠 甄 曲|麴 家 封 芮 羿 储 靳 汲 邴 糜 松 井 段 富 巫 乌 焦 巴 弓 "
    "牧 隗 山 谷 车 侯 宓 蓬 全 郗 班 仰 秋 仲 伊 宫 宁 仇 栾 暴 甘 钭 厉 戎 祖 武 符 刘 景 詹 束 龙 "
    "叶 幸 司 韶 郜 黎 蓟 薄 印 宿 白 怀 蒲 邰 从 鄂 索 咸 籍 赖 卓 蔺 屠 蒙 池 乔 阴 郁|鬱 胥 能 苍 双 "
    "闻 莘 党 翟 谭 贡 劳 逄 姬 申 扶 堵 冉 宰 郦 雍 郤|郄|却 璩 桑 桂 濮 牛 寿 通 边 扈 燕 冀 郏 浦 尚 农 "
    "温 别 庄 晏 柴 瞿 阎 充 慕 连 茹 习 宦 艾 鱼 容 向 古 易 慎 戈 廖 庾 终 暨 居 衡 步 都 耿 满 弘 "
    "匡 国 文 寇 广 禄 阙 东 欧 殳 沃 利 蔚 越 夔 隆 师 巩 厍 聂 晁 勾 敖 融 冷 訾 辛 阚 那 简 饶 空 "
    "曾 毋 沙 乜 养 鞠 须 丰 巢 关 蒯 相 查 后 荆 红 游 竺 权 逯 盖 益 桓 公 "
    "万俟 司马 上官 欧阳 夏侯 诸葛 闻人 东方 赫连 皇甫 尉迟 公羊 "
    "澹台 公冶 宗政 濮阳 淳于 单于 太叔 申屠 公孙 仲孙 轩辕 令狐 "
    "钟离 宇文 长孙 慕容 鲜于 闾丘 司徒 司空 亓官 司寇 仉|仉督 督|仉督 子车 "
    "颛孙 端木 巫马 公西 漆雕 乐正 壤驷 公良 拓跋 夹谷 宰父 谷梁 "
    "晋 楚 闫 法 汝 鄢 涂 钦 段干 百里 东郭 南门 "
    "呼延 归|归海 海|归海 羊舌 微生 岳 帅 缑 亢 况 郈|后 有|有琴 "
    "琴|有琴 梁丘 左丘 东门 西门 商|商牟 牟|商牟 佘 佴 伯赏 南宫 墨 "
    "哈 谯 笪 年 爱 阳 佟 第五 言 福 ";

// The hundred most common surnames of today, most common first, then
// further common ones among the first three hundred that the
// hundred-surnames list lacks.
const char* const kCommonSurnames =
    "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 "
    "许 韩 冯 邓 曹 彭 曾 肖 田 董 袁 潘 于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 "
    "姚 卢 姜 崔 钟 谭 陆 汪 范 金 石 廖 贾 夏 韦 付 方 白 邹 孟 熊 秦 邱 江 尹 "
    "薛 闫 段 雷 侯 龙 史 陶 黎 贺 顾 毛 郝 龚 邵 万 钱 严 覃 武 戴 莫 孔 向 汤 "
    "兰 冼 练 揭 苑 畅 来 苟 邸 谌 银 保 原 衣 栗 台 粟 战 母 雒 初 代 操 隋 门 邝 麦 占 丛 位 綦 ";

std::vector<std::string> Words(const char* list) {
  std::istringstream in(list);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::vector<std::string> Alternatives(const std::string& entry) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t bar; (bar = entry.find('|', start)) != std::string::npos; start = bar + 1)
    out.push_back(entry.substr(start, bar - start));
  out.push_back(entry.substr(start));
  return out;
}

class SurnamesContent : public ::testing::Test {
 protected:
  void SetUp() override {
    const data::ResultSet rows = Rows(data::DatabaseFile::VelBirth, "select xingl,intro from xing");
    ASSERT_GT(rows.RecordCount(), 0) << "table xing of VelBirth.dll is empty: the surname origins "
                                        "(refdata/tables/VelBirth/xing.tsv) have not been supplied";
    for (int r = 0; r < rows.RecordCount(); ++r) {
      const std::string surname = rows.At(r, "xingl").AsTrimmedText();
      EXPECT_TRUE(origins.emplace(surname, rows.At(r, "intro").AsTrimmedText()).second)
          << GbkToUtf8(surname) << " has two rows";
    }
  }
  std::string MissingOf(const char* list) const {
    std::string missing;
    for (const std::string& entry : Words(list)) {
      bool found = false;
      for (const std::string& s : Alternatives(entry)) found = found || origins.count(s) > 0;
      if (!found) missing += " " + GbkToUtf8(entry);
    }
    return missing;
  }
  std::map<std::string, std::string> origins;
};

TEST_F(SurnamesContent, EverySurnameOfTheListsHasItsRow) {
  EXPECT_EQ(MissingOf(kHundredSurnames), "") << "surnames of the hundred-surnames list without a row";
  EXPECT_EQ(MissingOf(kCommonSurnames), "") << "common surnames of today without a row";
}

TEST_F(SurnamesContent, EachOriginIsItsOwn) {
  for (const auto& [surname, origin] : origins) {
    EXPECT_TRUE(ChineseCharactersOnly(surname) && CharCount(surname) <= 2) << "surname " << GbkToUtf8(surname);
    const int n = CharCount(origin);
    EXPECT_TRUE(n >= 80 && n <= 300) << GbkToUtf8(surname) << ": " << n << " characters, not 80 to 300";
  }
  EXPECT_EQ(SharedSentences(origins), "") << "sentences shared between surname origins";
}

TEST_F(SurnamesContent, TheWindowListsAndFindsThem) {
  data::Query query(data::ConnectionStringFor(data::DatabaseFile::VelBirth));
  const std::vector<std::string> list = SurnameList(query);
  EXPECT_EQ(list.size(), origins.size());
  for (const char* s : {"张", "欧阳", "司马"}) {
    const SurnameSearch r = SearchSurname(s, query);
    EXPECT_EQ(r.action, SurnameSearch::Action::Show) << GbkToUtf8(s);
    if (!r.lines.empty()) {
      EXPECT_NE(r.lines.front(), "") << GbkToUtf8(s);
    }
  }
}

}  // namespace
}  // namespace lumeno::fortune::content
