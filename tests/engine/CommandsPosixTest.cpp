// The commands on a file system where names differ by letter case alone, as POSIX
// systems have them (Windows keeps one of "x.txt" and "X.TXT").

#include <filesystem>

#include "engine/EngineFixture.h"
#include "support/TempDir.h"

namespace validador {
namespace {

using CommandsPosixTest = EngineTest;

// The name search reads the whole upper-cased path, folders included: a folder named
// like the identification file wins over the file's own name.
TEST_F(CommandsPosixTest, NameSearchUsesTheWholeUpperCasedPathInOrder) {
  std::filesystem::create_directory(delivery.dir.Path() / "I_IDENTIFICA_DADOS.TXT");
  hooks.chosenFile = delivery.dir.Write("I_IDENTIFICA_DADOS.TXT/Y_OBSERVACOES.txt",
                                        testsupport::ReadAll(delivery.PathOf(rtY)));
  carga.AbreArquivo();
  EXPECT_EQ(LogOf(carga)[1], "E|N.º de campos no arquivo diferente da Tabela");
}

}  // namespace
}  // namespace validador
