#pragma once
// The check of a delivery and everything it keeps between commands: the inputs,
// the declared counts, the identification values, the digest list, the current
// file, the line total, the gauge and the verification log. The desktop window
// shows this object and the command line prints it; both supply the hooks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hash/Calchash.h"
#include "hash/TComponent.h"
#include "layout/UGlobal.h"
#include "validation/VerificationLog.h"

namespace validador {

class FileDigest;

enum class CursorKind { Normal, Hourglass, DatabaseWait };

// The input a notice sends the focus to.
enum class InputBox { Caso, Banco, Hash };

// What a shell does for the check. Every hook has a do-nothing default.
class CargaHooks {
 public:
  virtual ~CargaHooks() = default;
  virtual void LogLineAdded(const LogLine& /*line*/) {}
  virtual void LogCleared() {}
  // Every 300 valid records of a run: the window handles its pending events.
  virtual void ProcessMessages() {}
  // A shown value changed (current file, line total, counts, gauge, algorithm).
  virtual void StateChanged() {}
  virtual void SetCursor(CursorKind /*cursor*/) {}
  // A plain notice ("Preencha o n.º do caso!"); then the focus goes to `focus`.
  virtual void Notice(const std::string& /*text*/, InputBox /*focus*/) {}
  // The open-file dialog, starting in `initialFolder`; nullopt when cancelled.
  virtual std::optional<std::string> ChooseFile(const std::string& /*initialFolder*/) {
    return std::nullopt;
  }
  // A file could not be opened for its digest ("Impossível ler o arquivo").
  virtual void CannotReadFile(const std::string& /*path*/) {}
};

// How an open command ended when it did not throw.
enum class ComandoResultado { Concluido, FaltaCaso, FaltaBanco, AlgoritmoInvalido };

class Carga : public TComponent, private HashNotifier {
 public:
  static constexpr int kPumpInterval = 300;  // valid records between ProcessMessages
  static constexpr int kMd5Index = 2;        // the default entry of the algorithm list

  explicit Carga(CargaHooks* hooks = nullptr);
  ~Carga() override;

  // ---- inputs (Windows-1252 texts) ----
  std::string edtNrCaso;
  std::string edtNrBanco;
  int cbHashIndex = -1;           // selected entry of the algorithm list, -1 for none
  std::string cbHashText;         // the text the algorithm box shows
  std::string dlb1;               // the chosen folder

  // ---- what the window shows ----
  std::string FEdit;                     // the file in work
  std::string lblTotReg = "0";           // line total of the file in work
  bool lblTotRegVisible = false;         // with its caption "Total de Linhas:"
  std::int32_t GaugeMax = 100;
  std::int32_t GaugePos = 0;
  std::array<std::string, 8> Edit;       // Edit1..Edit8: declared counts of A,B,C,E,I,O,T,Y
  std::vector<std::string> Memo2;        // the hidden digest list
  VerificationLog Log;                   // redtResultado and ContadorLinhasLog

  // ---- identification values and the chosen folder ----
  std::string NumCaso, NumBanco, NomeAnalista, TelContato, EmailContato;
  std::string PastaSelecionada;

  // ---- commands ----
  void LimpaTela();
  ComandoResultado AbreArquivos();
  ComandoResultado AbreArquivo();
  // The manifest step of "Resultado": writes HASHV.txt into the chosen folder and
  // returns its digest; nullopt (after a notice) when the algorithm box names none
  // of the ten algorithms. Input/output errors throw.
  std::optional<std::string> GeraManifesto();

  // ---- steps (public for the shells and the tests) ----
  void EscreveLog(std::string_view text, bool errorStyle);
  void AppendClosingLine();
  bool AplicaAlgoritmoPadrao();  // selects md5 when nothing is selected; true when it did
  bool AlgoritmoValido() const;  // the algorithm box names one of the ten
  std::string Calchash(const std::string& path);
  std::int32_t ContaLinhas(RecordTypeIndex type, std::string& wrongLetterMarker,
                           std::string& bankMarker);
  static std::int32_t PosicaoSeparador(std::string_view separator, std::string_view line,
                                       std::int32_t n);
  bool ValidaIdentificacao(const std::string& path);
  bool ConfereQtdeLinhas(RecordTypeIndex type, std::int32_t lineCount);
  std::int32_t insereDadosTabelas(const std::string& path, RecordTypeIndex type,
                                  std::string& status, std::string& MensagemErro);
  bool ProcessaArquivo(const std::string& path, RecordTypeIndex type);
  void ProcessaArquivos();
  std::string GravaManifesto(const std::string& manifestPath);

 private:
  void CannotReadFile(const std::string& path) override;
  bool ValidaIdentificacao(const std::string& path, FileDigest& digest);
  void AddToDigestList(const std::string& digest);
  void WriteErrorBlock(const std::string& message);
  std::string_view NomeTabela(RecordTypeIndex type) const;

  CargaHooks defaultHooks_;
  CargaHooks* hooks_;
};

}  // namespace validador
