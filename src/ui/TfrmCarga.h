#pragma once
// The main window: the inputs of a check (case number, bank number, algorithm, folder),
// its four commands and everything a check shows. The check itself is the engine's
// Carga; the window shows its state and answers its hooks.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "preview/MostraRelatorio.h"
#include "ui/TDirectoryListBox.h"
#include "ui/TDriveComboBox.h"
#include "ui/TLogBox.h"
#include "ui/TPanel.h"
#include "ui/TShape.h"
#include "validation/Carga.h"

namespace validador::ui {

class TfrmCarga : public QWidget, private CargaHooks {
  Q_OBJECT

 public:
  // The open-file dialog: the chosen file, or nothing when the user cancels.
  using FileChooser = std::function<std::optional<QString>(QWidget* parent,
                                                           const QString& initialFolder)>;

  static constexpr int kClientWidth = 902;
  static constexpr int kClientHeight = 701;

  explicit TfrmCarga(QWidget* parent = nullptr);
  ~TfrmCarga() override;

  // The four commands, as their buttons run them.
  void btnAbreTodosClick();
  void btnAbreUmClick();
  void btnLimpaTelaClick();
  void btnGeraResultClick();

  // The result report's preview (MostraRelatorio unless replaced).
  using ReportShower = std::function<void(const DadosResultado& dados, QWidget* parent)>;

  // Replace the open-file dialog and the report's preview (the tests look at what
  // they are given).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetReportShower(ReportShower shower) { showReport_ = std::move(shower); }
  // The standard dialog: one filter, "Arquivos Texto (*.txt)", starting in the folder.
  static std::optional<QString> ChooseWithDialog(QWidget* parent, const QString& initialFolder);

  Carga& Engine() { return carga_; }
  const Carga& Engine() const { return carga_; }
  bool CommandRunning() const { return commandRunning_; }

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

 protected:
  void closeEvent(QCloseEvent* event) override;

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
  void SetTabOrder();
  void NameControls();
  void ConnectCommands();

  // Running a command: buttons off, inputs to the engine, the error handler, a close
  // asked for meanwhile carried out at the end.
  void RunCommand(const std::function<void()>& command);
  void SetCommandButtonsEnabled(bool enabled);
  void InputsToEngine();
  void ShowResultReport(const std::string& manifestDigest);

  // Showing the engine's state, in TfrmCargaHooks.cpp.
  void ShowState();
  void ShowAlgorithm();
  void ShowGauge();
  void ShowDigestList();

  void RestoreCursor();

  // CargaHooks
  void LogLineAdded(const LogLine& line) override;
  void LogCleared() override;
  void StateChanged() override;
  void FolderCheckStarted() override;
  void FolderCheckFinished() override;
  void FileFinished() override;
  void PreScanStarted() override;
  void PreScanFinished() override;
  void Progress() override;
  void InputNotice(const std::string& text, Entrada about) override;
  std::optional<std::string> ChooseFile(const std::string& initialFolder) override;
  void CannotReadFile(const std::string& path) override;

  Carga carga_;
  FileChooser chooseFile_ = &TfrmCarga::ChooseWithDialog;
  ReportShower showReport_ = &MostraRelatorio;
  bool commandRunning_ = false;
  bool closeAsked_ = false;
  int shownAlgorithmIndex_ = -1;
  std::string shownAlgorithmText_;
  std::size_t shownDigests_ = 0;
  QElapsedTimer groupRepaint_;
};

}  // namespace validador::ui
