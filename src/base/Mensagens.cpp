#include "base/Mensagens.h"

#include "base/Cp1252.h"

namespace validador::texts {

#define VALIDADOR_TEXT(Name, utf8)                     \
  const std::string& Name() {                          \
    static const std::string text = Utf8ToCp1252(utf8); \
    return text;                                       \
  }

VALIDADOR_TEXT(ErrorBanner, "ERRO!" + std::string(80, '*'))
VALIDADOR_TEXT(AsteriskLine, std::string(87, '*'))
VALIDADOR_TEXT(ClosingLine, "****              Fim da Verificação              ****")

VALIDADOR_TEXT(HeaderFieldCount, "N.º de campos no arquivo diferente da Tabela")
VALIDADOR_TEXT(HeaderWrongCase, "O número de referência da tabela I está incorreto")
VALIDADOR_TEXT(HeaderWrongBank, "O nº do banco difere do informado: linha 1     I_identifica_dados")

VALIDADOR_TEXT(CountNotVerifiedBefore, "O arquivo: ")
VALIDADOR_TEXT(CountNotVerifiedAfter, " não teve o nº de linhas verificado")
VALIDADOR_TEXT(CountDiffersMiddle, ". O nº de linhas do arquivo difere do ")
VALIDADOR_TEXT(CountDiffersEnd, "arquivo I_identifica_dados")
VALIDADOR_TEXT(FieldCountDiffers, "N.º de campos no arquivo diferente dos campos da ")
VALIDADOR_TEXT(LinePrefix, "; linha:")

VALIDADOR_TEXT(FileMissingAfter, " não existe na pasta selecionada!")
VALIDADOR_TEXT(WrongLetter,
               "O conteúdo do do arquivo não corresponde ao especificado no layout; linha: ")
VALIDADOR_TEXT(EmptyFile, "Arquivo Vazio: ")
VALIDADOR_TEXT(WrongBank, "O nº do banco no arquivo difere do informado; linha: ")
VALIDADOR_TEXT(SuccessBefore, "Carga efetuada com sucesso: ")
VALIDADOR_TEXT(SuccessRecords, ", N.º de Registros: ")

VALIDADOR_TEXT(NoStandardName, "O arquivo selecionado não possui um nome padrão!")
VALIDADOR_TEXT(FillCase, "Preencha o n.º do caso!")
VALIDADOR_TEXT(FillBank, "Preencha o n.º do banco!")
VALIDADOR_TEXT(InvalidAlgorithm,
               "Método hash inválido! Escolha um dos algoritmos da lista: haval, md4, md5, "
               "ripemd128, ripemd160, sha1, sha256, sha384, sha512 ou tiger.")
VALIDADOR_TEXT(CannotReadFile, "Impossível ler o arquivo")
VALIDADOR_TEXT(LooksUtf8, "O arquivo parece estar codificado em UTF-8; o layout pede Windows-1252")
VALIDADOR_TEXT(CheckInterrupted, "Verificação interrompida pelo usuário")
VALIDADOR_TEXT(HashBoxPrompt, "Método hash...")
VALIDADOR_TEXT(FileChanged, "Arquivo alterado durante a verificação")
VALIDADOR_TEXT(NadaAConferir,
               "Nada a conferir: o HASHV.txt não tem nenhum hash e a pasta não tem nenhum arquivo da entrega")

#undef VALIDADOR_TEXT

std::string FileMissing(std::string_view tabela) {
  return "Arquivo: " + std::string(tabela) + FileMissingAfter();
}

std::string FileEmpty(std::string_view tabela) { return EmptyFile() + std::string(tabela); }

std::string CountNotVerified(std::string_view tabela) {
  return CountNotVerifiedBefore() + std::string(tabela) + CountNotVerifiedAfter();
}

std::string CountDiffers(std::string_view tabela) {
  return "Arquivo: " + std::string(tabela) + CountDiffersMiddle() + CountDiffersEnd();
}

std::string FileChangedIn(std::string_view tabela) { return FileChanged() + ": " + std::string(tabela); }

namespace {

std::string LineOfManifest(std::size_t line) { return "linha " + std::to_string(line + 1) + " do HASHV.txt"; }

}  // namespace

std::string ConfereOk(const std::string& name) { return Utf8ToCp1252("OK " + name); }
std::string ConfereAlterado(const std::string& name) { return Utf8ToCp1252("ALTERADO " + name); }
std::string ConfereSemHash(const std::string& name) { return Utf8ToCp1252("SEM HASH " + name); }

std::string ConfereTrocadoDe(const std::string& name, const std::string& standardName) {
  return Utf8ToCp1252("TROCADO " + name + " (conteúdo de " + standardName + ")");
}

std::string ConfereTrocadoDaLinha(const std::string& name, std::size_t line) {
  return Utf8ToCp1252("TROCADO " + name + " (conteúdo da " + LineOfManifest(line) + ")");
}

std::string ConfereAusente(const std::string& standardName) { return Utf8ToCp1252("AUSENTE " + standardName); }

std::string ConfereAusenteLinha(std::size_t line) { return Utf8ToCp1252("AUSENTE (" + LineOfManifest(line) + ")"); }

std::string AlgoritmoNaoIdentificado(const std::string& alternatives, std::size_t lineLength) {
  return Utf8ToCp1252("Algoritmo não identificado: nenhum arquivo confere com o HASHV.txt em " + alternatives +
                      " (hashes de " + std::to_string(lineLength) + " caracteres)");
}

std::string ResumoDaConferencia(const std::string& algorithm, int ok, int altered, int swapped, int missing,
                                int extra) {
  return Utf8ToCp1252("Conferência (" + (algorithm.empty() ? std::string("algoritmo não identificado") : algorithm) +
                      "): " + std::to_string(ok) + " OK, " + std::to_string(altered) + " ALTERADO, " +
                      std::to_string(swapped) + " TROCADO, " + std::to_string(missing) + " AUSENTE, " +
                      std::to_string(extra) + " SEM HASH");
}

std::string LinhaDoManifestoErrada(const std::string& manifestName, std::uint64_t line, const std::string& what) {
  return Utf8ToCp1252(manifestName + ", linha " + std::to_string(line) + ": " + what);
}

std::string NaoEHashLongo(std::size_t longest) {
  return "não é um hash (mais de " + std::to_string(longest) + " caracteres)";
}

std::string AlgoritmoNaoCabe(const std::string& algorithm, std::size_t digestLength, std::size_t lineLength) {
  return Utf8ToCp1252("o algoritmo " + algorithm + " dá hashes de " + std::to_string(digestLength) +
                      " caracteres, e as linhas do HASHV.txt têm " + std::to_string(lineLength));
}

std::string AlgoritmoDesconhecido(const std::string& name) { return "algoritmo desconhecido: " + name; }

std::string AlgoritmoDesconhecidoEntre(const std::string& name, const std::string& valid) {
  return AlgoritmoDesconhecido(name) + " (válidos: " + valid + ")";
}

}  // namespace validador::texts

namespace validador {

std::string TextoAposFim(std::string_view tabela, std::uint64_t bytes) {
  const std::string count = std::to_string(bytes);
  return "Arquivo: " + std::string(tabela) + ": " +
         Utf8ToCp1252(bytes == 1 ? "1 byte depois do caractere de fim de texto (Ctrl-Z) não foi verificado"
                                 : count + " bytes depois do caractere de fim de texto (Ctrl-Z) não foram verificados");
}

}  // namespace validador
