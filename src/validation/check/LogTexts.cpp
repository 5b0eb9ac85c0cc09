#include "validation/check/LogTexts.h"

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

}  // namespace validador::texts

namespace validador {

std::string TextoAposFim(std::string_view tabela, std::uint64_t bytes) {
  const std::string count = std::to_string(bytes);
  return "Arquivo: " + std::string(tabela) + ": " +
         Utf8ToCp1252(bytes == 1 ? "1 byte depois do caractere de fim de texto (Ctrl-Z) não foi verificado"
                                 : count + " bytes depois do caractere de fim de texto (Ctrl-Z) não foram verificados");
}

}  // namespace validador
