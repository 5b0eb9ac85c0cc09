// validador-cli: the headless checker. A thin shell over the engine.

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/Commands.h"
#include "hash/Calchash.h"

namespace validador::cli {

namespace {

constexpr const char* kHelp =
    "Uso: validador-cli COMANDO [OPÇÕES]\n"
    "\n"
    "Comandos:\n"
    "  check PASTA --case TEXTO --bank TEXTO [--hash NOME] [--styled] [--manifest]\n"
    "        [--report SAIDA.pdf]\n"
    "      Verifica os oito arquivos da pasta (\"Abre Arquivos\").\n"
    "  check-file ARQUIVO --bank TEXTO [--case TEXTO] [--folder PASTA] [--hash NOME]\n"
    "        [--styled] [--manifest] [--report SAIDA.pdf]\n"
    "      Verifica um arquivo (\"Abre Arquivo\").\n"
    "  hash [--hash NOME] ARQUIVO...\n"
    "      Imprime o hash de cada arquivo: <HASH>  <ARQUIVO>.\n"
    "  selftest\n"
    "      Executa o autoteste de cada algoritmo de hash.\n"
    "\n"
    "Opções de check e check-file:\n"
    "  --case TEXTO      n.º do caso (obrigatório em check)\n"
    "  --bank TEXTO      n.º do banco, até três caracteres (obrigatório)\n"
    "  --hash NOME       algoritmo de hash (padrão md5)\n"
    "  --folder PASTA    pasta escolhida (check-file; padrão: a pasta do arquivo)\n"
    "  --styled          prefixa cada linha do log com seu estilo: E, N ou -\n"
    "  --manifest        grava HASHV.txt na pasta ao final\n"
    "  --report SAIDA    grava HASHV.txt e o relatório de resultado em PDF\n"
    "\n"
    "Algoritmos: haval, md4, md5, ripemd128, ripemd160, sha1, sha256, sha384,\n"
    "sha512, tiger.\n"
    "\n"
    "Código de saída: 0 sem erros; 1 com linhas de erro no log (hash: arquivo\n"
    "ilegível; selftest: falha); 2 comando interrompido por um erro; 64 uso incorreto.\n";

}  // namespace

int UsageError(std::string_view message) {
  std::cerr << "validador-cli: " << message << "\n"
            << "Use 'validador-cli --help' para ver o uso.\n";
  return kExitUsage;
}


}  // namespace validador::cli

int main(int argc, char** argv) {
  using namespace validador::cli;
  if (argc < 2) return UsageError("falta o comando");
  const std::string command = argv[1];
  const Args args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kHelp;
    return kExitOk;
  }
  if (command == "hash") return RunHash(args);
  if (command == "selftest") return RunSelftest(args);
  if (command == "check") return RunCheck(args);
  if (command == "check-file") return RunCheckFile(args);
  return UsageError("comando desconhecido: " + command);
}
