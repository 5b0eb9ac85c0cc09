// The commands on a file system where names differ by letter case alone, as POSIX
// systems have them (Windows keeps one of "x.txt" and "X.TXT").

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "support/TempDir.h"

namespace validador {
namespace {

// "Abre Arquivo" takes the layout from the chosen file's own name: the first standard name
// in the order of the check found anywhere in it, in any letter case. Folder names, even
// ones made of a standard name, are not looked at.
struct ChosenNameCase {
  const char* name;
  const char* folder;             // under the delivery folder, "" for none
  const char* fileName;
  RecordTypeIndex contents;       // the standard file whose bytes it holds
  std::optional<RecordTypeIndex> judgedAs;  // none: "no standard name"
};

class ChosenFileName : public EngineTest, public ::testing::WithParamInterface<ChosenNameCase> {};

TEST_P(ChosenFileName, GivesTheLayout) {
  const ChosenNameCase& c = GetParam();
  if (*c.folder != '\0') std::filesystem::create_directory(delivery.dir.Path() / c.folder);
  const std::string relative = *c.folder != '\0' ? std::string(c.folder) + "/" + c.fileName : c.fileName;
  hooks.chosenFile = delivery.dir.Write(relative, testsupport::ReadAll(delivery.PathOf(c.contents)));
  carga.AbreArquivo();
  const std::vector<std::string> log = LogOf(carga);
  if (!c.judgedAs) {
    EXPECT_EQ(log.at(1), "E|O arquivo selecionado não possui um nome padrão!");
    return;
  }
  const std::string success =
      "N|Carga efetuada com sucesso: " +
      std::string(LayoutCatalogue::Instance().NomeTabela(*c.judgedAs)) + ".";
  bool found = false;
  for (const std::string& line : log) found = found || line.starts_with(success);
  EXPECT_TRUE(found) << testing::PrintToString(log);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChosenFileName,
    ::testing::Values(
        ChosenNameCase{"StatementInsideAnIdentificationFolder", "I_IDENTIFICA_DADOS.txt.old",
                       "E_EXTRATO_BANCARIO.txt", rtE, rtE},
        ChosenNameCase{"LowerCaseNameInsideAnUpperCaseFolder", "I_IDENTIFICA_DADOS.TXT",
                       "y_observacoes.txt", rtY, rtY},
        ChosenNameCase{"AFolderNameAloneIsNoStandardName", "E_EXTRATO_BANCARIO.txt.old", "outro.txt",
                       rtE, std::nullopt},
        // Two standard names in one file name: the one the check reaches first wins,
        // wherever it stands in the name.
        ChosenNameCase{"OrderOfTheCheckWithinTheName", "",
                       "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt.A_CADASTRO_AGENCIAS.txt", rtA, rtA},
        ChosenNameCase{"NameWithAPrefix", "", "copia-T_CADASTRO_TITULARES.TXT", rtT, rtT}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace validador
