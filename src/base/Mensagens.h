#pragma once
// The program's message catalogue: the fixed texts the checks write to the log or show
// (Windows-1252, built around the names they are about), and the command line's own
// (UTF-8). A text that two places show is written here once.

#include <cstddef>
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
const std::string& FileChanged();             // "Arquivo alterado durante a verificação"
std::string FileChangedIn(std::string_view tabela);  // FileChanged() + ": <tabela>"

// "Confere Hash": one line per finding, the names in UTF-8 (file names as found, standard
// names), the result in Windows-1252.
std::string ConfereOk(const std::string& name);        // "OK <name>"
std::string ConfereAlterado(const std::string& name);  // "ALTERADO <name>"
std::string ConfereSemHash(const std::string& name);   // "SEM HASH <name>"
// "TROCADO <name> (conteúdo de <standard name>)" / "(conteúdo da linha N do HASHV.txt)"
std::string ConfereTrocadoDe(const std::string& name, const std::string& standardName);
std::string ConfereTrocadoDaLinha(const std::string& name, std::size_t line);
// "AUSENTE <standard name>" / "AUSENTE (linha N do HASHV.txt)"
std::string ConfereAusente(const std::string& standardName);
std::string ConfereAusenteLinha(std::size_t line);
const std::string& NadaAConferir();
// "Algoritmo não identificado: nenhum arquivo confere com o HASHV.txt em md4, md5 ou
// ripemd128 (hashes de 32 caracteres)"
std::string AlgoritmoNaoIdentificado(const std::string& alternatives, std::size_t lineLength);
// "Conferência (md5): 7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"; an empty
// algorithm is "algoritmo não identificado".
std::string ResumoDaConferencia(const std::string& algorithm, int ok, int altered, int swapped,
                                int missing, int extra);
// A HASHV.txt that is not one the program writes.
std::string LinhaDoManifestoErrada(const std::string& manifestName, std::uint64_t line,
                                   const std::string& what);
std::string NaoEHashLongo(std::size_t longest);  // UTF-8: "não é um hash (mais de N caracteres)"
std::string AlgoritmoNaoCabe(const std::string& algorithm, std::size_t digestLength,
                             std::size_t lineLength);

// The command line's texts (UTF-8).
std::string AlgoritmoDesconhecido(const std::string& name);  // "algoritmo desconhecido: <name>"
std::string AlgoritmoDesconhecidoEntre(const std::string& name, const std::string& valid);
inline constexpr std::string_view kFaltaPasta = "falta a PASTA";
inline constexpr std::string_view kPastaVazia = "a PASTA não pode ser vazia";

}  // namespace validador::texts

namespace validador {

// The notice and listing row for `bytes` after a table's first byte 26 (Windows-1252).
std::string TextoAposFim(std::string_view tabela, std::uint64_t bytes);

}  // namespace validador
