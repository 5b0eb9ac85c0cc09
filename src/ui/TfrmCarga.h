#pragma once
// The main window: the inputs of a check (case number, bank number, algorithm, folder),
// its commands (the four of a check and "Confere Hash") and everything a check shows,
// its error listing included. The check itself is the engine's
// Carga, run on a worker thread; the window shows what its hooks send.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "preview/MostraRelatorio.h"
#include "ui/CargaRelay.h"
#include "ui/ConfereHashDialog.h"
#include "ui/ListingSaveDialog.h"
#include "ui/ManifestReplace.h"
#include "ui/OverallProgress.h"
#include "ui/TDirectoryListBox.h"
#include "ui/TDriveComboBox.h"
#include "ui/TLogBox.h"
#include "ui/TPanel.h"
#include "ui/TShape.h"
#include "ui/TfrmListaErros.h"
#include "validation/check/Carga.h"

class QAction;
class QMimeData;
class QShortcut;

namespace validador::ui {

class TfrmCarga : public QWidget {
  Q_OBJECT

 public:
  // The open-file dialog: the chosen file, or nothing when the user cancels.
  using FileChooser = std::function<std::optional<QString>(QWidget* parent,
                                                           const QString& initialFolder)>;

  // The client area at the default size, where every control stands at its usual
  // place; the window may grow from there (the log box and the folder list take the room)
  // and shrink in height down to the minimum (the room under the group first, then the
  // log box).
  static constexpr int kClientWidth = 902;
  static constexpr int kClientHeight = 701;
  static constexpr int kMinimumClientHeight = 531;

  explicit TfrmCarga(QWidget* parent = nullptr);
  ~TfrmCarga() override;

  // The four commands, as their buttons run them.
  void btnAbreTodosClick();
  void btnAbreUmClick();
  void btnLimpaTelaClick();
  void btnGeraResultClick();
  // "Confere Hash": asks whether to check the manifest too, then audits the chosen folder
  // against its HASHV.txt.
  void btnConfereHashClick();
  // "Salvar lista de erros…": the error listing of the last check that ran to its end,
  // where and in the format the user chooses. Does nothing when there is none.
  void SalvarListaDeErros();
  // "Lista de erros": the faults of the last check that ran to its end in a table, in a
  // window of its own (Ctrl+L, a click on the lines with faults, the log box's menu).
  // Does nothing when there is no listing.
  void MostraListaDeErros();
  TfrmListaErros* ListaDeErros() const { return listaErros_; }

  // The result report's preview (MostraRelatorio unless replaced).
  using ReportShower = std::function<void(const DadosResultado& dados, QWidget* parent)>;

  // Replace the open-file dialog and the report's preview (the tests look at what
  // they are given).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetReportShower(ReportShower shower) { showReport_ = std::move(shower); }
  // The question asked before a running check is interrupted (by the "Interromper"
  // button, Escape or closing the window); true to interrupt. A message box unless
  // replaced.
  using StopQuestion = std::function<bool(QWidget* parent)>;
  void SetStopQuestion(StopQuestion question) { askToStop_ = std::move(question); }
  static bool AskWithMessageBox(QWidget* parent);
  // The question before "Resultado" writes a HASHV.txt of fewer lines over the folder's
  // (a message box unless replaced); true to replace.
  using ReplaceManifestQuestion = std::function<bool(QWidget* parent, qsizetype oldLines, qsizetype newLines)>;
  void SetReplaceManifestQuestion(ReplaceManifestQuestion question) { askToReplace_ = std::move(question); }
  // The question of "Confere Hash" (ConfereHashDialog unless replaced); nothing to cancel.
  using ConfereHashQuestion =
      std::function<std::optional<ConfereHashChoice>(QWidget* parent, const QString& folder)>;
  void SetConfereHashQuestion(ConfereHashQuestion question) { askConfereHash_ = std::move(question); }
  // Where the error listing goes (the save dialog unless replaced), starting at the
  // suggested path; nothing when the user cancels.
  using ListingSaveChooser =
      std::function<std::optional<ListingSaveChoice>(QWidget* parent, const QString& suggested)>;
  void SetListingSaveChooser(ListingSaveChooser chooser) { chooseListingSave_ = std::move(chooser); }
  // The standard dialog: one filter, "Arquivos Texto (*.txt)", starting in the folder.
  static std::optional<QString> ChooseWithDialog(QWidget* parent, const QString& initialFolder);

  // Where the window stands: no command; a command running; a running check or
  // "Confere Hash" that the user is asked about stopping or has asked to stop.
  enum class CommandState { Idle, Running, Stopping };
  CommandState State() const { return state_; }

  // The engine; read it only while no command runs (a check runs on another thread).
  Carga& Engine() { return carga_; }
  const Carga& Engine() const { return carga_; }
  bool CommandRunning() const { return state_ != CommandState::Idle; }
  // True while an open command or "Confere Hash" runs (the time a stop can be asked for).
  bool CheckRunning() const { return CommandRunning() && running_ != Kind::Other; }
  // True when the last check ran to its end and its error listing can be saved.
  bool ListingAvailable() const;
  // Where the save dialogs start: the checked folder, the file named after the case.
  QString SuggestedLogPath() const;
  QString SuggestedListingPath() const;

  // Makes the inputs of the last session (folder, algorithm, case and bank numbers) come
  // back now, and keeps them from now on (at each command and when the window closes).
  void RememberInputs();

  // Chooses the folder of a drop: the dropped folder, or the folder of a dropped file.
  // False (and nothing chosen) while a command runs or when the drop holds no local file.
  bool ChooseDroppedFolder(const QMimeData* data);

  // ---- controls on the window ----
  QLabel* Image1 = nullptr;
  QLabel *Label5 = nullptr, *Label6 = nullptr, *Label1 = nullptr, *Label8 = nullptr;
  TShape* Shape4 = nullptr;
  TPanel* Panel2 = nullptr;
  TShape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QLabel* RxLabel2 = nullptr;
  QPlainTextEdit* Memo2 = nullptr;

  // ---- controls in GroupBox4 ----
  QLabel* Label2 = nullptr;
  QLineEdit* edtNrCaso = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* edtNrBanco = nullptr;
  QPushButton *btnAbreTodos = nullptr, *btnAbreUm = nullptr, *btnGeraResult = nullptr,
              *btnLimpaTela = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* FEdit = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* lblTotReg = nullptr;
  TDriveComboBox* DriveComboBox1 = nullptr;
  TDirectoryListBox* dlb1 = nullptr;
  QLabel* Label15 = nullptr;
  QComboBox* cbHash = nullptr;
  QProgressBar* G = nullptr;
  std::array<QLabel*, 8> QuantidadeLabels{};  // Label16..Label19, Label20..Label23
  std::array<QLineEdit*, 8> Edit{};            // Edit1..Edit8
  TLogBox* redtResultado = nullptr;
  // Added to the group where they leave every other control in its place: the fifth
  // command, under the algorithm box it uses; after a check, the lines with faults of each
  // file, right of the line total.
  QPushButton* btnConfereHash = nullptr;
  QLabel* lblLinhasComErro = nullptr;
  // "Salvar lista de erros…", in the context menus of the log box, of the lines with faults
  // and of the overall progress.
  QAction* actSalvarListaErros = nullptr;
  QAction* actListaErros = nullptr;  // "Lista de erros…", Ctrl+L

  // ---- under the group: the check as a whole, and its stop ----
  QLabel* lblProgressoGeral = nullptr;
  QPushButton* btnInterromper = nullptr;  // shown only while a check runs; Escape does the same

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The overall progress line under the group got a new text.
  void overallProgressShown(const QString& text);

 private:
  // Window creation, in TfrmCargaControles.cpp.
  void FormCreate();
  void CreateHeading();
  void CreateDecorations();
  void CreateGroup();
  void CreateInputs();
  void CreateButtons();
  void CreateFileAndFolder();
  void CreateAlgorithmAndGauge();
  void CreateCountBoxes();
  void CreateLogAndFooter();
  void CreateOverallProgress();
  void CreateListingView();
  QString InCheckedFolder(const QString& stem, const QString& ending) const;
  void SaveInputs() const;
  void AcceptFolderDrops();
  void SetTabOrder();
  void NameControls();
  void ConnectCommands();

  // Places the controls for a client size (TfrmCargaLayout.cpp).
  void ArrangeControls(const QSize& client);

  // Running a command: buttons and folder choice off, the focus kept off the folder list,
  // inputs to the engine, the error handler; at the end the focus back on the button that
  // started it, unless a notice put it on an input, and a close asked for meanwhile.
  // Checks and "Confere Hash" can be stopped; they run on a worker thread.
  enum class Kind { Check, ConfereHash, Other };
  void RunCommand(QPushButton* startedBy, Kind kind, const std::function<void()>& command);
  void RunCheck(QPushButton* startedBy, int fileCount,
                const std::function<ComandoResultado()>& check);
  // Runs the engine's command on the worker; the gauge then tells how it ended.
  void RunOnEngine(const std::function<ComandoResultado()>& command);
  void ShowHowItEnded(bool ranToItsEnd);
  qint64 BytesOfTheDelivery() const;
  void BeginRun(Kind kind);
  void EndRun(QPushButton* startedBy);
  void SetCommandButtonsEnabled(bool enabled);
  void InputsToEngine();
  bool InputsFitTheCodePage();
  void ShowResultReport(const std::string& manifestDigest);
  bool MayReplaceManifest();
  // Shows "Interromper" (with the focus) and lets Escape stop: the check has begun.
  void OfferTheStop();
  // Asks whether to interrupt the running check; on yes asks the engine to stop.
  // True when a stop was asked for.
  bool OfferToStop();
  void ShowOverallProgress();

  // Showing the engine's state, in TfrmCargaHooks.cpp.
  void ShowState();
  void Show(const ShownValues& values);
  void ShowAlgorithm(const ShownValues& values);
  void ShowGauge(qint64 position, qint64 maximum);
  void ShowDigestList(const QStringList& digests);
  void ShowListing();

  void RestoreCursor();

  // What the engine's hooks send (through the relay).
  void ConnectTheEngine();
  void LogLineAdded(const LogLine& line);
  void LogCleared();
  void FolderCheckStarted();
  void FileStarted(const QString& path);
  void FileJudged(const FileVerdict& verdict);
  void Progress(qint64 position, qint64 maximum);
  void InputNotice(const QString& text, Entrada about);
  std::optional<QString> ChooseFile(const QString& initialFolder);

  CargaRelay relay_;
  Carga carga_;
  FileChooser chooseFile_ = &TfrmCarga::ChooseWithDialog;
  ReportShower showReport_;
  StopQuestion askToStop_ = &TfrmCarga::AskWithMessageBox;
  ReplaceManifestQuestion askToReplace_ = &AskToReplaceWithMessageBox;
  ConfereHashQuestion askConfereHash_ = &ConfereHashDialog::Ask;
  ListingSaveChooser chooseListingSave_ = &ChooseListingWithDialog;
  QPointer<TfrmListaErros> listaErros_;
  CommandState state_ = CommandState::Idle;
  Kind running_ = Kind::Other;
  bool closeWhenDone_ = false;  // the window was closed while a command ran
  bool focusSetByCommand_ = false;
  bool rememberInputs_ = false;
  OverallProgress progress_;
  // The verdicts of the last command's files, as the engine handed them over; emptied with
  // the log.
  std::vector<FileVerdict> verdicts_;
  QShortcut* stopShortcut_ = nullptr;
  int expectedFiles_ = 0;  // files the running open command will take up
  qint64 expectedBytes_ = 0;
  bool tookUpFiles_ = false;  // the running command got as far as reading files
  int shownAlgorithmIndex_ = -1;
  QString shownAlgorithmText_;
  qsizetype shownDigests_ = 0;
};

}  // namespace validador::ui
