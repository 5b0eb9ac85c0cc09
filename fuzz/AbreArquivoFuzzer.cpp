// A whole "Abre Arquivo" on a file made of the input, in a folder of its own: whatever
// the bytes, the command never crashes, and it ends either with the closing line last in
// its log, or with the one error a check raises on a file that it can read whole: a
// declared count in an identification header that is no integer.

#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "hash/Calchash.h"
#include "base/Errors.h"
#include "validation/check/Carga.h"
#include "base/Mensagens.h"

namespace validador::fuzz {
namespace {

// The folder of the file, made once and removed at the end of the run.
class Folder {
 public:
  Folder() {
    path_ = std::filesystem::temp_directory_path() / ("validador-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The file's name: one of the eight standard names (by record type index), in capitals
// or, with the high bit, in small letters; or a name that is none of them.
std::string FileName(std::uint8_t choice) {
  const int index = (choice & 0x7F) % (kRecordTypeCount + 1);
  if (index == kRecordTypeCount) return "outro_arquivo.txt";
  std::string name(LayoutCatalogue::Instance().NomeArquivo(static_cast<RecordTypeIndex>(index)));
  if ((choice & 0x80) != 0) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

class ChosenFile : public CargaHooks {
 public:
  explicit ChosenFile(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> ChooseFile(const std::string&) override { return path_; }

 private:
  std::string path_;
};

void ExpectClosedLog(const Carga& carga) {
  const auto& lines = carga.Log.Lines();
  if (lines.empty() || lines.back().text != texts::ClosingLine()) {
    Mismatch("last log line", lines.empty() ? "(none)" : lines.back().text, texts::ClosingLine());
  }
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].text == texts::ClosingLine()) Mismatch("closing line", "before the end", "last");
  }
}

}  // namespace
}  // namespace validador::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace validador;
  using namespace validador::fuzz;
  static const Folder folder;
  FuzzInput input(data, size);
  const std::string name = FileName(input.Choice());
  const std::uint8_t inputs = input.Choice();
  const std::uint8_t cuts = input.Choice();
  const std::string_view bytes = input.Rest();

  std::filesystem::remove_all(folder.Path());
  std::filesystem::create_directories(folder.Path());
  const std::string path = (folder.Path() / name).string();
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  // Blocks of a few bytes, which many lines cross, or of 4 KiB (the size of blocks does
  // not change what a check finds; small ones keep each run quick).
  ScanTuning tuning;
  tuning.blockSize = 4096;
  tuning.blocksInMemory = 4;
  tuning.judgingThreads = 2;
  if ((cuts & 0x80) != 0) {
    tuning.blockSize = 1 + cuts % 64;
    tuning.blocksInMemory = 1 + cuts % 5;
    tuning.judgingThreads = 1 + cuts % 2;
  }
  SetScanTuning(tuning);

  ChosenFile hooks(path);
  Carga carga(&hooks);
  carga.dlb1 = folder.Path().string();
  carga.edtNrCaso = (inputs & 1) != 0 ? "2024.001" : "";
  carga.edtNrBanco = (inputs & 2) != 0 ? "001" : (inputs & 4) != 0 ? "237" : "";
  const std::size_t algorithm = (inputs >> 3) % kAlgorithms.size();
  carga.cbHashIndex = static_cast<int>(algorithm);
  carga.cbHashText = std::string(kAlgorithms[algorithm].name);
  try {
    const ComandoResultado result = carga.AbreArquivo();
    if (result == ComandoResultado::FaltaBanco) return 0;
    ExpectEqual("result", static_cast<int>(result), static_cast<int>(ComandoResultado::Concluido));
    ExpectClosedLog(carga);
    if (carga.Memo2.size() > 1) Mismatch("digest list", std::to_string(carga.Memo2.size()), "at most 1");
  } catch (const EConvertError&) {
    // A declared count in the identification header that is no integer.
  }
  return 0;
}
