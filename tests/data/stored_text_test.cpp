#include <gtest/gtest.h>

#include <random>

#include "data/info.h"
#include "data/stored_text.h"

namespace lumeno::data {
namespace {

class StoredText : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBeepHook([this] { ++beeps; });
  }
  void TearDown() override { SetBeepHook({}); }
  int beeps = 0;
};

TEST_F(StoredText, EmptyTextStaysEmpty) {
  EXPECT_EQ(DecodeStoredText(""), "");
  EXPECT_EQ(DecodeStoredText("A"), "");  // one digit makes no pair
  EXPECT_EQ(beeps, 0);
}

TEST_F(StoredText, KnownEncodingDecodes) {
  const std::string plain = "木火土三才配置";
  const std::string stored = EncodeStoredText(plain);
  EXPECT_EQ(stored.size(), plain.size() * 2);
  EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(DecodeStoredText(stored), plain);
  // Without scrambling (no rounds) the pairs are the bytes themselves.
  EXPECT_EQ(DecodeStoredText("41426a", kStoredTextKey, 0), "ABj");
}

TEST_F(StoredText, OddFinalDigitIsIgnored) {
  const std::string stored = EncodeStoredText("ab");
  EXPECT_EQ(DecodeStoredText(stored + "7"), "ab");
}

TEST_F(StoredText, MixedCaseHexadecimal) {
  std::string stored = EncodeStoredText("张三");
  std::string lower = stored;
  for (std::size_t i = 0; i < lower.size(); i += 2) lower[i] = static_cast<char>(std::tolower(lower[i]));
  EXPECT_EQ(DecodeStoredText(lower), "张三");
}

TEST_F(StoredText, NonHexadecimalPairBeepsOnceAndTheRestDecodes) {
  // With no rounds the bytes pass unchanged, so the effect of the bad pair
  // shows directly: it adds no byte, and decoding goes on after it.
  EXPECT_EQ(DecodeStoredText("41zz42", kStoredTextKey, 0), "AB");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(DecodeStoredText("4G4142", kStoredTextKey, 0), "AB");
  EXPECT_EQ(beeps, 2);
  // With the real key the bad pair beeps once and the others still decode.
  std::string stored = EncodeStoredText("AB");
  EXPECT_EQ(DecodeStoredText(stored.substr(0, 2) + "xx" + stored.substr(2)), "AB");
  EXPECT_EQ(beeps, 3);
}

TEST_F(StoredText, EncodeThenDecodeGivesBackAnyByteString) {
  std::mt19937 rng(20261209);
  for (int n = 0; n < 500; ++n) {
    std::string bytes(rng() % 64, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    std::uint16_t key = static_cast<std::uint16_t>(rng());
    int rounds = static_cast<int>(rng() % 9);
    ASSERT_EQ(DecodeStoredText(EncodeStoredText(bytes, key, rounds), key, rounds), bytes) << n;
  }
}

}  // namespace
}  // namespace lumeno::data
