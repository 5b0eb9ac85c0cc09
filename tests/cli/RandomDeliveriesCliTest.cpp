// Generated deliveries, each file valid or damaged in one of the ways analysts meet, checked
// by `check` with and without --errors: the listing changes nothing else. The seed is printed
// with every failure; VALIDADOR_TEST_SEED replays one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::Delivery;
using testsupport::Fields;
using testsupport::Join;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using testsupport::ValidRecord;
using namespace validador;

constexpr int kDeliveries = 24;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

std::string Masked(const std::string& log) {
  static const std::regex elapsed("Ok - \\d\\d:\\d\\d:\\d\\d,");
  return std::regex_replace(log, elapsed, "Ok - hh:nn:ss,");
}

enum class Damage { None, Missing, Empty, CountOff, HugeCount, ZeroCount, ExtraField, WrongBank, WrongLetter, Count };

// The lines of a data file of `lineCount` valid records with at most one damaged line.
std::vector<std::string> LinesOf(RecordTypeIndex type, int lineCount, Damage damage, std::mt19937& random) {
  std::vector<std::string> lines;
  const int bad = std::uniform_int_distribution<int>(0, lineCount - 1)(random);
  for (int n = 0; n < lineCount; ++n) {
    Fields fields = ValidRecord(type, n == bad && damage == Damage::WrongBank ? "002" : "001", n);
    if (n == bad && damage == Damage::WrongLetter) fields[0] = "X";
    std::string line = Join(fields);
    if (n == bad && damage == Damage::ExtraField) line += "\textra";
    lines.push_back(line);
  }
  return lines;
}

void Damaged(Delivery& delivery, std::mt19937& random) {
  for (const RecordTypeIndex type : {rtA, rtB, rtC, rtE, rtO, rtT, rtY}) {
    const auto damage = static_cast<Damage>(
        std::uniform_int_distribution<int>(0, static_cast<int>(Damage::Count) - 1)(random));
    const int lineCount = std::uniform_int_distribution<int>(1, 5)(random);
    delivery.WriteLines(type, LinesOf(type, lineCount, damage, random));
    const auto slot = static_cast<std::size_t>(type);
    switch (damage) {
      case Damage::Missing:
        delivery.Remove(type);
        break;
      case Damage::Empty:
        delivery.WriteFile(type, "");
        break;
      case Damage::CountOff:
        delivery.counts[slot] = std::to_string(lineCount + 1);
        break;
      case Damage::HugeCount:
        delivery.counts[slot] = std::to_string((std::int64_t{1} << 31) + lineCount);
        break;
      case Damage::ZeroCount:
        delivery.counts[slot] = "0";
        break;
      default:
        break;
    }
  }
  // Now and then the header itself stops the log early.
  if (std::uniform_int_distribution<int>(0, 7)(random) == 0) delivery.caso += "-9";
  delivery.WriteHeader();
}

struct CheckRun {
  ProcessResult result;
  std::string manifest;
};

CheckRun CheckWith(const Delivery& delivery, const std::string& caso, std::vector<std::string> more) {
  const std::filesystem::path manifest = delivery.dir.Path() / "HASHV.txt";
  std::filesystem::remove(manifest);
  std::vector<std::string> args = {"check", delivery.dir.Path().string(), "--case", caso,
                                   "--bank", delivery.bank, "--manifest"};
  args.insert(args.end(), more.begin(), more.end());
  CheckRun run{Cli(args), {}};
  if (std::filesystem::exists(manifest)) run.manifest = ReadAll(manifest.string());
  return run;
}

unsigned Seed() {
  if (const char* given = std::getenv("VALIDADOR_TEST_SEED")) return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
  return std::random_device{}();
}

TEST(RandomDeliveries, TheListingChangesNothingElse) {
  const unsigned seed = Seed();
  SCOPED_TRACE("VALIDADOR_TEST_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  testsupport::TempDir out;
  for (int k = 0; k < kDeliveries; ++k) {
    SCOPED_TRACE("delivery " + std::to_string(k));
    Delivery delivery;
    const std::string typedCase = delivery.caso;
    Damaged(delivery, random);
    const CheckRun plain = CheckWith(delivery, typedCase, {});
    const std::string listing = out.File("erros-" + std::to_string(k) + (k % 2 == 0 ? ".csv" : ".jsonl"));
    const CheckRun listed = CheckWith(delivery, typedCase, {"--errors", listing, "--max-errors", std::to_string(k % 3)});
    EXPECT_EQ(listed.result.exitCode, plain.result.exitCode);
    EXPECT_EQ(Masked(listed.result.out), Masked(plain.result.out));
    EXPECT_EQ(listed.result.err, plain.result.err);
    EXPECT_EQ(listed.manifest, plain.manifest);
    // No damage here is one that ends the command: both run to their end.
    EXPECT_TRUE(plain.result.exitCode == 0 || plain.result.exitCode == 1) << plain.result.err;
    EXPECT_NE(plain.result.out.find("Fim da Verifica"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(listing));
  }
}

}  // namespace
