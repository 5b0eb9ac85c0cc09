#pragma once
// The check of a delivery and everything it keeps between commands: the inputs,
// the declared counts, the identification values, the digest list, the current
// file, the line total, the gauge and the verification log. The desktop window
// shows this object and the command line prints it; both supply the hooks.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hash/Calchash.h"
#include "hash/TComponent.h"
#include "layout/UGlobal.h"
#include "validation/listing/ErrorListing.h"
#include "validation/scan/FileScan.h"
#include "validation/check/FileVerdict.h"
#include "validation/listing/ListingText.h"
#include "validation/scan/PreScanResult.h"
#include "validation/scan/RunResult.h"
#include "validation/check/VerificationLog.h"

namespace validador {

// The input a notice is about.
enum class Entrada { Caso, Banco, Algoritmo };

// What a shell shows of the check at one moment: the file in work (a path), the line total
// and the declared counts, the gauge, the algorithm box and the digest list (Windows-1252).
struct CargaSnapshot {
  std::string file;
  std::string lineTotal;
  bool lineTotalVisible = false;
  std::array<std::string, 8> declaredCounts;
  std::int64_t gaugeMax = 100;
  std::int64_t gaugePos = 0;
  int algorithmIndex = -1;
  std::string algorithmText;
  std::vector<std::string> digests;
};

// What the check tells the shell that shows it, as things happen. Every hook has a
// do-nothing default.
class CargaHooks {
 public:
  virtual ~CargaHooks() = default;
  // A line was appended to the log; the log was emptied.
  virtual void LogLineAdded(const LogLine& /*line*/) {}
  virtual void LogCleared() {}
  // A shown value changed (current file, line total, counts, gauge, algorithm, digests).
  virtual void StateChanged(const CargaSnapshot& /*state*/) {}
  // A check of all the files of the folder begins; it has ended.
  virtual void FolderCheckStarted() {}
  virtual void FolderCheckFinished() {}
  // The driver takes up one file; it is done with it, whatever it found.
  virtual void FileStarted(const std::string& /*path*/, RecordTypeIndex /*type*/) {}
  virtual void FileFinished() {}
  // The file's verdict, once it is judged: every file the driver takes up (a missing one
  // too), and the files only the error listing takes in (`inLog` false).
  virtual void FileJudged(const FileVerdict& /*verdict*/) {}
  // A file's lines are counted and looked over before its records are judged.
  virtual void PreScanStarted() {}
  virtual void PreScanFinished() {}
  // The gauge of `file` moved to `position` of `maximum`: bytes while a file is read or
  // the folder's files are digested.
  virtual void Progress(const std::string& /*file*/, std::int64_t /*position*/,
                        std::int64_t /*maximum*/) {}
  // A notice about an input ("Preencha o n.º do caso!").
  virtual void InputNotice(const std::string& /*text*/, Entrada /*about*/) {}
  // The user picks one file, starting in `initialFolder`; nullopt when they do not.
  virtual std::optional<std::string> ChooseFile(const std::string& /*initialFolder*/) {
    return std::nullopt;
  }
  // A file could not be opened for its digest ("Impossível ler o arquivo").
  virtual void CannotReadFile(const std::string& /*path*/) {}
  // The folder holds more than one file for a standard name, the names differing in
  // letter case only: `checked` is the one checked, the `ignored` ones are not read.
  // Told before the file is checked; the log is the same as without the others.
  virtual void NameClash(const std::string& /*checked*/,
                         const std::vector<std::string>& /*ignored*/) {}
  // The file has text after its first byte 26 (end of text, Ctrl-Z), which the checks
  // never look at though its digest covers it. `notice` (Windows-1252) says how many
  // bytes; the same text is the file's row in the error listing. The log is unchanged.
  virtual void TextAfterEndOfText(const std::string& /*path*/, const std::string& /*notice*/) {}
};

// How an open command ended when it did not throw.
enum class ComandoResultado { Concluido, FaltaCaso, FaltaBanco, AlgoritmoInvalido, Interrompido };

class AbreArquivos;
class AbreArquivo;
class ConfereHash;
class Resultado;

class Carga : public TComponent, private HashNotifier {
 public:
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
  // While a file is read: its size and the bytes judged; once it is judged: its lines
  // and the valid records among them.
  std::int64_t GaugeMax = 100;
  std::int64_t GaugePos = 0;
  std::array<std::string, 8> Edit;       // Edit1..Edit8: declared counts of A,B,C,E,I,O,T,Y
  std::vector<std::string> Memo2;        // the hidden digest list
  VerificationLog Log;                   // redtResultado and ContadorLinhasLog

  // ---- the error listing beside the log ----
  // Set by the shell: the commands then list every fault of the files they check, keeping
  // this many rows a file (0: all). Unset: no listing.
  std::optional<std::int64_t> ListagemPedida;
  // Set by the shell with the listing: its rows go to disk as they are found, in this
  // format, in files of their own in this folder (the listing's), not to memory.
  struct ListingOnDisk {
    ListingFormat format;
    std::string folder;
  };
  std::optional<ListingOnDisk> ListagemEmDisco;
  ErrorListing Listagem;  // the last command's, emptied by "Limpa Tela"
  // The verdicts of the files the last command judged, in order; emptied by "Limpa Tela".
  std::vector<FileVerdict> Veredictos;

  // ---- identification values and the chosen folder ----
  std::string NumCaso, NumBanco, NomeAnalista, TelContato, EmailContato;
  std::string PastaSelecionada;
  // The folder of the last check that ran to its end (the chosen folder for "Abre
  // Arquivos", the chosen file's folder for "Abre Arquivo"); empty before any, after
  // "Limpa Tela", and when the last open command was interrupted, ended by an error or
  // checked no file.
  std::string PastaVerificada;

  // ---- commands ----
  void LimpaTela();
  ComandoResultado AbreArquivos();
  ComandoResultado AbreArquivo();
  // The manifest step of "Resultado": writes HASHV.txt into the chosen folder and
  // returns its digest; nullopt (after a notice) when the algorithm box names none
  // of the ten algorithms. Input/output errors throw.
  std::optional<std::string> GeraManifesto();
  // "Confere Hash": the folder's files against its HASHV.txt (found in any letter case), with
  // the algorithm given, or the one that gives the most (line, file) pairs; and the manifest
  // itself against the digest printed on the report, when given. The files are read at most
  // as many at once as there are processors; the gauge counts their bytes, and RequestStop
  // ends the reading within a block. Input/output errors, a file changed while read, a
  // manifest that is not one the program writes and a chosen algorithm whose digests cannot
  // have the length of its lines (EAlgoritmoNaoCabe) throw.
  ComandoResultado ConfereHash(const std::optional<std::string>& manifestDigest = std::nullopt,
                               const std::optional<std::string>& algorithm = std::nullopt);
  // The same for the last check that ran to its end: the manifest goes into the folder
  // that check read, wherever the folder list stands now. nullopt, with nothing written,
  // when there is no such check (the algorithm notice comes first, as above).
  std::optional<std::string> GeraManifestoDaVerificacao();
  // Asks a running check or "Confere Hash" to stop after the block it is reading; any
  // thread may ask. The request stands until it is withdrawn: a shell that asks for stops
  // withdraws before it starts a command, so that a stop asked for before the command
  // reached its first block still counts.
  void RequestStop() { stopRequested_ = true; }
  void WithdrawStop() { stopRequested_ = false; }
  // Holds a running check or "Confere Hash" at its next block until Resume or a stop (the
  // shell asks the user whether to stop meanwhile); any thread may ask.
  void Pause() { pauseRequested_ = true; }
  void Resume() { pauseRequested_ = false; }
  // Between blocks: waits while paused; true when a stop was asked for.
  bool StopAsked() const;

  // What the shells show, as it stands now.
  CargaSnapshot Snapshot() const;

  // ---- steps (public for the shells and the tests) ----
  void EscreveLog(std::string_view text, bool errorStyle);
  void AppendClosingLine();
  bool AplicaAlgoritmoPadrao();  // selects md5 when nothing is selected; true when it did
  bool AlgoritmoValido() const;  // the algorithm box names one of the ten
  std::string Calchash(const std::string& path);
  static std::int64_t PosicaoSeparador(std::string_view separator, std::string_view line,
                                       std::int64_t n);
  bool ValidaIdentificacao(const std::string& path);
  // The header check on the first line as the file's one read kept it.
  bool ValidaIdentificacao(const FirstLine& header, const std::string& digest);
  bool ProcessaArquivo(const std::string& path, RecordTypeIndex type);
  // The driver's steps on a file's verdict, in the log's order. ContaLinhas: the line
  // total shown and, when the pre-scan stops the file, its block; true when the file goes
  // on to its record run. insereDadosTabelas: the run's blocks, then the success line or
  // the close of the fault block, with the digest.
  bool ContaLinhas(const FileVerdict& verdict);
  void insereDadosTabelas(const FileVerdict& verdict, const std::string& elapsed);
  void ProcessaArquivos();
  std::string GravaManifesto(const std::string& manifestPath);
 private:
  // The commands, one class each, work on this state.
  friend class validador::AbreArquivos;
  friend class validador::AbreArquivo;
  friend class validador::ConfereHash;
  friend class validador::Resultado;

  bool StopsBeforeTheRun(const PreScanResult& scan, RecordTypeIndex type, const std::string& digest);
  void WriteRunBlocks(RecordTypeIndex type, std::int64_t lineCount, CountCheck count,
                      const RunResult& run);
  void WriteRunOutcome(const RunResult& run, RecordTypeIndex type, const std::string& elapsed,
                       const std::string& digest);
  void CannotReadFile(const std::string& path) override;
  void AnnounceState();
  void MoveGauge(std::uint64_t position, std::uint64_t maximum);
  ScanOutcome Varre(const std::string& path, ScanRequest request);
  ScanOutcome ReadForItsCheck(const std::string& path, RecordTypeIndex type);
  ListingWanted ListingOfScan() const;
  void ListaDuranteVarredura(const std::string& path, RecordTypeIndex type, ScanRequest& request);
  FileJudgeInputs JudgeInputsFor(const std::string& path, RecordTypeIndex type) const;
  void Julgado(FileVerdict verdict);
  void ListaArquivo(const FileVerdict& verdict);
  void AvisaTextoAposFim(const std::string& path, RecordTypeIndex type, const ScanOutcome& scan);
  void ListaSemLog(const std::string& path, RecordTypeIndex type);
  void WriteHeaderBlocks(const HeaderVerdict& verdict, const std::string& digest);
  ComandoResultado UntilStopped(const std::function<void()>& check);
  void AddToDigestList(const std::string& digest);
  void WriteErrorBlock(const std::string& message);
  void WriteFileFaultBlock(const std::string& message, const std::string& digest,
                           bool emptyLineInErrorStyle);
  std::string_view NomeTabela(RecordTypeIndex type) const;

  CargaHooks defaultHooks_;
  CargaHooks* hooks_;
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> pauseRequested_{false};
};

}  // namespace validador
