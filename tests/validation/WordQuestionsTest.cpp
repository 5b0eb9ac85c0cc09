// The questions asked of a field's bytes eight at a time (digits only; letters,
// full stops, blanks and commas of a numeric value) against a byte-by-byte answer:
// every size up to 40 bytes, every position of one odd byte of each of the 256
// values in a text that is otherwise digits or numeric punctuation, and random texts.
// Each text sits in a heap block of exactly its size, so that a read past its end
// shows under AddressSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "validation/rules/CharClasses.h"

namespace validador {
namespace {

constexpr std::size_t kLongestText = 40;

bool PlainIsAllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char byte) { return byte >= '0' && byte <= '9'; });
}

bool PlainHasLetterStopOrBlank(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '.' || byte == ' ';
  });
}

bool PlainHasComma(std::string_view text) { return text.find(',') != std::string_view::npos; }

class ExactBlock {
 public:
  explicit ExactBlock(const std::string& text) : bytes_(std::make_unique<char[]>(text.size())), size_(text.size()) {
    std::copy(text.begin(), text.end(), bytes_.get());
  }
  std::string_view View() const { return {bytes_.get(), size_}; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_;
};

// Compares the three answers for `text`; true when they all agree.
bool AgreesWithPlainAnswers(const std::string& text) {
  const ExactBlock block(text);
  const std::string_view view = block.View();
  const NumericBytes numeric = NumericBytesOf(view);
  const bool agrees = IsAllDigits(view) == PlainIsAllDigits(text) &&
                      numeric.letterStopOrBlank == PlainHasLetterStopOrBlank(text) &&
                      numeric.comma == PlainHasComma(text);
  EXPECT_TRUE(agrees) << "size " << text.size() << ", bytes '" << text << "'";
  return agrees;
}

struct Background {
  const char* name;
  const char* pattern;  // repeated to fill the text
};

class OneOddByte : public ::testing::TestWithParam<Background> {};

TEST_P(OneOddByte, AnyValueAtAnyPositionOfAnySize) {
  const std::string pattern = GetParam().pattern;
  for (std::size_t size = 0; size <= kLongestText; ++size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) text += pattern[i % pattern.size()];
    ASSERT_TRUE(AgreesWithPlainAnswers(text));
    for (std::size_t position = 0; position < size; ++position) {
      for (int value = 0; value < 256; ++value) {
        std::string odd = text;
        odd[position] = static_cast<char>(value);
        ASSERT_TRUE(AgreesWithPlainAnswers(odd)) << "position " << position << ", value " << value;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, OneOddByte,
                         ::testing::Values(Background{"Digits", "0123456789"}, Background{"Nines", "9"},
                                           Background{"NumericPunctuation", "1-2/3,4"},
                                           Background{"WithFullStop", "7.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WordQuestions, RandomTextsOfTellingBytes) {
  constexpr std::string_view kBytes = "0123456789,-./ :+aZ\xE7\x80\xFF\t";
  std::mt19937 random(7);
  for (int n = 0; n < 50000; ++n) {
    std::string text(random() % (kLongestText + 1), ' ');
    for (char& byte : text) byte = kBytes[random() % kBytes.size()];
    ASSERT_TRUE(AgreesWithPlainAnswers(text));
  }
}

}  // namespace
}  // namespace validador
