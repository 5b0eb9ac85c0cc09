#pragma once
// The fixed texts that checks write to the log or show, in Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

namespace validador::texts {

// "ERRO!" followed by 80 asterisks: opens every error block.
const std::string& ErrorBanner();
// 87 asterisks: closes an error block.
const std::string& AsteriskLine();
// "****              Fim da Verificação              ****": ends an open command.
const std::string& ClosingLine();

// Identification header.
const std::string& HeaderFieldCount();     // "N.º de campos no arquivo diferente da Tabela"
const std::string& HeaderWrongCase();      // "O número de referência da tabela I está incorreto"
const std::string& HeaderWrongBank();      // "O nº do banco difere do informado: linha 1     I_identifica_dados"

// Record run: pieces joined around the table name and line number.
const std::string& CountNotVerifiedBefore();  // "O arquivo: "
const std::string& CountNotVerifiedAfter();   // " não teve o nº de linhas verificado"
const std::string& CountDiffersMiddle();      // ". O nº de linhas do arquivo difere do "
const std::string& CountDiffersEnd();         // "arquivo I_identifica_dados"
const std::string& FieldCountDiffers();       // "N.º de campos no arquivo diferente dos campos da "
const std::string& LinePrefix();              // "; linha:"

// File driver.
const std::string& FileMissingAfter();        // " não existe na pasta selecionada!"
const std::string& WrongLetter();             // "O conteúdo do do arquivo não corresponde ao especificado no layout; linha: "
const std::string& EmptyFile();               // "Arquivo Vazio: "
const std::string& WrongBank();               // "O nº do banco no arquivo difere do informado; linha: "
const std::string& SuccessBefore();           // "Carga efetuada com sucesso: "
const std::string& SuccessRecords();          // ", N.º de Registros: "

// Whole messages about a file, built around its table name.
std::string FileMissing(std::string_view tabela);     // "Arquivo: <tabela> não existe na pasta selecionada!"
std::string FileEmpty(std::string_view tabela);       // "Arquivo Vazio: <tabela>"
std::string CountNotVerified(std::string_view tabela);
std::string CountDiffers(std::string_view tabela);

// Error listing.
const std::string& LooksUtf8();  // "O arquivo parece estar codificado em UTF-8; o layout pede Windows-1252"
// "Arquivo: E_extrato_bancario: 12 bytes depois do caractere de fim de texto (Ctrl-Z) não
// foram verificados": text after a byte 26, told apart from the log and listed.

// Commands.
const std::string& CheckInterrupted();        // "Verificação interrompida pelo usuário"
const std::string& NoStandardName();          // "O arquivo selecionado não possui um nome padrão!"
const std::string& FillCase();                // "Preencha o n.º do caso!"
const std::string& FillBank();                // "Preencha o n.º do banco!"
const std::string& InvalidAlgorithm();        // notice for an algorithm box naming none of the ten
const std::string& CannotReadFile();          // "Impossível ler o arquivo"
const std::string& HashBoxPrompt();           // "Método hash...", the algorithm box before any choice

}  // namespace validador::texts

namespace validador {

// The notice and listing row for `bytes` after a table's first byte 26 (Windows-1252).
std::string TextoAposFim(std::string_view tabela, std::uint64_t bytes);

}  // namespace validador
