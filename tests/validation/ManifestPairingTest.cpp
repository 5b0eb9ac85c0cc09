// Pairing HASHV.txt's lines with the files present by content, keeping their order: what is
// named OK, ALTERADO, TROCADO, AUSENTE or SEM HASH for each way a delivery can differ.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "layout/UGlobal.h"
#include "validation/manifest/ManifestPairing.h"

namespace {

using validador::Achado;
using validador::Conferido;
using validador::DigestsByPlace;
using validador::kProcessingOrder;
using validador::RecordTypeIndex;

// The places in processing order by the letter of their file: I A B C E O T Y.
const std::string kLetters = "IABCEOTY";

std::size_t PlaceOf(char letter) { return kLetters.find(letter); }

char LetterOf(RecordTypeIndex type) {
  return kLetters[static_cast<std::size_t>(std::find(kProcessingOrder.begin(), kProcessingOrder.end(), type) -
                                           kProcessingOrder.begin())];
}

// A file's content as a digest: its letter and a version, "A0" for the file as checked.
// `files` lists the files present as "letter=content", e.g. "A=B0" for A holding B's content.
DigestsByPlace Files(const std::vector<std::string>& files) {
  DigestsByPlace byPlace;
  for (const std::string& file : files) byPlace[PlaceOf(file[0])] = file.substr(2);
  return byPlace;
}

// Every file present as checked, but for the changes given ("A=B0"), and without `removed`.
DigestsByPlace Delivery(const std::string& removed = "", const std::map<char, std::string>& changed = {}) {
  std::vector<std::string> files;
  for (const char letter : kLetters) {
    if (removed.find(letter) != std::string::npos) continue;
    const auto change = changed.find(letter);
    files.push_back(std::string(1, letter) + "=" + (change != changed.end() ? change->second : std::string(1, letter) + "0"));
  }
  return Files(files);
}

// The manifest written when the files `letters` were there, as checked.
std::vector<std::string> Manifest(const std::string& letters = kLetters) {
  std::vector<std::string> lines;
  for (const char letter : letters) lines.push_back(std::string(1, letter) + "0");
  return lines;
}

// Each entry as a short text: "OK A", "ALTERADO E", "TROCADO A<B", "TROCADO A<#3",
// "AUSENTE C", "AUSENTE #4", "SEM HASH C" (#n: line n of the manifest, no file named).
std::vector<std::string> Rendered(const std::vector<Conferido>& entries) {
  std::vector<std::string> texts;
  for (const Conferido& entry : entries) {
    const auto lineName = [](std::size_t line, const std::optional<RecordTypeIndex>& place) {
      return place ? std::string(1, LetterOf(*place)) : "#" + std::to_string(line + 1);
    };
    switch (entry.achado) {
      case Achado::Ok: texts.push_back(std::string("OK ") + LetterOf(*entry.file)); break;
      case Achado::Alterado: texts.push_back(std::string("ALTERADO ") + LetterOf(*entry.file)); break;
      case Achado::Trocado:
        texts.push_back(std::string("TROCADO ") + LetterOf(*entry.file) + "<" +
                        lineName(entry.contentLine, entry.contentOf));
        break;
      case Achado::Ausente: texts.push_back("AUSENTE " + lineName(*entry.line, entry.lineFile)); break;
      case Achado::SemHash: texts.push_back(std::string("SEM HASH ") + LetterOf(*entry.file)); break;
    }
  }
  return texts;
}

struct PairingCase {
  const char* name;
  std::vector<std::string> lines;
  DigestsByPlace files;
  std::vector<std::string> expected;
};

class ManifestPairing : public ::testing::TestWithParam<PairingCase> {};

TEST_P(ManifestPairing, NamesWhatReallyChanged) {
  EXPECT_EQ(Rendered(validador::PairManifest(GetParam().lines, GetParam().files)), GetParam().expected);
}

const std::vector<std::string> kAllOk = {"OK I", "OK A", "OK B", "OK C", "OK E", "OK O", "OK T", "OK Y"};

INSTANTIATE_TEST_SUITE_P(
    Deliveries, ManifestPairing,
    ::testing::Values(
        PairingCase{"Intact", Manifest(), Delivery(), kAllOk},
        PairingCase{"FirstRemoved", Manifest(), Delivery("I"),
                    {"AUSENTE I", "OK A", "OK B", "OK C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"MiddleRemoved", Manifest(), Delivery("C"),
                    {"OK I", "OK A", "OK B", "AUSENTE C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"LastRemoved", Manifest(), Delivery("Y"),
                    {"OK I", "OK A", "OK B", "OK C", "OK E", "OK O", "OK T", "AUSENTE Y"}},
        PairingCase{"ChangedAndRemoved", Manifest(), Delivery("T", {{'E', "E1"}}),
                    {"OK I", "OK A", "OK B", "OK C", "ALTERADO E", "OK O", "AUSENTE T", "OK Y"}},
        PairingCase{"ChangedNextToRemoved", Manifest(), Delivery("C", {{'E', "E1"}}),
                    {"OK I", "OK A", "OK B", "AUSENTE C", "ALTERADO E", "OK O", "OK T", "OK Y"}},
        PairingCase{"TwoChangedInARow", Manifest(), Delivery("", {{'B', "B1"}, {'C', "C1"}}),
                    {"OK I", "OK A", "ALTERADO B", "ALTERADO C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"Swapped", Manifest(), Delivery("", {{'A', "B0"}, {'B', "A0"}}),
                    {"OK I", "TROCADO A<B", "TROCADO B<A", "OK C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"SwappedFarApart", Manifest(), Delivery("", {{'A', "Y0"}, {'Y', "A0"}}),
                    {"OK I", "TROCADO A<Y", "OK B", "OK C", "OK E", "OK O", "OK T", "TROCADO Y<A"}},
        PairingCase{"CopyOfAnother", Manifest(), Delivery("", {{'A', "B0"}}),
                    {"OK I", "TROCADO A<B", "OK B", "OK C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"RemovedAndItsContentElsewhere", Manifest(), Delivery("A", {{'B', "A0"}}),
                    {"OK I", "AUSENTE A", "TROCADO B<A", "OK C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"EverythingChanged", Manifest(),
                    Delivery("", {{'I', "I1"}, {'A', "A1"}, {'B', "B1"}, {'C', "C1"}, {'E', "E1"}, {'O', "O1"},
                                  {'T', "T1"}, {'Y', "Y1"}}),
                    {"ALTERADO I", "ALTERADO A", "ALTERADO B", "ALTERADO C", "ALTERADO E", "ALTERADO O",
                     "ALTERADO T", "ALTERADO Y"}},
        // Written when C was missing: seven lines.
        PairingCase{"ExtraFile", Manifest("IABEOTY"), Delivery(),
                    {"OK I", "OK A", "OK B", "SEM HASH C", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"WrittenWithoutCIntact", Manifest("IABEOTY"), Delivery("C"),
                    {"OK I", "OK A", "OK B", "OK E", "OK O", "OK T", "OK Y"}},
        PairingCase{"WrittenWithoutCThenChanged", Manifest("IABEOTY"), Delivery("C", {{'E', "E1"}}),
                    {"OK I", "OK A", "OK B", "ALTERADO E", "OK O", "OK T", "OK Y"}},
        // The line between B and O may have been C's or E's: it is named by its number.
        PairingCase{"WrittenWithoutCThenERemoved", Manifest("IABEOTY"), Delivery("CE"),
                    {"OK I", "OK A", "OK B", "AUSENTE #4", "OK O", "OK T", "OK Y"}},
        // Between O and Y only T fits.
        PairingCase{"WrittenWithoutCThenTRemoved", Manifest("IABEOTY"), Delivery("CT"),
                    {"OK I", "OK A", "OK B", "OK E", "OK O", "AUSENTE T", "OK Y"}},
        PairingCase{"WrittenWithoutYThenARemoved", Manifest("IABCEOT"), Delivery("A"),
                    {"OK I", "AUSENTE A", "OK B", "OK C", "OK E", "OK O", "OK T", "SEM HASH Y"}},
        // The manifest of one chosen file.
        PairingCase{"OneLine", Manifest("A"), Delivery(),
                    {"SEM HASH I", "OK A", "SEM HASH B", "SEM HASH C", "SEM HASH E", "SEM HASH O", "SEM HASH T",
                     "SEM HASH Y"}},
        PairingCase{"OneLineChanged", Manifest("A"), Files({"A=A1"}), {"ALTERADO A"}},
        PairingCase{"EmptyManifest", {}, Files({"A=A0", "Y=Y0"}), {"SEM HASH A", "SEM HASH Y"}},
        PairingCase{"NoFiles", Manifest("IA"), Files({}), {"AUSENTE #1", "AUSENTE #2"}},
        PairingCase{"NoFilesFullManifest", Manifest(), Files({}),
                    {"AUSENTE I", "AUSENTE A", "AUSENTE B", "AUSENTE C", "AUSENTE E", "AUSENTE O", "AUSENTE T",
                     "AUSENTE Y"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ManifestMatchingPairs, CountsEveryLineFileWithTheSameContent) {
  EXPECT_EQ(validador::MatchingPairs(Manifest(), Delivery()), 8u);
  EXPECT_EQ(validador::MatchingPairs(Manifest(), Delivery("C", {{'A', "B0"}, {'B', "A0"}})), 7u);
  EXPECT_EQ(validador::MatchingPairs(Manifest("A"), Delivery("", {{'B', "A0"}})), 2u);
  EXPECT_EQ(validador::MatchingPairs(Manifest(), Files({"A=X", "B=Y"})), 0u);
  EXPECT_EQ(validador::MatchingPairs({}, Delivery()), 0u);
}

}  // namespace
